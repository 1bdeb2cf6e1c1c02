#pragma once

#include <QApplication>

namespace vq {

// The application object. An error that escapes a command is shown in an error box with its own
// text, and the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vq
