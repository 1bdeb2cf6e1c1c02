#include "ui/toolbox/MenuKey.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace vq {

void RequestKeyboardMenu(QWidget* control) {
    if (!control || !control->isEnabled())
        return;
    const QPoint cursor = control->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, cursor, control->mapToGlobal(cursor));
    QApplication::sendEvent(control, &request);
}

bool MenuKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // An open menu takes its keys itself.
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier && !QApplication::activePopupWidget()) {
            QWidget* focus = QApplication::focusWidget();
            RequestKeyboardMenu(focus ? focus : static_cast<QWidget*>(watched));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vq
