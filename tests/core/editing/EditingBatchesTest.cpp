// What a view hears from each command (one batch, ranges, one log append), and the bytes Save
// writes after edits: only the lines a command changed, inserted or deleted differ.

#include "DocumentStates.h"
#include "Recorder.h"
#include "core/editing/CommentCommands.h"
#include "core/editing/DeleteRestore.h"
#include "core/editing/EditLines.h"
#include "core/editing/InsertLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace vq::test {
namespace {

std::vector<RowSetup> Numbered(int n) {
    std::vector<RowSetup> rows;
    for (int i = 0; i < n; ++i)
        rows.push_back(RowSetup{std::string("r").append(std::to_string(i))});
    return rows;
}

std::vector<std::string> Heard(Document& doc, const std::function<void()>& command) {
    Recorder rec;
    doc.addListener(&rec);
    command();
    doc.removeListener(&rec);
    return rec.events;
}

TEST(EditingBatches, CommentingScatteredRowsIsOneBatchOfRanges) {
    auto doc = MakeDocument(Numbered(10));
    const AnalysisSettings s = Signs();
    const size_t selected[] = {1, 4, 5, 9};
    EXPECT_EQ(Heard(*doc, [&] { CommentRows(*doc, s, selected); }),
              (std::vector<std::string>{"begin", "rows 1+1", "rows 4+2", "rows 9+1", "lines 1+1", "lines 4+2",
                                        "lines 9+1", "log 0+7", "state", "end"}));
}

TEST(EditingBatches, DeletingRowsIsOneRemovalPass) {
    auto doc = MakeDocument(Numbered(8));
    const size_t selected[] = {1, 2, 5};
    EXPECT_EQ(
        Heard(*doc, [&] { DeleteRows(*doc, selected); }),
        (std::vector<std::string>{"begin", "removeRows? 1+2", "removeRows 1+2", "removeLines 1+2", "removeRows? 3+1",
                                  "removeRows 3+1", "removeLines 3+1", "log 0+6", "state", "end"}));
}

TEST(EditingBatches, RestoreAllSetsRowsBackThenRemovesNewRowsOnce) {
    auto doc = MakeDocument({RowSetup{"a"}, RowSetup{"n", false, false, true}, RowSetup{";b", false, true, false, "b"},
                             RowSetup{"m", false, false, true}});
    EXPECT_EQ(Heard(*doc, [&] { RestoreAllRows(*doc); }),
              (std::vector<std::string>{"begin", "rows 2+1", "lines 2+1", "removeRows? 1+1", "removeRows 1+1",
                                        "removeLines 1+1", "removeRows? 2+1", "removeRows 2+1", "removeLines 2+1",
                                        "log 0+6", "state", "end"}));
}

TEST(EditingBatches, DialogEditThatGrowsIsOneBatch) {
    auto doc = MakeDocument(Numbered(6));
    EXPECT_EQ(Heard(*doc,
                    [&] {
                        (void)ApplyDialogEdit(*doc, Signs(), EditBlock{2, 3}, std::vector<std::string>{"a", "b", "c"});
                    }),
              (std::vector<std::string>{"begin", "rows 2+2", "lines 2+2", "insertRows? 4+1", "insertRows 4+1",
                                        "insertLines 4+1", "log 0+3", "state", "end"}));
}

// Every command: one batch, at most one log append, at most one state change.
TEST(EditingBatches, EveryCommandIsOneBatch) {
    const AnalysisSettings s = Signs();
    const size_t some[] = {0, 2, 3};
    const std::vector<std::pair<const char*, std::function<void(Document&)>>> commands = {
        {"comment", [&](Document& d) { CommentRows(d, s, some); }},
        {"uncomment", [&](Document& d) { UncommentRows(d, s, some); }},
        {"insert",
         [&](Document& d) {
             (void)InsertLines(d, s, 1, std::vector<std::string>{"x", "y"}, "w");
         }},
        {"in place", [&](Document& d) { (void)EditRowInPlace(d, 2, "z"); }},
        {"dialog shrink",
         [&](Document& d) {
             (void)ApplyDialogEdit(d, s, EditBlock{1, 3}, std::vector<std::string>{"q"});
         }},
        {"delete", [&](Document& d) { DeleteRows(d, some); }},
        {"restore", [&](Document& d) { RestoreRows(d, some); }},
        {"restore all", [&](Document& d) { RestoreAllRows(d); }},
    };
    for (const auto& [name, command] : commands) {
        auto doc = MakeDocument({RowSetup{";a"}, RowSetup{"b"}, RowSetup{"n", false, true, true},
                                 RowSetup{"c", false, true, false, "d"}, RowSetup{"e"}});
        const auto events = Heard(*doc, [&] { command(*doc); });
        const auto count = [&](std::string_view prefix) {
            return std::count_if(events.begin(), events.end(),
                                 [&](const std::string& e) { return e.starts_with(prefix); });
        };
        EXPECT_EQ(count("begin"), 1) << name;
        EXPECT_EQ(count("end"), 1) << name;
        EXPECT_EQ(events.front(), "begin") << name;
        EXPECT_EQ(events.back(), "end") << name;
        EXPECT_EQ(count("log "), 1) << name;
        EXPECT_EQ(count("state"), 1) << name;
    }
}

// A file with both breaks, a lone CR inside a line and no break after its last line.
constexpr std::string_view kMixed = "[s]\r\na=1\nb=2\r\nx\ry\n\nlast";

TEST(SavedBytes, OnlyEditedLinesChange) {
    auto doc = MakeDocument(kMixed);
    const AnalysisSettings s = Signs();
    const size_t row1[] = {1};
    CommentRows(*doc, s, row1);  // a=1 keeps its LF
    EXPECT_EQ(doc->saveBytes(), "[s]\r\n;a=1\nb=2\r\nx\ry\n\nlast");
    // b=2 keeps its CR LF; the new row after it takes the file's first break, CR LF.
    ASSERT_EQ(ApplyDialogEdit(*doc, s, EditBlock{2, 2}, SplitDialogText("b=3\nb=4\n")), EditError::None);
    EXPECT_EQ(doc->saveBytes(), "[s]\r\n;a=1\nb=3\r\nb=4\r\nx\ry\n\nlast");
    const size_t blank[] = {5};
    DeleteRows(*doc, blank);
    EXPECT_EQ(doc->saveBytes(), "[s]\r\n;a=1\nb=3\r\nb=4\r\nx\ry\nlast");
    // Below the last line: that line now needs a break and takes the file's; the new last line
    // has none, as the file's last line had none.
    ASSERT_EQ(InsertLines(*doc, s, doc->rowCount(), std::vector<std::string>{"new"}, "w"), EditError::None);
    EXPECT_EQ(doc->saveBytes(), "[s]\r\n;a=1\nb=3\r\nb=4\r\nx\ry\nlast\r\nnew");
    RestoreAllRows(*doc);
    EXPECT_EQ(doc->saveBytes(), "[s]\r\na=1\nb=2\r\nx\ry\nlast");
}

TEST(SavedBytes, CommentThenUncommentGivesTheFileBack) {
    const std::string_view file = "\xEF\xBB\xBF[s]\r\nk=1\n  v = 2\r\n\n;c\r\n";
    auto doc = MakeDocument(file);
    const AnalysisSettings s = Signs();
    const size_t all[] = {0, 1, 3};  // rows without leading blanks
    CommentRows(*doc, s, all);
    EXPECT_EQ(doc->saveBytes(), "\xEF\xBB\xBF;[s]\r\n;k=1\n  v = 2\r\n;\n;c\r\n");
    UncommentRows(*doc, s, all);
    EXPECT_EQ(doc->saveBytes(), file);
}

}  // namespace
}  // namespace vq::test
