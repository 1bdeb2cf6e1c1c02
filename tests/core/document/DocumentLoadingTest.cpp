// Opening bytes into a new document: the one pass against a load and a refresh, the bytes kept
// exactly, progress, cancelling, loads on worker threads, and unloading.

#include "Recorder.h"
#include "TempFolder.h"
#include "TreeDump.h"
#include "core/document/DocumentLoading.h"
#include "core/document/DocumentTexts.h"
#include "core/document/OpenAndAnalyse.h"
#include "core/document/TreeBuilder.h"
#include "core/files/ContentHash.h"
#include "core/files/FileErrorText.h"
#include "core/text/TextLines.h"
#include "core/text/Utf16Text.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <thread>
#include <vector>

namespace vq {
namespace {

using test::DumpChecks;
using test::DumpRowNodes;
using test::DumpTree;

AnalysisSettings Settings(TitleType type, std::string sign = ";;;;;;", bool omit = false) {
    AnalysisSettings s;
    s.titleType = type;
    s.titleBeginSign = std::move(sign);
    s.titleEndSign = "######";
    s.omitTitleSignSpace = omit;
    return s;
}

// Sections, framed titles of every form, keys, commented keys, blank and indented lines.
std::string MixedFile(const char* lineBreak) {
    std::string out;
    for (int b = 0; b < 40; ++b) {
        const std::string n = std::to_string(b);
        for (const std::string& line :
             std::vector<std::string>{"[Section " + n + "] ; s", ";;;;;;", "; Title " + n, ";;;;;;", "key" + n + "=1",
                                      ";off" + n + "=0", "  indented" + n + " = 2", "", "; plain comment", "######",
                                      "## T " + n, "######", "\t;;;;;; one line " + n, "x" + n})
            out += line + lineBreak;
    }
    return out;
}

LoadResult OpenWith(const std::string& bytes, const AnalysisSettings* s) {
    LoadOptions options;
    options.analysis = s;
    return OpenBytesIntoDocument(ByteBuffer::copyOf(bytes), options);
}

struct Observed {
    std::string tree, checks, rowNodes, saved;
    bool operator==(const Observed&) const = default;
};

void PrintTo(const Observed& o, std::ostream* os) {
    *os << "\n--- tree\n" << o.tree << "--- checks " << o.checks << "\n--- rows with nodes " << o.rowNodes << "\n";
}

Observed Observe(const Document& doc) { return {DumpTree(doc), DumpChecks(doc), DumpRowNodes(doc), doc.saveBytes()}; }

// Every node sits at the place its parent's children list gives it.
void ExpectPositionsMatchChildren(const TopicTree& tree, NodeId parent = kNoNode) {
    const auto children = tree.children(parent);
    for (size_t k = 0; k < children.size(); ++k) {
        EXPECT_EQ(tree.positionOf(children[k]), static_cast<int>(k));
        EXPECT_EQ(tree.parentOf(children[k]), parent);
        ExpectPositionsMatchChildren(tree, children[k]);
    }
}

struct OnePassCase {
    std::string name;
    AnalysisSettings settings;
    std::string file;
};

void PrintTo(const OnePassCase& c, std::ostream* os) { *os << c.name; }

class OnePass : public ::testing::TestWithParam<OnePassCase> {};

// The one pass that splits, classifies and builds the tree gives what loading the rows and then
// refreshing the tree gives, row for row and node for node.
TEST_P(OnePass, GivesWhatLoadAndRefreshGive) {
    const auto& c = GetParam();
    Document twoSteps;
    twoSteps.load(c.file, Progress{});
    ASSERT_TRUE(BuildTopicTree(twoSteps, c.settings, Progress{}));

    const LoadResult loaded = OpenWith(c.file, &c.settings);
    ASSERT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_EQ(Observe(*loaded.document), Observe(twoSteps));
    EXPECT_EQ(loaded.document->saveBytes(), c.file);
    EXPECT_TRUE(loaded.document->textMirrorsList());
    EXPECT_FALSE(loaded.document->modified());
    ExpectPositionsMatchChildren(loaded.document->tree());
}

INSTANTIATE_TEST_SUITE_P(
    Files, OnePass,
    ::testing::Values(
        OnePassCase{"NoTitlesLf", Settings(TitleType::None), MixedFile("\n")},
        OnePassCase{"OneLineOmitSpacesCrLf", Settings(TitleType::OneLine, ";;;;;;", true), MixedFile("\r\n")},
        OnePassCase{"TwoLines", Settings(TitleType::TwoLines), MixedFile("\n")},
        OnePassCase{"SameSignAround", Settings(TitleType::SameSignAround), MixedFile("\r\n")},
        OnePassCase{"BeginEndSigns", Settings(TitleType::BeginEndSigns, "######"), MixedFile("\n")},
        OnePassCase{"TitleClosedOnSecondLine", Settings(TitleType::SameSignAround), ";;;;;;\n;;;;;;\nk=1"},
        OnePassCase{"ByteOrderMarkAndNoFinalBreak", Settings(TitleType::OneLine), "\xEF\xBB\xBF[S]\r\n;;;;;; T\r\nk=v"},
        OnePassCase{"BlankCommentSign",
                    [] {
                        AnalysisSettings s = Settings(TitleType::OneLine, ";;;;;;", true);
                        s.remSign = " ";
                        return s;
                    }(),
                    MixedFile("\n")},
        OnePassCase{"Empty", Settings(TitleType::SameSignAround), ""}),
    [](const auto& info) { return info.param.name; });

struct BytesCase {
    std::string name;
    std::string bytes;
};

void PrintTo(const BytesCase& c, std::ostream* os) { *os << c.name; }

// Lines of every length from 0 to 80 bytes, so line feeds fall on every place of the eight-byte
// words the split reads, and beyond its first 64 bytes.
std::string EveryLineLength() {
    std::string out;
    for (int len = 0; len <= 80; ++len)
        out += std::string(static_cast<size_t>(len), static_cast<char>('a' + len % 26)) + (len % 3 ? "\n" : "\r\n");
    return out + "tail";
}

class KeptBytes : public ::testing::TestWithParam<BytesCase> {};

// Rows and target lines are those of the reference split, and an untouched document saves the
// bytes it read.
TEST_P(KeptBytes, RowsFollowTheReferenceSplitAndSaveGivesTheBytesBack) {
    const std::string& bytes = GetParam().bytes;
    const LoadResult loaded = OpenWith(bytes, nullptr);
    ASSERT_EQ(loaded.status, LoadStatus::Loaded);
    const Document& doc = *loaded.document;
    const std::string_view text = std::string_view(bytes).substr(StartsWithUtf8Bom(bytes) ? 3 : 0);
    const SplitText want = SplitIntoLines(text, FirstBreak(text));
    ASSERT_EQ(doc.rowCount(), want.texts.size());
    for (size_t i = 0; i < doc.rowCount(); ++i) {
        EXPECT_EQ(doc.caption(i), want.texts[i]) << "row " << i;
        EXPECT_EQ(doc.original(i), want.texts[i]) << "row " << i;
        EXPECT_EQ(doc.target().lineBreak(i), want.breaks[i]) << "row " << i;
        EXPECT_FALSE(doc.checked(i));
    }
    EXPECT_EQ(doc.target().endsWithBreak(), want.endsWithBreak);
    EXPECT_EQ(doc.saveBytes(), bytes);
    EXPECT_TRUE(doc.tree().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, KeptBytes,
    ::testing::Values(
        BytesCase{"Empty", ""}, BytesCase{"CrLf", "a\r\nb\r\n"}, BytesCase{"MixedBreaks", "a\r\nb\nc\r\n"},
        BytesCase{"LoneCrStaysInTheLine", "a\rb\r\n\r\nc\r"}, BytesCase{"NoFinalBreak", "a\nb"},
        BytesCase{"OnlyBreaks", "\n\n\r\n"}, BytesCase{"ByteOrderMark", "\xEF\xBB\xBFk=1\r\n"},
        BytesCase{"ByteOrderMarkOnly", "\xEF\xBB\xBF"}, BytesCase{"LegacyBytes", std::string("\xD6\xD0\x00=1\r\n", 7)},
        BytesCase{
            "LegacyLines",
            "\xD6\xD0\xCE\xC4=\xC4\xE3\xBA\xC3\xA3\xAC\xCA\xC0\xBD\xE7\r\n\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\n"},
        BytesCase{"EveryLineLength", EveryLineLength()}),
    [](const auto& info) { return info.param.name; });

// --- encoding -----------------------------------------------------------------------------------

// Over a megabyte the check runs on a second thread in pieces; a character may straddle a piece.
struct EncodingCase {
    std::string name;
    size_t badAt;  // where a byte that is not UTF-8 goes; npos for none
    TextEncoding want;
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }

class LargeEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(LargeEncoding, CheckedAcrossPieces) {
    std::string bytes;
    while (bytes.size() < (size_t{5} << 20) / 2 + 64)
        bytes += "键=\xE5\x80\xBC\xE5\x80\xBC\n";  // eleven bytes: characters cross the megabyte marks
    if (GetParam().badAt != std::string::npos)
        bytes[GetParam().badAt] = '\xFF';
    const LoadResult loaded = OpenWith(bytes, nullptr);
    ASSERT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_EQ(loaded.document->encoding(), GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LargeEncoding,
    ::testing::Values(EncodingCase{"Valid", std::string::npos, TextEncoding::Utf8},
                      EncodingCase{"BadAtTheFirstPieceEnd", (size_t{1} << 20) - 1, TextEncoding::Legacy},
                      EncodingCase{"BadAtTheSecondPieceStart", size_t{1} << 20, TextEncoding::Legacy},
                      EncodingCase{"BadLastByte", (size_t{5} << 20) / 2 + 7, TextEncoding::Legacy}),
    [](const auto& info) { return info.param.name; });

// --- progress and cancelling ------------------------------------------------------------------

struct Panel {
    std::uint32_t now = 0;
    std::uint32_t step = 101;
    std::vector<std::string> shown;
    std::function<void(const std::string&)> also;

    Progress progress() {
        return Progress{[this] { return now += step; },
                        [this](const std::string& text) {
                            shown.push_back(text);
                            if (also)
                                also(text);
                        }};
    }
};

TEST(LoadProgress, NamesEveryLineOfTheTotalWhenTheClockIsSlow) {
    for (const bool analyse : {false, true}) {
        Panel panel;
        const AnalysisSettings s;
        LoadOptions options;
        options.analysis = analyse ? &s : nullptr;
        options.progress = panel.progress();
        ASSERT_EQ(OpenBytesIntoDocument(ByteBuffer::copyOf("a\nb\nc\n"), options).status, LoadStatus::Loaded);
        const char* format = analyse ? texts::kBuildingTree : texts::kLoadingRows;
        const std::vector<std::string> want{FormatMessage(format, {1, 3}), FormatMessage(format, {2, 3}),
                                            FormatMessage(format, {3, 3}), texts::kDone};
        EXPECT_EQ(panel.shown, want) << (analyse ? "with analysis" : "rows only");
    }
}

// Large inputs have their lines counted beside the load: the total named is still every line, with
// or without a break at the end and after a byte-order mark.
TEST(LoadProgress, NamesTheTotalOfALargeInput) {
    for (const std::string end : {"", "\n", "last"}) {
        std::string text = "\xEF\xBB\xBF";
        for (int k = 0; k < 200000; ++k)
            text += "key_" + std::to_string(k) + " = v\n";
        text += end;
        const size_t lines = 200000 + (end.empty() ? 0 : 1);  // a break or a text after the last break: one more
        Panel panel;
        panel.step = 1;  // a text every hundred-odd lines
        LoadOptions options;
        options.progress = panel.progress();
        ASSERT_EQ(OpenBytesIntoDocument(ByteBuffer::copyOf(text), options).status, LoadStatus::Loaded);
        ASSERT_GE(panel.shown.size(), 2u);
        const std::string total = ", 共" + std::to_string(lines) + "行";
        for (size_t k = 0; k + 1 < panel.shown.size(); ++k)
            ASSERT_TRUE(panel.shown[k].ends_with(total)) << panel.shown[k] << " (end \"" << end << "\")";
    }
}

// While the clock stands still it is read less and less often, and a text still comes soon after
// it moves on.
TEST(LoadProgress, AStoppedClockIsReadSeldom) {
    std::uint32_t now = 0;
    int reads = 0;
    std::vector<std::string> shown;
    const Progress progress{[&] {
                                ++reads;
                                return now;
                            },
                            [&](const std::string& s) { shown.push_back(s); }};
    ProgressPacer pacer(progress, texts::kLoadingRows);
    for (size_t i = 0; i < 100000; ++i) {
        if (i == 60000)
            now = 1000;
        pacer.step(i, 100000);
    }
    EXPECT_LT(reads, 1000);
    ASSERT_FALSE(shown.empty());
    const std::string first = shown.front();
    bool soon = false;
    for (int row = 60001; row <= 60001 + 512 && !soon; ++row)
        soon = first == FormatMessage(texts::kLoadingRows, {row, 100000});
    EXPECT_TRUE(soon) << first;
}

TEST(LoadCancel, ACancelledLoadLeavesNothing) {
    const AnalysisSettings s;
    for (const bool big : {false, true}) {
        // Set before the start, or set by the first progress text.
        for (const bool early : {true, false}) {
            std::atomic<bool> cancel{early};
            Panel panel;
            panel.also = [&](const std::string&) { cancel = true; };
            LoadOptions options;
            options.analysis = &s;
            options.progress = panel.progress();
            options.cancel = &cancel;
            const std::string bytes = big ? MixedFile("\n") + std::string(3 << 20, 'x') : MixedFile("\n");
            const LoadResult loaded = OpenBytesIntoDocument(ByteBuffer::copyOf(bytes), options);
            EXPECT_EQ(loaded.status, LoadStatus::Cancelled);
            EXPECT_EQ(loaded.document, nullptr);
        }
    }
}

// Loads share nothing: two at once on two threads give the same document as one alone, and the
// progress texts come on the thread that loads.
TEST(LoadThreads, TwoLoadsAtOnceOnWorkerThreads) {
    const AnalysisSettings s = Settings(TitleType::SameSignAround);
    std::string big;
    while (big.size() < (size_t{3} << 20))
        big += MixedFile("\r\n");
    const Observed alone = Observe(*OpenWith(big, &s).document);

    LoadResult results[2];
    std::thread::id progressThread[2];
    std::thread workers[2];
    for (int k = 0; k < 2; ++k)
        workers[k] = std::thread([&, k] {
            LoadOptions options;
            options.analysis = &s;
            options.progress.tick = [] { return std::uint32_t{0}; };
            options.progress.show = [&, k](const std::string&) { progressThread[k] = std::this_thread::get_id(); };
            results[k] = OpenBytesIntoDocument(ByteBuffer::copyOf(big), options);
        });
    for (int k = 0; k < 2; ++k) {
        const std::thread::id worker = workers[k].get_id();
        workers[k].join();
        ASSERT_EQ(results[k].status, LoadStatus::Loaded);
        EXPECT_EQ(Observe(*results[k].document), alone);
        EXPECT_EQ(progressThread[k], worker);  // "done" came from the worker
    }
}

// --- reading files -----------------------------------------------------------------------------

// A UTF-16 file is analysed as UTF-8 and goes back to its own bytes when saved.
TEST(ReadFile, Utf16FileOpensAsUtf8) {
    const std::string utf16("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\x2D\x4E\r\0\n\0", 22);
    const test::TempFolder folder;
    const std::string path = folder.put("utf16.ini", utf16);
    const AnalysisSettings s;
    LoadOptions options;
    options.analysis = &s;
    const LoadResult loaded = ReadFileIntoDocument(path, options);
    ASSERT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_EQ(loaded.form, FileForm::Utf16LE);
    EXPECT_EQ(DumpTree(*loaded.document), "[s] 0/4 r0\n  k=\xE4\xB8\xAD 2/2 r1\n");
    EXPECT_EQ(ToFileBytes(loaded.document->saveBytes(), loaded.form), utf16);
}

// The load knows the file it read by its status and the hash of its bytes as they are on disk,
// made in the load's own pass over them: past a first invalid UTF-8 byte, in the pieces of the
// pass beside the split (a megabyte and more), and before a UTF-16 file becomes UTF-8.
TEST(ReadFile, KnowsTheFileItRead) {
    const std::string big(3 << 20, 'k');
    const std::vector<std::pair<std::string, std::string>> cases{
        {"small", "[s]\r\nk=1\r\n"},
        {"byte_order_mark", "\xEF\xBB\xBFk=1\n"},
        {"utf16", std::string("\xFF\xFEk\0=\0\x2D\x4E\r\0\n\0", 12)},
        {"large", big + "=1\n" + big},
        {"large_not_utf8", big + "\xB9\xFE=1\n" + big},
    };
    const test::TempFolder folder;
    for (const auto& [name, bytes] : cases) {
        const std::string path = folder.put(name + ".ini", bytes);
        const LoadResult loaded = ReadFileIntoDocument(path, LoadOptions{});
        ASSERT_EQ(loaded.status, LoadStatus::Loaded) << name;
        EXPECT_TRUE(loaded.file.known) << name;
        EXPECT_EQ(loaded.file.hash, HashBytes(bytes)) << name;
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(loaded.file.stamp, StampOf(st)) << name;
    }
}

TEST(ReadFile, AFileThatCannotBeReadFailsWithTheOpenText) {
    const std::string path = "/nonexistent-folder/a.ini";
    const LoadResult loaded = ReadFileIntoDocument(path, LoadOptions{});
    EXPECT_EQ(loaded.status, LoadStatus::Failed);
    EXPECT_EQ(loaded.error, OpenErrorMessage(path, FileError::System(ENOENT)));
    EXPECT_EQ(loaded.document, nullptr);
}

// The one way every caller opens a file: the file's bytes analysed under the signs as its own
// bytes, and every failure named by the path as the user knows it.
TEST(OpenAndAnalyse, AnalysesInTheCodePageAndNamesTheShownPath) {
    const test::TempFolder folder;
    struct Case {
        const char* name;
        std::string path;
        std::string splitSign;
        LoadStatus status;
        std::string treeOrError;
    };
    // "：" as the split sign makes ";k：1" a commented key only in GBK's bytes; "中文" makes the
    // bytes GBK rather than UTF-8.
    const std::string gbk = folder.put("gbk.ini", "[s]\n;k\xA3\xBA\x31\nk=\xD6\xD0\xCE\xC4\n");
    const std::vector<Case> cases{
        {"split_sign_in_the_code_page", gbk, "\xEF\xBC\x9A", LoadStatus::Loaded,
         "[s] 0/4 r0\n  ;k\xA3\xBA\x31 3/3 r1\n  k=\xD6\xD0\xCE\xC4 2/2 r2\n"},
        {"missing", folder.path() + "/none.ini", "=", LoadStatus::Failed,
         OpenErrorMessage("shown.ini", FileError::System(ENOENT))},
        {"folder", folder.path(), "=", LoadStatus::Failed, OpenErrorMessage("shown.ini", {FileProblem::Folder})},
    };
    for (const Case& c : cases) {
        OpenRequest request;
        request.path = c.path;
        request.shownPath = "shown.ini";
        request.signs.splitSign = c.splitSign;
        const LoadResult loaded = OpenAndAnalyse(request);
        ASSERT_EQ(loaded.status, c.status) << c.name << ": " << loaded.error;
        EXPECT_EQ(loaded.document ? DumpTree(*loaded.document) : loaded.error, c.treeOrError) << c.name;
    }
}

// A string handed to the document is taken over, not copied.
TEST(ReadFile, LoadTakesOverTheString) {
    std::string bytes(100000, 'x');
    bytes += "\nk=1\n";
    const char* where = bytes.data();
    Document doc;
    doc.load(std::move(bytes), Progress{});
    EXPECT_EQ(doc.caption(0).data(), where);
}

// --- handing over and unloading ----------------------------------------------------------------

TEST(TakeContent, SwapsRowsTextAndTreeInOneStepAndKeepsTheSession) {
    Document window;
    window.load(std::string_view("old\n"), Progress{});
    window.setFileName("/a.ini");
    window.addLogEntry(kLogSummary, "open", "");
    test::Recorder rec;
    window.addListener(&rec);
    const AnalysisSettings s;
    LoadResult loaded = OpenWith("[new]\nk=1\n", &s);
    window.takeContentFrom(*loaded.document);

    EXPECT_EQ(rec.events, (std::vector<std::string>{"begin", "resetRows?", "resetTree?", "targetReset", "resetRows",
                                                    "resetTree", "state", "end"}));
    EXPECT_EQ(window.saveBytes(), "[new]\nk=1\n");
    EXPECT_EQ(DumpTree(window), "[new] 0/4 r0\n  k=1 2/2 r1\n");
    EXPECT_EQ(window.fileName(), "/a.ini");
    EXPECT_EQ(window.log().size(), 1u);
    EXPECT_EQ(loaded.document->saveBytes(), "old\n");  // the old content, to be dropped anywhere
    window.removeListener(&rec);
}

TEST(Unload, EmptiesTheViewsAndSaysSo) {
    for (const size_t rows : {size_t{2000}, size_t{2001}}) {
        std::string bytes;
        for (size_t i = 0; i < rows; ++i)
            bytes += "k=v\n";
        const AnalysisSettings s;
        LoadResult loaded = OpenWith(bytes, &s);
        Document& doc = *loaded.document;
        doc.setFileName("/a.ini");
        doc.setCaption(0, "x=1");
        doc.addLogEntry(0, "w", "t");
        ASSERT_TRUE(doc.modified());
        std::vector<std::string> shown;
        UnloadDocument(doc, Progress{nullptr, [&](const std::string& text) { shown.push_back(text); }});

        std::vector<std::string> want{texts::kDone};
        if (rows > 2000)
            want.insert(want.begin(), texts::kUnloading);
        EXPECT_EQ(shown, want) << rows << " rows";
        EXPECT_EQ(doc.rowCount(), 0u);
        EXPECT_TRUE(doc.target().empty());
        EXPECT_TRUE(doc.tree().empty());
        EXPECT_FALSE(doc.modified());
        EXPECT_EQ(doc.fileName(), texts::kUntitled);
        EXPECT_EQ(doc.windowCaption(), "Varnoquil");
        EXPECT_EQ(doc.log().size(), 1u);
    }
}

}  // namespace
}  // namespace vq
