#include "ui/app/Application.h"

#include "core/files/FileErrorText.h"

#include <QMessageBox>

#include <cerrno>
#include <new>

namespace vq {

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        // Said in the program's language, not as the runtime's "std::bad_alloc".
        QMessageBox::critical(activeWindow(), applicationDisplayName(),
                              QString::fromStdString(ReasonText(FileError::System(ENOMEM))));
    } catch (const std::exception& error) {
        QMessageBox::critical(activeWindow(), applicationDisplayName(), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), applicationDisplayName(), QStringLiteral("Unknown error"));
    }
    return false;
}

}  // namespace vq
