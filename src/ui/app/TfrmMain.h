#pragma once

#include "core/settings/RecentFiles.h"
#include "ui/document/DocumentSession.h"
#include "ui/toolbox/ActionTable.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/StatusMessages.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QSplitter;
class QTabWidget;

namespace vq {

class AboutController;
class ContentListView;
class EditingController;
class ExtractionController;
class FileChangedBar;
class FileController;
class FindController;
class LoadIndicator;
class LogController;
class LogView;
class Navigation;
class RecentMenu;
class SettingsController;
class SignToolBar;
class TargetTextView;
class ToolsController;
class TopicTreeView;
class TreeAndRows;

// The main window: it builds the views, menus, tool bar and status bar, runs the start-up, and
// composes the feature objects that carry out the commands. Each feature object gets the parts it
// works on (the document session, its views, the platform, the Message panel), never the window.
// A new command goes into the feature object of its subsystem, which binds its action and gives
// its enabled rule in updateActions().
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up: `arguments` are the command-line parameters without the program name.
    TfrmMain(Platform& platform, const QStringList& arguments, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The parts the window is made of.
    DocumentSession& session() { return m_session; }
    Document& document() { return m_session.document(); }
    QAction* action(Act id) const { return m_actions[id]; }
    StatusMessages& messages() { return *m_messages; }
    RecentFiles& recentFiles() { return m_recent; }
    SignToolBar& signToolBar() { return *m_signs; }
    SettingsController& settings() { return *m_settings; }
    RecentMenu& recentMenu() { return *m_recentMenu; }
    AboutController& about() { return *m_about; }
    TreeAndRows& treeAndRows() { return *m_treeAndRows; }
    Navigation& navigation() { return *m_navigation; }
    EditingController& editing() { return *m_editing; }
    LogController& logCommands() { return *m_log; }
    FileController& files() { return *m_files; }
    ExtractionController& extraction() { return *m_extraction; }
    FindController& finder() { return *m_find; }
    ToolsController& tools() { return *m_tools; }

    void ShowApplicationHint(const QString& hint);
    // Applies the enabled rule of every command, asking each feature object for its part.
    void updateActions();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Construction, in TfrmMainLayout.cpp
    void createViews();
    void createFeatures();
    void createMenus();
    void createToolBar();
    void createStatusBar();

    void FormCreate(const QStringList& arguments);
    void FormShow();
    void FormResize();
    void documentStateChanged();
    // While a file loads, what would touch the document is disabled (and see eventFilter).
    void loadingChanged(bool loading);

    Platform& m_platform;  // Not owned.
    // Declared before everything that looks into it, so it goes last.
    DocumentSession m_session;
    RecentFiles m_recent;
    ActionTable m_actions;
    std::optional<StatusMessages> m_messages;
    QLabel* m_pnlLine = nullptr;
    QLabel* m_pnlCaret = nullptr;
    LoadIndicator* m_loadIndicator = nullptr;  // Not owned: a child of the window.
    bool m_shownOnce = false;
    bool m_firstRowPending = false;  // shown while the start-up file still loaded

    // Views; the window owns them as its children.
    TopicTreeView* m_tvTopic = nullptr;
    ContentListView* m_lvContent = nullptr;
    TargetTextView* m_reContent = nullptr;
    LogView* m_lstLog = nullptr;
    QTabWidget* m_pcPages = nullptr;
    QWidget* m_tabSheet1 = nullptr;
    QSplitter* m_splitterV = nullptr;
    QSplitter* m_splitterH = nullptr;
    FileChangedBar* m_fileChangedBar = nullptr;

    // Feature objects, in the order they are made; each may use those before it.
    std::unique_ptr<SignToolBar> m_signs;
    std::unique_ptr<TreeAndRows> m_treeAndRows;
    std::unique_ptr<Navigation> m_navigation;
    std::unique_ptr<EditingController> m_editing;
    std::unique_ptr<LogController> m_log;
    std::unique_ptr<FileController> m_files;
    std::unique_ptr<ExtractionController> m_extraction;
    std::unique_ptr<FindController> m_find;
    std::unique_ptr<ToolsController> m_tools;
    std::unique_ptr<SettingsController> m_settings;
    std::unique_ptr<AboutController> m_about;
    RecentMenu* m_recentMenu = nullptr;  // Not owned: a child of its menu.
    std::vector<CommandSet*> m_commandSets;
};

}  // namespace vq
