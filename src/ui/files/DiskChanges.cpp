// The document's file on disk: watching it, saying when someone else changed it, and the save
// that does not write over such a change unasked.
#include "ui/files/FileController.h"

#include "core/files/FileErrorText.h"
#include "core/files/TextFile.h"
#include "ui/document/DocumentSession.h"
#include "ui/files/FileChangedBar.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/UiTexts.h"
#include "ui/files/FileDialogTexts.h"

#include <QEvent>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QWidget>

#include <algorithm>

namespace vq {

namespace {

// A program that writes a file often does it in steps (truncate, write, rename); one check once
// they are over.
constexpr qint64 kSettleMs = 200;

}  // namespace

void FileController::watchDisk() {
    m_diskDelay.setSingleShot(true);
    connect(&m_diskDelay, &QTimer::timeout, this, [this] {
        followFile();
        checkDisk();
    });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileController::diskEvent);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileController::diskEvent);
    connect(&m_context.session, &DocumentSession::stateChanged, this, &FileController::followFile);
    connect(&m_context.changedBar, &FileChangedBar::reloadRequested, this, &FileController::actReloadExecute);
    m_context.window->installEventFilter(this);
}

bool FileController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_context.window && event->type() == QEvent::WindowActivate)
        checkDisk();
    return QObject::eventFilter(watched, event);
}

void FileController::followFile() {
    const Document& document = m_context.session.document();
    const bool known = !document.isUntitled() && document.diskFile().known;
    const QString path = known ? PathText(document.fileName()) : QString();
    if (path != m_watchedPath) {
        const QStringList watched = m_watcher.files() + m_watcher.directories();
        if (!watched.isEmpty())
            m_watcher.removePaths(watched);
        m_watchedPath = path;
        m_diskDelay.stop();
        m_diskState = DiskState::Same;
        showDiskState();
        if (path.isEmpty())
            return;
        // The folder too: a file deleted or renamed away is no longer watched, and the folder
        // tells when it comes back.
        m_watcher.addPath(QFileInfo(path).absolutePath());
    }
    // A file replaced by a rename (every safe save does that) is a new file to watch.
    if (!path.isEmpty() && !m_watcher.files().contains(path) && PathExists(path))
        m_watcher.addPath(path);
}

void FileController::diskEvent() {
    if (m_diskDelay.isActive())
        return;
    // Until the file's times can be trusted a check reads the whole file; our own save is seen
    // here too, and its check then costs a stat.
    const qint64 untilTrusted = (m_context.session.document().diskFile().trustedFromNs() - WallClockNs()) / 1'000'000;
    m_diskDelay.start(std::clamp<qint64>(untilTrusted, kSettleMs, kFileTimeSlackNs / 1'000'000 + kSettleMs));
}

DiskState FileController::checkDisk() {
    Document& document = m_context.session.document();
    if (m_saving || loading() || m_watchedPath.isEmpty())
        return m_diskState;
    KnownFile known = document.diskFile();
    m_diskState = CheckKnownFile(document.fileName(), known);
    // The same bytes under a new status (a touch): the next check is a stat again.
    if (known.recordedNs != document.diskFile().recordedNs)
        document.setDiskFile(std::move(known));
    showDiskState();
    return m_diskState;
}

void FileController::showDiskState() {
    FileChangedBar& bar = m_context.changedBar;
    const QString shown = ShownBytes(m_context.session.document().fileName());
    switch (m_diskState) {
    case DiskState::Same: bar.clear(); break;
    case DiskState::Changed: bar.showChanged(FormatMessageQ(texts::kDiskChanged, shown)); break;
    case DiskState::Missing: bar.showMissing(FormatMessageQ(texts::kDiskMissing, shown)); break;
    }
    if (m_actions)
        m_actions->requestUpdate();
}

bool FileController::saveOverFile() {
    Document& document = m_context.session.document();
    const QScopedValueRollback saving(m_saving, true);
    SaveCheck check = SaveCheck::IfUnchanged;
    for (;;) {
        const WriteResult written = SaveTextFile(document.fileName(), document.saveBytes(),
                                                 m_context.session.fileForm(), document.diskFile(), check);
        if (written.ok) {
            saved(written);
            return true;
        }
        const QString shown = ShownBytes(document.fileName());
        if (written.error.problem != FileProblem::ChangedOnDisk) {
            m_context.platform.showMessage(m_context.window,
                                           QString::fromStdString(SaveErrorMessage(shown.toStdString(), written)));
            return false;
        }
        m_diskState = DiskState::Changed;
        showDiskState();
        const QStringList buttons{QString::fromUtf8(texts::kDiskOverwrite), QString::fromUtf8(texts::kDiskReload),
                                  QString::fromUtf8(texts::kDiskSaveAs), QString::fromUtf8(texts::kDiskCancel)};
        switch (m_context.platform.choose(m_context.window, QString::fromUtf8(texts::kDiskQuestionTitle),
                                          FormatMessageQ(texts::kDiskQuestion, shown), buttons)) {
        case 0: check = SaveCheck::Overwrite; break;
        case 1:
            // Theirs, without the save question (the user just chose): the unsaved rows stay one
            // undo away. After whatever asked for this save has given up: it did not happen.
            QMetaObject::invokeMethod(
                this, [this] { startReloading(false); }, Qt::QueuedConnection);
            return false;
        case 2: return SaveDocumentAs();
        default: return false;
        }
    }
}

void FileController::saved(const WriteResult& written) {
    m_context.session.document().setDiskFile(written.written);
    followFile();
    m_diskState = DiskState::Same;
    showDiskState();
}

}  // namespace vq
