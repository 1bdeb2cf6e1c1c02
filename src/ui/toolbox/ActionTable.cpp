#include "ui/toolbox/ActionTable.h"

#include <QAction>
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
}

void ActionTable::setEnabled(Act id, bool enabled) const { (*this)[id]->setEnabled(enabled); }

void ActionTable::requestUpdate() {
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pending = false;
            if (m_pass)
                m_pass();
        },
        Qt::QueuedConnection);
}

}  // namespace vq
