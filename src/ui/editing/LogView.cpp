#include "ui/editing/LogView.h"

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

// A press on the empty part below the entries leaves the selection as it is, so that the double
// click that may follow goes to the selected entry.
void LogView::mousePressEvent(QMouseEvent* event) {
    if (indexAt(event->position().toPoint()).isValid()) {
        QListView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void LogView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (indexAt(event->position().toPoint()).isValid())
        QListView::mouseDoubleClickEvent(event);
    else
        event->accept();
    if (event->button() == Qt::LeftButton)
        emit gotoRequested();
}

// Each new entry is scrolled into view (see rowsInserted). A hidden log may not have laid out its
// entries yet, so one that came while it was hidden is scrolled to again once it shows.
void LogView::showEvent(QShowEvent* event) {
    QListView::showEvent(event);
    if (std::exchange(m_newestOutOfView, false))
        scrollToBottom();
}

}  // namespace vq
