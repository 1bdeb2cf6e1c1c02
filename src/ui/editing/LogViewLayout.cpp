// Where the log's entries lie: one after the other at the height of the first, scrolled by whole
// entries, with nothing kept per entry.
#include "ui/editing/LogView.h"

#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace vq {

int LogView::entryCount() const { return model() ? model()->rowCount(rootIndex()) : 0; }

QModelIndex LogView::entryIndex(int row) const { return model()->index(row, modelColumn(), rootIndex()); }

int LogView::entryHeight() const {
    if (m_entryHeight > 0)
        return m_entryHeight;
    if (entryCount() == 0 || !itemDelegate())
        return fontMetrics().height();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    m_entryHeight = std::max(1, itemDelegate()->sizeHint(option, entryIndex(0)).height());
    return m_entryHeight;
}

int LogView::firstShown() const { return verticalScrollBar()->value(); }

int LogView::wholeEntriesShown() const { return std::max(1, viewport()->height() / entryHeight()); }

int LogView::rowAt(int y) const { return y < 0 ? -1 : firstShown() + y / entryHeight(); }

int LogView::horizontalOffset() const { return horizontalScrollBar()->value(); }

int LogView::verticalOffset() const { return firstShown() * entryHeight(); }

QRect LogView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex())
        return {};
    const int h = entryHeight();
    return {-horizontalOffset(), (index.row() - firstShown()) * h, std::max(viewport()->width(), m_contentWidth), h};
}

QModelIndex LogView::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    return row >= 0 && row < entryCount() ? entryIndex(row) : QModelIndex();
}

void LogView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.model() != model())
        return;
    const int row = index.row();
    const int whole = wholeEntriesShown();
    const int first = firstShown();
    int top = first;
    switch (hint) {
    case EnsureVisible:
        if (row < first)
            top = row;
        else if (row >= first + whole)
            top = row - whole + 1;
        break;
    case PositionAtTop: top = row; break;
    case PositionAtBottom: top = row - whole + 1; break;
    case PositionAtCenter: top = row - whole / 2; break;
    }
    verticalScrollBar()->setValue(top);
}

QModelIndex LogView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int count = entryCount();
    if (count == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return entryIndex(0);
    int row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious: --row; break;
    case MoveDown:
    case MoveNext: ++row; break;
    case MovePageUp: row -= wholeEntriesShown(); break;
    case MovePageDown: row += wholeEntriesShown(); break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = count - 1; break;
    case MoveLeft:
    case MoveRight: break;
    }
    return entryIndex(std::clamp(row, 0, count - 1));
}

void LogView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const QRect r = rect.normalized();
    const int count = entryCount();
    const int top = std::max(rowAt(std::max(r.top(), 0)), 0);
    const int bottom = std::min(rowAt(std::max(r.bottom(), 0)), count - 1);
    QItemSelection selection;
    if (top <= bottom)
        selection.select(entryIndex(top), entryIndex(bottom));
    selectionModel()->select(selection, command);
}

QRegion LogView::visualRegionForSelection(const QItemSelection& selection) const {
    const int h = entryHeight();
    const int first = firstShown();
    const int last = first + viewport()->height() / h + 1;
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex())
            continue;
        const int top = std::max(range.top(), first);
        const int bottom = std::min(range.bottom(), last);
        if (top <= bottom)
            region += QRect(0, (top - first) * h, viewport()->width(), (bottom - top + 1) * h);
    }
    return region;
}

void LogView::updateGeometries() {
    const int whole = wholeEntriesShown();
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(whole);
    verticalScrollBar()->setRange(0, std::max(0, entryCount() - whole));
    const int width = viewport()->width();
    horizontalScrollBar()->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 2));
    horizontalScrollBar()->setPageStep(std::max(1, width));
    horizontalScrollBar()->setRange(0, std::max(0, m_contentWidth - width));
    QAbstractItemView::updateGeometries();
}

void LogView::doItemsLayout() {
    m_entryHeight = 0;
    QAbstractItemView::doItemsLayout();
}

void LogView::reset() {
    m_entryHeight = 0;
    m_contentWidth = 0;
    tellEntriesCleared();
    QListView::reset();
}

QSize LogView::viewportSizeHint() const { return QAbstractItemView::viewportSizeHint(); }

void LogView::scrollContentsBy(int dx, int dy) { viewport()->scroll(dx, dy * entryHeight()); }

void LogView::resizeEvent(QResizeEvent* event) { QAbstractItemView::resizeEvent(event); }

void LogView::noteWidth(int width) {
    if (width <= m_contentWidth)
        return;
    m_contentWidth = width;
    // Not from inside the paint that found it: the scroll bar may appear and resize the viewport.
    QMetaObject::invokeMethod(this, &LogView::updateGeometries, Qt::QueuedConnection);
}

// Only the entries in the damaged part are drawn, as the list view would draw them.
void LogView::paintEvent(QPaintEvent* event) {
    const int count = entryCount();
    if (count == 0 || !itemDelegate())
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const int h = entryHeight();
    const int first = std::max(0, rowAt(std::max(event->rect().top(), 0)));
    const int last = std::min(count - 1, firstShown() + event->rect().bottom() / h);
    int widest = 0;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = entryIndex(row);
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focus && index == current)
            option.state |= QStyle::State_HasFocus;
        widest = std::max(widest, itemDelegate()->sizeHint(option, index).width());
        itemDelegate()->paint(&painter, option, index);
    }
    noteWidth(widest);
}

// The list view's own layout, which would have repainted, is not run: the new entries that show
// without a scroll (a log with room left) are painted here.
void LogView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    const int before = firstShown();
    scrollToBottom();
    if (firstShown() == before)
        viewport()->update(
            QRect(0, (start - before) * entryHeight(), viewport()->width(), (end - start + 1) * entryHeight()));
    if (!isVisible())
        m_newestOutOfView = true;
    tellEntriesAdded(start, end);
}

void LogView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
}

void LogView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

}  // namespace vq
