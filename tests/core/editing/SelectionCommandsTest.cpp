// Comment, uncomment, delete and restore over the selected rows: the rows, the target text and
// the whole log after each command.

#include "DocumentStates.h"
#include "core/document/DocumentLoading.h"
#include "core/editing/CommentCommands.h"
#include "core/editing/DeleteRestore.h"

#include <gtest/gtest.h>

namespace vq::test {
namespace {

enum class Command { Comment, Uncomment, Delete, Restore, RestoreAll };

struct SelectionCase {
    const char* name;
    Command command;
    std::vector<RowSetup> rows;
    std::vector<size_t> selected;
    std::vector<std::string> rowsAfter;
    std::vector<std::string> log;
    std::string remSign = ";";
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }

size_t RunCommand(Command c, Document& doc, const AnalysisSettings& s, SelectedRows selected) {
    switch (c) {
    case Command::Comment: return CommentRows(doc, s, selected);
    case Command::Uncomment: return UncommentRows(doc, s, selected);
    case Command::Delete: return DeleteRows(doc, selected);
    case Command::Restore: return RestoreRows(doc, selected);
    case Command::RestoreAll: return RestoreAllRows(doc);
    }
    return 0;
}

class SelectionCommands : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectionCommands, RowsTargetAndLog) {
    const SelectionCase& c = GetParam();
    auto doc = MakeDocument(c.rows);
    const AnalysisSettings s = Signs(c.remSign);
    RunCommand(c.command, *doc, s, c.selected);
    EXPECT_EQ(RowStates(*doc), c.rowsAfter);
    EXPECT_EQ(LogEntries(*doc), c.log);
    // Mirroring: the target text is the rows' text line for line.
    std::vector<std::string> captions;
    for (const std::string& r : c.rowsAfter)
        captions.push_back(r.substr(0, r.find('|')));
    EXPECT_EQ(TargetLines(*doc), captions);
}

RowSetup Edited(std::string text, std::string original) {
    return RowSetup{std::move(text), false, true, false, std::move(original)};
}
RowSetup NewRow(std::string text, bool edited = false) { return RowSetup{std::move(text), true, edited, true, ""}; }

const SelectionCase kCases[] = {
    // comment
    {"CommentThreeRowsOneAComment",
     Command::Comment,
     Plain({"a=1 +c", ";b=2 +c", "c=3 +c"}),
     {0, 1, 2},
     {";a=1|a=1|e", ";b=2|;b=2|-", ";c=3|c=3|e"},
     {"(0)注释选定行(&R): <<操作开始>>", "(1)注释选定行(&R): a=1", "(3)注释选定行(&R): c=3",
      "(-1)<<选择 3 行，注释 2 行>>", "(0)注释选定行(&R): <<操作结束>>"}},
    {"CommentOneRowHasNoFrame",
     Command::Comment,
     Plain({"a", "b=2 +c", "c"}),
     {1},
     {"a|a|-", ";b=2|b=2|e", "c|c|-"},
     {"(2)注释选定行(&R): b=2"}},
    {"CommentScatteredRowsLeavesTheOthers",
     Command::Comment,
     Plain({"a +c", "b +c", "c +c", "d +c"}),
     {0, 3},
     {";a|a|e", "b|b|c", "c|c|c", ";d|d|e"},
     {"(0)注释选定行(&R): <<操作开始>>", "(1)注释选定行(&R): a", "(4)注释选定行(&R): d", "(-1)<<选择 2 行，注释 2 行>>",
      "(0)注释选定行(&R): <<操作结束>>"}},
    {"CommentWithBlankSignChangesNothingButChecks",
     Command::Comment,
     Plain({"a +c", "\t +c"}),
     {0, 1},
     {"a|a|-", "\t|\t|-"},
     {"(0)注释选定行(&R): <<操作开始>>", "(-1)<<选择 2 行，注释 0 行>>", "(0)注释选定行(&R): <<操作结束>>"},
     " "},
    {"CommentBlankRowGetsTheSign",
     Command::Comment,
     Plain({"", "   "}),
     {0, 1},
     {";||e", ";   |   |e"},
     {"(0)注释选定行(&R): <<操作开始>>", "(1)注释选定行(&R)", "(2)注释选定行(&R)", "(-1)<<选择 2 行，注释 2 行>>",
      "(0)注释选定行(&R): <<操作结束>>"}},
    {"CommentNewRowStaysNew",
     Command::Comment,
     {RowSetup{"x"}, NewRow("k=1")},
     {1},
     {"x|x|-", ";k=1|<<新建行>>|en"},
     {"(2)注释选定行(&R): k=1"}},
    {"CommentWithLongerSignNeverSeesAComment",
     Command::Comment,
     Plain({"//x"}),
     {0},
     {"////x|//x|e"},
     {"(1)注释选定行(&R): //x"},
     "//"},
    // uncomment
    {"UncommentRemovesTheWholeRun",
     Command::Uncomment,
     Plain({";;; key=1", "; ; key", "x"}),
     {0, 1},
     {"key=1|;;; key=1|ce", "key|; ; key|ce", "x|x|-"},
     {"(0)取消注释(&C): <<操作开始>>", "(1)取消注释(&C): ;;; key=1", "(2)取消注释(&C): ; ; key",
      "(-1)<<选择 2 行，取消注释 2 行>>", "(0)取消注释(&C): <<操作结束>>"}},
    {"UncommentSignsAloneGiveEmptyRows",
     Command::Uncomment,
     Plain({";", ";;", "; ; "}),
     {0, 1, 2},
     {"|;|ce", "|;;|ce", "|; ; |ce"},
     {"(0)取消注释(&C): <<操作开始>>", "(1)取消注释(&C): ;", "(2)取消注释(&C): ;;", "(3)取消注释(&C): ; ; ",
      "(-1)<<选择 3 行，取消注释 3 行>>", "(0)取消注释(&C): <<操作结束>>"}},
    {"UncommentWithoutSignStripsBlanksUnlogged", Command::Uncomment, Plain({"  key=1"}), {0}, {"key=1|  key=1|ce"}, {}},
    {"UncommentOtherSignKeepsText",
     Command::Uncomment,
     Plain({"#x", "\t ", ""}),
     {0, 1, 2},
     {"#x|#x|ce", "\t |\t |ce", "||ce"},
     {"(0)取消注释(&C): <<操作开始>>", "(-1)<<选择 3 行，取消注释 0 行>>", "(0)取消注释(&C): <<操作结束>>"}},
    {"UncommentTabsAndSignsMixed",
     Command::Uncomment,
     Plain({"\t;\t;x ;y"}),
     {0},
     {"x ;y|\t;\t;x ;y|ce"},
     {"(1)取消注释(&C): \t;\t;x ;y"}},
    {"UncommentWithBlankSignCountsSpaces",
     Command::Uncomment,
     Plain({"  key", "\tkey", "key"}),
     {0, 1, 2},
     {"key|  key|ce", "key|\tkey|ce", "key|key|ce"},
     {"(0)取消注释(&C): <<操作开始>>", "(1)取消注释(&C):   key", "(-1)<<选择 3 行，取消注释 1 行>>",
      "(0)取消注释(&C): <<操作结束>>"},
     " "},
    {"UncommentWithLongerSignOnlyStripsBlanks", Command::Uncomment, Plain({" //x"}), {0}, {"//x| //x|ce"}, {}, "//"},
    // delete
    {"DeleteTwoOfTen",
     Command::Delete,
     Plain({"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}),
     {3, 5},
     {"r0|r0|-", "r1|r1|-", "r2|r2|-", "r4|r4|-", "r6|r6|-", "r7|r7|-", "r8|r8|-", "r9|r9|-"},
     {"(0)删除选定行(&T): <<操作开始>>", "(4)删除选定行(&T): r3", "(6)删除选定行(&T): r5",
      "(-1)<<选择 2 行，删除 2 行>>", "(0)删除选定行(&T): <<操作结束>>"}},
    {"DeleteOneRow", Command::Delete, Plain({"a", "b"}), {0}, {"b|b|-"}, {"(1)删除选定行(&T): a"}},
    {"DeleteAllRows",
     Command::Delete,
     {RowSetup{"a"}, NewRow("n"), RowSetup{"b"}},
     {0, 1, 2},
     {},
     {"(0)删除选定行(&T): <<操作开始>>", "(1)删除选定行(&T): a", "(2)删除选定行(&T): n", "(3)删除选定行(&T): b",
      "(-1)<<选择 3 行，删除 3 行>>", "(0)删除选定行(&T): <<操作结束>>"}},
    // restore selected
    {"RestoreNewEditedAndUnchanged",
     Command::Restore,
     {RowSetup{"a"}, NewRow("n=1"), Edited(";b", "b"), RowSetup{"c"}},
     {1, 2, 3},
     {"a|a|-", "b|b|-", "c|c|-"},
     {"(0)恢复选定行(&L): <<操作开始>>", "(2)恢复选定行(&L): <<删除>>n=1", "(3)恢复选定行(&L): ;b",
      "(-1)<<选择 3 行，恢复 2 行>>", "(0)恢复选定行(&L): <<操作结束>>"}},
    {"RestoreOneUnchangedRowWritesNothing", Command::Restore, Plain({"a"}), {0}, {"a|a|-"}, {}},
    {"RestoreEmptyNewRow", Command::Restore, {NewRow("")}, {0}, {}, {"(1)恢复选定行(&L): <<删除>>"}},
    {"RestoreKeepsTheCheckMark",
     Command::Restore,
     {RowSetup{"b", true, true, false, ";b"}},
     {0},
     {";b|;b|c"},
     {"(1)恢复选定行(&L): b"}},
    // restore all
    {"RestoreAllWithoutChanges",
     Command::RestoreAll,
     Plain({"a", "b"}),
     {},
     {"a|a|-", "b|b|-"},
     {"(0)恢复所有行(&O) ...: <<操作开始>>", "(-1)<<共恢复了 0 行>>", "(0)恢复所有行(&O) ...: <<操作结束>>"}},
    {"RestoreAllNumbersNewRowsBeforeAndRestoredRowsAfter",
     Command::RestoreAll,
     {RowSetup{"r0"}, RowSetup{"r1"}, NewRow("new", true), RowSetup{"r3"}, RowSetup{"r4"}, Edited(";r5", "r5"),
      NewRow("x"), Edited("", "r7")},
     {},
     {"r0|r0|-", "r1|r1|-", "r3|r3|-", "r4|r4|-", "r5|r5|-", "r7|r7|-"},
     {"(0)恢复所有行(&O) ...: <<操作开始>>", "(3)删除: new", "(5)恢复: ;r5", "(7)删除: x", "(6)恢复",
      "(-1)<<共恢复了 4 行>>", "(0)恢复所有行(&O) ...: <<操作结束>>"}},
    {"RestoreAllInEmptyDocument",
     Command::RestoreAll,
     {},
     {},
     {},
     {"(0)恢复所有行(&O) ...: <<操作开始>>", "(-1)<<共恢复了 0 行>>", "(0)恢复所有行(&O) ...: <<操作结束>>"}},
};

INSTANTIATE_TEST_SUITE_P(Editing, SelectionCommands, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// After an extraction the target text is the extraction's: commands change the rows only, and
// the document stays unmodified.
TEST(SelectionCommandsMirrorOff, RowsChangeTargetStays) {
    const AnalysisSettings s = Signs();
    for (Command c : {Command::Comment, Command::Uncomment, Command::Delete, Command::Restore, Command::RestoreAll}) {
        auto doc = MakeDocument({RowSetup{"a=1"}, RowSetup{";b"}, Edited("c", "; c"), NewRow("n")});
        doc->setTextMirrorsList(false, "");
        doc->setModified(false);
        const std::string before = doc->saveBytes();
        const auto rowsBefore = RowStates(*doc);
        const size_t all[] = {0, 1, 2, 3};
        RunCommand(c, *doc, s, all);
        EXPECT_NE(RowStates(*doc), rowsBefore) << static_cast<int>(c);
        EXPECT_EQ(doc->saveBytes(), before) << static_cast<int>(c);
        EXPECT_FALSE(doc->modified()) << static_cast<int>(c);
        EXPECT_FALSE(doc->log().size() == 0) << static_cast<int>(c);
    }
}

struct EnabledCase {
    const char* name;
    std::vector<std::string_view> rows;
    std::vector<size_t> selected;
    std::string remSign;
    bool comment;
    bool uncomment;
};

class CommentEnabled : public ::testing::TestWithParam<EnabledCase> {};

TEST_P(CommentEnabled, ByTheSelection) {
    const EnabledCase& c = GetParam();
    std::vector<RowSetup> rows;
    for (auto t : c.rows)
        rows.push_back(RowSetup{std::string(t)});
    auto doc = MakeDocument(rows);
    const AnalysisSettings s = Signs(c.remSign);
    EXPECT_EQ(CanCommentRows(*doc, s, c.selected), c.comment);
    EXPECT_EQ(CanUncommentRows(*doc, s, c.selected), c.uncomment);
}

INSTANTIATE_TEST_SUITE_P(Editing, CommentEnabled,
                         ::testing::Values(EnabledCase{"NothingSelected", {"a"}, {}, ";", false, false},
                                           EnabledCase{"OneKeyRow", {"a=1", ";b"}, {0}, ";", true, false},
                                           EnabledCase{"OneCommentRow", {"a=1", "  ;b"}, {1}, ";", false, true},
                                           EnabledCase{"OneBlankRow", {""}, {0}, ";", true, false},
                                           EnabledCase{"TwoCommentRows", {";a", ";b"}, {0, 1}, ";", true, true},
                                           EnabledCase{"BlankSignOneRow", {"a=1"}, {0}, " ", false, true},
                                           EnabledCase{"BlankSignTwoRows", {"a", "b"}, {0, 1}, " ", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionCommands, ASelectionOutOfOrderOrRangeIsRefusedUntouched) {
    const AnalysisSettings s = Signs();
    auto doc = MakeDocument(Plain({"a", "b", "c"}));
    const auto before = RowStates(*doc);
    const std::vector<std::vector<size_t>> bad = {{2, 1}, {1, 1}, {0, 3}};
    for (const auto& selected : bad) {
        EXPECT_THROW(CommentRows(*doc, s, selected), std::invalid_argument);
        EXPECT_THROW(DeleteRows(*doc, selected), std::invalid_argument);
        EXPECT_THROW(RestoreRows(*doc, selected), std::invalid_argument);
    }
    EXPECT_EQ(RowStates(*doc), before);
    EXPECT_EQ(doc->log().size(), 0u);
}

}  // namespace
}  // namespace vq::test

namespace vq::test {
namespace {

// Commands one after the other, as a user runs them: the row states of the line entries' table.
TEST(CommandSequences, CommentThenRestoreKeepsTheCheckCleared) {
    const AnalysisSettings s = Signs();
    auto doc = MakeDocument(Plain({"k=1 +c"}));
    const size_t row0[] = {0};
    CommentRows(*doc, s, row0);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{";k=1|k=1|e"}));
    RestoreRows(*doc, row0);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{"k=1|k=1|-"}));
    EXPECT_EQ(doc->saveBytes(), "k=1\n");
    // Restoring again finds nothing to do.
    RestoreRows(*doc, row0);
    EXPECT_EQ(LogEntries(*doc), (std::vector<std::string>{"(1)注释选定行(&R): k=1", "(1)恢复选定行(&L): ;k=1"}));
}

TEST(CommandSequences, UncommentedNewRowIsStillRemovedByRestore) {
    const AnalysisSettings s = Signs();
    auto doc = MakeDocument({RowSetup{"a"}, RowSetup{";n", false, false, true}});
    const size_t row1[] = {1};
    UncommentRows(*doc, s, row1);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{"a|a|-", "n|<<新建行>>|cen"}));
    RestoreAllRows(*doc);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{"a|a|-"}));
}

// A deleted row's tree node stays in the tree without a row (drawn red), for a row from the
// file as for an inserted one.
TEST(CommandSequences, DeletedRowsLeaveTheirNodesWithoutRows) {
    AnalysisSettings s = Signs();
    LoadOptions options;
    options.analysis = &s;
    auto doc =
        std::move(OpenBytesIntoDocument(ByteBuffer::copyOf(std::string_view("[a]\nk=1\n[b]\n")), options).document);
    const NodeId a = doc->nodeOfRow(0);
    const NodeId b = doc->nodeOfRow(2);
    ASSERT_NE(a, kNoNode);
    ASSERT_NE(b, kNoNode);
    const size_t first[] = {0};
    DeleteRows(*doc, first);
    EXPECT_EQ(doc->tree().rowOf(a), kNoRow);
    EXPECT_NE(doc->tree().rowOf(b), kNoRow);
    EXPECT_EQ(doc->indexOf(doc->tree().rowOf(b)), 1u);
}

}  // namespace
}  // namespace vq::test
