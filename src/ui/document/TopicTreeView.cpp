#include "document/TopicTreeView.h"


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
    for (QModelIndex p = previous; p.isValid(); p = p.parent()) {
        bool ancestorOfCurrent = false;
        for (QModelIndex c = current; c.isValid() && !ancestorOfCurrent; c = c.parent())
            ancestorOfCurrent = c == p;
        if (!ancestorOfCurrent)
            collapse(p);
    }
    expand(current);
}

}  // namespace vq
