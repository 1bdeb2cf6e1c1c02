#include "Texts.h"
#include "editing/OperationLog.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(RowOfLogEntry(c.entry), c.row);
}

INSTANTIATE_TEST_SUITE_P(
    OperationLog, LogEntries,
    ::testing::Values(EntryCase{"FirstRow", 0, "注释选定行(&R)", "key=1", "(1)注释选定行(&R): key=1"},
                      EntryCase{"Marker", kLogMarker, "注释选定行(&R)", "<<操作开始>>", "(0)注释选定行(&R): <<操作开始>>"},
                      EntryCase{"Summary", kLogSummary, "<<选择 3 行，注释 2 行>>", "", "(-1)<<选择 3 行，注释 2 行>>"},
                      EntryCase{"BlankTextDropped", 4, "删除选定行(&T)", "   \t", "(5)删除选定行(&T)"},
                      EntryCase{"LeadingSpacesKept", 11, "注释选定行(&R)", "  x ", "(12)注释选定行(&R):   x "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OperationLog, RowOfEntriesWithoutANumber) {
    EXPECT_EQ(RowOfLogEntry("no prefix"), -2);
    EXPECT_EQ(RowOfLogEntry("()x"), -2);
    EXPECT_EQ(RowOfLogEntry("(12"), -2);
    EXPECT_EQ(RowOfLogEntry("(1x)y"), -2);
}

TEST(OperationLog, OnlyTheFirstParenthesisEndsTheNumber) {
    EXPECT_EQ(RowOfLogEntry("(12)注释选定行(&R): (3)x"), 11);
}

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

TEST(Texts, FormatMessageFillsInOrder) {
    EXPECT_EQ(FormatMessage(texts::kLoadingRows, {5, 10}), "正在加载内容列表 ... 5行, 共10行");
    EXPECT_EQ(FormatMessage(texts::kFileMissing, {"/a/b"}), "文件 \"/a/b\" 不存在！");
    EXPECT_EQ(FormatMessage("100%% %d", {7}), "100% 7");
    EXPECT_EQ(FormatMessage("%S and %S", {"one"}), "one and %S");
}

}  // namespace
}  // namespace vq
