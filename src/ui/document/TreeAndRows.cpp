// The analysis pass as the window runs it, revealing and deleting rows.
#include "ui/document/TreeAndRows.h"

#include "ui/document/ContentListView.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/RowModel.h"
#include "ui/document/TopicTreeView.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/StatusMessages.h"

#include "core/editing/EditingTexts.h"

namespace vq {

TreeAndRows::TreeAndRows(const Context& context) : m_context(context) {}

void TreeAndRows::bindActions(ActionTable& actions) {
    actions.bind(Act::RefreshTree, this, &TreeAndRows::actRefreshTreeExecute);
    // Refresh needs rows.
    RowModel* rows = m_context.session.rows();
    const auto request = [&actions] { actions.requestUpdate(); };
    connect(rows, &QAbstractItemModel::modelReset, &actions, request);
    connect(rows, &QAbstractItemModel::rowsInserted, &actions, request);
    connect(rows, &QAbstractItemModel::rowsRemoved, &actions, request);
}

void TreeAndRows::updateActions(const ActionTable& actions) const {
    actions.setEnabled(Act::RefreshTree, m_context.session.document().rowCount() > 0);
}

void TreeAndRows::actRefreshTreeExecute() { BuildTopicTree(); }

// A refresh is a step: its check marks and the tree it replaced come back with an undo.
void TreeAndRows::BuildTopicTree() {
    std::string error;
    bool ok = false;
    {
        const UndoHistory::Step step(m_context.session.history(), texts::kCapRefreshTree);
        ok = m_context.session.analyse(m_context.signs, m_context.messages.progress(), &error);
    }
    if (!ok)
        m_context.platform.showMessage(m_context.tree->window(), QString::fromStdString(error));
    m_context.tree->selectFirstNode();
}

void TreeAndRows::selectFirstNode() { m_context.tree->selectFirstNode(); }

void TreeAndRows::RevealLineEntry(int row) { m_context.list->RevealLineEntry(row); }

PaintPause TreeAndRows::pauseRows() const { return PaintPause{m_context.list}; }

PaintPause TreeAndRows::pauseRowsAndTree() const { return PaintPause{m_context.list, m_context.tree}; }

void TreeAndRows::DeleteLineEntry(int row) { m_context.session.document().deleteRow(static_cast<size_t>(row)); }

}  // namespace vq
