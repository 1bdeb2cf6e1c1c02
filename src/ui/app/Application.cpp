#include "app/Application.h"

#include <QMessageBox>

namespace vq {

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(activeWindow(), applicationDisplayName(), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), applicationDisplayName(), QStringLiteral("Unknown error"));
    }
    return false;
}

}  // namespace vq
