#include "ui/document/TopicTreeView.h"

#include <QMouseEvent>

#include <utility>

namespace vq {

TopicTreeView::TopicTreeView(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(true);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(true);
}

void TopicTreeView::selectFirstNode() {
    if (model() && model()->rowCount() > 0)
        setCurrentIndex(model()->index(0, 0));
}

void TopicTreeView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    if (!m_autoExpand || !current.isValid())
        return;
    m_toClose.clear();
    for (QModelIndex p = previous; p.isValid(); p = p.parent()) {
        bool ancestorOfCurrent = false;
        for (QModelIndex c = current; c.isValid() && !ancestorOfCurrent; c = c.parent())
            ancestorOfCurrent = c == p;
        if (!ancestorOfCurrent)
            m_toClose.append(p);
    }
    expand(current);
    if (!m_mouseDown)
        closeOldBranches();
}

void TopicTreeView::closeOldBranches() {
    const QList<QPersistentModelIndex> branches = std::exchange(m_toClose, {});
    for (const QPersistentModelIndex& branch : branches)
        if (branch.isValid())
            collapse(branch);
}

void TopicTreeView::mousePressEvent(QMouseEvent* event) {
    closeOldBranches();  // left from a press whose release went elsewhere
    m_mouseDown = true;
    QTreeView::mousePressEvent(event);
}

void TopicTreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    m_mouseDown = false;
    closeOldBranches();
}

}  // namespace vq
