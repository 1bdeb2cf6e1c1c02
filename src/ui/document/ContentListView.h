#pragma once

#include <QAbstractItemView>
#include <QHeaderView>
#include <QPersistentModelIndex>
#include <QTimer>

namespace vq {

// The content list `lvContent`: one row per line in two columns under their captions, check
// boxes, several rows selectable, whole rows (the keyboard focus too), no sorting, and the full
// text of a cut-off row as a tip.
//
// A document may have tens of millions of rows, so the view keeps nothing per row: every row is
// as high as a line of text or a check box, a row's place is its number times that height, and
// opening, resetting or growing the rows costs the same for ten rows as for ten million. Only the
// two columns have a header, which keeps their captions and widths.
class ContentListView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit ContentListView(QWidget* parent = nullptr);
    using QAbstractItemView::edit;

    void setModel(QAbstractItemModel* model) override;
    QHeaderView* horizontalHeader() const { return m_columns; }
    // Every row's height.
    int rowHeight() const { return m_rowHeight; }
    int columnWidth(int column) const { return m_columns->sectionSize(column); }
    // Where a row or column starts in the viewport, and which one lies at a point of it (-1: none).
    int rowViewportPosition(int row) const;
    int columnViewportPosition(int column) const { return m_columns->sectionViewportPosition(column); }
    int rowAt(int y) const;
    int columnAt(int x) const { return m_columns->logicalIndexAt(x); }

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // Makes the row the single selected and focused row, about 60 pixels below the top.
    void RevealLineEntry(int row);
    // Column 0 takes two thirds of the width and column 1 one third, unless one of them is
    // collapsed to 50 pixels; then the other takes all the rest.
    void fitColumns();
    void reset() override;
    // After a reset that only renumbered rows: back to where the list was scrolled before it.
    void keepPlaceAfterReset();

signals:
    // The list's visible area changed size: the window's or a splitter's doing.
    void viewportResized();

protected:
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // Whole rows, however many: one range from the rows at the rectangle's corners.
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    int sizeHintForColumn(int column) const override;
    bool viewportEvent(QEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    // A range of changed rows repaints what is visible of it, found by number: Qt's own asks
    // every cell of the range for its place, a million of them for a command over every row.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // A screen reader hears of the current row as the list's focused row, and only while the
    // list has the focus: a row revealed from the tree is no focus of its own.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    int rowCount() const;
    // The rows' total height; wider than an int for rows no screen shows at once.
    qint64 contentHeight() const;
    // The first and last row the viewport's band from y to bottom shows, or first > last.
    std::pair<int, int> rowsBetween(int top, int bottom) const;
    void paintCell(QPainter& painter, QStyleOptionViewItem option, const QModelIndex& index) const;
    void paintFocusFrame(QPainter& painter) const;
    // The header changed a column's width, or the rows changed in number.
    void columnResized();
    void rowsChangedInNumber();
    void resizeColumnToContents(int column);

    // The list's other gesture for editing in place: a click on the caption of the row that was
    // already the only selected and focused one starts its edit, unless a double click follows.
    bool pressOnSoleSelectedCaption(const QModelIndex& index, QPoint point) const;
    void startSlowClickEdit();
    QTimer m_slowClick;
    QPersistentModelIndex m_slowClickIndex;

    // Both columns of the row, as the focus frame surrounds them.
    QRect rowRect(const QModelIndex& index) const;

    // Every row is as high as a line of text or a check box, whichever is taller.
    int lineHeight() const;
    void fitRowHeight();

    QHeaderView* m_columns;
    QTimer m_columnsResized;
    int m_rowHeight = 1;
    int m_scrollBeforeReset = 0;
    QPersistentModelIndex m_hover;  // the cell under the mouse
    bool m_inGeometries = false;
};

}  // namespace vq
