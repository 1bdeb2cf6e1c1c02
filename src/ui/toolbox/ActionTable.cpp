#include "ui/toolbox/ActionTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QWidget>

namespace vq {

ActionTable::ActionTable(QWidget* window) {
    for (const ActionInfo& info : ActionCatalog()) {
        auto* action =
            new QAction(QIcon(QString(":/icons/%1.svg").arg(info.icon)), QString::fromUtf8(info.caption), window);
        action->setObjectName(info.name);
        const QString hint = QString::fromUtf8(info.hint);
        action->setStatusTip(hint);
        action->setToolTip(hint.isEmpty() ? QString::fromUtf8(info.caption).remove('&') : hint);
        if (*info.shortcut)
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(info.shortcut)));
        action->setEnabled(false);
        m_actions[static_cast<std::size_t>(info.id)] = action;
    }
    // Every input of the program passes here first: a menu, a tool button or a shortcut may be
    // the next thing it reaches.
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

void ActionTable::setEnabled(Act id, bool enabled) const { (*this)[id]->setEnabled(enabled); }

void ActionTable::requestUpdate() {
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &ActionTable::runPendingPass, Qt::QueuedConnection);
}

void ActionTable::runPendingPass() {
    if (!m_pending)
        return;  // an input ran it already
    m_pending = false;
    if (m_pass)
        m_pass();
}

// The events that can invoke a command: presses of buttons and keys (a shortcut is tried on its
// override event, before the key goes anywhere) and requests for a pop-up menu.
bool ActionTable::eventFilter(QObject* watched, QEvent* event) {
    if (m_pending) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin: runPendingPass(); break;
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vq
