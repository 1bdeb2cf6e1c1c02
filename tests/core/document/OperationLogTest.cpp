#include "core/document/DocumentTexts.h"
#include "core/files/FileTexts.h"
#include "core/document/Document.h"
#include "core/document/OperationLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vq {
namespace {

struct EntryCase {
    const char* name;
    int row;
    std::string word;
    std::string text;
    std::string entry;
};

class LogEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(LogEntries, Format) {
    const EntryCase& c = GetParam();
    EXPECT_EQ(MakeLogEntry(c.row, c.word, c.text).full(), c.entry);
    OperationLog log;
    log.add(c.row, c.word, "", c.text);
    EXPECT_EQ(log.entry(0).full(), c.entry);
    EXPECT_EQ(log.row(0), c.row);  // the row the entry leads back to
}

INSTANTIATE_TEST_SUITE_P(
    OperationLog, LogEntries,
    ::testing::Values(EntryCase{"FirstRow", 0, "注释选定行(&R)", "key=1", "(1)注释选定行(&R): key=1"},
                      EntryCase{"Marker", kLogMarker, "注释选定行(&R)", "<<操作开始>>",
                                "(0)注释选定行(&R): <<操作开始>>"},
                      EntryCase{"Summary", kLogSummary, "<<选择 3 行，注释 2 行>>", "", "(-1)<<选择 3 行，注释 2 行>>"},
                      EntryCase{"BlankTextDropped", 4, "删除选定行(&T)", "   \t", "(5)删除选定行(&T)"},
                      EntryCase{"LeadingSpacesKept", 11, "注释选定行(&R)", "  x ", "(12)注释选定行(&R):   x "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OperationLog, AppendAndClear) {
    OperationLog log;
    log.add(kLogSummary, FormatMessage(texts::kOpenLogEntry, {"/x/a b.ini"}), "");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log.entry(0).full(), "(-1)打开文件:\"/x/a b.ini\"");
    log.clear();
    EXPECT_EQ(log.size(), 0u);
}

// The program's own marks are kept apart from the document's text, so each can be shown in its
// own encoding; together they are the entry's text.
TEST(OperationLog, NotesBeforeTheText) {
    EXPECT_EQ(MakeLogEntry(1, "w", "<<删除>>", "  x").full(), "(2)w: <<删除>>  x");
    EXPECT_EQ(MakeLogEntry(1, "w", "<<删除>>", "").full(), "(2)w: <<删除>>");
    EXPECT_EQ(MakeLogEntry(1, "w", " ", "\t").full(), "(2)w");
    OperationLog log;
    log.add(kLogMarker, "c", texts::kOpStart, {});
    log.add(3, "c", "<<删除>>", "\xB0\xA1");
    log.add(4, "c", "  ", " ");
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log.entry(0).full(), "(0)c: <<操作开始>>");
    EXPECT_EQ(log.entry(1).head, "(4)c");
    EXPECT_EQ(log.entry(1).note, "<<删除>>");
    EXPECT_EQ(log.entry(1).text, "\xB0\xA1");
    EXPECT_EQ(log.entry(2).full(), "(5)c");
    EXPECT_THROW(log.add(1, "c", std::string(OperationLog::kMaxNote + 1, 'x'), ""), std::length_error);
    EXPECT_EQ(log.size(), 3u);
}

LineTable SplitLines(std::string_view bytes) {
    LineSplitter splitter(ByteBuffer::copyOf(bytes));
    std::string_view text;
    while (splitter.next(text)) {
    }
    return splitter.finish();
}

// Entries are kept encoded against the one before; every way an entry can differ from its
// neighbour must read back as MakeLogEntry writes it: rows going back and jumping, words and
// notes changing, literal texts, blank ones, lines of two files with and without a prefix,
// texts larger than a block, and enough entries to pass many checkpoints and blocks.
TEST(OperationLog, EveryEntryReadsBackAsWritten) {
    std::string fileA;
    for (int k = 0; k < 3000; ++k)
        fileA +=
            (k % 7 == 0 ? std::string("  ") : "key_" + std::to_string(k) + " = " + std::string(k % 50, 'v')) + "\r\n";
    const LineTable a = SplitLines(fileA);
    OperationLog log;
    std::vector<std::string> expected;
    std::vector<int> rows;
    {
        const LineTable b = SplitLines("[b]\nx=1\n;y=2\n");  // only the log keeps these
        std::mt19937 random(7);
        const char* words[] = {"注释选定行(&R)", "恢复", "w"};
        const char* notes[] = {"", "<<删除>>", " "};
        const char* prefixes[] = {"", ";", "# ", "   "};
        int row = 0;
        size_t line = 0;
        for (int k = 0; k < 20000; ++k) {
            const int step = static_cast<int>(random() % 10);
            row = step < 7 ? row + 1 : static_cast<int>(random() % 100000) - 2;
            line = step < 6 ? (line + 1) % a.count() : random() % a.count();
            const char* word = words[random() % 3];
            const char* note = notes[random() % 3];
            rows.push_back(row);
            switch (random() % 6) {
            case 0: {
                const std::string text = k % 997 == 0 ? std::string(1500000, 'L') : "lit " + std::to_string(k);
                log.add(row, word, note, text);
                expected.push_back(MakeLogEntry(row, word, note, text).full());
                break;
            }
            case 1:
                log.add(row, word, note, "\t ");
                expected.push_back(MakeLogEntry(row, word, note, "\t ").full());
                break;
            case 2: {
                const size_t bLine = random() % b.count();
                log.addLine(row, word, note, ";", b, bLine);
                expected.push_back(MakeLogEntry(row, word, note, ";" + std::string(b.text(bLine))).full());
                break;
            }
            default: {
                const char* prefix = prefixes[random() % 4];
                const size_t skip = random() % 3 == 0 ? random() % 6 : 0;
                log.addLine(row, word, note, prefix, a, line, skip);
                const std::string_view rest = a.text(line).substr(std::min(skip, a.text(line).size()));
                expected.push_back(MakeLogEntry(row, word, note, prefix + std::string(rest)).full());
            }
            }
        }
    }
    ASSERT_EQ(log.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(log.entry(i).full(), expected[i]) << "entry " << i;
        ASSERT_EQ(log.row(i), rows[i]) << "entry " << i;
    }
    for (size_t i = expected.size(); i-- > 0;)  // backwards too: no state survives between reads
        ASSERT_EQ(log.entry(i).full(), expected[i]) << "entry " << i;
}

// A command over every row of a big file logs an entry per row; kept as references to the
// lines, a million of them take a few bytes each, not a copy of the file.
TEST(OperationLog, LinesOfAFileAreNotCopied) {
    std::string file;
    for (int k = 0; k < 1000000; ++k)
        file += k % 4 == 0 ? ";comment line " + std::to_string(k) + "\n" : "key_" + std::to_string(k) + " = value\n";
    const LineTable lines = SplitLines(file);
    OperationLog log;
    for (int pass = 0; pass < 2; ++pass)
        for (size_t k = 0; k < lines.count(); ++k)
            if (pass == 0 ? k % 4 != 0 : true)  // a comment pass skips comments; then all rows
                log.addLine(static_cast<int>(k), pass == 0 ? "注释" : "取消注释", {},
                            pass == 0 || k % 4 == 0 ? "" : ";", lines, k);
    ASSERT_EQ(log.size(), 1750000u);
    EXPECT_LT(log.memoryBytes(), 4 * log.size()) << file.size();
    EXPECT_EQ(log.entry(1750000 - 2).full(), "(999999)取消注释: ;key_999998 = value");
}

// The log outlives the file it refers to: after another file was opened, the entries of the
// commands run on the first one still read as they were written.
TEST(OperationLog, EntriesOfAFileOpenedBeforeStayReadable) {
    Document doc;
    doc.load(std::string_view("a=1\n;b=2\nc=3\n"), Progress{});
    doc.setCaption(2, ";c=3");
    doc.addLogEntry(0, "w", "a=1");
    doc.addLogEntry(1, "w", "#;b=2");
    doc.addLogEntry(1, "w", "b=2");   // the line's end
    doc.addLogEntry(0, "w", "xy=1");  // another start before the line's end
    doc.addLogEntry(2, "w", ";c=3");  // the row's own text: copied
    doc.addLogEntry(2, "w", "x");     // not the row's line
    doc.addLogEntry(7, "w", "a=1");   // no such row
    Document other;
    other.load(std::string_view("z=9\n"), Progress{});
    doc.takeContentFrom(other);
    other.load(std::string_view(""), Progress{});  // the first file's rows are gone
    const std::vector<std::string> expected = {"(1)w: a=1",  "(2)w: #;b=2", "(2)w: b=2", "(1)w: xy=1",
                                               "(3)w: ;c=3", "(3)w: x",     "(8)w: a=1"};
    ASSERT_EQ(doc.log().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(doc.log().entry(i).full(), expected[i]);
}

TEST(Texts, FormatMessageFillsInOrder) {
    EXPECT_EQ(FormatMessage(texts::kLoadingRows, {5, 10}), "正在加载内容列表 ... 5行, 共10行");
    EXPECT_EQ(FormatMessage(texts::kFileMissing, {"/a/b"}), "文件 \"/a/b\" 不存在！");
    EXPECT_EQ(FormatMessage("100%% %d", {7}), "100% 7");
    EXPECT_EQ(FormatMessage("%S and %S", {"one"}), "one and %S");
}

}  // namespace
}  // namespace vq
