#include "ui/editing/LogViewAccessible.h"

#include "ui/editing/LogView.h"
#include "ui/toolbox/AccessibleFactory.h"
#include "ui/toolbox/AtSpiEvents.h"

#include <QItemSelectionModel>

namespace vq {

namespace {

class LogEntryAccessible : public QAccessibleInterface {
public:
    LogEntryAccessible(LogView* view, int row) : m_view(view), m_row(row) {}
    int row() const { return m_row; }

    bool isValid() const override { return m_view && m_view->model() && m_row < m_view->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        return index().data(Qt::AccessibleTextRole).toString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = m_view->visualRect(index());
        return QRect(m_view->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = s.focusable = true;
        s.selected = m_view->selectionModel()->isSelected(index());
        s.focused = m_view->hasFocus() && m_view->currentIndex().row() == m_row;
        if (!m_view->viewport()->rect().intersects(m_view->visualRect(index())))
            s.offscreen = true;
        return s;
    }

private:
    QModelIndex index() const { return m_view->model()->index(m_row, 0); }

    QPointer<LogView> m_view;
    int m_row;
};

}  // namespace

void InstallLogViewAccessibility() { InstallAccessibleFactory<LogView, LogViewAccessible>(); }

LogViewAccessible::LogViewAccessible(LogView* view) : QAccessibleWidget(view, QAccessible::List) {}

LogViewAccessible::~LogViewAccessible() { entriesCleared(); }

LogView* LogViewAccessible::view() const { return static_cast<LogView*>(widget()); }

QAccessible::State LogViewAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = true;
    return s;
}

int LogViewAccessible::childCount() const { return view()->model() ? view()->model()->rowCount() : 0; }

QAccessibleInterface* LogViewAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const QAccessible::Id id = m_entries.value(index))
        return QAccessible::accessibleInterface(id);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(new LogEntryAccessible(view(), index));
    m_entries.insert(index, id);
    return QAccessible::accessibleInterface(id);
}

int LogViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* entry = dynamic_cast<const LogEntryAccessible*>(child);
    return entry && entry->parent() == this ? entry->row() : -1;
}

QAccessibleInterface* LogViewAccessible::childAt(int x, int y) const {
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface* LogViewAccessible::focusChild() const {
    const QModelIndex current = view()->currentIndex();
    return current.isValid() ? child(current.row()) : nullptr;
}

// One announcement per command: its newest entry, which closes the command's block.
void LogViewAccessible::entriesAdded(int, int last) {
    QAccessibleInterface* newest = child(last);
    if (!newest)
        return;
    QAccessibleEvent added(newest, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&added);
    atspi::SendAnnouncement(this, newest->text(QAccessible::Name));
}

void LogViewAccessible::entriesCleared() {
    for (QAccessible::Id id : std::as_const(m_entries))
        QAccessible::deleteAccessibleInterface(id);
    m_entries.clear();
}

void LogViewAccessible::currentEntryChanged(int row) {
    if (!view()->hasFocus())
        return;
    if (QAccessibleInterface* entry = child(row)) {
        QAccessibleEvent focus(entry, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
        atspi::SendActiveDescendantChanged(this, entry, row);
    }
}

}  // namespace vq
