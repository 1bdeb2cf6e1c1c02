#include "editing/LogView.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace vq {

LogView::LogView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    connect(this, &QListView::doubleClicked, this, &LogView::gotoRequested);
}

int LogView::selectedEntry() const {
    if (!selectionModel())
        return -1;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void LogView::keyReleaseEvent(QKeyEvent* event) {
    QListView::keyReleaseEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit gotoRequested();
}

void LogView::mouseMoveEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    emit hovered(index.isValid() ? index.row() : -1);
    QListView::mouseMoveEvent(event);
}

// Each new entry is scrolled into view. A hidden log may not have laid out its entries yet, so
// one that came while it was hidden is scrolled to again once it shows.
void LogView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QListView::rowsInserted(parent, start, end);
    scrollToBottom();
    if (!isVisible())
        m_newestOutOfView = true;
}

void LogView::showEvent(QShowEvent* event) {
    QListView::showEvent(event);
    if (std::exchange(m_newestOutOfView, false))
        scrollToBottom();
}

}  // namespace vq
