#include "document/ContentListView.h"

#include "document/InfoTip.h"

#include <QHeaderView>
#include <QScrollBar>

namespace vq {

ContentListView::ContentListView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->resizeSection(0, 250);
    header()->resizeSection(1, 150);
    new InfoTip(this);
}

void ContentListView::RevealLineEntry(int row) {
    const QModelIndex index = model() ? model()->index(row, 0) : QModelIndex();
    if (!index.isValid())
        return;
    clearSelection();
    scrollTo(index, QAbstractItemView::EnsureVisible);
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + visualRect(index).top() - 60);
    scrollTo(index, QAbstractItemView::EnsureVisible);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ContentListView::fitColumns() {
    const int w = viewport()->width();
    if (header()->sectionSize(0) == 50) {
        header()->resizeSection(1, w - 50);
    } else if (header()->sectionSize(1) == 50) {
        header()->resizeSection(0, w - 50);
    } else {
        header()->resizeSection(0, w * 2 / 3);
        header()->resizeSection(1, w / 3);
    }
}

void ContentListView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    emit viewportResized();
}

}  // namespace vq
