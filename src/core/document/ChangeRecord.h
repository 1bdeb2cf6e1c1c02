#pragma once

#include "core/document/ChunkedArray.h"
#include "core/document/DocumentContent.h"
#include "core/document/DocumentListener.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vq {

// The rows an undo or redo touched, for its log entries: rows that are there afterwards (by id,
// since the same pass may move them), and rows it took away with what they held.
struct RowsTouched {
    struct Gone {
        size_t index = 0;  // where the row was when it went
        RowId id = kNoRow;
        TextId text = kEmptyText;  // kept alive by the record
        std::uint8_t flags = 0;
    };
    std::vector<RowId> present;
    std::vector<Gone> gone;
    bool wholeDocument = false;  // another file's content came back (a reload taken back)
};

// What one command changed in a document, in the order it changed it, so that Document::undo()
// can take it back and Document::redo() make it again. Only what changed is kept: for a row its
// flags and its text before and after (references into the text store, or "its line as read");
// for inserted and removed rows their ids, flags, texts and tree nodes at their places; for the
// target text, the tree and a reloaded file the state that was replaced, swapped back and forth.
// The record holds a reference to every text it names, so the texts stay while it lives; the
// document lets them go when the record is dropped (Document::discard).
class ChangeRecord {
public:
    ChangeRecord();
    ~ChangeRecord();
    ChangeRecord(ChangeRecord&&) noexcept;
    ChangeRecord& operator=(ChangeRecord&&) noexcept;
    ChangeRecord(const ChangeRecord&) = delete;
    ChangeRecord& operator=(const ChangeRecord&) = delete;

    bool empty() const { return m_ops.empty(); }
    // True when the change reached the text Save writes.
    bool changesTarget() const { return m_changesTarget; }
    // Heap bytes the record holds, the texts it alone may keep alive counted in.
    size_t memoryBytes() const;

private:
    friend class Document;

    enum class OpKind : std::uint8_t { Rows, Insert, Remove, Target, Tree, Content };
    // One change: Rows names m_rows[first, first + count); Insert and Remove name the runs
    // m_runs[first, first + count) and their rows from m_data[data]; the swaps name their state.
    struct Op {
        OpKind kind;
        size_t first;
        size_t count;
        size_t data;
    };
    // A row's text and flags before and after; the text is an id of the store when the flags
    // hold RowTable::kOwnText, else the row's line as read.
    struct RowState {
        std::uint32_t index;
        TextId before;
        TextId after;
        std::uint8_t flagsBefore;
        std::uint8_t flagsAfter;
    };
    // A whole row, as inserted or as removed.
    struct RowData {
        RowId id;
        TextId text;
        NodeId node;
        std::uint8_t flags;
    };
    // The target text as it was. `lines` holds its lines only when the change replaced them
    // (`linesKept`); a change of the hint alone leaves them where they are.
    struct TargetState {
        bool isRows = true;
        bool endsWithBreak = true;
        bool linesKept = false;
        std::vector<TargetLine> lines;
        std::string hint;
    };
    struct TreeState {
        TopicTree tree;
        ChunkedArray<NodeId> nodeOfId;
    };

    // Noted by the document around each change of a row's text or flags.
    void rowBefore(DocumentContent& c, size_t i);
    void rowAfter(DocumentContent& c, size_t i);
    // A row about to be removed, or just inserted, at index i.
    void keepRow(DocumentContent& c, size_t i, NodeId node);
    void keep(TextStore& store, TextId text);
    // Shrinks what grew while the command ran.
    void seal();

    std::vector<Op> m_ops;
    std::vector<RowState> m_rows;
    std::vector<RowData> m_data;
    std::vector<Range> m_runs;
    std::vector<TargetState> m_targets;
    std::vector<TreeState> m_trees;
    std::unique_ptr<DocumentContent> m_content;  // the other file's content of a reload
    std::uint64_t m_owner = 0;                   // the content whose store holds the texts named
    bool m_changesTarget = false;
    size_t m_textBytes = 0;
};

}  // namespace vq
