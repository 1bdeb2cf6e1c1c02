#include "ui/about/AboutController.h"
#include "ui/about/TAboutBox.h"

namespace vq {

AboutController::AboutController(QWidget* window, Platform& platform, QObject* parent)
    : QObject(parent), m_window(window), m_platform(platform) {}

void AboutController::bindActions(ActionTable& actions) {
    actions.bind(Act::About, this, &AboutController::actAboutExecute);
}

void AboutController::updateActions(const ActionTable& actions) const { actions.setEnabled(Act::About, true); }

TAboutBox* AboutController::aboutBox() const { return m_aboutBox; }

// The box deletes itself when it closes; the command returns at once.
void AboutController::actAboutExecute() {
    m_aboutBox = new TAboutBox(about::ProgramVersionInfo(), m_platform, m_window);
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

}  // namespace vq
