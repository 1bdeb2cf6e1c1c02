#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>

namespace vq {

class ContentListView;

// What a screen reader reads of the content list: a table of two columns under their headers,
// whose first cell in each row is the row's check box, named by the row's text and checked or
// not; the second cell the text at load.
//
// A client only ever asks for the cells it shows, so the cells exist only once asked for and are
// kept by their place in the model. A command's changes are told once per changed run of rows
// (the run's focused row, or its first, speaks for it), never once per row, and only while a
// client listens.
class ContentListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ContentListAccessible(ContentListView* view);
    ~ContentListAccessible() override;

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The header of a column: children 0 and 1.
    QAccessibleInterface* columnHeader(int column) const;
    // The row became current: while the list has the focus, focus and active descendant follow
    // its check cell.
    void currentRowChanged(int row);

private:
    ContentListView* view() const;
    // Drops the cells whose rows are gone; all of them with `all`.
    void dropCells(bool all);

    mutable QHash<QPersistentModelIndex, QAccessible::Id> m_cells;
    mutable QAccessible::Id m_headers[2] = {0, 0};
};

// Makes Qt's accessibility use ContentListAccessible for the content list; safe to call more than
// once.
void InstallContentListAccessibility();

}  // namespace vq
