// Where the content list's rows lie: one after the other at one height, each row's place its
// number times that height, with nothing kept per row; the columns are the header's sections.
#include "ui/document/ContentListView.h"

#include <QAccessible>
#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <climits>

namespace vq {

namespace {

int ClampToInt(qint64 value) { return static_cast<int>(std::clamp<qint64>(value, INT_MIN, INT_MAX)); }

}  // namespace

int ContentListView::rowCount() const { return model() ? model()->rowCount(rootIndex()) : 0; }

qint64 ContentListView::contentHeight() const { return static_cast<qint64>(rowCount()) * m_rowHeight; }

int ContentListView::horizontalOffset() const { return horizontalScrollBar()->value(); }

int ContentListView::verticalOffset() const { return verticalScrollBar()->value(); }

int ContentListView::rowViewportPosition(int row) const {
    return ClampToInt(static_cast<qint64>(row) * m_rowHeight - verticalOffset());
}

int ContentListView::rowAt(int y) const {
    const qint64 content = static_cast<qint64>(y) + verticalOffset();
    if (content < 0 || content >= contentHeight())
        return -1;
    return static_cast<int>(content / m_rowHeight);
}

std::pair<int, int> ContentListView::rowsBetween(int top, int bottom) const {
    const int count = rowCount();
    const qint64 offset = verticalOffset();
    const qint64 first = std::max<qint64>(0, (std::max(top, 0) + offset) / m_rowHeight);
    const qint64 last = std::min<qint64>(count - 1, (std::max(bottom, 0) + offset) / m_rowHeight);
    return {static_cast<int>(first), static_cast<int>(std::max<qint64>(last, first - 1))};
}

QRect ContentListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex())
        return {};
    return {columnViewportPosition(index.column()), rowViewportPosition(index.row()), columnWidth(index.column()),
            m_rowHeight};
}

QModelIndex ContentListView::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    const int column = columnAt(point.x());
    return row >= 0 && column >= 0 ? model()->index(row, column, rootIndex()) : QModelIndex();
}

// As a table scrolls by pixels: the cell's column comes into view from the side it is on, and the
// row from above or below; a hint places the row exactly.
void ContentListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex())
        return;
    const int viewportWidth = viewport()->width();
    const int left = m_columns->sectionPosition(index.column());
    const int width = columnWidth(index.column());
    QScrollBar* across = horizontalScrollBar();
    if (hint == PositionAtCenter)
        across->setValue(left - (viewportWidth - width) / 2);
    else if (left - across->value() < 0 || width > viewportWidth)
        across->setValue(left);
    else if (left - across->value() + width > viewportWidth)
        across->setValue(left - viewportWidth + width);

    const int viewportHeight = viewport()->height();
    const qint64 top = static_cast<qint64>(index.row()) * m_rowHeight;
    QScrollBar* down = verticalScrollBar();
    switch (hint) {
    case PositionAtTop: down->setValue(ClampToInt(top)); break;
    case PositionAtBottom: down->setValue(ClampToInt(top - viewportHeight + m_rowHeight)); break;
    case PositionAtCenter: down->setValue(ClampToInt(top - (viewportHeight - m_rowHeight) / 2)); break;
    case EnsureVisible:
        if (top < down->value())
            down->setValue(ClampToInt(top));
        else if (top - down->value() + m_rowHeight > viewportHeight)
            down->setValue(ClampToInt(top - viewportHeight + m_rowHeight));
        break;
    }
    update(index);
}

// The keys move as in a table: Home and End within the row, with Ctrl to the first or last row;
// the pages by the viewport's height.
QModelIndex ContentListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int rows = rowCount();
    const int columns = model() ? model()->columnCount(rootIndex()) : 0;
    if (rows == 0 || columns == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, 0, rootIndex());
    int row = current.row();
    int column = current.column();
    switch (action) {
    case MoveUp: --row; break;
    case MoveDown: ++row; break;
    case MoveLeft: --column; break;
    case MoveRight: ++column; break;
    case MovePrevious:
        if (--column < 0 && row > 0) {
            column = columns - 1;
            --row;
        }
        break;
    case MoveNext:
        if (++column >= columns && row < rows - 1) {
            column = 0;
            ++row;
        }
        break;
    case MoveHome:
        column = 0;
        if (modifiers & Qt::ControlModifier)
            row = 0;
        break;
    case MoveEnd:
        column = columns - 1;
        if (modifiers & Qt::ControlModifier)
            row = rows - 1;
        break;
    case MovePageUp: {
        const int above = rowAt(visualRect(current).bottom() - viewport()->height());
        row = above == -1 ? 0 : above;
        break;
    }
    case MovePageDown: {
        const int below = rowAt(visualRect(current).top() + viewport()->height());
        row = below == -1 ? rows - 1 : below;
        break;
    }
    }
    return model()->index(std::clamp(row, 0, rows - 1), std::clamp(column, 0, columns - 1), rootIndex());
}

void ContentListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const QRect r = rect.normalized();
    const QModelIndex topLeft = indexAt(r.topLeft());
    const QModelIndex bottomRight = indexAt(r.bottomRight());
    if (!selectionModel() || !topLeft.isValid() || !bottomRight.isValid())
        return;
    selectionModel()->select(QItemSelection(topLeft, bottomRight), command);
}

QRegion ContentListView::visualRegionForSelection(const QItemSelection& selection) const {
    const auto [first, last] = rowsBetween(0, viewport()->height());
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex())
            continue;
        const int top = std::max(range.top(), first);
        const int bottom = std::min(range.bottom(), last);
        if (top <= bottom)
            region += QRect(0, rowViewportPosition(top), viewport()->width(), (bottom - top + 1) * m_rowHeight);
    }
    return region;
}

void ContentListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
    // One cell, or an open editor that must take the new text: Qt's own does it as cheaply.
    if (topLeft == bottomRight || !topLeft.isValid() || state() == EditingState) {
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    const auto [first, last] = rowsBetween(0, viewport()->height());
    const int top = std::max(topLeft.row(), first);
    const int bottom = std::min(bottomRight.row(), last);
    if (isVisible() && top <= bottom)
        viewport()->update(QRect(0, rowViewportPosition(top), viewport()->width(), (bottom - top + 1) * m_rowHeight));
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(topLeft.row());
        event.setFirstColumn(topLeft.column());
        event.setLastRow(bottomRight.row());
        event.setLastColumn(bottomRight.column());
        QAccessible::updateAccessibility(&event);
    }
}

// The header sits above the viewport, as wide as it; the scroll bars span the rows' height and
// the columns' width.
void ContentListView::updateGeometries() {
    if (m_inGeometries)
        return;
    m_inGeometries = true;
    const int headerHeight =
        m_columns->isHidden() ? 0 : std::max(m_columns->minimumHeight(), m_columns->sizeHint().height());
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    m_columns->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
    QScrollBar* down = verticalScrollBar();
    down->setPageStep(area.height());
    down->setSingleStep(m_rowHeight);
    down->setRange(0, ClampToInt(std::max<qint64>(0, contentHeight() - area.height())));
    QScrollBar* across = horizontalScrollBar();
    across->setPageStep(area.width());
    across->setSingleStep(std::max(2, fontMetrics().averageCharWidth() * 2));
    across->setRange(0, std::max(0, m_columns->length() - area.width()));
    m_inGeometries = false;
    QAbstractItemView::updateGeometries();
}

void ContentListView::scrollContentsBy(int dx, int dy) {
    if (dx)
        m_columns->setOffset(horizontalScrollBar()->value());
    QAbstractItemView::scrollContentsBy(dx, dy);
}

// Both columns change width together (a click on a caption, fitColumns): the scroll bar follows
// once both have, so it does not come and go, changing the viewport's size, in between.
void ContentListView::columnResized() {
    viewport()->update();
    m_columnsResized.start();
}

void ContentListView::rowsChangedInNumber() {
    updateGeometries();
    viewport()->update();
}

// New rows at or above the last one shown move what is shown; rows below it only lengthen the
// scroll bar.
void ContentListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    if (start <= rowsBetween(0, viewport()->height()).second + 1)
        viewport()->update();
}

// A double click on a caption's edge fits the column to the rows in view.
int ContentListView::sizeHintForColumn(int column) const {
    if (!model() || !itemDelegate())
        return -1;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const auto [first, last] = rowsBetween(0, viewport()->height());
    int widest = -1;
    for (int row = first; row <= last; ++row)
        widest = std::max(widest, itemDelegate()->sizeHint(option, model()->index(row, column, rootIndex())).width());
    return widest;
}

void ContentListView::resizeColumnToContents(int column) {
    m_columns->resizeSection(column, std::max(sizeHintForColumn(column), m_columns->sectionSizeHint(column)));
}

void ContentListView::initViewItemOption(QStyleOptionViewItem* option) const {
    QAbstractItemView::initViewItemOption(option);
    option->showDecorationSelected = true;
}

bool ContentListView::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove: m_hover = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint()); break;
    case QEvent::HoverLeave:
    case QEvent::Leave: m_hover = QModelIndex(); break;
    default: break;
    }
    return QAbstractItemView::viewportEvent(event);
}

// Only the rows and columns in the damaged part are drawn, each cell as a table draws it.
void ContentListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    const auto [first, last] = model() && itemDelegate() ? rowsBetween(area.top(), area.bottom()) : std::pair{0, -1};
    if (first <= last) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const int columns = model()->columnCount(rootIndex());
        for (int row = first; row <= last; ++row)
            for (int column = 0; column < columns; ++column) {
                const int left = columnViewportPosition(column);
                const int width = columnWidth(column);
                if (width <= 0 || left > area.right() || left + width <= area.left())
                    continue;
                option.rect = QRect(left, rowViewportPosition(row), width, m_rowHeight);
                paintCell(painter, option, model()->index(row, column, rootIndex()));
            }
    }
    paintFocusFrame(painter);
}

void ContentListView::paintCell(QPainter& painter, QStyleOptionViewItem option, const QModelIndex& index) const {
    if (selectionModel() && selectionModel()->isSelected(index))
        option.state |= QStyle::State_Selected;
    if (index == m_hover)
        option.state |= QStyle::State_MouseOver;
    if (option.state & QStyle::State_Enabled) {
        const bool enabled = index.flags() & Qt::ItemIsEnabled;
        if (!enabled)
            option.state &= ~QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(enabled ? QPalette::Normal : QPalette::Disabled);
    }
    if (index == currentIndex() && (hasFocus() || viewport()->hasFocus()))
        option.state |= QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &painter, this);
    itemDelegateForIndex(index)->paint(&painter, option, index);
}

// The keyboard focus surrounds the whole row, not the cell the focus is in.
void ContentListView::paintFocusFrame(QPainter& painter) const {
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid() || state() == EditingState)
        return;
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rowRect(current);
    frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;  // as an item's own frame
    const bool selected = selectionModel()->isSelected(current);
    frame.backgroundColor = palette().color(selected ? QPalette::Highlight : QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

}  // namespace vq
