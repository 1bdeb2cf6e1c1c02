#pragma once

#include "core/Progress.h"
#include "core/document/ChangeRecord.h"
#include "core/document/DocumentContent.h"
#include "core/document/DocumentListener.h"
#include "core/document/LineEntry.h"
#include "core/document/OperationLog.h"
#include "core/document/TargetText.h"
#include "core/document/TopicTree.h"
#include "core/files/KnownFile.h"
#include "core/text/ByteBuffer.h"

#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// A row to insert: its text and whether it starts checked.
struct NewRow {
    std::string_view text;
    bool checked = false;
};

// The open document: its rows, the target text that Save writes, the topic tree, the operation
// log, and the state the window caption shows. The views follow it through DocumentListener;
// they hold no copy of their own.
//
// Storage. The file's bytes stay in one buffer and a row read from the file reads its text
// there; a row keeps a text of its own only once it is edited or inserted (copy on edit), and
// texts that nobody uses any more are reclaimed. While TextMirrorsList holds, the target text is
// the rows themselves (line i is row i's caption), so mirroring costs nothing; an extraction
// gives the target text lines of its own.
//
// Views. Every string_view this class hands out (captions, line texts, node texts, log texts) is
// valid until the document's next change; copy what must live longer.
//
// Changes and notifications. Each call below notifies the listeners before it returns, in ranges.
// A command that changes many rows opens a ChangeBatch first: then the changed rows are coalesced
// into contiguous ranges, its log entries go out in one logAppended() and its state in one
// stateChanged(), all when the batch closes; inserts and removals go out as they happen (after
// the changed rows noted so far, so every index is valid when it arrives). For example, comment
// the selected rows:
//
//     Document::ChangeBatch batch(doc);
//     doc.addLogEntry(kLogMarker, caption, texts::kOpStart, {});      // only with several rows
//     for (size_t i : selected) {                                      // ascending
//         if (!IsCommentLine(s, doc.caption(i))) {
//             const std::string old(doc.caption(i));
//             doc.setCaption(i, s.remSign + old);
//             doc.setEdited(i, true);
//             doc.addLogEntry(static_cast<int>(i), caption, old);
//         }
//         doc.setChecked(i, false);
//     }
//     // ... summary and end marker
//
// Delete the selected rows: read what the log needs, then removeRows(selected) once; it removes
// them in one pass over the rows and notifies each contiguous run. Insert lines at k:
// insertRows(k, rows) once. A dialog edit of rows start..end: removeRows() of the surplus rows,
// insertRows() of the missing ones, then setCaption()/setChecked()/setEdited() per row, all in
// one batch. Restore: setCaption(i, original(i)) gives the row its line back (and frees its own
// text); new rows go with removeRows(). Restore all in one batch: set the edited rows back first
// (indexes do not move), then removeRows() the new rows once; a row's position after the
// removal is its position before less the removed rows above it.
//
// Threads: a Document belongs to one thread. A load on another thread makes a Document of its
// own (DocumentLoading.h), whose content the owner then takes over with takeContentFrom().
//
// Mirroring, Modified and Loading: while TextMirrorsList holds, every caption change, insert and
// removal is a change of the target text too (targetLines* notifications with the same ranges),
// and a change of the target text marks the document Modified unless Loading is set.
class Document {
public:
    Document();
    // A document over content made elsewhere (DocumentLoading.h).
    explicit Document(std::unique_ptr<DocumentContent> content);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    void addListener(DocumentListener* listener) { m_listeners.push_back(listener); }  // Not owned.
    void removeListener(DocumentListener* listener);

    // Collects the notifications of one command until it goes out of scope. Batches nest; the
    // outermost one sends them.
    class ChangeBatch {
    public:
        explicit ChangeBatch(Document& doc) : m_doc(doc) { m_doc.beginChanges(); }
        ~ChangeBatch() { m_doc.endChanges(); }
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

    private:
        Document& m_doc;
    };
    void beginChanges();
    void endChanges();

    // --- rows -------------------------------------------------------------------------------
    size_t rowCount() const { return m_c->rows.size(); }
    // Everything about one row at once; the single accessors below are cheaper.
    LineEntry row(size_t i) const;
    std::string_view caption(size_t i) const { return m_c->caption(i); }
    // The text at load; empty for an inserted row.
    std::string_view original(size_t i) const { return m_c->original(i); }
    bool checked(size_t i) const { return m_c->rows.flags(i) & RowTable::kChecked; }
    bool edited(size_t i) const { return m_c->rows.flags(i) & RowTable::kEdited; }
    bool isNewRow(size_t i) const { return m_c->rows.flags(i) & RowTable::kNewLine; }
    // True while the row's caption is its line as read (no text of its own).
    bool captionIsLine(size_t i) const { return !(m_c->rows.flags(i) & RowTable::kOwnText); }
    RowId rowId(size_t i) const { return m_c->rows.id(i); }
    NodeId nodeOfRow(size_t i) const { return m_c->rows.node(m_c->rows.id(i)); }
    std::optional<size_t> indexOf(RowId id) const { return m_c->rows.indexOf(id); }

    // Sets a row's current text; mirrored. Setting a row read from the file back to its line
    // frees the text it was given. The text may be a view into this document.
    void setCaption(size_t i, std::string_view text);
    void setChecked(size_t i, bool checked);
    void setEdited(size_t i, bool edited);
    // Inserts rows the user made (New-line flag set, no text at load) at index k, in order, with
    // one notification for the run; mirrored with the document's line break.
    void insertRows(size_t k, std::span<const NewRow> rows);
    void insertRow(size_t k, std::string_view text, bool checked = false);
    // Removes the rows with these indexes (ascending, no repeats) in one pass; mirrored. Each
    // contiguous run is notified once, from the top down, with the indexes of that moment. Tree
    // nodes of removed rows keep their place and lose their row reference.
    void removeRows(std::span<const size_t> indexes);
    void deleteRow(size_t i);

    // --- target text ------------------------------------------------------------------------
    TargetText target() const { return TargetText(*m_c); }
    // Gives the target text these lines (each with the document's break, the last one too) and
    // ends the mirroring. The texts may be views into this document.
    void replaceTarget(std::span<const std::string_view> lines);
    void replaceTarget(std::initializer_list<std::string_view> lines) {
        replaceTarget(std::span<const std::string_view>(lines.begin(), lines.size()));
    }
    // As replaceTarget, with the current captions of these rows, each written with the row's
    // own break; no text is copied.
    void replaceTargetByRows(std::span<const size_t> rows);
    // Makes the target text the rows' text again (mirroring), each line written with its row's
    // break and the last one too. A change of the target text even when it reads the same, as
    // refilling it is.
    void replaceTargetByAllRows();
    // The bytes Save writes: the kept byte-order mark, then the target text.
    std::string saveBytes() const;
    // How the file holds its text; Save writes it back the same way. Part of the content, so a
    // reload that is taken back brings the old file's form back too.
    FileForm fileForm() const { return m_c->form; }
    void setFileForm(FileForm form) { m_c->form = form; }

    // --- loading and unloading --------------------------------------------------------------
    // Replaces rows, target text and tree with one row per line of these bytes (no analysis:
    // every row unchecked, no tree), mirroring. Progress texts as the content list loads; on a
    // failure nothing changes. See DocumentLoading.h for the open with analysis.
    void load(ByteBuffer bytes, const Progress& progress);
    void load(std::string_view bytes, const Progress& progress) { load(ByteBuffer::copyOf(bytes), progress); }
    void load(std::string&& bytes, const Progress& progress) { load(ByteBuffer::adopt(std::move(bytes)), progress); }
    // Takes over another document's rows, target text, tree and encoding in one step (a load
    // made on a worker thread); `from` gets the old ones, to be destroyed wherever suits. The
    // log, FileName, Modified and the caption stay.
    void takeContentFrom(Document& from);
    // Empties target text, rows and tree.
    void clearViews();

    // --- topic tree --------------------------------------------------------------------------
    const TopicTree& tree() const { return m_c->tree; }
    // The analysis pass rebuilds the tree between these two calls; rows are reported changed once.
    TopicTree& beginTreeRebuild();
    void setRowAnalysis(size_t i, bool checked, NodeId node);
    void setRowNode(size_t i, NodeId node) { m_c->rows.setNode(m_c->rows.id(i), node); }
    void endTreeRebuild();

    // --- operation log ------------------------------------------------------------------------
    const OperationLog& log() const { return m_log; }
    void addLogEntry(int row, std::string_view word, std::string_view text) { addLogEntry(row, word, {}, text); }
    // With a mark of the program's own (UTF-8) before the document's text, as "<<操作开始>>".
    void addLogEntry(int row, std::string_view word, std::string_view note, std::string_view text);
    void clearLog();

    // --- document state ---------------------------------------------------------------------
    // FileName: the bytes of the document's path, or "Untitled" while it has none. Whether the
    // document has a file is its own state, not a comparison of names: a file may well be named
    // "Untitled".
    const std::string& fileName() const { return m_fileName; }
    // The document now has this file.
    void setFileName(std::string name);
    // The document has no file; FileName reads "Untitled", and nothing is known of a file.
    void setUntitled();
    // What the document knows of its file on disk as it read or last wrote it (KnownFile.h),
    // to tell a change someone else made.
    const KnownFile& diskFile() const { return m_diskFile; }
    void setDiskFile(KnownFile file);
    bool modified() const { return m_modified; }
    void setModified(bool modified);
    bool loading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }
    bool textMirrorsList() const { return m_c->targetIsRows; }
    // Turning the mirroring off keeps the target text as it is; turning it on makes the target
    // text the rows' text again (a change of the text when it differed). An empty hint keeps the
    // current one.
    void setTextMirrorsList(bool mirrors, std::string targetHint);
    const std::string& targetHint() const { return m_targetHint; }
    const std::string& windowCaption() const { return m_caption; }
    // "Varnoquil-" + FileName, or "Varnoquil" alone when `named` is false.
    void showFileNameInCaption(bool named = true);
    // True from the start until a file is named, and again after setUntitled().
    bool isUntitled() const { return m_untitled; }
    TextEncoding encoding() const { return m_c->encoding; }
    bool hasBom() const { return m_c->lines.hasBom(); }

    // --- undo and redo (DocumentUndo.cpp) --------------------------------------------------------
    // While a record is set, every change of rows, target text, tree and content is noted in it
    // as it happens (a content taken over must be the record's first change). Not owned.
    void startRecording(ChangeRecord& record);
    void stopRecording();
    bool recording() const { return m_record != nullptr; }
    // Takes back what the record noted, last change first, and notes in `touched` the rows it
    // touched; redo() makes the changes again, first change first. Undo and redo alternate,
    // each from the state the other left. One change batch each.
    void undo(ChangeRecord& record, RowsTouched& touched);
    void redo(ChangeRecord& record, RowsTouched& touched);
    // Lets go of the texts a record keeps, whether its changes are in the document now or taken
    // back. The record is empty afterwards.
    void discard(ChangeRecord& record);
    // The caption of a row an undo or redo took away.
    std::string_view captionOf(const RowsTouched::Gone& row) const;
    // Counts every change of rows, target text, tree and content, recorded or not.
    std::uint64_t revision() const { return m_revision; }
    // Modified and the caption's mark, set as a step taken back or made again leaves them.
    void showModified(bool modified);

    // Heap bytes held by rows, lines, texts, tree and log, for measurements.
    size_t memoryBytes() const { return m_c->memoryBytes() + m_log.memoryBytes(); }

private:
    template <typename F>
    void notify(F&& f) {
        if (m_batchDepth > 0 && !m_batchAnnounced) {
            m_batchAnnounced = true;
            for (auto* l : m_listeners)
                l->changesBegin();
        }
        for (auto* l : m_listeners)
            f(*l);
    }
    void targetChanged();
    void markRowChanged(size_t i) { m_changedRows.push_back(static_cast<std::uint32_t>(i)); }
    void markLineReplaced(size_t i) { m_replacedLines.push_back(static_cast<std::uint32_t>(i)); }
    void markStateChanged() { m_stateChanged = true; }
    // Sends the changed rows and replaced lines noted so far.
    void flushRowChanges();
    void dropRowChanges();
    void releaseOwnText(size_t i);
    void swapContent(std::unique_ptr<DocumentContent>& content);
    void removeRuns(std::span<const Range> runs);
    // Recording: each change of a row's text or flags lies between these two.
    void noteRowBefore(size_t i) {
        ++m_revision;
        if (m_record)
            m_record->rowBefore(*m_c, i);
    }
    void noteRowAfter(size_t i) {
        if (m_record)
            m_record->rowAfter(*m_c, i);
    }
    // Before the target text's lines, mirroring or hint change.
    void noteTargetBefore();
    // The target text's old lines go: into the record, or released.
    void retireTargetLines();
    // Undo and redo.
    void applyOp(ChangeRecord& record, const ChangeRecord::Op& op, bool forward, RowsTouched& touched);
    void setRowState(size_t i, TextId text, std::uint8_t flags);
    void reinsertRows(std::span<const Range> runs, std::span<const ChangeRecord::RowData> rows);
    void swapTarget(ChangeRecord::TargetState& state);
    void swapTree(ChangeRecord::TreeState& state);

    std::vector<DocumentListener*> m_listeners;
    std::unique_ptr<DocumentContent> m_c;
    OperationLog m_log;

    int m_batchDepth = 0;
    bool m_batchAnnounced = false;
    std::vector<std::uint32_t> m_changedRows;
    std::vector<std::uint32_t> m_replacedLines;
    size_t m_logPendingFrom = SIZE_MAX;
    bool m_stateChanged = false;

    std::string m_fileName;
    std::string m_caption;
    std::string m_targetHint;
    KnownFile m_diskFile;
    bool m_untitled = true;
    bool m_modified = false;
    bool m_loading = false;

    ChangeRecord* m_record = nullptr;  // Not owned.
    std::uint64_t m_revision = 0;
};

}  // namespace vq
