#include "ui/document/ContentListView.h"

#include "ui/document/ContentListAccessible.h"
#include "ui/document/InfoTip.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace vq {

namespace {

// Cells draw no focus frame of their own: the list draws one around the whole row.
class RowCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        cell.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, cell, index);
    }
};

}  // namespace

ContentListView::ContentListView(QWidget* parent)
    : QAbstractItemView(parent), m_columns(new QHeaderView(Qt::Horizontal, this)) {
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // The list's own key for editing a caption in place is F2; double click and Enter are the
    // window's (see Navigation).
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_columns->setSectionsClickable(true);
    m_columns->setStretchLastSection(false);
    m_columns->setSectionsMovable(false);
    m_columns->setHighlightSections(false);
    m_columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_columnsResized.setSingleShot(true);
    m_columnsResized.setInterval(0);
    connect(&m_columnsResized, &QTimer::timeout, this, &ContentListView::updateGeometries);
    connect(m_columns, &QHeaderView::sectionResized, this, &ContentListView::columnResized);
    connect(m_columns, &QHeaderView::sectionCountChanged, this, &ContentListView::columnResized);
    connect(m_columns, &QHeaderView::geometriesChanged, this, &ContentListView::updateGeometries);
    connect(m_columns, &QHeaderView::sectionHandleDoubleClicked, this, &ContentListView::resizeColumnToContents);
    setItemDelegate(new RowCellDelegate(this));
    fitRowHeight();
    new InfoTip(this);
    InstallContentListAccessibility();
    m_slowClick.setSingleShot(true);
    connect(&m_slowClick, &QTimer::timeout, this, &ContentListView::startSlowClickEdit);
}

void ContentListView::setModel(QAbstractItemModel* model) {
    if (QAbstractItemModel* old = this->model()) {
        disconnect(old, &QAbstractItemModel::rowsRemoved, this, &ContentListView::rowsChangedInNumber);
        disconnect(old, &QAbstractItemModel::layoutChanged, this, &ContentListView::rowsChangedInNumber);
    }
    QAbstractItemView::setModel(model);
    m_columns->setModel(model);
    if (model) {
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ContentListView::rowsChangedInNumber);
        connect(model, &QAbstractItemModel::layoutChanged, this, &ContentListView::rowsChangedInNumber);
    }
    updateGeometries();
}

int ContentListView::lineHeight() const {
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    return std::max(fontMetrics().height(), indicator) + 4;
}

void ContentListView::fitRowHeight() {
    m_rowHeight = lineHeight();
    updateGeometries();
    viewport()->update();
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

bool ContentListView::pressOnSoleSelectedCaption(const QModelIndex& index, QPoint point) const {
    if (!index.isValid() || index.column() != 0 || index.row() != currentIndex().row())
        return false;
    // One range of one row: asking for the selected rows would list a million after select-all.
    const QItemSelection selection = selectionModel()->selection();
    if (selection.size() != 1 || selection.first().top() != index.row() || selection.first().bottom() != index.row())
        return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return !style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this).contains(point);
}

void ContentListView::mousePressEvent(QMouseEvent* event) {
    m_slowClick.stop();
    const QPoint point = event->position().toPoint();
    const QModelIndex index = indexAt(point);
    const bool plainLeft = event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier;
    m_slowClickIndex = plainLeft && pressOnSoleSelectedCaption(index, point) ? index : QModelIndex();
    QAbstractItemView::mousePressEvent(event);
}

void ContentListView::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractItemView::mouseReleaseEvent(event);
    if (m_slowClickIndex.isValid() && indexAt(event->position().toPoint()) == m_slowClickIndex &&
        state() != EditingState)
        m_slowClick.start(QApplication::doubleClickInterval());
}

void ContentListView::mouseDoubleClickEvent(QMouseEvent* event) {
    m_slowClick.stop();
    m_slowClickIndex = QModelIndex();
    QAbstractItemView::mouseDoubleClickEvent(event);
}

void ContentListView::keyPressEvent(QKeyEvent* event) {
    m_slowClick.stop();
    QAbstractItemView::keyPressEvent(event);
}

void ContentListView::focusOutEvent(QFocusEvent* event) {
    m_slowClick.stop();
    QAbstractItemView::focusOutEvent(event);
}

QRect ContentListView::rowRect(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    const QAbstractItemModel* rows = model();
    QRect rect = visualRect(rows->index(index.row(), 0));
    for (int column = 1; column < rows->columnCount(); ++column)
        rect |= visualRect(rows->index(index.row(), column));
    return rect;
}

void ContentListView::focusInEvent(QFocusEvent* event) {
    QAbstractItemView::focusInEvent(event);
    if (QAccessible::isActive() && currentIndex().isValid())
        if (auto* list = static_cast<ContentListAccessible*>(QAccessible::queryAccessibleInterface(this)))
            list->currentRowChanged(currentIndex().row());
}

// The view repaints only the cell of the focus; the frame spans the row.
void ContentListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    viewport()->update(rowRect(previous));
    viewport()->update(rowRect(current));
    if (QAccessible::isActive() && current.isValid() && current.row() != previous.row())
        if (auto* list = static_cast<ContentListAccessible*>(QAccessible::queryAccessibleInterface(this)))
            list->currentRowChanged(current.row());
}

void ContentListView::startSlowClickEdit() {
    const QModelIndex index = m_slowClickIndex;
    m_slowClickIndex = QModelIndex();
    if (index.isValid() && index.row() == currentIndex().row() && state() != EditingState)
        edit(index);
}

// F2 edits the caption of the focused row wherever in the row the focus is.
bool ContentListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (trigger == EditKeyPressed && index.isValid() && index.column() != 0)
        return QAbstractItemView::edit(index.siblingAtColumn(0), trigger, event);
    return QAbstractItemView::edit(index, trigger, event);
}

void ContentListView::fitColumns() {
    QHeaderView* columns = horizontalHeader();
    const int w = viewport()->width();
    if (columns->sectionSize(0) == 50) {
        columns->resizeSection(1, w - 50);
    } else if (columns->sectionSize(1) == 50) {
        columns->resizeSection(0, w - 50);
    } else {
        columns->resizeSection(0, w * 2 / 3);
        columns->resizeSection(1, w / 3);
    }
}

// Other rows start at the top (another file, a new document); rows that were only renumbered
// are taken back to where they were (keepPlaceAfterReset).
void ContentListView::reset() {
    m_scrollBeforeReset = verticalScrollBar()->value();
    m_hover = QModelIndex();
    QAbstractItemView::reset();
    updateGeometries();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void ContentListView::keepPlaceAfterReset() { verticalScrollBar()->setValue(m_scrollBeforeReset); }

void ContentListView::resizeEvent(QResizeEvent* event) {
    QAbstractItemView::resizeEvent(event);
    emit viewportResized();
}

void ContentListView::changeEvent(QEvent* event) {
    QAbstractItemView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitRowHeight();
}

}  // namespace vq
