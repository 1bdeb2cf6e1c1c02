#pragma once

#include "core/Progress.h"
#include "core/document/Document.h"
#include "core/document/DocumentLoading.h"
#include "core/editing/UndoHistory.h"
#include "core/settings/AnalysisSettings.h"
#include "core/text/Utf16Text.h"
#include "ui/document/TextCodec.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>

namespace vq {

class LogModel;
class RowModel;
class TargetTextBinder;
class TargetTextView;
class TopicTreeModel;

// The open document and everything that presents it: the core document, the codec that reads its
// bytes, the item models of the rows, the tree and the log, and the binding of the target text
// view. Each member looks only into those declared before it, so they are taken down in the right
// order by construction. The views are the window's; they outlive the models, which they let go
// of when a model is destroyed.
class DocumentSession : public QObject {
    Q_OBJECT
public:
    DocumentSession();
    ~DocumentSession() override;

    Document& document() { return m_document; }
    const Document& document() const { return m_document; }
    const TextCodec& codec() const { return m_codec; }
    RowModel* rows() const { return m_rows.get(); }
    TopicTreeModel* tree() const { return m_tree.get(); }
    LogModel* log() const { return m_log.get(); }
    // The document's steps for undo and redo; a command becomes one by running inside an
    // UndoHistory::Step. New, open and reload start it anew.
    UndoHistory& history() { return m_history; }
    const UndoHistory& history() const { return m_history; }
    // How the document's file holds its text: as the bytes themselves, or as UTF-16.
    FileForm fileForm() const { return m_document.fileForm(); }

    // Shows the target text in this view from now on.
    void bindTargetText(TargetTextView* view);
    // Reads a legacy document in the code page of this font character set from now
    // on; true when that changed the code page, and the rows and the target text show again.
    bool setCharset(int charset);

    // --- the document's life ------------------------------------------------------------------
    // These are the steps of new, open and unload on the document, in one place.
    // An empty, unchanged document named "Untitled", mirroring the list, with an empty log.
    void startNew();
    // Opening a file, in one step: the document takes the loaded document's rows, target text,
    // tree and encoding (`loaded` gets the old ones, to be freed by the caller), the file's name,
    // form and what is known of it on disk, and the open's log entry in an emptied log; it ends
    // unchanged and mirroring. The views reset once.
    void takeLoaded(const std::string& path, LoadResult& loaded);
    // The same for a reload that gives up unsaved changes: the new history holds the reload as
    // its one step, so that the changes come back with an undo.
    void takeReloaded(const std::string& path, LoadResult& loaded);
    // Closing the file: the core's unload with its progress texts, and a history started anew.
    void unload(const Progress& progress);
    // The document was saved: its saved state is the one now.
    void markSaved();

    // The analysis pass under the signs the user typed, encoded for this document.
    bool analyse(const AnalysisSettings& typed, const Progress& progress, std::string* error);
    // Signs are the user's text (UTF-8); the document compares bytes in its own encoding
    // (SignsForDocument, the rule the command line follows too).
    AnalysisSettings settingsForDocument(const AnalysisSettings& typed) const;

signals:
    // FileName, Modified, the caption, mirroring or the target page's hint changed.
    void stateChanged();
    // The target text changed: once per command, however many lines it changed.
    void targetChanged();
    // A step was made, taken back or made again, or the history started anew.
    void historyChanged();

private:
    // Passes the document's notifications on as the session's signals, a command's target
    // changes as one.
    class Relay : public DocumentListener {
    public:
        explicit Relay(DocumentSession& session) : m_session(session) {}
        void changesBegin() override { m_inBatch = true; }
        void changesEnd() override;
        void stateChanged() override { emit m_session.stateChanged(); }
        void targetReset() override { targetChanged(); }
        void targetLinesReplaced(Range) override { targetChanged(); }
        void targetLinesInserted(Range) override { targetChanged(); }
        void targetLinesRemoved(Range) override { targetChanged(); }

    private:
        void targetChanged();

        DocumentSession& m_session;
        bool m_inBatch = false;
        bool m_targetChanged = false;
    };

    // The steps of an open on the document, with or without a step around them.
    void swapInLoaded(const std::string& path, LoadResult& loaded);

    Document m_document;
    UndoHistory m_history{m_document};
    TextCodec m_codec;
    std::unique_ptr<RowModel> m_rows;
    std::unique_ptr<TopicTreeModel> m_tree;
    std::unique_ptr<LogModel> m_log;
    std::unique_ptr<TargetTextBinder> m_textBinder;
    Relay m_relay{*this};
};

}  // namespace vq
