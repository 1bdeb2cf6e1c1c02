#pragma once

#include "app/Platform.h"
#include "document/Document.h"
#include "document/TextCodec.h"
#include "files/Utf16Text.h"
#include "settings/FontText.h"
#include "settings/ProgramSettings.h"
#include "settings/RecentFiles.h"

#include <QHash>
#include <QMainWindow>

#include <initializer_list>
#include <memory>

class QAction;
class QLabel;
class QListView;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QToolBar;
class QTreeView;

namespace vq {

class AboutController;
class LogModel;
struct MenuEntry;
class RecentMenu;
class RowModel;
class SignToolBar;
class TargetTextBinder;
class TopicTreeModel;

// The main window: every view of the document and every command. The document itself lives in
// the core; the window binds widgets to it and runs the commands' dialogs.
class TfrmMain : public QMainWindow, private DocumentListener {
    Q_OBJECT
public:
    // Runs the start-up: `arguments` are the command-line parameters without the program name.
    TfrmMain(Platform& platform, const QStringList& arguments, QWidget* parent = nullptr);
    ~TfrmMain() override;

    Document& document() { return m_document; }
    const TextCodec& codec() const { return m_codec; }
    QAction* action(const QString& name) const;
    QString messageText() const;
    RecentFiles& recentFiles() { return m_recent; }
    RecentMenu& recentMenu() { return *m_recentMenu; }
    int defaultPattern() const { return m_defaultPattern; }
    bool autoExpand() const { return m_autoExpand; }
    const FontSetting& textFont() const { return m_textFont; }
    SignToolBar& signToolBar() { return *m_signs; }

    // Document life (new, save, close)
    bool NewDocument();
    bool ConfirmAndUnload();
    bool SaveDocument(int mode);
    bool SaveDocumentAs();

    // File loading
    void OpenDocument(const QString& path);
    void OpenWithNotepad(const QString& path);
    void openDroppedFile(const QString& path);

    // Rows and tree
    void BuildTopicTree();
    void RevealLineEntry(int row);
    void DeleteLineEntry(int row) { m_document.deleteRow(static_cast<size_t>(row)); }

    // Settings file, in settings/MainSettings.cpp: read once at start, written once at close.
    bool LoadSettings();
    void SaveSettings();

    // Status bar
    void ShowApplicationHint(const QString& hint);
    void showMessage(const QString& text, bool repaintNow = false);

    // Applies every enabled rule of the commands.
    void updateActions();

public slots:
    void actNewIniFileExecute();
    void actOpenIniFileExecute();
    void actReloadExecute();
    void actOpenWithNotepadExecute();
    void actSaveExecute();
    void actSaveAsExecute();
    void actExitExecute();
    void actRefreshTreeExecute();
    void actGotoLineByLogExecute();
    void actCopyLogLineExecute();
    void actConfigurationExecute();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Construction, in TfrmMainLayout.cpp
    void createActions();
    void createViews();
    void createMenus();
    void createToolBar();
    void createPopupMenus();
    void createStatusBar();
    QAction* addMenuItem(QMenu* menu, const char* actionName, const char* itemName);
    void addMenuItems(QMenu* menu, std::initializer_list<MenuEntry> entries);

    void FormCreate(const QStringList& arguments);
    void FormShow();
    void FormResize();
    // Fills the views from the file; false when it could not be read.
    bool LoadDocument(const QString& path);
    void stateChanged() override;
    void followTreeSelection(const QModelIndex& current, const QModelIndex& previous);
    void lstLogMouseMove(const QPoint& pos);
    Progress progress();
    // The settings as they are now, in the form the settings file keeps them.
    ProgramSettings currentSettings() const;
    // Shows the target text in m_textFont and the document in its character set.
    void applyTextFont();

    Platform& m_platform;  // Not owned.
    Document m_document;
    TextCodec m_codec;
    RecentFiles m_recent;
    int m_defaultPattern = kDefaultPatternSetting;  // the pattern every start begins with (php.ini)
    bool m_autoExpand = true;
    FontSetting m_textFont;  // the target text's font and TextCharset
    QString m_settingsPath;  // empty: this run keeps no settings file
    bool m_shownOnce = false;
    QString m_openFolder;  // the open dialog's initial folder; empty: the platform's choice
    FileForm m_fileForm = FileForm::Bytes;  // how the document's file holds its text (UTF-16 or as is)

    QHash<QString, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    QTreeView* m_tvTopic = nullptr;
    QSplitter* m_splitterV = nullptr;
    QSplitter* m_splitterH = nullptr;
    QTreeView* m_lvContent = nullptr;
    QTabWidget* m_pcPages = nullptr;
    QWidget* m_tabSheet1 = nullptr;
    QPlainTextEdit* m_reContent = nullptr;
    QListView* m_lstLog = nullptr;
    QLabel* m_linePanel = nullptr;
    QLabel* m_caretPanel = nullptr;
    QLabel* m_messagePanel = nullptr;
    QMenu* m_popupListView = nullptr;
    QMenu* m_popupLog = nullptr;
    QMenu* m_popupRE = nullptr;

    RowModel* m_rowModel = nullptr;
    TopicTreeModel* m_treeModel = nullptr;
    LogModel* m_logModel = nullptr;
    TargetTextBinder* m_textBinder = nullptr;
    std::unique_ptr<SignToolBar> m_signs;
    RecentMenu* m_recentMenu = nullptr;
    AboutController* m_about = nullptr;
};

// The window's and the target text's font: SimSun where present, else a CJK serif face.
QFont SongTiFont(int pixelSize);

}  // namespace vq
