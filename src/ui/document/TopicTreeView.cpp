#include "ui/document/TopicTreeView.h"

#include "ui/document/TopicTreeAccessible.h"

#include <QAccessible>
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
    InstallTopicTreeAccessibility();
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& i) { tellExpanded(i, true); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& i) { tellExpanded(i, false); });
}

static TopicTreeAccessible* AccessibleOf(TopicTreeView* view) {
    return QAccessible::isActive() ? static_cast<TopicTreeAccessible*>(QAccessible::queryAccessibleInterface(view))
                                   : nullptr;
}

void TopicTreeView::tellExpanded(const QModelIndex& index, bool expanded) {
    if (TopicTreeAccessible* tree = AccessibleOf(this))
        tree->nodeExpandedChanged(index, expanded);
}

void TopicTreeView::reset() {
    if (TopicTreeAccessible* tree = AccessibleOf(this))
        tree->dropNodes();
    QTreeView::reset();
}

void TopicTreeView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    if (TopicTreeAccessible* tree = AccessibleOf(this))
        tree->currentNodeChanged(currentIndex());
}

void TopicTreeView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
}

void TopicTreeView::selectFirstNode() {
    if (model() && model()->rowCount() > 0)
        setCurrentIndex(model()->index(0, 0));
}

// The tree's own focus event is left out: the tree's accessible objects are nested, not its rows.
void TopicTreeView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    if (TopicTreeAccessible* tree = AccessibleOf(this))
        tree->currentNodeChanged(current);
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
