#include "ui/tools/ToolsController.h"

#include "core/files/ProgramFiles.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/TargetTextView.h"
#include "ui/files/FileController.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/UiTexts.h"

#include "core/Language.h"
#include "core/files/FileTexts.h"
#include "ui/toolbox/ActionTexts.h"
#include "ui/tools/ToolsTexts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>

#include <filesystem>
#include <system_error>

namespace vq {

namespace {

const QString kReportProgram = QStringLiteral("vendrak");
const QString kHelpPage = QStringLiteral("index.html");
const QString kEnglishHelpPage = QStringLiteral("index.en.html");
const QString kHelpTopic = QStringLiteral("ID_INDEX");
const QString kSamplesFolder = QStringLiteral("Samples");

}  // namespace

ToolsController::ToolsController(const Context& context)
    : m_context(context), m_programFolder(QCoreApplication::applicationDirPath()) {
    // Moves over the tabs without a button pressed must reach the filter.
    m_context.pages->setMouseTracking(true);
    m_context.pages->tabBar()->setMouseTracking(true);
    m_context.pages->installEventFilter(this);
    m_context.pages->tabBar()->installEventFilter(this);
}

void ToolsController::bindActions(ActionTable& actions) {
    actions.bind(Act::RECopy, this, &ToolsController::actRECopyExecute);
    actions.bind(Act::RESelAll, this, &ToolsController::actRESelAllExecute);
    actions.bind(Act::Report, this, &ToolsController::actReportExecute);
    actions.bind(Act::OpenSamples, this, &ToolsController::actOpenSamplesExecute);
    actions.bind(Act::HelpTopic, this, &ToolsController::actHelpTopicExecute);
    // The rules read the target text's selection and its lines.
    const auto request = [&actions] { actions.requestUpdate(); };
    connect(m_context.text, &TargetTextView::selectionChanged, &actions, request);
    connect(&m_context.session, &DocumentSession::targetChanged, &actions, request);
}

void ToolsController::updateActions(const ActionTable& actions) const {
    actions.setEnabled(Act::RECopy, m_context.text->hasSelection());
    actions.setEnabled(Act::RESelAll, !m_context.session.document().target().empty());
    actions.setEnabled(Act::Report, true);
    actions.setEnabled(Act::OpenSamples, true);
    actions.setEnabled(Act::HelpTopic, true);
}

QString ToolsController::programFile(const QString& name) const {
    return PathText(FindProgramFile(LocalPath(m_programFolder), LocalPath(name)));
}

// The text stays as it is: neither command changes it, so neither marks the document Modified.
void ToolsController::actRECopyExecute() { m_context.text->copy(); }

void ToolsController::actRESelAllExecute() { m_context.text->selectAll(); }

void ToolsController::actReportExecute() {
    const QString program = m_programFolder + QLatin1Char('/') + kReportProgram;
    if (m_context.platform.startProgram(program, {}, m_programFolder) == Platform::StartResult::NotFound)
        m_context.platform.showMessage(m_context.window, FormatMessageQ(texts::kProgramNotFound, kReportProgram));
}

// With the samples folder there, the open dialog starts in it, now and for the rest of the run;
// without it the user is told, and the open dialog still comes.
void ToolsController::actOpenSamplesExecute() {
    const QString samples = programFile(kSamplesFolder);
    std::error_code error;
    if (std::filesystem::is_directory(LocalPath(samples), error))
        m_context.files.setOpenFolder(samples);
    else
        m_context.platform.showMessage(
            m_context.window, FormatMessageQ(texts::kPathMissing, QString::fromUtf8(texts::kSamplesShownPath)));
    m_context.files.actOpenIniFileExecute();
}

void ToolsController::actHelpTopicExecute() {
    const QString page = programFile(CurrentLanguage() == Language::English ? kEnglishHelpPage : kHelpPage);
    switch (m_context.platform.showHelp(page, kHelpTopic)) {
    case Platform::StartResult::Started: break;
    case Platform::StartResult::NotFound:
        m_context.platform.showMessage(m_context.window, FormatMessageQ(texts::kFileMissing, ShownPath(page)));
        break;
    case Platform::StartResult::Failed:
        m_context.platform.showMessage(m_context.window, FormatMessageQ(texts::kHelpNotShown, ShownPath(page)));
        break;
    }
}

// The tabs have no hint of their own: over them the Message panel shows the active page's.
void ToolsController::pcPagesMouseMove() {
    QTabWidget* pages = m_context.pages;
    const QString hint = pages->currentWidget() ? pages->currentWidget()->statusTip() : QString();
    pages->setStatusTip(hint);
    if (m_pageHintShown && hint == m_shownPageHint)
        return;
    m_pageHintShown = true;
    m_shownPageHint = hint;
    QStatusTipEvent tip(hint);
    QApplication::sendEvent(pages, &tip);
}

bool ToolsController::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: pcPagesMouseMove(); break;
    case QEvent::Enter:
    case QEvent::Leave:
        // Entering or leaving shows or clears a hint of its own; the next move shows the page's.
        m_pageHintShown = false;
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vq
