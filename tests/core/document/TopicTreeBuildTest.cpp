// The analysis pass over whole documents: tree shape, node images, row links and check marks.

#include "TreeDump.h"
#include "core/document/DocumentLoading.h"
#include "core/document/TreeBuilder.h"
#include "core/document/DocumentTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vq {
namespace {

using test::DumpChecks;
using test::DumpRowNodes;
using test::DumpTree;
using test::LoadLines;

const std::vector<std::string> kSevenRows = {"; top comment", "[Database]", "host=local", ";port=3306", "",
                                             "[Paths]",       "root"};

AnalysisSettings TitleSettings(int type, std::string sign = ";;;;;;", bool omit = false) {
    AnalysisSettings s;
    s.titleType = TitleTypeFromIndex(type);
    s.titleBeginSign = std::move(sign);
    s.titleEndSign = "######";
    s.omitTitleSignSpace = omit;
    return s;
}

struct TreeCase {
    std::string name;
    AnalysisSettings settings;
    std::vector<std::string> lines;
    std::string tree;      // DumpTree form
    std::string checks;    // DumpChecks form
    std::string rowNodes;  // DumpRowNodes form
};

void PrintTo(const TreeCase& c, std::ostream* os) { *os << c.name; }

struct Built {
    std::string tree, checks, rowNodes;
    bool operator==(const Built&) const = default;
};

void PrintTo(const Built& b, std::ostream* os) {
    *os << "\n--- tree\n" << b.tree << "--- checks " << b.checks << "\n--- rows with nodes " << b.rowNodes << "\n";
}

Built Observe(const Document& doc) { return {DumpTree(doc), DumpChecks(doc), DumpRowNodes(doc)}; }

class TreeBuilding : public ::testing::TestWithParam<TreeCase> {};

TEST_P(TreeBuilding, BuildsWholeTree) {
    const auto& c = GetParam();
    Document doc;
    LoadLines(doc, c.lines);
    std::string error;
    ASSERT_TRUE(BuildTopicTree(doc, c.settings, Progress{}, &error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(Observe(doc), (Built{c.tree, c.checks, c.rowNodes}));
}

// Opening a file analyses it in the same pass that splits it: the same tree, marks and links.
TEST_P(TreeBuilding, OpeningBuildsTheSameTree) {
    const auto& c = GetParam();
    std::string bytes;
    for (size_t i = 0; i < c.lines.size(); ++i)
        bytes += (i ? "\n" : "") + c.lines[i];
    LoadOptions options;
    options.analysis = &c.settings;
    const LoadResult loaded = OpenBytesIntoDocument(ByteBuffer::copyOf(bytes), options);
    ASSERT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_EQ(Observe(*loaded.document), (Built{c.tree, c.checks, c.rowNodes}));
}

INSTANTIATE_TEST_SUITE_P(
    Documents, TreeBuilding,
    ::testing::Values(TreeCase{"SevenRows", TitleSettings(0), kSevenRows,
                               "[Database] 0/4 r1\n"
                               "  host=local 2/2 r2\n"
                               "  ;port=3306 3/3 r3\n"
                               "[Paths] 0/4 r5\n"
                               "  root 2/2 r6\n",
                               "0110011", "1 2 3 5 6"},
                      // Key nodes never become parents: both lines before the first header are top-level nodes.
                      TreeCase{"KeyBeforeFirstHeader",
                               TitleSettings(0),
                               {"x=1", ";y=2", "[Database]", "host=local"},
                               "x=1 2/2 r0\n"
                               ";y=2 3/3 r1\n"
                               "[Database] 0/4 r2\n"
                               "  host=local 2/2 r3\n",
                               "1011",
                               "0 1 2 3"},
                      TreeCase{"HeaderTextEndsAtFirstBracket",
                               TitleSettings(0),
                               {"  [Database] ; main", "k = v "},
                               "[Database] 0/4 r0\n"
                               "  k = v  2/2 r1\n",
                               "11",
                               "0 1"},
                      TreeCase{"CommentWithoutSplitSignHasNoNode",
                               TitleSettings(0),
                               {"[S]", "; note", "\t", ";a=b"},
                               "[S] 0/4 r0\n"
                               "  ;a=b 3/3 r3\n",
                               "1000",
                               "0 3"},
                      TreeCase{"ThreeLineTitleUnderSection",
                               TitleSettings(3),
                               {"[Database]", "host=local", ";;;;;;", "; Paths group", ";;;;;;", "root=/", "tmp=/tmp",
                                "[Next]", "x=1"},
                               "[Database] 0/4 r0\n"
                               "  host=local 2/2 r1\n"
                               "  ; Paths group 1/5 r3\n"
                               "    root=/ 2/2 r5\n"
                               "    tmp=/tmp 2/2 r6\n"
                               "[Next] 0/4 r7\n"
                               "  x=1 2/2 r8\n",
                               "110001111",
                               "0 1 3 5 6 7 8"},
                      // The title line first got a Key node; the title replaces it on the same row.
                      TreeCase{"ThreeLineTitleReplacesKeyNode",
                               TitleSettings(3),
                               {"[S]", ";;;;;;", "  Paths group  ", ";;;;;;", "k=1"},
                               "[S] 0/4 r0\n"
                               "  Paths group 1/5 r2\n"
                               "    k=1 2/2 r4\n",
                               "10101",
                               "0 2 4"},
                      TreeCase{"ThreeLineTitleReplacesCommentedKey",
                               TitleSettings(3),
                               {"[S]", "a=1", ";;;;;;", ";Paths=x", ";;;;;;"},
                               "[S] 0/4 r0\n"
                               "  a=1 2/2 r1\n"
                               "  ;Paths=x 1/5 r3\n",
                               "11000",
                               "0 1 3"},
                      // A second title sits beside the first under the section, not inside it.
                      TreeCase{"SecondTitleUnderSection",
                               TitleSettings(3),
                               {"[S]", ";;;;;;", "; One", ";;;;;;", "a=1", ";;;;;;", "; Two", ";;;;;;", "b=2"},
                               "[S] 0/4 r0\n"
                               "  ; One 1/5 r2\n"
                               "    a=1 2/2 r4\n"
                               "  ; Two 1/5 r6\n"
                               "    b=2 2/2 r8\n",
                               "100010001",
                               "0 2 4 6 8"},
                      TreeCase{"ThreeLineTitleWrongCloseKeepsKey",
                               TitleSettings(3),
                               {"[S]", ";;;;;;", "T=1", "x=2"},
                               "[S] 0/4 r0\n"
                               "  T=1 2/2 r2\n"
                               "  x=2 2/2 r3\n",
                               "1011",
                               "0 2 3"},
                      TreeCase{"TitleBeforeAnySectionIsTopLevel",
                               TitleSettings(4),
                               {";;;;;;", "Intro", "######", "k=1", "[S]", "m=2"},
                               "Intro 1/5 r1\n"
                               "  k=1 2/2 r3\n"
                               "[S] 0/4 r4\n"
                               "  m=2 2/2 r5\n",
                               "011111",
                               "1 3 4 5"},
                      TreeCase{"OneLineTitleOmitSpacesReplacesCommentedKey",
                               TitleSettings(1, ";;;;;;", true),
                               {"[Database]", "  ;;;;;; Paths=1", "host=1"},
                               "[Database] 0/4 r0\n"
                               "  ;;;;;; Paths=1 1/5 r1\n"
                               "    host=1 2/2 r2\n",
                               "101",
                               "0 1 2"},
                      TreeCase{"OneLineTitleIndentedWithoutOmit",
                               TitleSettings(1, ";;;;;;", false),
                               {"[Database]", "  ;;;;;; Paths=1", "host=1"},
                               "[Database] 0/4 r0\n"
                               "    ;;;;;; Paths=1 3/3 r1\n"  // the caption keeps its two leading blanks
                               "  host=1 2/2 r2\n",
                               "101",
                               "0 1 2"},
                      TreeCase{"OneLineTitleOnKeyLineHasNoKeyNode",
                               TitleSettings(1, "##"),
                               {"[S]", "## Main", "k=1"},
                               "[S] 0/4 r0\n"
                               "  ## Main 1/5 r1\n"
                               "    k=1 2/2 r2\n",
                               "111",
                               "0 1 2"},
                      TreeCase{"TwoLineTitle",
                               TitleSettings(2),
                               {"[S]", ";;;;;;", "My title", "k=1"},
                               "[S] 0/4 r0\n"
                               "  My title 1/5 r2\n"
                               "    k=1 2/2 r3\n",
                               "1011",
                               "0 2 3"},
                      TreeCase{"EmptySignMakesBlankLinesTitles",
                               TitleSettings(1, ""),
                               {"[S]", "", "k=1"},
                               "[S] 0/4 r0\n"
                               "   1/5 r1\n"
                               "    k=1 2/2 r2\n",
                               "101",
                               "0 1 2"},
                      // The header cancels the begin sign seen before it: the line after it is a plain key.
                      TreeCase{"HeaderEndsAwaitedTitle",
                               TitleSettings(3),
                               {"[A]", ";;;;;;", "[B]", "Title?", ";;;;;;"},
                               "[A] 0/4 r0\n"
                               "[B] 0/4 r2\n"
                               "  Title? 2/2 r3\n",
                               "10110",
                               "0 2 3"},
                      // A header while the closing sign is awaited: the sign after it must not close a title on
                      // the header's row.
                      TreeCase{"HeaderEndsTitleAwaitingClose",
                               TitleSettings(3),
                               {"[A]", ";;;;;;", "T", "[B]", ";;;;;;"},
                               "[A] 0/4 r0\n"
                               "  T 2/2 r2\n"
                               "[B] 0/4 r3\n",
                               "10110",
                               "0 2 3"},
                      // The General pattern: a blank comment sign makes every line a comment, headers included.
                      TreeCase{"BlankCommentSign",
                               [] {
                                   AnalysisSettings s = TitleSettings(1, ";;;;;;", true);
                                   s.remSign = " ";
                                   return s;
                               }(),
                               {"[S]", "  ;;;;;; Main", "", "k=1"},
                               ";;;;;; Main 1/5 r1\n"
                               "  k=1 3/3 r3\n",
                               "0000",
                               "1 3"},
                      TreeCase{"Empty", TitleSettings(3), {}, "", "", ""}),
    [](const auto& info) { return info.param.name; });

TEST(TreeBuildingRefresh, RechecksRowsAndReplacesTree) {
    Document doc;
    LoadLines(doc, kSevenRows);
    const AnalysisSettings s;
    ASSERT_TRUE(BuildTopicTree(doc, s, Progress{}));
    const Built first = Observe(doc);

    doc.setChecked(2, false);  // a key row the user unchecked
    doc.setChecked(0, true);   // a comment row the user checked
    doc.setChecked(4, true);   // a blank row
    ASSERT_EQ(DumpChecks(doc), "1100111");
    ASSERT_TRUE(BuildTopicTree(doc, s, Progress{}));
    EXPECT_EQ(Observe(doc), first);
    EXPECT_EQ(doc.tree().nodeCount(), 5u);
}

TEST(TreeBuildingRefresh, NewSettingsTakeEffectOnRefresh) {
    Document doc;
    LoadLines(doc, {"[S]", "#a=1", ";b=2"});
    AnalysisSettings s;
    ASSERT_TRUE(BuildTopicTree(doc, s, Progress{}));
    EXPECT_EQ(DumpTree(doc), "[S] 0/4 r0\n  #a=1 2/2 r1\n  ;b=2 3/3 r2\n");
    s.remSign = "#";
    ASSERT_TRUE(BuildTopicTree(doc, s, Progress{}));
    EXPECT_EQ(DumpTree(doc), "[S] 0/4 r0\n  #a=1 3/3 r1\n  ;b=2 2/2 r2\n");
    EXPECT_EQ(DumpChecks(doc), "101");
}

TEST(TreeBuildingTexts, NodeTextsShareTheRowsBytes) {
    Document doc;
    LoadLines(doc, {"[S] x", ";;;;;; T ;", "k=1"});
    ASSERT_TRUE(BuildTopicTree(doc, TitleSettings(1), Progress{}));
    for (size_t i = 0; i < doc.rowCount(); ++i) {
        const std::string_view caption = doc.caption(i);
        const std::string_view text = doc.tree().node(doc.row(i).record.node).text;
        EXPECT_GE(text.data(), caption.data()) << "row " << i;
        EXPECT_LE(text.data() + text.size(), caption.data() + caption.size()) << "row " << i;
    }
    EXPECT_EQ(DumpTree(doc), "[S] 0/4 r0\n  ;;;;;; T ; 1/5 r1\n    k=1 2/2 r2\n");
}

// --- progress and failure -------------------------------------------------------------------

// A clock that moves `step` milliseconds each time it is read, and a Message panel that
// records what it is shown and fails on one chosen text.
struct ScriptedProgress {
    std::uint32_t now = 0;
    std::uint32_t step = 0;
    std::string failOn;
    std::vector<std::string> shown;

    Progress progress() {
        return Progress{[this] { return now += step; },
                        [this](const std::string& text) {
                            if (text == failOn)
                                throw std::runtime_error("panel failed");
                            shown.push_back(text);
                        }};
    }
};

struct ProgressCase {
    std::string name;
    std::uint32_t clockStep;
    std::vector<int> reportedRows;  // the 1-based rows named in progress texts
};

void PrintTo(const ProgressCase& c, std::ostream* os) { *os << c.name; }

class TreeBuildingProgress : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(TreeBuildingProgress, ReportsPacedTextsThenDone) {
    const auto& c = GetParam();
    Document doc;
    LoadLines(doc, kSevenRows);
    ScriptedProgress panel{0, c.clockStep, "", {}};
    ASSERT_TRUE(BuildTopicTree(doc, AnalysisSettings{}, panel.progress()));

    std::vector<std::string> want;
    for (int row : c.reportedRows)
        want.push_back(FormatMessage(texts::kBuildingTree, {row, 7}));
    want.push_back(texts::kDone);
    EXPECT_EQ(panel.shown, want);
}

INSTANTIATE_TEST_SUITE_P(Clocks, TreeBuildingProgress,
                         ::testing::Values(ProgressCase{"StoppedClock", 0, {}},
                                           ProgressCase{"HalfInterval", 50, {3, 6}},  // 100 ms is not yet more than 100
                                           ProgressCase{"EveryRow", 101, {1, 2, 3, 4, 5, 6, 7}}),
                         [](const auto& info) { return info.param.name; });

TEST(TreeBuildingFailure, StopsAndKeepsPartialTree) {
    Document doc;
    LoadLines(doc, kSevenRows);
    for (size_t i = 0; i < doc.rowCount(); ++i)
        doc.setChecked(i, i % 2 == 0);  // states the rows had before the pass: 1010101
    ScriptedProgress panel{0, 101, FormatMessage(texts::kBuildingTree, {4, 7}), {}};

    std::string error;
    EXPECT_FALSE(BuildTopicTree(doc, AnalysisSettings{}, panel.progress(), &error));
    EXPECT_EQ(error, texts::kTitleSettingsError);
    // Rows 0-2 were analysed; rows 3-6 keep their old check marks and have no node.
    EXPECT_EQ(Observe(doc), (Built{"[Database] 0/4 r1\n  host=local 2/2 r2\n", "0110101", "1 2"}));
    ASSERT_FALSE(panel.shown.empty());
    EXPECT_EQ(panel.shown.back(), texts::kDone);
}

}  // namespace
}  // namespace vq
