#pragma once

#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include "ui/about/AboutController.h"
#include "ui/app/TfrmMain.h"
#include "ui/document/ContentListView.h"
#include "ui/document/TargetTextView.h"
#include "ui/document/TreeAndRows.h"
#include "ui/editing/LogController.h"
#include "ui/files/FileController.h"
#include "ui/settings/SettingsController.h"
#include "ui/settings/SignToolBar.h"

#include <QByteArray>
#include <QLabel>
#include <QListView>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeView>

#include <functional>
#include <memory>

namespace vqtest {

// Records the text of every paint of the Message panel, so a test can see texts that a long pass
// showed and replaced before control came back. Long passes repaint the panel themselves, so each
// text they show is painted once while the event loop does not run.
class PanelRecorder : public QObject {
public:
    explicit PanelRecorder(QLabel* panel);
    const QStringList& texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_panel;  // Not owned.
    QStringList m_texts;
};

// The real main window on a scripted platform, with a temporary folder for fixture files.
class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    ScriptedPlatform platform;

    // Builds the main window; its construction runs the start-up with these parameters. Returns
    // when the command-line file, if any, has loaded (or failed to).
    vq::TfrmMain& start(const QStringList& arguments = {});
    // Builds the main window and returns while the command-line file may still be loading.
    vq::TfrmMain& startWithoutWaiting(const QStringList& arguments = {});
    // Waits for the load that runs, if any, to end (loaded, failed or cancelled).
    void waitForLoad();
    // Makes every load crawl from now on: the clock moves at each read and the loading thread
    // pauses a millisecond there, as on a slow disk, so a test can act while a load runs.
    void slowLoads();
    // Shows the window and waits until it is on screen.
    void show();
    // Shows the window, makes it the active one and waits for that, so that it has the focus.
    bool showActive();
    vq::TfrmMain& window() { return *m_window; }
    vq::Document& doc() { return m_window->document(); }
    vq::FileController& files() { return m_window->files(); }
    vq::TreeAndRows& treeAndRows() { return m_window->treeAndRows(); }
    // The action of that object name once the window has handled what is pending: the enabled
    // states are brought up to date when the program is idle, as the user would find them.
    QAction* action(const char* name);
    QString message() const { return m_window->messages().text(); }
    // Hides the window, as closing it would, then destroys it without asking anything.
    void destroy();
    // Destroys the window as it is, shown or not.
    void destroyAsIs();

    // --- fixture files --------------------------------------------------------------------------
    QString dir() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Writes the bytes to a file in the temporary folder and returns its full path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    static QByteArray readBytes(const QString& path);

    // --- views ----------------------------------------------------------------------------------
    QTreeView* tree() const { return find<QTreeView>("tvTopic"); }
    vq::ContentListView* list() const { return find<vq::ContentListView>("lvContent"); }
    vq::TargetTextView* text() const { return find<vq::TargetTextView>("reContent"); }
    QListView* log() const { return find<QListView>("lstLog"); }
    QLabel* panel(const char* name) const { return find<QLabel>(name); }

    // Column texts of every row of the content list.
    QStringList column(int column) const;
    // Checked state of every row.
    QList<bool> checked() const;
    // The lines the target text view shows (a text ending with a break shows one more, empty).
    QStringList targetLines() const;
    // The whole target text as assistive tools read it, each line break as '\n'.
    QString targetText() const;
    QStringList logEntries() const;
    // Texts of the top-level nodes of the topic tree and of their children, depth first, each
    // child indented by two spaces.
    QStringList treeOutline() const;
    int selectedRow() const;  // the single selected row of the content list, or -1
    QList<int> selectedRows() const;

    template <typename T>
    T* find(const char* name) const {
        return m_window ? m_window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<vq::TfrmMain> m_window;
};

// What the window system holds of the widget's area: the pixels last painted and flushed, not a
// fresh rendering. A part the program forgot to repaint still shows what was there before.
QImage OnScreen(QWidget* widget);

// Runs `act` on the next modal dialog as soon as it is on screen, inside the dialog's own event
// loop: the way a test answers a dialog that a command opens with exec().
void OnNextModal(std::function<void(QWidget*)> act);
// The same for the first modal dialog of that kind: a question that comes over a dialog still
// open.
void OnNextModalWhere(std::function<bool(QWidget*)> wanted, std::function<void(QWidget*)> act);
template <typename Dialog>
void OnNextModalOf(std::function<void(Dialog*)> act) {
    OnNextModalWhere([](QWidget* modal) { return qobject_cast<Dialog*>(modal) != nullptr; },
                     [act = std::move(act)](QWidget* modal) { act(qobject_cast<Dialog*>(modal)); });
}
}  // namespace vqtest
