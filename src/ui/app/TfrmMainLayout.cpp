// Builds the main window's furniture: views, menus, tool bar, status bar.
#include "ui/app/MainMenus.h"
#include "ui/app/TfrmMain.h"
#include "ui/document/ContentListView.h"
#include "ui/document/LogModel.h"
#include "ui/document/RowModel.h"
#include "ui/document/TargetTextView.h"
#include "ui/document/TopicTreeModel.h"
#include "ui/document/TopicTreeView.h"
#include "ui/editing/LogView.h"
#include "ui/files/FileChangedBar.h"
#include "ui/files/FileController.h"
#include "ui/settings/RecentMenu.h"
#include "ui/settings/SignToolBar.h"
#include "ui/toolbox/LoadIndicator.h"
#include "ui/toolbox/MenuItemAccessible.h"
#include "ui/toolbox/SongTiFont.h"

#include "ui/app/MainWindowTexts.h"
#include "ui/document/ViewTexts.h"

#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vq {

constexpr int kMessagePanelMinimum = 80;  // the start of a message still shows
constexpr int kStatusPartGap = 8;         // the status bar's margins around each part

// A panel of its own name that holds one widget without margins.
static QWidget* Holder(const char* name, QWidget* content) {
    auto* holder = new QWidget;
    holder->setObjectName(name);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return holder;
}

static QSplitter* Splitter(Qt::Orientation orientation, const char* name, QWidget* first, QWidget* second,
                           int stretchFirst) {
    auto* splitter = new QSplitter(orientation);
    splitter->setObjectName(name);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(first);
    splitter->addWidget(second);
    splitter->setStretchFactor(0, stretchFirst);
    splitter->setStretchFactor(1, 1 - stretchFirst);
    return splitter;
}

void TfrmMain::createViews() {
    m_tvTopic = new TopicTreeView;
    m_tvTopic->setObjectName("tvTopic");
    m_tvTopic->setAccessibleName(QString::fromUtf8(texts::kNameTree));
    m_tvTopic->setAccessibleDescription(QString::fromUtf8(texts::kFocusTree));
    m_tvTopic->setModel(m_session.tree());
    connect(m_tvTopic, &QTreeView::expanded, m_session.tree(),
            [this](const QModelIndex& i) { m_session.tree()->setExpanded(i, true); });
    connect(m_tvTopic, &QTreeView::collapsed, m_session.tree(),
            [this](const QModelIndex& i) { m_session.tree()->setExpanded(i, false); });

    m_lvContent = new ContentListView;
    m_lvContent->setObjectName("lvContent");
    m_lvContent->setAccessibleName(QString::fromUtf8(texts::kNameList));
    m_lvContent->setAccessibleDescription(QString::fromUtf8(texts::kFocusList));
    m_lvContent->setModel(m_session.rows());
    connect(m_session.rows(), &RowModel::rowsRenumbered, m_lvContent, &ContentListView::keepPlaceAfterReset);

    // Read-only, no wrapping, both scroll bars, silver-grey: the view's own defaults.
    m_reContent = new TargetTextView;
    m_reContent->setObjectName("reContent");
    m_reContent->setAccessibleName(QString::fromUtf8(texts::kPageTarget));
    m_reContent->setAccessibleDescription(QString::fromUtf8(texts::kFocusText));
    m_reContent->setFont(SongTiFont(12));
    m_session.bindTargetText(m_reContent);

    m_lstLog = new LogView;
    m_lstLog->setObjectName("lstLog");
    m_lstLog->setAccessibleName(QString::fromUtf8(texts::kPageLog));
    m_lstLog->setModel(m_session.log());
    m_lstLog->setItemDelegate(new LogDelegate(m_lstLog));

    m_pcPages = new QTabWidget;
    m_pcPages->setObjectName("pcPages");
    m_tabSheet1 = Holder("TabSheet1", m_reContent);
    QWidget* tabSheet2 = Holder("TabSheet2", m_lstLog);
    tabSheet2->setStatusTip(QString::fromUtf8(texts::kPageLog));
    m_pcPages->addTab(m_tabSheet1, QString::fromUtf8(texts::kPageTarget));
    m_pcPages->addTab(tabSheet2, QString::fromUtf8(texts::kPageLog));

    m_splitterH = Splitter(Qt::Vertical, "SplitterH", m_lvContent, Holder("Panel_Pages", m_pcPages), 1);
    m_splitterH->setHandleWidth(3);
    m_splitterV = Splitter(Qt::Horizontal, "SplitterV", m_tvTopic, Holder("PanelMain", m_splitterH), 0);
    // The bar that says the file changed on disk lies above the views, hidden until it has news.
    m_fileChangedBar = new FileChangedBar;
    auto* central = new QWidget;
    central->setObjectName("PanelCentral");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_fileChangedBar);
    layout->addWidget(m_splitterV, 1);
    setCentralWidget(central);
}

void TfrmMain::createMenus() {
    InstallMenuItemAccessibility();
    QMenu* recent = BuildMainMenu(menuBar(), m_actions, *m_signs);
    m_recentMenu = new RecentMenu(recent, m_recent, m_platform, this,
                                  [this](const QString& path) { m_files->startOpening(path); });
    BuildPopupMenus(this, m_actions, m_lvContent, m_tvTopic, m_lstLog, m_reContent);
    // The window's shortcuts work wherever the focus is.
    for (QAction* action : m_actions.all())
        addAction(action);
    // F10 opens the menu bar at its first menu, as on the desktops a keyboard user knows.
    auto* openMenuBar = new QShortcut(QKeySequence(Qt::Key_F10), this);
    openMenuBar->setObjectName("scMenuBar");
    connect(openMenuBar, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty())
            menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}

void TfrmMain::createToolBar() {
    QToolBar* toolBar = addToolBar("ToolBar");
    toolBar->setObjectName("ToolBar");
    toolBar->setWindowTitle(QString::fromUtf8(texts::kNameToolBar));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(16, 16));
    const auto add = [&](std::initializer_list<Act> ids) {
        for (Act id : ids)
            toolBar->addAction(action(id));
        toolBar->addSeparator();
    };
    add({Act::NewIniFile, Act::OpenIniFile, Act::Save, Act::SaveAs});
    add({Act::Reload, Act::Restore});
    toolBar->widgetForAction(action(Act::Restore))->setObjectName("ToolButton6");
    add({Act::SaveAll, Act::SaveSel, Act::SaveTree});
    add({Act::Find, Act::FindNext});
    m_signs->addToolBarWidgets(toolBar);
    toolBar->addAction(action(Act::RefreshTree));
}

void TfrmMain::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar");
    bar->setAccessibleName(QString::fromUtf8(texts::kNameStatusBar));
    bar->setSizeGripEnabled(true);
    // A panel is read by what it shows; its description says which panel it is.
    auto panel = [bar](const char* name, const char* description, int width, Qt::Alignment alignment, int stretch) {
        auto* label = new QLabel;
        label->setObjectName(name);
        label->setAccessibleDescription(QString::fromUtf8(description));
        label->setAlignment(alignment | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (width > 0)
            label->setFixedWidth(width);
        bar->addWidget(label, stretch);
        return label;
    };
    m_pnlLine = panel("pnlLine", texts::kNameLinePanel, 65, Qt::AlignHCenter, 0);
    m_pnlCaret = panel("pnlCaret", texts::kNameCaretPanel, 120, Qt::AlignHCenter, 0);
    QLabel* message = panel("pnlMessage", texts::kNameMessagePanel, 0, Qt::AlignLeft, 1);
    message->setMinimumWidth(kMessagePanelMinimum);
    m_messages.emplace(message, m_platform);
    m_loadIndicator = new LoadIndicator(bar, this);

    // The window is never narrower than the status bar's parts side by side, a load's progress
    // bar and cancel button among them, hidden as they are now.
    int width = 0;
    for (const QWidget* part : bar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        width += std::max(part->minimumWidth(), part->sizeHint().width()) + kStatusPartGap;
    setMinimumWidth(width);
}

}  // namespace vq
