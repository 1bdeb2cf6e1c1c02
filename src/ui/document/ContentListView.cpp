#include "document/ContentListView.h"

#include "document/RowModel.h"

#include "document/InfoTip.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace vq {

ContentListView::ContentListView(QWidget* parent) : QTableView(parent) {
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // The list's own key for editing a caption in place is F2; double click and Enter are the
    // window's (see Navigation).
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSortingEnabled(false);
    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    fitRowHeight();
    QHeaderView* columns = horizontalHeader();
    columns->setStretchLastSection(false);
    columns->setSectionsMovable(false);
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->resizeSection(0, 250);
    columns->resizeSection(1, 150);
    new InfoTip(this);
}

void ContentListView::fitRowHeight() {
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height(), indicator) + 4);
    verticalHeader()->setMinimumSectionSize(1);
}

// Rows of a big load still on their way are shown at once: the row asked for may be among them.
void ContentListView::RevealLineEntry(int row) {
    if (auto* rows = qobject_cast<RowModel*>(model()))
        rows->showAllRows();
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

// F2 edits the caption of the focused row wherever in the row the focus is.
bool ContentListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (trigger == EditKeyPressed && index.isValid() && index.column() != 0)
        return QTableView::edit(index.siblingAtColumn(0), trigger, event);
    return QTableView::edit(index, trigger, event);
}

void ContentListView::selectAll() {
    if (auto* rows = qobject_cast<RowModel*>(model()))
        rows->showAllRows();
    QTableView::selectAll();
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

void ContentListView::reset() {
    m_scrollBeforeReset = verticalScrollBar()->value();
    QTableView::reset();
}

void ContentListView::keepPlaceAfterReset() { verticalScrollBar()->setValue(m_scrollBeforeReset); }

void ContentListView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    emit viewportResized();
}

void ContentListView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitRowHeight();
}

}  // namespace vq
