// New, save, save as and close: the life of the document as a whole.
#include "ui/files/FileController.h"

#include "core/document/DocumentLoading.h"
#include "core/files/FileErrorText.h"
#include "core/files/TextFile.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/TreeAndRows.h"
#include "ui/toolbox/FreedMemory.h"
#include "ui/toolbox/LoadIndicator.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/StatusMessages.h"
#include "ui/toolbox/UiTexts.h"
#include "ui/files/FileDialogTexts.h"
#include "ui/toolbox/ActionTexts.h"

#include <QFileInfo>
#include <QWidget>

namespace vq {

FileController::FileController(const Context& context) : m_context(context) {
    connect(&m_loader, &DocumentLoader::progressed, this,
            [this](const QString& text) { m_context.messages.show(text, true); });
    connect(&m_loader, &DocumentLoader::counted, &m_context.indicator, &LoadIndicator::setCount);
    connect(&m_loader, &DocumentLoader::finished, this, &FileController::loadFinished);
    connect(&m_context.indicator, &LoadIndicator::cancelRequested, this, &FileController::cancelLoading);
    watchDisk();
}

void FileController::bindActions(ActionTable& actions) {
    m_actions = &actions;
    actions.bind(Act::NewIniFile, this, &FileController::actNewIniFileExecute);
    actions.bind(Act::OpenIniFile, this, &FileController::actOpenIniFileExecute);
    actions.bind(Act::Reload, this, &FileController::actReloadExecute);
    actions.bind(Act::OpenWithNotepad, this, &FileController::actOpenWithNotepadExecute);
    actions.bind(Act::Save, this, &FileController::actSaveExecute);
    actions.bind(Act::SaveAs, this, &FileController::actSaveAsExecute);
    actions.bind(Act::Exit, this, &FileController::actExitExecute);
    // The rules read FileName, Modified and the target text.
    const auto request = [&actions] { actions.requestUpdate(); };
    connect(&m_context.session, &DocumentSession::stateChanged, &actions, request);
    connect(&m_context.session, &DocumentSession::targetChanged, &actions, request);
}

bool FileController::titled() const { return !m_context.session.document().isUntitled(); }

void FileController::updateActions(const ActionTable& actions) const {
    const Document& document = m_context.session.document();
    actions.setEnabled(Act::NewIniFile, true);
    actions.setEnabled(Act::OpenIniFile, true);
    actions.setEnabled(Act::Exit, true);
    actions.setEnabled(Act::Reload, titled());
    actions.setEnabled(Act::OpenWithNotepad, titled());
    // A file deleted or moved away can be written anew as it was.
    actions.setEnabled(Act::Save, document.modified() || (titled() && m_diskState == DiskState::Missing));
    actions.setEnabled(Act::SaveAs, !document.target().empty());
}

bool FileController::NewDocument() {
    abandonLoading();
    Document& document = m_context.session.document();
    document.setLoading(true);
    const bool ok = document.fileName().empty() || ConfirmAndUnload();
    if (ok)
        m_context.session.startNew();
    document.setLoading(false);
    return ok;
}

bool FileController::ConfirmAndUnload() {
    abandonLoading();
    if (!ConfirmChanges())
        return false;
    {
        const PaintPause pause = m_context.rows.pauseRowsAndTree();
        m_context.session.unload(m_context.messages.progress());
    }
    GiveFreedMemoryBackSoon(this);
    return true;
}

bool FileController::ConfirmChanges() {
    const Document& document = m_context.session.document();
    if (document.modified()) {
        switch (m_context.platform.confirm(m_context.window, QString::fromUtf8(texts::kConfirmTitle),
                                           QString::fromUtf8(texts::kSaveQuestion))) {
        case Platform::Answer::Yes:
            if (!SaveDocument(SaveMode::Save))
                return false;
            break;
        case Platform::Answer::No: break;
        default: return false;
        }
    }
    return true;
}

bool FileController::SaveDocument(SaveMode mode) {
    Document& document = m_context.session.document();
    bool result = false;
    if (mode == SaveMode::SaveAs || document.isUntitled())
        result = SaveDocumentAs();
    else
        result = saveOverFile();
    if (result) {
        document.showFileNameInCaption();
        document.setModified(false);
        m_context.session.markSaved();
    }
    return result;
}

bool FileController::SaveDocumentAs() {
    FileDialogSettings dialog;
    dialog.title = QString::fromUtf8(texts::kSaveDialogTitle);
    for (const auto& [description, pattern] : texts::kSaveFilters)
        dialog.filters.append({QString::fromStdString(description), QString::fromStdString(pattern)});
    dialog.defaultSuffix = QString::fromUtf8(texts::kSaveDefaultSuffix);
    // In the document's own folder; a new document's is the platform's choice.
    if (titled())
        dialog.initialFolder = QFileInfo(PathText(m_context.session.document().fileName())).absolutePath();
    dialog.confirmOverwrite = true;
    const QString chosen = m_context.platform.saveFileName(m_context.window, dialog);
    if (chosen.isEmpty())
        return false;
    const QString path = SaveAsPath(AbsolutePath(chosen), dialog.defaultSuffix);
    Document& document = m_context.session.document();
    const WriteResult written = WriteTextFile(LocalPath(path), document.saveBytes(), m_context.session.fileForm());
    if (!written.ok) {
        m_context.platform.showMessage(
            m_context.window, QString::fromStdString(SaveErrorMessage(ShownPath(path).toStdString(), written)));
        return false;
    }
    document.setFileName(LocalPath(path));
    saved(written);
    return true;
}

void FileController::actNewIniFileExecute() { NewDocument(); }
void FileController::actSaveExecute() { SaveDocument(SaveMode::Save); }
void FileController::actSaveAsExecute() { SaveDocument(SaveMode::SaveAs); }
void FileController::actExitExecute() { m_context.window->close(); }

}  // namespace vq
