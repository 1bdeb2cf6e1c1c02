#include "ui/document/TopicTreeAccessible.h"

#include "ui/document/TopicTreeView.h"
#include "ui/toolbox/AccessibleFactory.h"
#include "ui/toolbox/AtSpiEvents.h"

#include <QItemSelectionModel>

namespace vq {

namespace {

class TopicNodeAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TopicNodeAccessible(TopicTreeView* view, const QModelIndex& index) : m_view(view), m_index(index) {}
    const QPersistentModelIndex& index() const { return m_index; }

    bool isValid() const override { return m_view && m_index.isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
                return c;
        return nullptr;
    }
    QAccessibleInterface* parent() const override {
        if (!isValid())
            return nullptr;
        return tree()->nodeFor(m_index.parent());
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return tree()->nodeFor(m_view->model()->index(index, 0, m_index));
    }
    // A closed node shows no children.
    int childCount() const override {
        return isValid() && m_view->isExpanded(m_index) ? m_view->model()->rowCount(m_index) : 0;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* node = dynamic_cast<const TopicNodeAccessible*>(child);
        return node && node->m_index.parent() == m_index ? node->m_index.row() : -1;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? m_index.data(Qt::DisplayRole).toString() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = m_view->visualRect(m_index);
        return QRect(m_view->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::TreeItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = s.focusable = true;
        const QItemSelectionModel* selection = m_view->selectionModel();
        s.selected = selection->isSelected(m_index);
        s.focused = m_view->hasFocus() && selection->currentIndex() == m_index;
        if (m_view->model()->hasChildren(m_index)) {
            s.expandable = true;
            s.expanded = m_view->isExpanded(m_index);
            s.collapsed = !s.expanded;
        }
        const QRect r = m_view->visualRect(m_index);
        if (r.isEmpty() || !m_view->viewport()->rect().intersects(r))
            s.offscreen = true;
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (isValid() && m_view->model()->hasChildren(m_index))
            names << toggleAction();
        names << setFocusAction();
        return names;
    }
    void doAction(const QString& name) override {
        if (!isValid())
            return;
        if (name == toggleAction())
            m_view->setExpanded(m_index, !m_view->isExpanded(m_index));
        else if (name == setFocusAction()) {
            m_view->activateWindow();
            m_view->setFocus(Qt::OtherFocusReason);
            m_view->setCurrentIndex(m_index);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    TopicTreeAccessible* tree() const {
        return static_cast<TopicTreeAccessible*>(QAccessible::queryAccessibleInterface(m_view.data()));
    }

    QPointer<TopicTreeView> m_view;
    QPersistentModelIndex m_index;
};

}  // namespace

void InstallTopicTreeAccessibility() { InstallAccessibleFactory<TopicTreeView, TopicTreeAccessible>(); }

TopicTreeAccessible::TopicTreeAccessible(TopicTreeView* view) : QAccessibleWidget(view, QAccessible::Tree) {}

TopicTreeAccessible::~TopicTreeAccessible() { dropNodes(); }

TopicTreeView* TopicTreeAccessible::view() const { return static_cast<TopicTreeView*>(widget()); }

QAccessible::State TopicTreeAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = true;
    return s;
}

int TopicTreeAccessible::childCount() const { return view()->model() ? view()->model()->rowCount() : 0; }

QAccessibleInterface* TopicTreeAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return nodeFor(view()->model()->index(index, 0));
}

int TopicTreeAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* node = dynamic_cast<const TopicNodeAccessible*>(child);
    return node && node->index().isValid() && !node->index().parent().isValid() ? node->index().row() : -1;
}

QAccessibleInterface* TopicTreeAccessible::childAt(int x, int y) const {
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    QModelIndex top = index;
    while (top.parent().isValid())
        top = top.parent();
    return top.isValid() ? nodeFor(top) : nullptr;
}

QAccessibleInterface* TopicTreeAccessible::focusChild() const {
    const QModelIndex current = view()->currentIndex();
    return current.isValid() ? nodeFor(current) : nullptr;
}

QAccessibleInterface* TopicTreeAccessible::nodeFor(const QModelIndex& index) const {
    if (!index.isValid())
        return const_cast<TopicTreeAccessible*>(this);
    const QPersistentModelIndex key(index);
    if (const QAccessible::Id id = m_nodes.value(key))
        return QAccessible::accessibleInterface(id);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(new TopicNodeAccessible(view(), index));
    m_nodes.insert(key, id);
    return QAccessible::accessibleInterface(id);
}

void TopicTreeAccessible::dropNodes() {
    for (QAccessible::Id id : std::as_const(m_nodes))
        QAccessible::deleteAccessibleInterface(id);
    m_nodes.clear();
}

void TopicTreeAccessible::currentNodeChanged(const QModelIndex& index) {
    if (!index.isValid() || !view()->hasFocus())
        return;
    QAccessibleInterface* node = nodeFor(index);
    QAccessibleEvent focus(node, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    atspi::SendActiveDescendantChanged(this, node, node->parent()->indexOfChild(node));
}

void TopicTreeAccessible::nodeExpandedChanged(const QModelIndex& index, bool expanded) {
    if (!index.isValid())
        return;
    QAccessibleInterface* node = nodeFor(index);
    atspi::SendStateChanged(node, "expanded", expanded);
    atspi::SendStateChanged(node, "collapsed", !expanded);
}

}  // namespace vq
