#include "ui/document/ContentListAccessible.h"

#include "ui/document/ContentListView.h"
#include "ui/toolbox/AccessibleFactory.h"
#include "ui/toolbox/AtSpiEvents.h"

#include <QHeaderView>
#include <QItemSelectionModel>

namespace vq {

namespace {

constexpr int kColumns = 2;

// A column header: its caption.
class ColumnHeaderAccessible : public QAccessibleInterface {
public:
    ColumnHeaderAccessible(ContentListView* view, int column) : m_view(view), m_column(column) {}

    bool isValid() const override { return m_view; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !m_view->model())
            return {};
        return m_view->model()->headerData(m_column, Qt::Horizontal).toString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QHeaderView* header = m_view->horizontalHeader();
        const QRect r(header->sectionViewportPosition(m_column), 0, header->sectionSize(m_column), header->height());
        return QRect(header->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = m_view->horizontalHeader()->isHidden();
        return s;
    }

private:
    QPointer<ContentListView> m_view;
    int m_column;
};

// One cell. The first column's cell is the row's check box: it says so by its role, is checked
// or not, and toggles by its action as Space does.
class ContentCellAccessible : public QAccessibleInterface,
                              public QAccessibleTableCellInterface,
                              public QAccessibleActionInterface {
public:
    ContentCellAccessible(ContentListView* view, const QModelIndex& index) : m_view(view), m_index(index) {}

    bool isValid() const override { return m_view && m_index.isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface && m_index.column() == 0)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return m_index.data(Qt::DisplayRole).toString();
        if (t == QAccessible::Description && m_index.column() == 1)
            return m_view->model()->headerData(1, Qt::Horizontal).toString();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = m_view->visualRect(m_index);
        return QRect(m_view->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return m_index.column() == 0 ? QAccessible::CheckBox : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = s.focusable = s.extSelectable = s.multiSelectable = true;
        const QItemSelectionModel* selection = m_view->selectionModel();
        s.selected = selection->isSelected(m_index);
        s.focused = m_view->hasFocus() && selection->currentIndex().row() == m_index.row() && m_index.column() == 0;
        if (m_index.column() == 0) {
            s.checkable = true;
            s.checked = m_index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        }
        if (!m_view->viewport()->rect().intersects(m_view->visualRect(m_index)))
            s.offscreen = true;
        return s;
    }

    bool isSelected() const override { return isValid() && m_view->selectionModel()->isSelected(m_index); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        auto* table = static_cast<ContentListAccessible*>(parent());
        return {table->columnHeader(m_index.column())};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_index.column(); }
    int rowIndex() const override { return m_index.row(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {toggleAction(), setFocusAction()}; }
    void doAction(const QString& name) override {
        if (!isValid())
            return;
        if (name == toggleAction()) {
            const bool checked = m_index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            m_view->model()->setData(m_index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        } else if (name == setFocusAction()) {
            m_view->activateWindow();
            m_view->setFocus(Qt::OtherFocusReason);
            m_view->selectionModel()->setCurrentIndex(m_index,
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

private:
    QPointer<ContentListView> m_view;
    QPersistentModelIndex m_index;
};

}  // namespace

void InstallContentListAccessibility() { InstallAccessibleFactory<ContentListView, ContentListAccessible>(); }

ContentListAccessible::ContentListAccessible(ContentListView* view) : QAccessibleWidget(view, QAccessible::Table) {}

ContentListAccessible::~ContentListAccessible() {
    dropCells(true);
    for (QAccessible::Id id : m_headers)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

ContentListView* ContentListAccessible::view() const { return static_cast<ContentListView*>(widget()); }

QAccessible::State ContentListAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = true;
    s.multiSelectable = s.extSelectable = true;
    return s;
}

void* ContentListAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

int ContentListAccessible::rowCount() const { return view()->model() ? view()->model()->rowCount() : 0; }

int ContentListAccessible::columnCount() const { return kColumns; }

int ContentListAccessible::childCount() const { return kColumns + rowCount() * kColumns; }

QAccessibleInterface* ContentListAccessible::columnHeader(int column) const {
    if (column < 0 || column >= kColumns)
        return nullptr;
    if (!m_headers[column])
        m_headers[column] = QAccessible::registerAccessibleInterface(new ColumnHeaderAccessible(view(), column));
    return QAccessible::accessibleInterface(m_headers[column]);
}

QAccessibleInterface* ContentListAccessible::cellAt(int row, int column) const {
    if (!view()->model() || row < 0 || row >= rowCount() || column < 0 || column >= kColumns)
        return nullptr;
    const QPersistentModelIndex index(view()->model()->index(row, column));
    if (const QAccessible::Id id = m_cells.value(index))
        return QAccessible::accessibleInterface(id);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(new ContentCellAccessible(view(), index));
    m_cells.insert(index, id);
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* ContentListAccessible::child(int index) const {
    if (index < kColumns)
        return columnHeader(index);
    return cellAt((index - kColumns) / kColumns, (index - kColumns) % kColumns);
}

int ContentListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    for (int column = 0; column < kColumns; ++column)
        if (m_headers[column] && QAccessible::accessibleInterface(m_headers[column]) == child)
            return column;
    if (child->parent() != this && child->parent() != static_cast<const QAccessibleInterface*>(this))
        return -1;
    const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (!cell)
        return -1;
    return kColumns + cell->rowIndex() * kColumns + cell->columnIndex();
}

QAccessibleInterface* ContentListAccessible::childAt(int x, int y) const {
    const QPoint local = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = view()->indexAt(local);
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

QAccessibleInterface* ContentListAccessible::focusChild() const {
    const QModelIndex current = view()->currentIndex();
    return current.isValid() ? cellAt(current.row(), 0) : nullptr;
}

int ContentListAccessible::selectedCellCount() const { return selectedRowCount() * kColumns; }

// A client asks for the selected cells one by one; a million selected rows give a million cells.
QList<QAccessibleInterface*> ContentListAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (int row : selectedRows())
        for (int column = 0; column < kColumns; ++column)
            cells.append(cellAt(row, column));
    return cells;
}

QString ContentListAccessible::columnDescription(int column) const {
    return view()->model() ? view()->model()->headerData(column, Qt::Horizontal).toString() : QString();
}

QString ContentListAccessible::rowDescription(int) const { return {}; }

int ContentListAccessible::selectedRowCount() const {
    int count = 0;
    for (const QItemSelectionRange& range : view()->selectionModel()->selection())
        count += range.height();
    return count;
}

QList<int> ContentListAccessible::selectedRows() const {
    QList<int> rows;
    for (const QItemSelectionRange& range : view()->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool ContentListAccessible::isRowSelected(int row) const {
    return view()->model() && view()->selectionModel()->isRowSelected(row, {});
}

bool ContentListAccessible::selectRow(int row) {
    if (!view()->model() || row < 0 || row >= rowCount())
        return false;
    view()->selectionModel()->select(view()->model()->index(row, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return true;
}

bool ContentListAccessible::unselectRow(int row) {
    if (!view()->model() || row < 0 || row >= rowCount())
        return false;
    view()->selectionModel()->select(view()->model()->index(row, 0),
                                     QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
}

void ContentListAccessible::dropCells(bool all) {
    for (auto it = m_cells.begin(); it != m_cells.end();) {
        if (all || !it.key().isValid()) {
            QAccessible::deleteAccessibleInterface(it.value());
            it = m_cells.erase(it);
        } else {
            ++it;
        }
    }
}

void ContentListAccessible::currentRowChanged(int row) {
    QAccessibleInterface* cell = view()->hasFocus() ? cellAt(row, 0) : nullptr;
    if (!cell)
        return;
    atspi::SendActiveDescendantChanged(this, cell, indexOfChild(cell));
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

// One event per run: the focused row speaks for its run when it is in it, else the run's first.
void ContentListAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
    const int first = event->firstRow();
    const int last = event->lastRow();
    const int current = view()->currentIndex().row();
    const int speaker = current >= first && current <= last ? current : first;
    switch (event->modelChangeType()) {
    case QAccessibleTableModelChangeEvent::DataChanged:
        if (QAccessibleInterface* cell = cellAt(speaker, 0)) {
            QAccessible::State checked;
            checked.checked = true;
            QAccessibleStateChangeEvent state(cell, checked);
            QAccessible::updateAccessibility(&state);
            QAccessibleEvent name(cell, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&name);
        }
        break;
    case QAccessibleTableModelChangeEvent::RowsInserted:
        if (QAccessibleInterface* cell = cellAt(first, 0)) {
            QAccessibleEvent added(cell, QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&added);
        }
        break;
    case QAccessibleTableModelChangeEvent::RowsRemoved: {
        QAccessibleInterface* gone = nullptr;
        for (auto it = m_cells.cbegin(); it != m_cells.cend() && !gone; ++it)
            if (!it.key().isValid())
                gone = QAccessible::accessibleInterface(it.value());
        atspi::SendChildrenRemoved(this, kColumns + first * kColumns, gone);
        dropCells(false);
        break;
    }
    case QAccessibleTableModelChangeEvent::ModelReset:
        dropCells(true);
        atspi::SendChildrenRemoved(this, -1, nullptr);
        break;
    default: break;
    }
}

}  // namespace vq
