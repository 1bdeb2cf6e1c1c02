// Opening files: the open and reload commands, dropped files, the size questions, the load on a
// thread of its own with its progress and cancel, and the text editor offered for very large
// files.
#include "ui/files/FileController.h"

#include "core/document/OpenLimit.h"
#include "core/files/FileAccess.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileSizeCheck.h"
#include "core/files/FileTexts.h"
#include "core/settings/RecentFiles.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/TreeAndRows.h"
#include "ui/files/FileDialogTexts.h"
#include "ui/toolbox/ActionTexts.h"
#include "ui/toolbox/FreedMemory.h"
#include "ui/toolbox/LoadIndicator.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/StatusMessages.h"
#include "ui/toolbox/UiTexts.h"

#include <QEventLoop>

namespace vq {

namespace {

QString FirstLine(const std::string& text) { return QString::fromStdString(text.substr(0, text.find('\n'))); }

}  // namespace

bool FileController::startOpening(const QString& path) { return beginOpen(path, false, true); }

bool FileController::startReloading(bool askAboutChanges) {
    if (!titled())
        return false;
    return beginOpen(PathText(m_context.session.document().fileName()), true, askAboutChanges);
}

bool FileController::beginOpen(const QString& path, bool reload, bool askAboutChanges) {
    if (m_loader.running()) {
        m_context.platform.beep();
        return false;
    }
    // Measuring opens the file for reading, so a file that cannot be read ends the open here,
    // before anything of the current document changes.
    const SizeResult size = QueryFileSize(LocalPath(path));
    if (!size.ok) {
        m_context.platform.showError(
            m_context.window, QString::fromStdString(OpenErrorMessage(ShownPath(path).toStdString(), size.error)));
        return false;
    }
    switch (CheckFileSize(size.size)) {
    case SizeVerdict::Question:
        switch (m_context.platform.askYesNoCancel(m_context.window, QString::fromUtf8(texts::kWarningTitle),
                                                  QString::fromUtf8(texts::kHugeFileQuestion))) {
        case Platform::Answer::Yes: OpenWithNotepad(path); return false;
        case Platform::Answer::No: break;
        default: return false;
        }
        break;
    case SizeVerdict::Notice:
        m_context.platform.showMessage(m_context.window, QString::fromUtf8(texts::kLargeFileNotice));
        break;
    case SizeVerdict::Quiet: break;
    }
    // A file that cannot fit is refused before the current document is put at risk.
    if (const auto tooLarge =
            TooLargeToOpen(ShownPath(path).toStdString(), size.size, m_context.platform.allocatableBytes())) {
        m_context.platform.showMessage(m_context.window, QString::fromStdString(*tooLarge));
        return false;
    }
    if (askAboutChanges && !ConfirmChanges())
        return false;
    m_reloadKeepsChanges = reload && m_context.session.document().modified();
    m_loadingPath = path;
    m_context.messages.show(QString::fromUtf8(texts::kOpening), true);
    m_loader.start(makeJob(path, size.size));
    m_context.indicator.begin();
    emit loadingChanged(true);
    return true;
}

LoadJob FileController::makeJob(const QString& path, std::uint64_t size) const {
    LoadJob job;
    job.open.path = LocalPath(path);
    job.open.shownPath = ShownPath(path).toStdString();
    job.open.size = size;
    job.open.signs = m_context.signs;
    job.open.codePage = m_context.session.codec().codePage();
    Platform& platform = m_context.platform;  // outlives the window and so the load
    job.tick = [&platform] { return platform.tickCount(); };
    return job;
}

void FileController::loadFinished() {
    LoadResult result = m_loader.takeOutcome();
    const QString path = m_loadingPath;
    if (result.status == LoadStatus::Loaded) {
        if (m_reloadKeepsChanges)
            m_context.session.takeReloaded(LocalPath(path), result);
        else
            m_context.session.takeLoaded(LocalPath(path), result);
        result.document.reset();  // the old content
        // What was just read is what is on disk: no second read to check it.
        m_diskState = DiskState::Same;
        showDiskState();
    }
    if (result.status == LoadStatus::Loaded || result.status == LoadStatus::Cancelled)
        GiveFreedMemoryBackSoon(this);
    // The window is whole again before any message box of the end shows.
    endLoading();
    switch (result.status) {
    case LoadStatus::Loaded:
        m_context.rows.selectFirstNode();
        m_context.messages.show(QString::fromUtf8(texts::kOpened));
        m_context.recent.AddRecentFile(LocalPath(AbsolutePath(path)));
        break;
    case LoadStatus::Cancelled: m_context.messages.show(QString::fromUtf8(texts::kOpenCancelled)); break;
    case LoadStatus::Failed:
        m_context.messages.show(FirstLine(result.error));
        if (result.outOfMemory)
            m_context.platform.showMessage(m_context.window, QString::fromStdString(result.error));
        else
            m_context.platform.showError(m_context.window, QString::fromStdString(result.error));
        break;
    }
}

void FileController::endLoading() {
    m_loadingPath.clear();
    m_reloadKeepsChanges = false;
    m_context.indicator.end();
    emit loadingChanged(false);
}

void FileController::cancelLoading() { m_loader.cancel(); }

void FileController::abandonLoading() {
    if (!m_loader.running())
        return;
    m_loader.abandon();
    GiveFreedMemoryBackSoon(this);
    endLoading();
    m_context.messages.show(QString::fromUtf8(texts::kOpenCancelled));
}

void FileController::OpenDocument(const QString& path) {
    if (startOpening(path))
        waitForLoad();
}

void FileController::waitForLoad() {
    if (!m_loader.running())
        return;
    QEventLoop loop;
    connect(this, &FileController::loadingChanged, &loop, [&loop](bool on) {
        if (!on)
            loop.quit();
    });
    loop.exec();
    // The application quits every event loop when it ends; the load goes with it.
    abandonLoading();
}

void FileController::actOpenIniFileExecute() {
    FileDialogSettings dialog;
    for (const auto& [description, pattern] : texts::kOpenFilters)
        dialog.filters.append({QString::fromStdString(description), QString::fromStdString(pattern)});
    dialog.initialFolder = m_openFolder;
    const QString path = m_context.platform.openFileName(m_context.window, dialog);
    if (!path.isEmpty())
        startOpening(path);
}

void FileController::actReloadExecute() { startReloading(); }

void FileController::openDroppedFile(const QString& path) {
    if (!path.isEmpty() && IsExistingFile(LocalPath(path)))
        startOpening(path);
    else
        m_context.platform.showMessage(m_context.window, FormatMessageQ(texts::kFileMissing, ShownPath(path)));
}

// The desktop's plain-text editor gets the path as its last parameter, unquoted, after the
// editor's own; the program does not wait for it and the file is opened as it is on disk.
void FileController::OpenWithNotepad(const QString& path) {
    const QStringList command = m_context.platform.textEditor();
    const QString editor = command.value(0);
    if (m_context.platform.startProgram(editor, command.mid(1) << path) == Platform::StartResult::NotFound)
        m_context.platform.showMessage(m_context.window, FormatMessageQ(texts::kProgramNotFound, editor));
}

void FileController::actOpenWithNotepadExecute() { OpenWithNotepad(PathText(m_context.session.document().fileName())); }

}  // namespace vq
