#pragma once

#include "core/files/DiskCheck.h"
#include "ui/files/DocumentLoader.h"
#include "ui/toolbox/ActionTable.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace vq {

struct WriteResult;
class DocumentSession;
class FileChangedBar;
class LoadIndicator;
class Platform;
class RecentFiles;
class StatusMessages;
class TreeAndRows;
struct AnalysisSettings;

enum class SaveMode { Save, SaveAs };

// The life of the document as a whole: new, open, reload, save, save as, the text editor, close.
class FileController : public QObject, public CommandSet {
    Q_OBJECT
public:
    struct Context {
        DocumentSession& session;
        TreeAndRows& rows;  // the analysis at the end of an open
        Platform& platform;
        StatusMessages& messages;
        RecentFiles& recent;
        QWidget* window;                // the dialogs' parent; Exit closes it
        LoadIndicator& indicator;       // the progress bar and the cancel button of a load
        const AnalysisSettings& signs;  // as the user typed them; a load analyses with these
        FileChangedBar& changedBar;     // says when the file changed on disk
    };
    explicit FileController(const Context& context);

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

    // Document life (new, save, close). New and unload stop a load that runs first.
    bool NewDocument();
    bool ConfirmAndUnload();
    // The unsaved-changes question, and the save the user asks for there; false when the user
    // cancelled or that save did not happen. Nothing else changes.
    bool ConfirmChanges();
    bool SaveDocument(SaveMode mode);
    bool SaveDocumentAs();

    // File loading. Every open (the open dialog, reload, a recent file, a dropped file, the
    // command line) starts here: the size questions and the unsaved-changes question come first,
    // then the file is read and analysed on a thread of its own while the window goes on; the new
    // document replaces the current one in one step when it is ready. A load that is cancelled,
    // fails or finds the file too large leaves the current document as it was. Returns whether a
    // load started; false while another one runs.
    bool startOpening(const QString& path);
    // Reload (actReload, and the choice to take a file changed on disk): the document's file
    // opened again, as above. With askAboutChanges the unsaved-changes question comes first, as
    // for every open; either way, unsaved changes that the reload gives up stay one undo away:
    // the reload is then the first step of the new history.
    bool startReloading(bool askAboutChanges = true);
    // The same as one call that returns when the open has ended (loaded, failed, cancelled or not
    // started), for callers that need the document loaded: it waits in a local event loop, so the
    // window paints, shows progress and can cancel meanwhile. The window's commands do not use it.
    void OpenDocument(const QString& path);
    // Returns when no load runs (at once when none does).
    void waitForLoad();
    bool loading() const { return m_loader.running(); }
    // Stops the running load and waits for its thread; the current document stays as it was.
    void abandonLoading();
    void OpenWithNotepad(const QString& path);
    void openDroppedFile(const QString& path);
    // The open dialog starts in this folder from now on.
    void setOpenFolder(const QString& folder) { m_openFolder = folder; }

    // The file on disk. The document's file is checked against what the document read or last
    // wrote when the window is activated, when the file or its folder changes (a moment later,
    // once a burst of changes is over), and by every save right before it writes. A change is
    // shown in the bar above the views; nothing is reloaded unasked.
    DiskState checkDisk();

signals:
    // A load started (true) or ended (false): the window disables what would touch the document.
    void loadingChanged(bool loading);

public slots:
    // Esc and the cancel button: the running load stops soon, the current document stays.
    void cancelLoading();
    void actNewIniFileExecute();
    void actOpenIniFileExecute();
    void actReloadExecute();
    void actOpenWithNotepadExecute();
    void actSaveExecute();
    void actSaveAsExecute();
    void actExitExecute();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The file on disk, in DiskChanges.cpp.
    void watchDisk();
    // Watches the document's file and its folder, anew when the file is another one.
    void followFile();
    void diskEvent();
    void showDiskState();
    // Save over the document's file: its check, the question when the file changed, the write.
    bool saveOverFile();
    // A save's result: the caption and Modified are the caller's.
    void saved(const WriteResult& written);

    // The end of a load, on the window's thread: the swap, or the message why not.
    void loadFinished();
    void endLoading();
    bool beginOpen(const QString& path, bool reload, bool askAboutChanges);
    LoadJob makeJob(const QString& path, std::uint64_t size) const;
    bool titled() const;

    Context m_context;     // Not owned, all of it.
    QString m_openFolder;  // the open dialog's initial folder; empty: the platform's choice
    DocumentLoader m_loader;
    QString m_loadingPath;              // the file the running load reads
    bool m_reloadKeepsChanges = false;  // the running load is a reload over unsaved changes

    QFileSystemWatcher m_watcher;
    QString m_watchedPath;  // the document's file as watched; empty when none is
    QTimer m_diskDelay;     // a check after a burst of changes on disk
    DiskState m_diskState = DiskState::Same;
    bool m_saving = false;             // no check in the middle of a save's own question and write
    ActionTable* m_actions = nullptr;  // Not owned.
};

}  // namespace vq
