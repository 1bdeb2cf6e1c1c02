#pragma once

#include <QAccessible>
#include <QLatin1String>

namespace vq {

// Qt asks each installed factory for the accessible interface of an object by its class name;
// this one answers for the widgets of class `Widget` (exactly that class) with `Accessible`.
template <typename Widget, typename Accessible>
QAccessibleInterface* CreateAccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(Widget::staticMetaObject.className()))
        if (auto* widget = qobject_cast<Widget*>(object))
            return new Accessible(widget);
    return nullptr;
}

// Installs that factory once, however often it is asked: before the first widget of the class is
// made, so that a screen reader that asks for it at once finds it.
template <typename Widget, typename Accessible>
void InstallAccessibleFactory() {
    static const bool installed = (QAccessible::installFactory(&CreateAccessibleFor<Widget, Accessible>), true);
    Q_UNUSED(installed);
}

}  // namespace vq
