#pragma once

#include <QObject>

class QWidget;

namespace vq {

// Shift+F10 is the keyboard's pop-up menu key as much as the Menu key is. Installed on the
// application, it turns Shift+F10 into the request the window system makes for the Menu key.
class MenuKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Asks the control for its pop-up menu as the Menu key does: a keyboard request at the control's
// cursor (its current item, its caret).
void RequestKeyboardMenu(QWidget* control);

}  // namespace vq
