// New, save, save as and close: the life of the document as a whole.
#include "app/TfrmMain.h"
#include "app/LocalPath.h"
#include "app/UiTexts.h"
#include "files/FileErrorText.h"
#include "files/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTreeView>

namespace vq {

bool TfrmMain::NewDocument() {
    m_document.setLoading(true);
    const bool ok = m_document.fileName().empty() || ConfirmAndUnload();
    if (ok) {
        m_document.setFileName(texts::kUntitled);
        m_document.showFileNameInCaption();
        m_document.setTextMirrorsList(true, texts::kTextMirrorsList);
        m_document.clearLog();
        m_fileForm = FileForm::Bytes;
    }
    m_document.setLoading(false);
    return ok;
}

bool TfrmMain::ConfirmAndUnload() {
    if (m_document.modified()) {
        switch (m_platform.confirm(this, QString::fromUtf8(texts::kConfirmTitle), QString::fromUtf8(texts::kSaveQuestion))) {
        case Platform::Answer::Yes:
            if (!SaveDocument(0))
                return false;
            break;
        case Platform::Answer::No:
            break;
        default:
            return false;
        }
    }
    if (m_document.rowCount() > 2000)
        showMessage(QString::fromUtf8(texts::kUnloading), true);
    m_lvContent->setUpdatesEnabled(false);
    m_tvTopic->setUpdatesEnabled(false);
    m_document.clearViews();
    m_lvContent->setUpdatesEnabled(true);
    m_tvTopic->setUpdatesEnabled(true);
    showMessage(QString::fromUtf8(texts::kDone));
    m_document.setModified(false);
    m_document.setFileName(texts::kUntitled);
    m_document.showFileNameInCaption(false);
    return true;
}

bool TfrmMain::SaveDocument(int mode) {
    bool result = false;
    if (mode == 1 || (mode == 0 && m_document.isUntitled())) {
        result = SaveDocumentAs();
    } else if (mode == 0) {
        const WriteResult written = WriteTextFile(m_document.fileName(), m_document.saveBytes(), m_fileForm);
        result = written.ok;
        if (!result)
            m_platform.showMessage(this, QString::fromStdString(SaveErrorMessage(m_document.fileName(), written)));
    }
    if (result) {
        m_document.showFileNameInCaption();
        m_document.setModified(false);
    }
    return result;
}

bool TfrmMain::SaveDocumentAs() {
    FileDialogSettings dialog;
    dialog.title = QString::fromUtf8(texts::kSaveDialogTitle);
    for (const auto& [description, pattern] : texts::kSaveFilters)
        dialog.filters.append({QString::fromStdString(description), QString::fromStdString(pattern)});
    dialog.defaultSuffix = QString::fromUtf8(texts::kSaveDefaultSuffix);
    dialog.initialFolder = QDir::homePath();
    dialog.confirmOverwrite = true;
    const QString path = m_platform.saveFileName(this, dialog);
    if (path.isEmpty())
        return false;
    const WriteResult written = WriteTextFile(LocalPath(path), m_document.saveBytes(), m_fileForm);
    if (!written.ok) {
        m_platform.showMessage(this, QString::fromStdString(SaveErrorMessage(path.toStdString(), written)));
        return false;
    }
    m_document.setFileName(path.toStdString());
    return true;
}

void TfrmMain::actNewIniFileExecute() { NewDocument(); }
void TfrmMain::actSaveExecute() { SaveDocument(0); }
void TfrmMain::actSaveAsExecute() { SaveDocument(1); }
void TfrmMain::actExitExecute() { close(); }

}  // namespace vq
