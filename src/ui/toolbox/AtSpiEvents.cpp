#include "ui/toolbox/AtSpiEvents.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace vq::atspi {

namespace {

// A reference to an accessible object: the application's bus name and the object's path.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference) {
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference) {
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

}  // namespace

}  // namespace vq::atspi

Q_DECLARE_METATYPE(vq::atspi::ObjectReference)

namespace vq::atspi {

namespace {

// The name Qt's bridge gives its connection to the accessibility bus.
QDBusConnection BridgeConnection() { return QDBusConnection(QStringLiteral("a11y")); }

QString PathOf(QAccessibleInterface* object) {
    if (!object || !object->isValid())
        return QStringLiteral("/org/a11y/atspi/null");
    if (object->role() == QAccessible::Application)
        return QStringLiteral("/org/a11y/atspi/accessible/root");
    return QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(object));
}

void RegisterTypes() {
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
}

QVariant ReferenceTo(QAccessibleInterface* object) {
    RegisterTypes();
    return QVariant::fromValue(ObjectReference{BridgeConnection().baseService(), QDBusObjectPath(PathOf(object))});
}

void Send(QAccessibleInterface* source, const char* member, const QString& kind, int detail1, int detail2,
          const QVariant& data) {
    if (!QAccessible::isActive() || !source || !source->isValid())
        return;
    QDBusConnection bus = BridgeConnection();
    if (!bus.isConnected())
        return;
    RegisterTypes();
    const QString path = PathOf(source);
    const ObjectReference root{bus.baseService(), QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))};
    QDBusMessage message =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QString::fromLatin1(member));
    message.setArguments({kind, detail1, detail2, QVariant::fromValue(QDBusVariant(data)), QVariant::fromValue(root)});
    bus.send(message);
}

}  // namespace

void SendStateChanged(QAccessibleInterface* object, const char* state, bool on) {
    Send(object, "StateChanged", QString::fromLatin1(state), on ? 1 : 0, 0, ReferenceTo(object));
}

void SendActiveDescendantChanged(QAccessibleInterface* container, QAccessibleInterface* child, int index) {
    Send(container, "ActiveDescendantChanged", QString(), index, 0, ReferenceTo(child));
}

void SendChildrenRemoved(QAccessibleInterface* container, int index, QAccessibleInterface* child) {
    Send(container, "ChildrenChanged", QStringLiteral("remove"), index, 0, ReferenceTo(child));
}

void SendAnnouncement(QAccessibleInterface* source, const QString& text) {
    constexpr int kPolite = 1;
    Send(source, "Announcement", QString(), kPolite, 0, text);
}

}  // namespace vq::atspi
