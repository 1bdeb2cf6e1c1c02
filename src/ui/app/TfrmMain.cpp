#include "app/TfrmMain.h"
#include "app/LocalPath.h"
#include "app/UiTexts.h"

#include "document/RowModel.h"
#include "document/TargetTextBinder.h"
#include "document/TopicTreeModel.h"
#include "editing/LogModel.h"
#include "files/FileAccess.h"
#include "settings/SignToolBar.h"

#include "Texts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTreeView>

// The icons live in the UI library, which is static: its resources are registered by hand.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace vq {

static QString U(const char* text) { return QString::fromUtf8(text); }

TfrmMain::TfrmMain(Platform& platform, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_codec(m_document) {
    ::InitResources();
    setObjectName("frmMain");
    setWindowTitle(U(texts::kAppTitle));
    setFont(SongTiFont(12));
    resize(690, 502);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_rowModel = new RowModel(m_document, m_codec, this);
    m_treeModel = new TopicTreeModel(m_document, m_codec, this);
    m_logModel = new LogModel(m_document, m_codec, this);
    m_signs = std::make_unique<SignToolBar>(this, m_codec);
    createActions();
    createViews();
    createMenus();
    createToolBar();
    createPopupMenus();
    createStatusBar();
    m_splitterV->setSizes({185, width() - 185});
    m_splitterH->setSizes({height() - 178, 178});
    m_document.addListener(this);
    connect(m_logModel, &LogModel::entryAppended, m_lstLog, &QListView::scrollToBottom);
    connect(m_rowModel, &QAbstractItemModel::modelReset, this, &TfrmMain::updateActions);
    connect(m_rowModel, &QAbstractItemModel::rowsInserted, this, &TfrmMain::updateActions);
    connect(m_rowModel, &QAbstractItemModel::rowsRemoved, this, &TfrmMain::updateActions);
    FormCreate(arguments);
}

// The views, the text binder and the models look into the document, which is a member and so
// would go before the window's children: they are taken down first.
TfrmMain::~TfrmMain() {
    m_document.removeListener(this);
    m_lvContent->viewport()->removeEventFilter(this);
    m_lstLog->viewport()->removeEventFilter(this);
    m_lstLog->removeEventFilter(this);
    delete centralWidget();
    delete m_rowModel;
    delete m_treeModel;
    delete m_logModel;
}

QAction* TfrmMain::action(const QString& name) const { return m_actions.value(name); }

QString TfrmMain::messageText() const { return m_messagePanel->text(); }

// Start-up: application title, recent files, dropped files, hints, the default pattern, then the
// command-line file or an empty document.
void TfrmMain::FormCreate(const QStringList& arguments) {
    QApplication::setApplicationName(U(texts::kAppTitle));
    QApplication::setApplicationDisplayName(U(texts::kAppTitle));
    setAcceptDrops(true);
    setWindowIcon(QIcon(QStringLiteral(":/icons/varnoquil.svg")));
    LoadSettings();
    m_signs->ApplyDefaultPattern(m_defaultPattern);

    if (arguments.size() == 1) {
        const QString path = AbsolutePath(arguments.first());
        if (IsExistingFile(LocalPath(path)))
            OpenDocument(path);
        else
            m_platform.showMessage(this, FormatMessageQ(texts::kFileMissing, path));
    }
    // Every path ends with a document set up, also when the file was missing or its open was
    // cancelled at the size question.
    if (m_document.fileName().empty())
        NewDocument();

    const QString report = QCoreApplication::applicationDirPath() + "/vendrak";
    action("actReport")->setVisible(QFileInfo(report).isExecutable());
    updateActions();
}

void TfrmMain::FormShow() {
    m_lvContent->setFocus();
    if (m_rowModel->rowCount() > 0) {
        const QModelIndex first = m_rowModel->index(0, 0);
        m_lvContent->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
    }
}

// Column 0 takes two thirds of the list and column 1 one third, unless one of them is collapsed
// to 50 pixels; then the other takes all the rest.
void TfrmMain::FormResize() {
    QHeaderView* header = m_lvContent->header();
    const int w = m_lvContent->viewport()->width();
    if (header->sectionSize(0) == 50) {
        header->resizeSection(1, w - 50);
    } else if (header->sectionSize(1) == 50) {
        header->resizeSection(0, w - 50);
    } else {
        header->resizeSection(0, w * 2 / 3);
        header->resizeSection(1, w / 3);
    }
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
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

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    // Filters are installed while the views are still being built.
    if (!m_lvContent || !m_lstLog)
        return QMainWindow::eventFilter(watched, event);
    if (watched == m_lvContent->viewport() && event->type() == QEvent::Resize)
        FormResize();
    if (watched == m_lstLog->viewport() && event->type() == QEvent::MouseMove)
        lstLogMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (watched == m_lstLog && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            actGotoLineByLogExecute();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!ConfirmAndUnload()) {
        event->ignore();
        return;
    }
    SaveSettings();
    event->accept();
}

// Every change of the current hint reaches the Message panel, also the empty hint of leaving a
// control, which clears it.
void TfrmMain::ShowApplicationHint(const QString& hint) { showMessage(hint); }

void TfrmMain::showMessage(const QString& text, bool repaintNow) {
    m_messagePanel->setText(text);
    if (repaintNow)
        m_messagePanel->repaint();
}

Progress TfrmMain::progress() {
    Progress p;
    p.tick = [this] { return m_platform.tickCount(); };
    p.show = [this](const std::string& text) { showMessage(QString::fromStdString(text), true); };
    return p;
}

void TfrmMain::stateChanged() {
    setWindowTitle(QString::fromStdString(m_document.windowCaption()));
    const QString hint = QString::fromStdString(m_document.targetHint());
    m_tabSheet1->setStatusTip(hint);
    m_pcPages->setTabToolTip(0, hint);
    updateActions();
}

void TfrmMain::updateActions() {
    const bool hasRows = m_document.rowCount() > 0;
    const bool titled = !m_document.isUntitled() && !m_document.fileName().empty();
    const bool logSelected = m_lstLog && m_lstLog->selectionModel()->hasSelection();
    const auto enable = [this](const char* name, bool on) { action(name)->setEnabled(on); };
    enable("actNewIniFile", true);
    enable("actOpenIniFile", true);
    enable("actExit", true);
    enable("actConfiguration", true);
    enable("actAbout", true);
    enable("actReload", titled);
    enable("actOpenWithNotepad", titled);
    enable("actSave", m_document.modified());
    enable("actSaveAs", !m_document.target().empty());
    enable("actRefreshTree", hasRows);
    enable("actGotoLineByLog", logSelected);
    enable("actCopyLogLine", logSelected);
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// Only the first dropped file is opened.
void TfrmMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    event->acceptProposedAction();
    openDroppedFile(urls.first().toLocalFile());
}

}  // namespace vq
