#pragma once

// Undo and redo (actions actUndo and actRedo): every command that changes rows, the tree or the
// target text is one step of the document's history.

#include "core/document/ChangeRecord.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

class Document;

// The steps of one document, from the open (or New, or a reload) on. A step keeps only what its
// command changed (ChangeRecord), so taking it back or making it again costs what the command
// cost. Undo and redo are operations like any other: they change the rows through the document,
// so the views follow, and they write their own entries to the log. The history knows which step
// the document was saved or loaded at: undoing or redoing to it leaves the document unmodified.
//
// A command becomes a step by running inside a Step:
//
//     { UndoHistory::Step step(history, texts::kCapRemLine); CommentRows(doc, signs, rows); }
//
// A step that changed nothing is not kept. A new step drops the steps that were taken back. The
// history keeps at most `limits.steps` steps and `limits.bytes` bytes, dropping the oldest first,
// but always the newest step. A change of the document made outside any step would leave the
// steps without their footing: the history then starts anew.
class UndoHistory {
public:
    struct Limits {
        size_t steps;
        size_t bytes;
    };
    static constexpr Limits kLimits{1000, size_t{64} << 20};

    explicit UndoHistory(Document& doc, Limits limits = kLimits);
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Records the changes made while it lives as one step named after the command's caption.
    // A step inside another is part of the outer one.
    class Step {
    public:
        Step(UndoHistory& history, std::string_view caption);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        UndoHistory* m_history = nullptr;  // Not owned; empty inside another step.
        ChangeRecord m_record;
        std::string m_name;
        std::uint64_t m_start = 0;
    };

    bool canUndo() const;
    bool canRedo() const;
    // The menu captions: "撤销 注释选定行" names the step; "撤销" alone when there is none.
    std::string undoCaption() const;
    std::string redoCaption() const;

    // What an undo or redo did: the rows it logged and the first of them, to show.
    struct Outcome {
        size_t rows = 0;
        std::optional<size_t> firstRow;
    };
    // Takes the last step back, or makes the last step taken back again, and logs the rows it
    // touched ("撤销 …" or "重做 …" as the word; with more or fewer than one row framed by markers
    // around "<<共撤销了 n 行>>"). Nothing when there is no such step.
    Outcome undo();
    Outcome redo();

    // A new history: no steps; the document's state now is its saved state unless it is
    // modified.
    void clear();
    // The document was saved: this is its saved state.
    void markSaved();
    // Called after every change of the steps or of the position among them.
    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }

    size_t undoCount() const { return canUndo() ? m_done : 0; }
    size_t redoCount() const { return canRedo() ? m_steps.size() - m_done : 0; }
    size_t memoryBytes() const { return m_bytes; }
    const Limits& limits() const { return m_limits; }

    // The step a command's caption names: without its accelerator and trailing dots.
    static std::string StepName(std::string_view caption);

private:
    struct Entry {
        std::string name;
        ChangeRecord record;
        size_t bytes = 0;
    };
    bool current() const;
    // Starts anew when the document changed outside the steps.
    void sync();
    void commit(std::string name, ChangeRecord&& record, std::uint64_t start);
    void dropRedo();
    void trim();
    bool modifiedAt(size_t position) const;
    Outcome logTouched(const std::string& word, const char* summary, RowsTouched& touched);
    void remeasure(Entry& step);
    void changed();

    Document& m_doc;  // Not owned.
    Limits m_limits;
    std::deque<Entry> m_steps;
    size_t m_done = 0;                  // steps in effect: the first m_done of m_steps
    std::optional<size_t> m_saved = 0;  // the position of the saved state; none once dropped
    size_t m_bytes = 0;
    std::uint64_t m_revision = 0;  // the document's when the history last saw it
    bool m_inStep = false;
    std::function<void()> m_onChange;
};

}  // namespace vq
