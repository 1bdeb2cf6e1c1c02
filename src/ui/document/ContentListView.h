#pragma once

#include <QHeaderView>
#include <QPersistentModelIndex>
#include <QTableView>
#include <QTimer>

namespace vq {

// The content list `lvContent`: one row per line in two columns, check boxes, several rows
// selectable, whole rows (the keyboard focus too), no sorting, and the full text of a cut-off row
// as a tip. A table
// rather than a tree: with millions of rows it attaches and scrolls at a fraction of the cost,
// and every row has the same height.
class ContentListView : public QTableView {
    Q_OBJECT
public:
    explicit ContentListView(QWidget* parent = nullptr);
    using QTableView::edit;

    // Makes the row the single selected and focused row, about 60 pixels below the top.
    void RevealLineEntry(int row);
    // Column 0 takes two thirds of the width and column 1 one third, unless one of them is
    // collapsed to 50 pixels; then the other takes all the rest.
    void fitColumns();
    void reset() override;
    // Every row of the document, also those a load has not shown yet.
    void selectAll() override;
    // After a reset that only renumbered rows: back to where the list was scrolled before it.
    void keepPlaceAfterReset();

signals:
    // The list's visible area changed size: the window's or a splitter's doing.
    void viewportResized();

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
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
    // The selection is read from the rows when asked: no event per row of a million selected.
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    // The list's other gesture for editing in place: a click on the caption of the row that was
    // already the only selected and focused one starts its edit, unless a double click follows.
    bool pressOnSoleSelectedCaption(const QModelIndex& index, QPoint point) const;
    void startSlowClickEdit();
    QTimer m_slowClick;
    QPersistentModelIndex m_slowClickIndex;

    // Both columns of the row, as the focus frame surrounds them.
    QRect rowRect(const QModelIndex& index) const;

    int m_scrollBeforeReset = 0;
    // Every row is as high as a line of text or a check box, whichever is taller.
    int lineHeight() const;
    void fitRowHeight();
    QHeaderView* newRowHeader();
    // The most rows the row header has had since it was made.
    static constexpr int kDropHeaderFrom = 100000;
    int m_headerRowsHigh = 0;
};

}  // namespace vq
