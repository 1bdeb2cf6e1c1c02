// Opening files: the open and reload commands, dropped files, the size questions, loading the
// rows and the text editor offered for very large files.
#include "files/FileController.h"

#include "app/LocalPath.h"
#include "app/Platform.h"
#include "app/StatusMessages.h"
#include "app/UiTexts.h"
#include "document/DocumentSession.h"
#include "document/TreeAndRows.h"
#include "files/FileAccess.h"
#include "files/FileErrorText.h"
#include "files/FileSizeCheck.h"
#include "settings/RecentFiles.h"

namespace vq {

void FileController::OpenDocument(const QString& path) {
    // Measuring opens the file for reading, so a file that cannot be read ends the open here,
    // before anything of the current document changes.
    const SizeResult size = QueryFileSize(LocalPath(path));
    if (!size.ok) {
        m_context.platform.showError(m_context.window,
                                     QString::fromStdString(OpenErrorMessage(ShownPath(path).toStdString(), size.error)));
        return;
    }
    switch (CheckFileSize(size.size)) {
    case SizeVerdict::Question:
        switch (m_context.platform.askYesNoCancel(m_context.window, QString::fromUtf8(texts::kWarningTitle),
                                                  QString::fromUtf8(texts::kHugeFileQuestion))) {
        case Platform::Answer::Yes:
            OpenWithNotepad(path);
            return;
        case Platform::Answer::No:
            break;
        default:
            return;
        }
        break;
    case SizeVerdict::Notice:
        m_context.platform.showMessage(m_context.window, QString::fromUtf8(texts::kLargeFileNotice));
        break;
    case SizeVerdict::Quiet:
        break;
    }
    if (!NewDocument())
        return;
    m_context.session.beginLoad(LocalPath(path));
    const bool loaded = LoadDocument(path);
    m_context.session.endLoad(loaded);
    if (loaded)
        m_context.recent.AddRecentFile(LocalPath(AbsolutePath(path)));
}

bool FileController::LoadDocument(const QString& path) {
    m_context.messages.show(QString::fromUtf8(texts::kOpening), true);
    ReadResult read = ReadWholeFile(LocalPath(path));
    if (!read.ok) {
        // Nothing of the file is shown: the document is left empty and untitled.
        m_context.platform.showError(m_context.window,
                                     QString::fromStdString(OpenErrorMessage(ShownPath(path).toStdString(), read.error)));
        return false;
    }
    bool filled = false;
    {
        const PaintPause pause = m_context.rows.pauseRows();
        filled = m_context.session.fill(std::move(read.bytes), m_context.messages.progress());
    }
    if (!filled) {
        // The rows made so far stay; the open goes on with the analysis.
        m_context.platform.showMessage(m_context.window, QString::fromUtf8(texts::kRowsFailed));
        m_context.messages.show(QString::fromUtf8(texts::kDone));
    }
    m_context.rows.BuildTopicTree();
    m_context.messages.show(QString::fromUtf8(texts::kOpened));
    return true;
}

void FileController::actOpenIniFileExecute() {
    FileDialogSettings dialog;
    for (const auto& [description, pattern] : texts::kOpenFilters)
        dialog.filters.append({QString::fromStdString(description), QString::fromStdString(pattern)});
    dialog.initialFolder = m_openFolder;
    const QString path = m_context.platform.openFileName(m_context.window, dialog);
    if (!path.isEmpty())
        OpenDocument(path);
}

void FileController::actReloadExecute() {
    if (titled())
        OpenDocument(PathText(m_context.session.document().fileName()));
}

void FileController::openDroppedFile(const QString& path) {
    if (!path.isEmpty() && IsExistingFile(LocalPath(path)))
        OpenDocument(path);
    else
        m_context.platform.showMessage(m_context.window, FormatMessageQ(texts::kFileMissing, ShownPath(path)));
}

// The desktop's plain-text editor gets the path as its one parameter, unquoted; the program
// does not wait for it and the file is opened as it is on disk.
void FileController::OpenWithNotepad(const QString& path) {
    const QString editor = m_context.platform.textEditor();
    if (m_context.platform.startProgram(editor, {path}) == Platform::StartResult::NotFound)
        m_context.platform.showMessage(m_context.window, FormatMessageQ(texts::kProgramNotFound, editor));
}

void FileController::actOpenWithNotepadExecute() {
    OpenWithNotepad(PathText(m_context.session.document().fileName()));
}

}  // namespace vq
