// Opening files: the open and reload commands, dropped files, the size questions, loading the
// rows and the text editor offered for very large files.
#include "app/TfrmMain.h"
#include "app/LocalPath.h"
#include "app/UiTexts.h"
#include "files/FileAccess.h"
#include "files/FileErrorText.h"
#include "files/FileSizeCheck.h"

#include <QFile>
#include <QTreeView>

namespace vq {

void TfrmMain::OpenDocument(const QString& path) {
    // Measuring opens the file for reading, so a file that cannot be read ends the open here,
    // before anything of the current document changes.
    const SizeResult size = QueryFileSize(LocalPath(path));
    if (!size.ok) {
        m_platform.showError(this, QString::fromStdString(OpenErrorMessage(path.toStdString(), size.error)));
        return;
    }
    switch (CheckFileSize(size.size)) {
    case SizeVerdict::Question:
        switch (m_platform.askYesNoCancel(this, QString::fromUtf8(texts::kWarningTitle),
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
        m_platform.showMessage(this, QString::fromUtf8(texts::kLargeFileNotice));
        break;
    case SizeVerdict::Quiet:
        break;
    }
    if (!NewDocument())
        return;
    m_document.setFileName(path.toStdString());
    m_document.setLoading(true);
    const bool loaded = LoadDocument(path);
    m_document.setLoading(false);
    if (loaded) {
        m_document.setModified(false);
        m_document.showFileNameInCaption();
        m_recent.AddRecentFile(AbsolutePath(path).toStdString());
    }
}

bool TfrmMain::LoadDocument(const QString& path) {
    m_document.setTextMirrorsList(false, {});
    showMessage(QString::fromUtf8(texts::kOpening), true);
    m_document.addLogEntry(kLogSummary, FormatMessage(texts::kOpenLogEntry, {path.toStdString()}), {});

    ReadResult read = ReadWholeFile(LocalPath(path));
    if (!read.ok) {
        // Nothing of the file is shown: leave a consistent empty document behind.
        m_platform.showError(this, QString::fromStdString(OpenErrorMessage(path.toStdString(), read.error)));
        m_document.setFileName(texts::kUntitled);
        m_document.showFileNameInCaption();
        m_document.setTextMirrorsList(true, {});
        return false;
    }
    m_lvContent->setUpdatesEnabled(false);
    try {
        ShownText shown = FromFileBytes(std::move(read.bytes));
        m_fileForm = shown.form;
        m_document.load(std::move(shown.bytes), progress());
    } catch (const std::exception&) {
        // The rows made so far stay; the open goes on with the analysis.
        m_platform.showMessage(this, QString::fromUtf8(texts::kRowsFailed));
        showMessage(QString::fromUtf8(texts::kDone));
    }
    m_lvContent->setUpdatesEnabled(true);
    BuildTopicTree();
    showMessage(QString::fromUtf8(texts::kOpened));
    m_document.setTextMirrorsList(true, {});
    return true;
}

void TfrmMain::actOpenIniFileExecute() {
    FileDialogSettings dialog;
    for (const auto& [description, pattern] : texts::kOpenFilters)
        dialog.filters.append({QString::fromStdString(description), QString::fromStdString(pattern)});
    dialog.initialFolder = m_openFolder;
    const QString path = m_platform.openFileName(this, dialog);
    if (!path.isEmpty())
        OpenDocument(path);
}

void TfrmMain::actReloadExecute() {
    if (!m_document.isUntitled())
        OpenDocument(QString::fromStdString(m_document.fileName()));
}

void TfrmMain::openDroppedFile(const QString& path) {
    if (!path.isEmpty() && IsExistingFile(LocalPath(path)))
        OpenDocument(path);
    else
        m_platform.showMessage(this, FormatMessageQ(texts::kFileMissing, path));
}

// The desktop's plain-text editor gets the path as its one parameter, unquoted; the program
// does not wait for it and the file is opened as it is on disk.
void TfrmMain::OpenWithNotepad(const QString& path) {
    const QString editor = m_platform.textEditor();
    if (m_platform.startProgram(editor, {path}) == Platform::StartResult::NotFound)
        m_platform.showMessage(this, FormatMessageQ(texts::kProgramNotFound, editor));
}

void TfrmMain::actOpenWithNotepadExecute() { OpenWithNotepad(QString::fromStdString(m_document.fileName())); }

}  // namespace vq
