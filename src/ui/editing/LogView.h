#pragma once

#include <QListView>

namespace vq {

// The operation log `lstLog`: one fixed-height entry per line, single selection, no search by
// typing. It keeps its newest entry in view, also when entries come while its page is hidden,
// and tells what the user asks of it.
//
// A log may hold tens of millions of entries, so the view keeps nothing per entry: every entry
// has the height of the first, an entry's place is its row times that height, and scrolling is by
// whole entries. The list view's own layout, which stores a position per item and lays out every
// item again when entries are added, is replaced; it stays a list view for everything else
// (selection, keys, accessibility).
class LogView : public QListView {
    Q_OBJECT
public:
    explicit LogView(QWidget* parent = nullptr);

    // The entry the user selected, or -1.
    int selectedEntry() const;

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;
    void reset() override;

signals:
    // A double click anywhere in the log, or Enter released in it: go to the selected entry's row.
    void gotoRequested();
    // The pointer moved over an entry, or over the empty part of the log (-1).
    void hovered(int entry);

protected:
    void keyboardSearch(const QString&) override {}
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // A screen reader hears of the current entry by its number; the list view's own events would
    // name it by a place in the layout this view does not keep.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void updateGeometries() override;
    QSize viewportSizeHint() const override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

private:
    int entryCount() const;
    // Tells a screen reader of new entries, or of an emptied log.
    void tellEntriesAdded(int first, int last);
    void tellEntriesCleared();
    int entryHeight() const;
    int firstShown() const;
    // Entries that fit whole in the viewport, at least one.
    int wholeEntriesShown() const;
    int rowAt(int y) const;
    QModelIndex entryIndex(int row) const;
    // Widens the scrollable width to the widest entry painted so far.
    void noteWidth(int width);

    bool m_newestOutOfView = false;  // entries came while the log was hidden
    mutable int m_entryHeight = 0;   // 0 until measured
    int m_contentWidth = 0;
};

}  // namespace vq
