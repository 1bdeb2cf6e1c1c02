#pragma once

#include "app/ActionTable.h"

#include <QObject>
#include <QString>

class QWidget;

namespace vq {

class DocumentSession;
class Platform;
class RecentFiles;
class StatusMessages;
class TreeAndRows;

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
        QWidget* window;  // the dialogs' parent; Exit closes it
    };
    explicit FileController(const Context& context);

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

    // Document life (new, save, close)
    bool NewDocument();
    bool ConfirmAndUnload();
    bool SaveDocument(SaveMode mode);
    bool SaveDocumentAs();

    // File loading
    void OpenDocument(const QString& path);
    void OpenWithNotepad(const QString& path);
    void openDroppedFile(const QString& path);
    // The open dialog starts in this folder from now on.
    void setOpenFolder(const QString& folder) { m_openFolder = folder; }

public slots:
    void actNewIniFileExecute();
    void actOpenIniFileExecute();
    void actReloadExecute();
    void actOpenWithNotepadExecute();
    void actSaveExecute();
    void actSaveAsExecute();
    void actExitExecute();

private:
    // Fills the views from the file; false when it could not be read.
    bool LoadDocument(const QString& path);
    bool titled() const;

    Context m_context;  // Not owned, all of it.
    QString m_openFolder;  // the open dialog's initial folder; empty: the platform's choice
};

}  // namespace vq
