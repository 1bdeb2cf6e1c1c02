#include "ui/app/TfrmMain.h"
#include "ui/toolbox/SongTiFont.h"

#include "core/files/FileAccess.h"
#include "ui/about/AboutController.h"
#include "ui/document/ContentListView.h"
#include "ui/document/Navigation.h"
#include "ui/document/TargetTextView.h"
#include "ui/document/TreeAndRows.h"
#include "ui/editing/EditingController.h"
#include "ui/editing/LogController.h"
#include "ui/extraction/ExtractionController.h"
#include "ui/files/FileController.h"
#include "ui/find/FindController.h"
#include "ui/settings/SettingsController.h"
#include "ui/settings/SignToolBar.h"
#include "ui/toolbox/LoadIndicator.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/MenuKey.h"
#include "ui/toolbox/ProgramTranslations.h"
#include "ui/toolbox/QtTranslations.h"
#include "ui/toolbox/UiResources.h"
#include "ui/toolbox/UiTexts.h"
#include "ui/tools/ToolsController.h"

#include "core/document/DocumentTexts.h"
#include "core/files/FileTexts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTabWidget>

namespace vq {

TfrmMain::TfrmMain(Platform& platform, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_actions(this) {
    InitUiResources();
    setObjectName("frmMain");
    setWindowTitle(QString::fromUtf8(texts::kAppTitle));
    setFont(SongTiFont(12));
    resize(690, 502);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    createStatusBar();
    m_signs = std::make_unique<SignToolBar>(this, m_session.codec(), m_platform);
    createViews();
    createFeatures();
    createMenus();
    createToolBar();
    m_splitterV->setSizes({185, width() - 185});
    m_splitterH->setSizes({height() - 178, 178});
    connect(&m_session, &DocumentSession::stateChanged, this, &TfrmMain::documentStateChanged);
    connect(m_lvContent, &ContentListView::viewportResized, this, &TfrmMain::FormResize);
    m_lvContent->installEventFilter(this);
    m_lvContent->viewport()->installEventFilter(this);
    qApp->installEventFilter(new MenuKeyFilter(this));
    FormCreate(arguments);
}

TfrmMain::~TfrmMain() {
    // The list outlives the feature objects the filter asks.
    m_lvContent->viewport()->removeEventFilter(this);
    m_lvContent->removeEventFilter(this);
}

// The feature objects get the parts they work on; each binds its own actions.
void TfrmMain::createFeatures() {
    m_treeAndRows = std::make_unique<TreeAndRows>(
        TreeAndRows::Context{m_session, m_tvTopic, m_lvContent, m_platform, *m_messages, m_signs->settings()});
    m_navigation = std::make_unique<Navigation>(Navigation::Context{
        m_session, m_tvTopic, m_lvContent, m_reContent, m_pcPages, m_pnlLine, m_pnlCaret, m_platform, *m_messages});
    m_editing = std::make_unique<EditingController>(
        EditingController::Context{m_session, m_lvContent, *m_navigation, *m_signs, m_platform, this});
    m_log = std::make_unique<LogController>(
        LogController::Context{m_session, m_lstLog, m_lvContent, m_platform, *m_messages});
    m_files = std::make_unique<FileController>(FileController::Context{m_session, *m_treeAndRows, m_platform,
                                                                       *m_messages, m_recent, this, *m_loadIndicator,
                                                                       m_signs->settings(), *m_fileChangedBar});
    connect(m_files.get(), &FileController::loadingChanged, this, &TfrmMain::loadingChanged);
    m_extraction = std::make_unique<ExtractionController>(
        ExtractionController::Context{m_session, m_reContent, *m_treeAndRows, m_platform, this});
    m_find = std::make_unique<FindController>(FindController::Context{
        m_session, m_reContent, m_lvContent, *m_treeAndRows, m_pcPages, m_platform, *m_messages, this});
    m_tools = std::make_unique<ToolsController>(
        ToolsController::Context{m_session, m_reContent, m_pcPages, *m_files, m_platform, this});
    m_settings = std::make_unique<SettingsController>(
        SettingsController::Context{m_session, *m_signs, m_recent, m_tvTopic, m_reContent, m_platform, this});
    m_about = std::make_unique<AboutController>(this, m_platform);
    m_commandSets = {m_files.get(),   m_extraction.get(), m_find.get(),     m_tools.get(), m_treeAndRows.get(),
                     m_editing.get(), m_log.get(),        m_settings.get(), m_about.get()};
    for (CommandSet* commands : m_commandSets)
        commands->bindActions(m_actions);
    m_actions.setUpdatePass([this] { updateActions(); });
}

void TfrmMain::updateActions() {
    for (const CommandSet* commands : m_commandSets)
        commands->updateActions(m_actions);
    if (!m_files->loading())
        return;
    // Only what leaves the document alone stays while a file loads.
    for (QAction* action : m_actions.all()) {
        if (action != m_actions[Act::Exit] && action != m_actions[Act::About] && action != m_actions[Act::HelpTopic] &&
            action != m_actions[Act::Report])
            action->setEnabled(false);
    }
}

// While a file loads the content list takes no clicks or keys: a check mark or an edit made now
// would be lost with the document the load replaces. The views still scroll and show the old
// document, and nothing of theirs is restyled, so the swap at the end costs no more than it must.
bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (m_files->loading() && (watched == m_lvContent || watched == m_lvContent->viewport()))
            return true;
        break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::loadingChanged(bool loading) {
    if (!loading && m_firstRowPending) {
        m_firstRowPending = false;
        FormShow();
    }
    m_actions.requestUpdate();
}

// Start-up: application title, Qt's texts in Chinese, dropped files, the settings file, the default pattern, then the
// command-line file or an empty document.
void TfrmMain::FormCreate(const QStringList& arguments) {
    // The name only: Qt appends a display name, once one is set, to every window title, and the
    // title bar must show the caption alone. Message boxes take the name as their title.
    QApplication::setApplicationName(QString::fromUtf8(texts::kAppTitle));
    InstallProgramTranslations();
    InstallQtTranslations();
    setAcceptDrops(true);
    setWindowIcon(QIcon(QStringLiteral(":/icons/varnoquil.svg")));
    m_settings->LoadSettings();
    m_signs->ApplyDefaultPattern(m_settings->defaultPattern());

    // An untitled document first: the window shows it while the command-line file loads, and it
    // stays when that file is missing, cannot be opened or its open is cancelled.
    m_files->NewDocument();
    if (arguments.size() == 1) {
        const QString path = AbsolutePath(arguments.first());
        if (IsExistingFile(LocalPath(path)))
            m_files->startOpening(path);
        else
            m_platform.showMessage(this, FormatMessageQ(texts::kFileMissing, ShownPath(path)));
    }

    const QString report = QCoreApplication::applicationDirPath() + "/vendrak";
    action(Act::Report)->setVisible(QFileInfo(report).isExecutable());
    updateActions();
}

void TfrmMain::FormShow() {
    m_lvContent->setFocus();
    if (m_lvContent->model()->rowCount() > 0) {
        const QModelIndex first = m_lvContent->model()->index(0, 0);
        m_lvContent->selectionModel()->setCurrentIndex(first,
                                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void TfrmMain::FormResize() { m_lvContent->fitColumns(); }

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (m_files->loading())
            m_firstRowPending = true;  // the start-up file is not there yet
        else
            FormShow();
    }
}

bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowApplicationHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// Whether the window may close is the unsaved-changes question's answer; then the settings are
// written.
void TfrmMain::closeEvent(QCloseEvent* event) {
    // A load that runs stops first; the document it would have replaced is the one to close.
    m_files->abandonLoading();
    if (!m_files->ConfirmAndUnload()) {
        event->ignore();
        return;
    }
    m_settings->SaveSettings();
    event->accept();
}

// Every change of the current hint reaches the Message panel, also the empty hint of leaving a
// control, which clears it.
void TfrmMain::ShowApplicationHint(const QString& hint) { m_messages->show(hint); }

void TfrmMain::documentStateChanged() {
    const Document& doc = document();
    // The caption holds the path's bytes: a file name from Windows is shown in its code page.
    setWindowTitle(ShownBytes(doc.windowCaption(), m_session.codec().legacyName()));
    const QString hint = QString::fromStdString(doc.targetHint());
    m_tabSheet1->setStatusTip(hint);
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// Only the first dropped file is opened, and only once the drop has ended: the program that the
// file was dragged from waits for the drop, and must not wait for the questions of the open.
void TfrmMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    event->acceptProposedAction();
    const QString path = PathOfUrl(urls.first());
    QMetaObject::invokeMethod(
        this, [this, path] { m_files->openDroppedFile(path); }, Qt::QueuedConnection);
}

}  // namespace vq
