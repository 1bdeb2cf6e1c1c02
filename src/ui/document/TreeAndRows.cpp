// The analysis pass as the window runs it, the tree's auto-expand, and revealing a row.
#include "app/TfrmMain.h"
#include "app/UiTexts.h"
#include "document/RowModel.h"
#include "document/TopicTreeModel.h"
#include "document/TreeBuilder.h"
#include "settings/SignToolBar.h"

#include <QScrollBar>
#include <QTreeView>

namespace vq {

void TfrmMain::actRefreshTreeExecute() { BuildTopicTree(); }

// The analysis pass, then the first top-level node is selected.
void TfrmMain::BuildTopicTree() {
    std::string error;
    if (!vq::BuildTopicTree(m_document, m_signs->settings(), progress(), &error))
        m_platform.showMessage(this, QString::fromStdString(error));
    if (m_treeModel->rowCount() > 0)
        m_tvTopic->setCurrentIndex(m_treeModel->index(0, 0));
}

// With auto-expand on, the node that gets selected opens and the branch selected before closes.
void TfrmMain::followTreeSelection(const QModelIndex& current, const QModelIndex& previous) {
    if (!m_autoExpand || !current.isValid())
        return;
    for (QModelIndex p = previous; p.isValid(); p = p.parent()) {
        bool ancestorOfCurrent = false;
        for (QModelIndex c = current; c.isValid(); c = c.parent())
            ancestorOfCurrent = ancestorOfCurrent || c == p;
        if (!ancestorOfCurrent)
            m_tvTopic->collapse(p);
    }
    m_tvTopic->expand(current);
}

// Selects one row and scrolls it to about 60 pixels below the top of the list.
void TfrmMain::RevealLineEntry(int row) {
    const QModelIndex index = m_rowModel->index(row, 0);
    if (!index.isValid())
        return;
    m_lvContent->clearSelection();
    m_lvContent->scrollTo(index, QAbstractItemView::EnsureVisible);
    QScrollBar* bar = m_lvContent->verticalScrollBar();
    bar->setValue(bar->value() + m_lvContent->visualRect(index).top() - 60);
    m_lvContent->scrollTo(index, QAbstractItemView::EnsureVisible);
    m_lvContent->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
}

}  // namespace vq
