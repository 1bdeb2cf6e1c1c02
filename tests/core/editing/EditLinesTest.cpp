// Editing rows in place and through the dialog, and the column-header widths.

#include "DocumentStates.h"
#include "core/editing/EditLines.h"
#include "core/editing/InsertLines.h"

#include <gtest/gtest.h>

namespace vq::test {
namespace {

struct BlockCase {
    const char* name;
    std::vector<size_t> selected;
    std::optional<size_t> focused;
    std::optional<EditBlock> block;
};

class DialogEditAnchor : public ::testing::TestWithParam<BlockCase> {};

TEST_P(DialogEditAnchor, FindsTheRun) {
    const BlockCase& c = GetParam();
    EXPECT_EQ(DialogEditBlock(c.selected, c.focused), c.block);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, DialogEditAnchor,
    ::testing::Values(BlockCase{"FocusInsideTheRun", {2, 3, 4}, 3, EditBlock{2, 4}},
                      BlockCase{"OnlyTheFocusedRun", {2, 5}, 5, EditBlock{5, 5}},
                      BlockCase{"RunOfTheFocusNotTheFirst", {0, 1, 4, 5, 6, 9}, 4, EditBlock{4, 6}},
                      BlockCase{"NoFocusTakesTheFirstSelected", {3, 4, 8}, std::nullopt, EditBlock{3, 4}},
                      BlockCase{"FocusNotSelectedTakesTheFirstSelected", {2, 3, 7}, 5, EditBlock{2, 3}},
                      BlockCase{"FocusBeyondTheSelection", {2, 3}, 9, EditBlock{2, 3}},
                      BlockCase{"NothingSelected", {}, 1, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct DialogEditCase {
    const char* name;
    std::vector<RowSetup> rows;
    std::vector<size_t> selected;
    std::optional<size_t> focused;
    std::string_view text;  // the dialog's text when confirmed
    std::vector<std::string> rowsAfter;
    std::vector<std::string> log;
};

void PrintTo(const DialogEditCase& c, std::ostream* os) { *os << c.name; }

class DialogEdit : public ::testing::TestWithParam<DialogEditCase> {};

TEST_P(DialogEdit, RowsTargetAndLog) {
    const DialogEditCase& c = GetParam();
    auto doc = MakeDocument(c.rows);
    const AnalysisSettings s = Signs();
    const auto block = DialogEditBlock(c.selected, c.focused);
    ASSERT_TRUE(block);
    InsertDialogValues dialog;
    dialog.text = c.text;
    ASSERT_EQ(ApplyDialogEdit(*doc, s, *block, DialogLines(s, dialog)), EditError::None);
    EXPECT_EQ(RowStates(*doc), c.rowsAfter);
    EXPECT_EQ(LogEntries(*doc), c.log);
    std::vector<std::string> captions;
    for (const std::string& r : c.rowsAfter)
        captions.push_back(r.substr(0, r.find('|')));
    EXPECT_EQ(TargetLines(*doc), captions);
}

const std::vector<RowSetup> kSix = Plain({"r0 +c", "r1 +c", "r2 +c", "r3 +c", "r4 +c", "r5 +c"});

const DialogEditCase kDialogEditCases[] = {
    {"FewerLinesRemoveRowsFromTheTop",
     kSix,
     {2, 3, 4},
     3,
     "a\nb\n",
     {"r0|r0|c", "r1|r1|c", "a|r3|ce", "b|r4|ce", "r5|r5|c"},
     {"(3)编辑选定行(&E) ...: a", "(4)编辑选定行(&E) ...: b"}},
    {"MoreLinesAddNewRowsAfterTheBlock",
     kSix,
     {2, 3, 4},
     3,
     "a\nb\nc\nd\ne",
     {"r0|r0|c", "r1|r1|c", "a|r2|ce", "b|r3|ce", "c|r4|ce", "d|<<新建行>>|cn", "e|<<新建行>>|cn", "r5|r5|c"},
     {"(3)编辑选定行(&E) ...: a", "(4)编辑选定行(&E) ...: b", "(5)编辑选定行(&E) ...: c", "(6)编辑选定行(&E) ...: d",
      "(7)编辑选定行(&E) ...: e"}},
    {"OnlyTheFocusedRunIsEdited",
     kSix,
     {2, 5},
     5,
     "x",
     {"r0|r0|c", "r1|r1|c", "r2|r2|c", "r3|r3|c", "r4|r4|c", "x|r5|ce"},
     {"(6)编辑选定行(&E) ...: x"}},
    {"SameTextIsStillAnEdit",
     kSix,
     {0},
     0,
     "r0",
     {"r0|r0|ce", "r1|r1|c", "r2|r2|c", "r3|r3|c", "r4|r4|c", "r5|r5|c"},
     {"(1)编辑选定行(&E) ...: r0"}},
    {"NewRowStaysNewAndUnedited",
     {RowSetup{"x"}, RowSetup{"n", false, false, true}},
     {1},
     1,
     "k=1",
     {"x|x|-", "k=1|<<新建行>>|cn"},
     {"(2)编辑选定行(&E) ...: k=1"}},
    {"CheckFollowsTheNewText",
     Plain({"k=1 +c", "k=2 +c", "k=3", "k=4 +c"}),
     {0, 1, 2, 3},
     std::nullopt,
     ";k=1\n\n k=3\n   ",
     {";k=1|k=1|e", "|k=2|e", " k=3|k=3|ce", "   |k=4|e"},
     {"(1)编辑选定行(&E) ...: ;k=1", "(2)编辑选定行(&E) ...", "(3)编辑选定行(&E) ...:  k=3", "(4)编辑选定行(&E) ..."}},
    {"EmptyTextRemovesTheBlockUnlogged", kSix, {1, 2}, 1, "", {"r0|r0|c", "r3|r3|c", "r4|r4|c", "r5|r5|c"}, {}},
    {"WholeDocument",
     Plain({"a", "b"}),
     {0, 1},
     1,
     "x\ny\nz\n",
     {"x|a|ce", "y|b|ce", "z|<<新建行>>|cn"},
     {"(1)编辑选定行(&E) ...: x", "(2)编辑选定行(&E) ...: y", "(3)编辑选定行(&E) ...: z"}},
};

INSTANTIATE_TEST_SUITE_P(Editing, DialogEdit, ::testing::ValuesIn(kDialogEditCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DialogEdit, TitlePageReplacesTheBlock) {
    auto doc = MakeDocument(Plain({"a", "b", "c"}));
    const AnalysisSettings s = Signs();
    InsertDialogValues dialog;
    dialog.page = InsertPage::Title;
    dialog.titleTypeIndex = 4;
    dialog.title = "T";
    ASSERT_EQ(ApplyDialogEdit(*doc, s, EditBlock{1, 1}, DialogLines(s, dialog)), EditError::None);
    EXPECT_EQ(RowStates(*doc),
              (std::vector<std::string>{"a|a|-", ";;;;;;|b|e", ";T|<<新建行>>|n", "######|<<新建行>>|cn", "c|c|-"}));
    dialog.titleTypeIndex = 0;
    ASSERT_EQ(ApplyDialogEdit(*doc, s, EditBlock{1, 3}, DialogLines(s, dialog)), EditError::None);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{"a|a|-", "c|c|-"}));
}

TEST(DialogEdit, ALineBreakInALineIsRefusedUntouched) {
    auto doc = MakeDocument(Plain({"a", "b"}));
    const auto before = RowStates(*doc);
    const std::vector<std::string> lines = {"x", "y\nz", "w"};
    EXPECT_EQ(ApplyDialogEdit(*doc, Signs(), EditBlock{0, 0}, lines), EditError::LineBreakInRow);
    EXPECT_EQ(RowStates(*doc), before);
    EXPECT_EQ(doc->log().size(), 0u);
    EXPECT_FALSE(doc->modified());
    EXPECT_THROW((void)ApplyDialogEdit(*doc, Signs(), EditBlock{1, 2}, std::vector<std::string>{}), std::out_of_range);
}

TEST(DialogEdit, MirrorOffKeepsTheTarget) {
    auto doc = MakeDocument(Plain({"a", "b", "c"}));
    doc->setTextMirrorsList(false, "");
    doc->setModified(false);
    ASSERT_EQ(ApplyDialogEdit(*doc, Signs(), EditBlock{0, 1}, std::vector<std::string>{"x", "y", "z"}),
              EditError::None);
    ASSERT_EQ(ApplyDialogEdit(*doc, Signs(), EditBlock{3, 3}, std::vector<std::string>{}), EditError::None);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{"x|a|ce", "y|b|ce", "z|<<新建行>>|cn"}));
    EXPECT_EQ(TargetLines(*doc), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(doc->modified());
}

struct InPlaceCase {
    const char* name;
    RowSetup row;
    std::string_view text;
    EditError error;
    std::string rowAfter;
    std::vector<std::string> log;
};

void PrintTo(const InPlaceCase& c, std::ostream* os) { *os << c.name; }

class InPlaceEdit : public ::testing::TestWithParam<InPlaceCase> {};

TEST_P(InPlaceEdit, RowAndLog) {
    const InPlaceCase& c = GetParam();
    auto doc = MakeDocument({RowSetup{"above"}, c.row});
    EXPECT_EQ(EditRowInPlace(*doc, 1, c.text), c.error);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{"above|above|-", c.rowAfter}));
    EXPECT_EQ(LogEntries(*doc), c.log);
    EXPECT_EQ(TargetLines(*doc)[1], c.rowAfter.substr(0, c.rowAfter.find('|')));
    EXPECT_EQ(doc->modified(), std::string_view(c.text) != c.row.text && c.error == EditError::None);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, InPlaceEdit,
    ::testing::Values(
        InPlaceCase{"LogsTheTextBefore",
                    RowSetup{"k=1", true},
                    ";k=1",
                    EditError::None,
                    ";k=1|k=1|ce",
                    {"(2)编辑选定行(&E) ...: k=1"}},
        InPlaceCase{"UnchangedTextIsMarkedAndLogged",
                    RowSetup{"k=1"},
                    "k=1",
                    EditError::None,
                    "k=1|k=1|e",
                    {"(2)编辑选定行(&E) ...: k=1"}},
        InPlaceCase{"NewRowIsNotMarkedEdited",
                    RowSetup{"n", false, false, true},
                    "m",
                    EditError::None,
                    "m|<<新建行>>|n",
                    {"(2)编辑选定行(&E) ...: n"}},
        InPlaceCase{"ToEmpty", RowSetup{"k=1"}, "", EditError::None, "|k=1|e", {"(2)编辑选定行(&E) ...: k=1"}},
        InPlaceCase{"LineFeedRefused", RowSetup{"k=1"}, "k=1\nk=2", EditError::LineBreakInRow, "k=1|k=1|-", {}},
        InPlaceCase{"CrLfRefused", RowSetup{"k=1"}, "k=1\r\nk=2", EditError::LineBreakInRow, "k=1|k=1|-", {}},
        InPlaceCase{"LoneCrKept",
                    RowSetup{"k=1"},
                    "k=1\rk=2",
                    EditError::None,
                    "k=1\rk=2|k=1|e",
                    {"(2)编辑选定行(&E) ...: k=1"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A row read with a lone CR in it holds it as part of its text; confirming that text as it
// stands changes no byte, and a CR typed into a row stays in it: the file reads back the same.
TEST(InPlaceEdit, LoneCrsStayInTheirRows) {
    auto doc = MakeDocument(std::string_view("a\rb\nc\n"));
    ASSERT_EQ(doc->caption(0), "a\rb");
    EXPECT_EQ(EditRowInPlace(*doc, 0, "a\rb"), EditError::None);
    EXPECT_EQ(EditRowInPlace(*doc, 1, "c\rd"), EditError::None);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{"a\rb|a\rb|e", "c\rd|c|e"}));
    EXPECT_EQ(doc->saveBytes(), "a\rb\nc\rd\n");
    auto again = MakeDocument(std::string_view(doc->saveBytes()));
    EXPECT_EQ(again->caption(1), "c\rd");
}

struct ColumnCase {
    const char* name;
    int column;
    int width;
    ColumnWidths before;
    std::vector<ColumnWidths> clicks;  // the widths after each click
};

class ColumnClick : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnClick, SwitchesBetweenTwoWidths) {
    const ColumnCase& c = GetParam();
    ColumnWidths w = c.before;
    for (size_t k = 0; k < c.clicks.size(); ++k) {
        w = ColumnClickWidths(c.column, c.width, w);
        EXPECT_EQ(w, c.clicks[k]) << "click " << k + 1 << ": " << w.after << " " << w.before;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Editing, ColumnClick,
    ::testing::Values(ColumnCase{"AfterColumn", 0, 600, {300, 300}, {{400, 200}, {550, 50}, {400, 200}}},
                      ColumnCase{"BeforeColumn", 1, 600, {450, 150}, {{50, 550}, {550, 50}, {50, 550}}},
                      ColumnCase{"BeforeColumnCollapsedFirst", 1, 600, {550, 50}, {{50, 550}, {550, 50}}},
                      ColumnCase{"OddWidthRoundsDown", 0, 700, {0, 0}, {{466, 234}, {650, 50}}},
                      ColumnCase{"OtherColumnChangesNothing", 2, 600, {123, 456}, {{123, 456}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vq::test
