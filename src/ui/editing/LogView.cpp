#include "ui/editing/LogView.h"

#include "ui/editing/LogViewAccessible.h"

#include <QAccessible>
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
    InstallLogViewAccessibility();
}

static LogViewAccessible* AccessibleOf(LogView* view) {
    return QAccessible::isActive() ? static_cast<LogViewAccessible*>(QAccessible::queryAccessibleInterface(view))
                                   : nullptr;
}

void LogView::tellEntriesAdded(int first, int last) {
    if (LogViewAccessible* log = AccessibleOf(this))
        log->entriesAdded(first, last);
}

void LogView::tellEntriesCleared() {
    if (LogViewAccessible* log = AccessibleOf(this))
        log->entriesCleared();
}

void LogView::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    if (LogViewAccessible* log = AccessibleOf(this); log && currentIndex().isValid())
        log->currentEntryChanged(currentIndex().row());
}

void LogView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    if (LogViewAccessible* log = AccessibleOf(this); log && current.isValid())
        log->currentEntryChanged(current.row());
}

void LogView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
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
