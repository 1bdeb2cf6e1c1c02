// Builds the main window's furniture: actions, views, menus, tool bar, pop-up menus, status bar.
#include "about/AboutController.h"
#include "app/ActionCatalog.h"
#include "app/TfrmMain.h"
#include "document/InfoTip.h"
#include "document/RowModel.h"
#include "document/TargetTextBinder.h"
#include "document/TopicTreeModel.h"
#include "editing/LogModel.h"
#include "settings/RecentMenu.h"
#include "settings/SignToolBar.h"

#include "Texts.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace vq {

static QString U(const char* text) { return QString::fromUtf8(text); }

QFont SongTiFont(int pixelSize) {
    QFont font;
    font.setFamilies({"SimSun", "Noto Serif CJK SC", "Noto Serif CJK", "AR PL UMing CN", "Noto Sans CJK SC",
                      "WenQuanYi Zen Hei", "serif"});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    return font;
}

void TfrmMain::createActions() {
    int count = 0;
    const ActionInfo* infos = ActionCatalog(&count);
    for (int i = 0; i < count; ++i) {
        const ActionInfo& info = infos[i];
        auto* action = new QAction(QIcon(QString(":/icons/%1.svg").arg(info.icon)), U(info.caption), this);
        action->setObjectName(info.name);
        const QString hint = U(info.hint);
        action->setStatusTip(hint);
        action->setToolTip(hint.isEmpty() ? QString(U(info.caption)).remove("&") : hint);
        if (*info.shortcut)
            action->setShortcut(QKeySequence(info.shortcut));
        action->setEnabled(false);  // updateActions() enables what is built and allowed
        m_actions.insert(info.name, action);
    }
    connect(action("actNewIniFile"), &QAction::triggered, this, &TfrmMain::actNewIniFileExecute);
    connect(action("actOpenIniFile"), &QAction::triggered, this, &TfrmMain::actOpenIniFileExecute);
    connect(action("actReload"), &QAction::triggered, this, &TfrmMain::actReloadExecute);
    connect(action("actOpenWithNotepad"), &QAction::triggered, this, &TfrmMain::actOpenWithNotepadExecute);
    connect(action("actSave"), &QAction::triggered, this, &TfrmMain::actSaveExecute);
    connect(action("actSaveAs"), &QAction::triggered, this, &TfrmMain::actSaveAsExecute);
    connect(action("actExit"), &QAction::triggered, this, &TfrmMain::actExitExecute);
    connect(action("actRefreshTree"), &QAction::triggered, this, &TfrmMain::actRefreshTreeExecute);
    connect(action("actGotoLineByLog"), &QAction::triggered, this, &TfrmMain::actGotoLineByLogExecute);
    connect(action("actCopyLogLine"), &QAction::triggered, this, &TfrmMain::actCopyLogLineExecute);
    connect(action("actConfiguration"), &QAction::triggered, this, &TfrmMain::actConfigurationExecute);
    m_about = new AboutController(this, m_platform, this);
    connect(action("actAbout"), &QAction::triggered, m_about, &AboutController::actAboutExecute);
    // The window's shortcuts work wherever the focus is.
    addActions(m_actions.values());
}

// A menu entry of its own name that stands for an action: it shows the action's caption, image
// and state, and runs the action.
QAction* TfrmMain::addMenuItem(QMenu* menu, const char* actionName, const char* itemName) {
    QAction* target = action(actionName);
    auto* item = new QAction(target->icon(), target->text(), menu);
    item->setObjectName(itemName);
    item->setStatusTip(target->statusTip());
    item->setShortcut(target->shortcut());
    item->setShortcutContext(Qt::WidgetShortcut);  // the action itself owns the key
    item->setEnabled(target->isEnabled());
    item->setVisible(target->isVisible());
    connect(target, &QAction::changed, item, [item, target] {
        item->setEnabled(target->isEnabled());
        item->setVisible(target->isVisible());
        item->setText(target->text());
    });
    connect(item, &QAction::triggered, target, &QAction::trigger);
    menu->addAction(item);
    return item;
}

// Menu entries in order: an action and the item's own name; a null action is a separator.
struct MenuEntry {
    const char* action;
    const char* item;
};
static constexpr MenuEntry kSeparator{nullptr, nullptr};

void TfrmMain::addMenuItems(QMenu* menu, std::initializer_list<MenuEntry> entries) {
    for (const MenuEntry& entry : entries) {
        if (entry.action)
            addMenuItem(menu, entry.action, entry.item);
        else
            menu->addSeparator();
    }
}

void TfrmMain::createViews() {
    m_tvTopic = new QTreeView;
    m_tvTopic->setObjectName("tvTopic");
    m_tvTopic->setModel(m_treeModel);
    m_tvTopic->setHeaderHidden(true);
    m_tvTopic->setRootIsDecorated(false);
    m_tvTopic->setItemsExpandable(true);
    m_tvTopic->setIndentation(19);
    m_tvTopic->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tvTopic->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tvTopic->setUniformRowHeights(true);
    m_tvTopic->setExpandsOnDoubleClick(true);
    connect(m_tvTopic, &QTreeView::expanded, m_treeModel, [this](const QModelIndex& i) { m_treeModel->setExpanded(i, true); });
    connect(m_tvTopic, &QTreeView::collapsed, m_treeModel, [this](const QModelIndex& i) { m_treeModel->setExpanded(i, false); });
    connect(m_tvTopic->selectionModel(), &QItemSelectionModel::currentChanged, this, &TfrmMain::followTreeSelection);

    m_lvContent = new QTreeView;
    m_lvContent->setObjectName("lvContent");
    m_lvContent->setModel(m_rowModel);
    m_lvContent->setRootIsDecorated(false);
    m_lvContent->setItemsExpandable(false);
    m_lvContent->setUniformRowHeights(true);
    m_lvContent->setAllColumnsShowFocus(true);
    m_lvContent->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lvContent->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lvContent->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lvContent->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_lvContent->setSortingEnabled(false);
    m_lvContent->header()->setStretchLastSection(false);
    m_lvContent->header()->setSectionsMovable(false);
    m_lvContent->header()->resizeSection(0, 250);
    m_lvContent->header()->resizeSection(1, 150);
    m_lvContent->viewport()->installEventFilter(this);
    new InfoTip(m_lvContent);
    connect(m_lvContent->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmMain::updateActions);

    m_reContent = new QPlainTextEdit;
    m_reContent->setObjectName("reContent");
    m_reContent->setReadOnly(true);
    m_reContent->setUndoRedoEnabled(false);
    m_reContent->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_reContent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_reContent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_reContent->setFont(SongTiFont(12));
    QPalette palette = m_reContent->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    m_reContent->setPalette(palette);
    m_reContent->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_textBinder = new TargetTextBinder(m_document, m_codec, m_reContent);
    connect(m_textBinder, &TargetTextBinder::changed, this, &TfrmMain::updateActions);

    m_lstLog = new LogListView;
    m_lstLog->setObjectName("lstLog");
    m_lstLog->setModel(m_logModel);
    m_lstLog->setItemDelegate(new LogDelegate(m_lstLog));
    m_lstLog->setUniformItemSizes(true);
    m_lstLog->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstLog->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstLog->setFrameShape(QFrame::NoFrame);
    m_lstLog->setMouseTracking(true);
    m_lstLog->viewport()->installEventFilter(this);
    m_lstLog->installEventFilter(this);
    connect(m_lstLog, &QListView::doubleClicked, this, &TfrmMain::actGotoLineByLogExecute);
    connect(m_lstLog->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmMain::updateActions);

    m_pcPages = new QTabWidget;
    m_pcPages->setObjectName("pcPages");
    m_tabSheet1 = new QWidget;
    m_tabSheet1->setObjectName("TabSheet1");
    auto* page1 = new QVBoxLayout(m_tabSheet1);
    page1->setContentsMargins(0, 0, 0, 0);
    page1->addWidget(m_reContent);
    auto* tabSheet2 = new QWidget;
    tabSheet2->setObjectName("TabSheet2");
    tabSheet2->setStatusTip(U(texts::kPageLog));
    auto* page2 = new QVBoxLayout(tabSheet2);
    page2->setContentsMargins(0, 0, 0, 0);
    page2->addWidget(m_lstLog);
    m_pcPages->addTab(m_tabSheet1, U(texts::kPageTarget));
    m_pcPages->addTab(tabSheet2, U(texts::kPageLog));
    m_pcPages->setTabToolTip(1, U(texts::kPageLog));

    auto* panelPages = new QWidget;
    panelPages->setObjectName("Panel_Pages");
    auto* pagesLayout = new QVBoxLayout(panelPages);
    pagesLayout->setContentsMargins(0, 0, 0, 0);
    pagesLayout->addWidget(m_pcPages);

    m_splitterH = new QSplitter(Qt::Vertical);
    m_splitterH->setObjectName("SplitterH");
    m_splitterH->setHandleWidth(3);
    m_splitterH->setChildrenCollapsible(false);
    m_splitterH->addWidget(m_lvContent);
    m_splitterH->addWidget(panelPages);
    m_splitterH->setStretchFactor(0, 1);
    m_splitterH->setStretchFactor(1, 0);

    auto* panelMain = new QWidget;
    panelMain->setObjectName("PanelMain");
    auto* mainLayout = new QVBoxLayout(panelMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->addWidget(m_splitterH);

    m_splitterV = new QSplitter(Qt::Horizontal);
    m_splitterV->setObjectName("SplitterV");
    m_splitterV->setChildrenCollapsible(false);
    m_splitterV->addWidget(m_tvTopic);
    m_splitterV->addWidget(panelMain);
    m_splitterV->setStretchFactor(0, 0);
    m_splitterV->setStretchFactor(1, 1);
    setCentralWidget(m_splitterV);
}

void TfrmMain::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu");

    QMenu* file = bar->addMenu(U(texts::kMenuFile));
    file->setObjectName("mnuFile");
    file->menuAction()->setStatusTip(U(texts::kMenuFileHint));
    addMenuItems(file, {
        {"actNewIniFile", "mnuNewIniFile"},
        {"actOpenIniFile", "mnuOpenIniFile"},
        {"actOpenSamples", "mnuOpenSamples"},
    });
    QMenu* recent = file->addMenu(U(texts::kMenuRecent));
    recent->setObjectName("mnuRecentMenus");
    recent->menuAction()->setIcon(QIcon(QStringLiteral(":/icons/recentFile.svg")));
    m_recentMenu = new RecentMenu(recent, m_recent, m_platform, this, [this](const QString& path) { OpenDocument(path); });
    file->addSeparator();
    addMenuItems(file, {
        {"actReload", "mnuReload"},
        {"actOpenWithNotepad", "mnuOpenWithNotepad"},
        kSeparator,
        {"actSave", "mnuSave"},
        {"actSaveAs", "mnuSaveAs"},
        kSeparator,
        {"actExit", "mnuExit"},
    });

    QMenu* edit = bar->addMenu(U(texts::kMenuEdit));
    edit->setObjectName("mnuEdit");
    addMenuItems(edit, {
        {"actInsertLine", "mnuInsertLine"},
        {"actInsertLineDn", "mnuInsertLineDn"},
        {"actEditLine", "mnuEditLine"},
        kSeparator,
        {"actUnRem", "mnuUnRem"},
        {"actRemLine", "N6"},
        {"actRestoreLine", "N12"},
        {"actRestore", "mnuRestore"},
        kSeparator,
        {"actDelLine", "mnuDelLine"},
    });

    QMenu* tools = bar->addMenu(U(texts::kMenuTools));
    tools->setObjectName("mnuTools");
    addMenuItems(tools, {
        {"actFind", "mnuFind"},
        {"actFindNext", "mnuFindNext"},
        kSeparator,
        {"actSaveAll", "mnuSaveAll"},
        {"actSaveSel", "mnuSaveSel"},
        {"actSaveTree", "mnuSaveTree"},
        kSeparator,
        {"actRefreshTree", "mnuRefreshTree"},
    });

    QMenu* options = bar->addMenu(U(texts::kMenuOptions));
    options->setObjectName("mnuOptions");
    addMenuItem(options, "actConfiguration", "mnuConfiguration");
    options->addSeparator();
    m_signs->addPatternItems(options, "mnuPtn");

    QMenu* help = bar->addMenu(U(texts::kMenuHelp));
    help->setObjectName("mnuHelp");
    addMenuItems(help, {
        {"actHelpTopic", "mnuHelpTopic"},
        {"actReport", "mnuReport"},
        kSeparator,
        {"actAbout", "mnuAbout"},
    });
}

void TfrmMain::createToolBar() {
    m_toolBar = addToolBar("ToolBar");
    m_toolBar->setObjectName("ToolBar");
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    for (const char* name : {"actNewIniFile", "actOpenIniFile", "actSave", "actSaveAs"})
        m_toolBar->addAction(action(name));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action("actReload"));
    m_toolBar->addAction(action("actRestore"));
    m_toolBar->widgetForAction(action("actRestore"))->setObjectName("ToolButton6");
    m_toolBar->addSeparator();
    for (const char* name : {"actSaveAll", "actSaveSel", "actSaveTree"})
        m_toolBar->addAction(action(name));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action("actFind"));
    m_toolBar->addAction(action("actFindNext"));
    m_toolBar->addSeparator();
    m_signs->addToolBarWidgets(m_toolBar);
    m_toolBar->addAction(action("actRefreshTree"));
}

// A pop-up menu of its own name that opens on a right click in a view.
static QMenu* AttachPopup(QWidget* window, QAbstractScrollArea* view, const char* name) {
    auto* menu = new QMenu(window);
    menu->setObjectName(name);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, menu,
                     [menu, view](const QPoint& p) { menu->popup(view->viewport()->mapToGlobal(p)); });
    return menu;
}

void TfrmMain::createPopupMenus() {
    m_popupListView = AttachPopup(this, m_lvContent, "PopupMenu_ListView");
    addMenuItems(m_popupListView, {
        {"actInsertLine", "mnuInsertLine1"},
        {"actInsertLineDn", "mnuInsertLineDn2"},
        {"actEditLine", "mnuEditLine1"},
        kSeparator,
        {"actUnRem", "mnuUnRem1"},
        {"actRemLine", "N10"},
        {"actRestoreLine", "N13"},
        kSeparator,
        {"actDelLine", "mnuDelLine1"},
    });

    m_popupLog = AttachPopup(this, m_lstLog, "PopupMenu_Log");
    QAction* gotoItem = addMenuItem(m_popupLog, "actGotoLineByLog", "N16");
    QFont bold = gotoItem->font();
    bold.setBold(true);
    gotoItem->setFont(bold);  // the default item
    m_popupLog->setDefaultAction(gotoItem);
    addMenuItem(m_popupLog, "actCopyLogLine", "N17");

    m_popupRE = AttachPopup(this, m_reContent, "PopupMenu_RE");
    addMenuItems(m_popupRE, {
        {"actRECopy", "mnuRECopy"},
        {"actRESelAll", "mnuRESelAll"},
        kSeparator,
        {"actSave", "mnuRESave"},
        {"actSaveAs", "mnuRESaveAs"},
        kSeparator,
        {"actOpenIniFile", "mnuREOpen"},
    });
}

void TfrmMain::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar");
    bar->setSizeGripEnabled(true);
    auto panel = [bar](const char* name, int width, Qt::Alignment alignment, int stretch) {
        auto* label = new QLabel;
        label->setObjectName(name);
        label->setAlignment(alignment | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (width > 0)
            label->setFixedWidth(width);
        bar->addWidget(label, stretch);
        return label;
    };
    m_linePanel = panel("pnlLine", 65, Qt::AlignHCenter, 0);
    m_caretPanel = panel("pnlCaret", 120, Qt::AlignHCenter, 0);
    m_messagePanel = panel("pnlMessage", 0, Qt::AlignLeft, 1);
}

}  // namespace vq
