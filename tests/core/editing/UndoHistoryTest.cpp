// What the history promises beyond giving states back and knowing the saved state (UndoFuzzTest):
// how undo and redo are logged and named, the bounds, the tree's red nodes and their
// notifications, a reload taken back, and a change made outside any step.
#include "core/editing/EditingTexts.h"
#include "core/extraction/ExtractionTexts.h"
#include "core/document/TreeBuilder.h"
#include "core/editing/CommentCommands.h"
#include "core/editing/DeleteRestore.h"
#include "core/editing/UndoHistory.h"
#include "core/settings/SignPanel.h"

#include "DocumentStates.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vq {
namespace {

using test::LogEntries;
using test::MakeDocument;
using test::RowStates;
using test::Signs;
using Strings = std::vector<std::string>;

const char* const kFile = "[PHP]\nengine = On\n;x=1\nshort_open_tag = Off\nprecision = 14\n";

AnalysisSettings PhpIni() {
    SignPanel signs;
    signs.PatternClick(2);
    return signs.settings();
}

std::unique_ptr<Document> Opened() {
    auto doc = MakeDocument(kFile);
    BuildTopicTree(*doc, PhpIni(), Progress{});
    doc->showFileNameInCaption();
    doc->clearLog();
    return doc;
}

std::vector<size_t> Rows(std::initializer_list<size_t> rows) { return rows; }

Strings NewEntries(const Document& doc, size_t from) {
    Strings all = LogEntries(doc);
    return Strings(all.begin() + static_cast<std::ptrdiff_t>(from), all.end());
}

TEST(UndoHistory, UndoAndRedoAreLoggedAndNamed) {
    auto doc = Opened();
    UndoHistory history(*doc);
    EXPECT_EQ(history.undoCaption(), "撤销");
    EXPECT_EQ(history.redoCaption(), "重做");
    {
        UndoHistory::Step step(history, texts::kCapRemLine);
        CommentRows(*doc, Signs(), Rows({1, 2, 3}));
    }
    EXPECT_EQ(history.undoCaption(), "撤销 注释选定行");
    size_t logged = doc->log().size();
    history.undo();
    // Row 3 was a comment, unchecked already: the command did not change it.
    EXPECT_EQ(NewEntries(*doc, logged), (Strings{"(0)撤销 注释选定行: <<操作开始>>", "(2)撤销 注释选定行: engine = On",
                                                 "(4)撤销 注释选定行: short_open_tag = Off", "(-1)<<共撤销了 2 行>>",
                                                 "(0)撤销 注释选定行: <<操作结束>>"}));
    EXPECT_EQ(history.undoCaption(), "撤销");
    EXPECT_EQ(history.redoCaption(), "重做 注释选定行");

    // One row: its entry alone. A removed row is logged where it was, with what it held.
    {
        UndoHistory::Step step(history, texts::kCapDelLine);
        DeleteRows(*doc, Rows({4}));
    }
    EXPECT_FALSE(history.canRedo()) << "a new step drops the steps taken back";
    logged = doc->log().size();
    history.undo();
    EXPECT_EQ(NewEntries(*doc, logged), (Strings{"(5)撤销 删除选定行: precision = 14"}));
    logged = doc->log().size();
    history.redo();
    EXPECT_EQ(NewEntries(*doc, logged), (Strings{"(5)重做 删除选定行: <<删除>>precision = 14"}));
}

struct TreeWatch : DocumentListener {
    std::vector<NodeId> lost, found;
    void treeNodesLostRows(std::span<const NodeId> nodes) override {
        lost.insert(lost.end(), nodes.begin(), nodes.end());
    }
    void treeNodesFoundRows(std::span<const NodeId> nodes) override {
        found.insert(found.end(), nodes.begin(), nodes.end());
    }
};

// Deleted rows come back at their places with their nodes, which are drawn normally again; a
// refresh taken back brings back the old tree, red nodes and all, and the old check marks.
TEST(UndoHistory, TreeNodesFollowTheirRows) {
    auto doc = Opened();
    UndoHistory history(*doc);
    TreeWatch watch;
    doc->addListener(&watch);
    const NodeId engine = doc->nodeOfRow(1);
    ASSERT_NE(engine, kNoNode);
    {
        UndoHistory::Step step(history, texts::kCapDelLine);
        DeleteRows(*doc, Rows({1, 3}));
    }
    EXPECT_EQ(doc->tree().rowOf(engine), kNoRow);
    {
        UndoHistory::Step step(history, texts::kCapUncheckRow);
        doc->setChecked(0, false);  // the refresh checks it again
    }
    {
        UndoHistory::Step step(history, texts::kCapRefreshTree);
        BuildTopicTree(*doc, PhpIni(), Progress{});
    }
    EXPECT_EQ(doc->tree().nodeCount(), 3u);
    EXPECT_TRUE(doc->checked(0));
    history.undo();
    EXPECT_EQ(doc->tree().nodeCount(), 5u);
    EXPECT_EQ(doc->tree().rowOf(engine), kNoRow) << "the old tree, red node and all";
    EXPECT_FALSE(doc->checked(0));
    history.undo();
    history.undo();
    EXPECT_EQ(RowStates(*doc),
              (Strings{"[PHP]|[PHP]|c", "engine = On|engine = On|c", ";x=1|;x=1|-",
                       "short_open_tag = Off|short_open_tag = Off|c", "precision = 14|precision = 14|c"}));
    EXPECT_EQ(doc->tree().rowOf(engine), doc->rowId(1));
    EXPECT_EQ(doc->nodeOfRow(1), engine);
    EXPECT_EQ(watch.found.size(), 2u);
    watch.lost.clear();
    history.redo();
    EXPECT_EQ(doc->tree().rowOf(engine), kNoRow);
    EXPECT_EQ(watch.lost.size(), 2u);
    doc->removeListener(&watch);
}

TEST(UndoHistory, BoundsDropTheOldestStepsButNeverTheNewest) {
    auto doc = Opened();
    UndoHistory history(*doc, UndoHistory::Limits{3, size_t{1} << 30});
    for (const size_t row : {0, 1, 3, 4}) {
        UndoHistory::Step step(history, texts::kCapRemLine);
        CommentRows(*doc, Signs(), Rows({row}));
    }
    EXPECT_EQ(history.undoCount(), 3u);
    while (history.canUndo())
        history.undo();
    EXPECT_EQ(doc->caption(0), ";[PHP]") << "the oldest step is gone";
    EXPECT_EQ(doc->caption(1), "engine = On");
    EXPECT_EQ(doc->caption(4), "precision = 14");
    EXPECT_TRUE(doc->modified()) << "the state at load cannot be reached any more";

    auto other = Opened();
    UndoHistory tiny(*other, UndoHistory::Limits{100, 1});
    for (int pass = 0; pass < 2; ++pass) {
        UndoHistory::Step step(tiny, texts::kCapUnRem);
        UncommentRows(*other, Signs(), Rows({0, 1, 2, 3, 4}));
        CommentRows(*other, Signs(), Rows({0, 1}));
    }
    EXPECT_EQ(tiny.undoCount(), 1u);
    EXPECT_GT(tiny.memoryBytes(), 1u);
}

// A reload over unsaved changes is one step: the old rows come back, modified as they were.
TEST(UndoHistory, AReloadCanBeTakenBack) {
    auto doc = Opened();
    UndoHistory history(*doc);
    {
        UndoHistory::Step step(history, texts::kCapRemLine);
        CommentRows(*doc, Signs(), Rows({1}));
    }
    const Strings edited = RowStates(*doc);
    history.clear();
    {
        auto reloaded = MakeDocument("[PHP]\nengine = Off\n");
        UndoHistory::Step step(history, texts::kCapReload);
        doc->takeContentFrom(*reloaded);
        doc->setModified(false);
    }
    history.markSaved();
    EXPECT_EQ(history.undoCaption(), "撤销 重载本文件");
    const size_t logged = doc->log().size();
    history.undo();
    EXPECT_EQ(RowStates(*doc), edited);
    EXPECT_TRUE(doc->modified());
    EXPECT_EQ(NewEntries(*doc, logged), (Strings{"(0)撤销 重载本文件: <<操作开始>>", "(-1)<<共撤销了 5 行>>",
                                                 "(0)撤销 重载本文件: <<操作结束>>"}));
    history.redo();
    EXPECT_EQ(doc->rowCount(), 2u);
    EXPECT_FALSE(doc->modified());
}

TEST(UndoHistory, AChangeOutsideAnyStepStartsANewHistory) {
    auto doc = Opened();
    UndoHistory history(*doc);
    {
        UndoHistory::Step step(history, texts::kCapRemLine);
        CommentRows(*doc, Signs(), Rows({1}));
    }
    {
        UndoHistory::Step step(history, texts::kCapRemLine);
        CommentRows(*doc, Signs(), Rows({1}));  // already a comment, already unchecked
    }
    EXPECT_EQ(history.undoCount(), 1u) << "a step that changed nothing is not kept";
    doc->deleteRow(0);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.undoCaption(), "撤销");
    history.undo();
    EXPECT_EQ(doc->caption(0), ";engine = On");
}

TEST(UndoHistory, StepNamesAreCaptionsWithoutAcceleratorAndDots) {
    EXPECT_EQ(UndoHistory::StepName(texts::kCapRemLine), "注释选定行");
    EXPECT_EQ(UndoHistory::StepName(texts::kCapRestoreAll), "恢复所有行");
    EXPECT_EQ(UndoHistory::StepName(texts::kCapSaveSel), "提取钩选项");
    EXPECT_EQ(UndoHistory::StepName(texts::kCapCheckRow), "钩选");
}

}  // namespace
}  // namespace vq
