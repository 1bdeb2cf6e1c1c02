#include "ui/toolbox/MenuItemAccessible.h"

#include "ui/toolbox/AccessibleFactory.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace vq {

namespace {

class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit MenuItemAccessible(QAction* action) : m_action(action) {}

    bool isValid() const override { return m_action && owner(); }
    QObject* object() const override { return m_action; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(owner()); }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && submenu() ? QAccessible::queryAccessibleInterface(submenu()) : nullptr;
    }
    int childCount() const override { return submenu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && submenu() && child->object() == submenu() ? 0 : -1;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (!m_action)
            return {};
        if (t == QAccessible::Name)
            return WithoutMnemonicMarks(m_action->text());
        if (t == QAccessible::Accelerator)
            return m_action->shortcut().toString(QKeySequence::NativeText);
        if (t == QAccessible::Description)
            return m_action->statusTip();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QWidget* o = owner();
        if (!o)
            return {};
        QRect r;
        if (auto* menu = qobject_cast<QMenu*>(o))
            r = menu->actionGeometry(m_action);
        else if (auto* bar = qobject_cast<QMenuBar*>(o))
            r = bar->actionGeometry(m_action);
        return QRect(o->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return m_action && m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        QWidget* o = owner();
        s.disabled = !m_action->isEnabled();
        s.invisible = !m_action->isVisible() || !o->isVisible();
        s.focusable = !m_action->isSeparator();
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        s.hasPopup = submenu() != nullptr;
        const QAction* active = qobject_cast<QMenu*>(o)      ? static_cast<QMenu*>(o)->activeAction()
                                : qobject_cast<QMenuBar*>(o) ? static_cast<QMenuBar*>(o)->activeAction()
                                                             : nullptr;
        s.focused = s.hotTracked = active == m_action;
        return s;
    }

    QStringList actionNames() const override {
        if (!m_action || m_action->isSeparator() || !m_action->isEnabled())
            return {};
        return {submenu() ? showMenuAction() : pressAction()};
    }
    // Later, not now: the caller's request is answered before the command runs.
    void doAction(const QString& name) override {
        if (!isValid() || !m_action->isEnabled())
            return;
        QPointer<QAction> action = m_action;
        QPointer<QWidget> o = owner();
        if (name == pressAction())
            QMetaObject::invokeMethod(
                m_action,
                [action] {
                    if (action)
                        action->trigger();
                },
                Qt::QueuedConnection);
        else if (name == showMenuAction())
            QMetaObject::invokeMethod(
                m_action,
                [action, o] {
                    if (auto* bar = qobject_cast<QMenuBar*>(o.data()))
                        bar->setActiveAction(action);
                    else if (auto* menu = qobject_cast<QMenu*>(o.data()))
                        menu->setActiveAction(action);
                },
                Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override {
        return m_action ? QStringList{m_action->shortcut().toString(QKeySequence::NativeText)} : QStringList{};
    }

private:
    // "&&" stands for "&"; any other "&" only marks the next letter.
    static QString WithoutMnemonicMarks(const QString& text) {
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size())
                ++i;
            out += text[i];
        }
        return out;
    }
    QMenu* submenu() const { return m_action ? m_action->menu() : nullptr; }
    QWidget* owner() const {
        if (!m_action)
            return nullptr;
        for (QObject* o : m_action->associatedObjects())
            if (qobject_cast<QMenu*>(o) || qobject_cast<QMenuBar*>(o))
                if (static_cast<QWidget*>(o) != submenu())
                    return static_cast<QWidget*>(o);
        return nullptr;
    }

    QPointer<QAction> m_action;
};

}  // namespace

void InstallMenuItemAccessibility() { InstallAccessibleFactory<QAction, MenuItemAccessible>(); }

}  // namespace vq
