#include "core/editing/UndoHistory.h"

#include "core/document/DocumentTexts.h"
#include "core/editing/EditingTexts.h"
#include "core/document/Document.h"

#include <algorithm>
#include <vector>

namespace vq {

UndoHistory::UndoHistory(Document& doc, Limits limits) : m_doc(doc), m_limits(limits), m_revision(doc.revision()) {
    m_saved = doc.modified() ? std::nullopt : std::optional<size_t>(0);
}

UndoHistory::~UndoHistory() {
    for (Entry& step : m_steps)
        m_doc.discard(step.record);
}

std::string UndoHistory::StepName(std::string_view caption) {
    std::string name(caption);
    if (const size_t open = name.find("(&"); open != std::string::npos) {
        const size_t close = name.find(')', open);
        if (close != std::string::npos)
            name.erase(open, close - open + 1);
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name;
}

// --- steps -------------------------------------------------------------------------------------------

UndoHistory::Step::Step(UndoHistory& history, std::string_view caption) {
    if (history.m_inStep)
        return;
    history.sync();
    m_history = &history;
    m_name = StepName(caption);
    m_start = history.m_doc.revision();
    history.m_inStep = true;
    history.m_doc.startRecording(m_record);
}

UndoHistory::Step::~Step() {
    if (!m_history)
        return;
    m_history->m_doc.stopRecording();
    m_history->m_inStep = false;
    try {
        m_history->commit(std::move(m_name), std::move(m_record), m_start);
    } catch (...) {
        // Without memory to keep the step the others lose their footing too.
        m_history->m_doc.discard(m_record);
        m_history->clear();
    }
}

void UndoHistory::commit(std::string name, ChangeRecord&& record, std::uint64_t start) {
    if (record.empty()) {
        // Nothing changed: the steps taken back can still be made again.
        if (m_doc.revision() != start)
            clear();
        return;
    }
    dropRedo();
    const size_t bytes = record.memoryBytes();
    m_steps.push_back(Entry{std::move(name), std::move(record), bytes});
    m_bytes += bytes;
    ++m_done;
    trim();
    m_revision = m_doc.revision();
    changed();
}

void UndoHistory::dropRedo() {
    while (m_steps.size() > m_done) {
        m_bytes -= m_steps.back().bytes;
        m_doc.discard(m_steps.back().record);
        m_steps.pop_back();
    }
    if (m_saved && *m_saved > m_done)
        m_saved.reset();
}

void UndoHistory::trim() {
    while (m_steps.size() > 1 && (m_steps.size() > m_limits.steps || m_bytes > m_limits.bytes)) {
        m_bytes -= m_steps.front().bytes;
        m_doc.discard(m_steps.front().record);
        m_steps.pop_front();
        --m_done;
        if (m_saved && *m_saved == 0)
            m_saved.reset();
        else if (m_saved)
            --*m_saved;
    }
}

void UndoHistory::clear() {
    for (Entry& step : m_steps)
        m_doc.discard(step.record);
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
    m_saved = m_doc.modified() ? std::nullopt : std::optional<size_t>(0);
    m_revision = m_doc.revision();
    changed();
}

void UndoHistory::markSaved() {
    sync();
    m_saved = m_done;
    changed();
}

bool UndoHistory::current() const { return !m_inStep && m_doc.revision() == m_revision; }

void UndoHistory::sync() {
    if (m_doc.revision() != m_revision)
        clear();
}

bool UndoHistory::canUndo() const { return current() && m_done > 0; }
bool UndoHistory::canRedo() const { return current() && m_done < m_steps.size(); }

std::string UndoHistory::undoCaption() const {
    return canUndo() ? FormatMessage(texts::kUndoStep, {m_steps[m_done - 1].name}) : std::string(texts::kCapUndo);
}

std::string UndoHistory::redoCaption() const {
    return canRedo() ? FormatMessage(texts::kRedoStep, {m_steps[m_done].name}) : std::string(texts::kCapRedo);
}

// Between the saved state and this one, did a step change what Save writes?
bool UndoHistory::modifiedAt(size_t position) const {
    if (!m_saved)
        return true;
    const size_t from = std::min(position, *m_saved);
    const size_t to = std::max(position, *m_saved);
    for (size_t k = from; k < to; ++k)
        if (m_steps[k].record.changesTarget())
            return true;
    return false;
}

// --- undo and redo --------------------------------------------------------------------------------------

UndoHistory::Outcome UndoHistory::undo() {
    sync();
    if (!canUndo())
        return {};
    Entry& step = m_steps[m_done - 1];
    Document::ChangeBatch batch(m_doc);
    RowsTouched touched;
    m_doc.undo(step.record, touched);
    --m_done;
    const Outcome outcome = logTouched(FormatMessage(texts::kUndoStep, {step.name}), texts::kUndoSummary, touched);
    remeasure(step);
    m_doc.showModified(modifiedAt(m_done));
    m_revision = m_doc.revision();
    changed();
    return outcome;
}

UndoHistory::Outcome UndoHistory::redo() {
    sync();
    if (!canRedo())
        return {};
    Entry& step = m_steps[m_done];
    Document::ChangeBatch batch(m_doc);
    RowsTouched touched;
    m_doc.redo(step.record, touched);
    ++m_done;
    const Outcome outcome = logTouched(FormatMessage(texts::kRedoStep, {step.name}), texts::kRedoSummary, touched);
    remeasure(step);
    m_doc.showModified(modifiedAt(m_done));
    m_revision = m_doc.revision();
    changed();
    return outcome;
}

// The rows in ascending order, each once: those there now with their text now, those taken away
// with "<<删除>>" before the text they had, at the place they had.
UndoHistory::Outcome UndoHistory::logTouched(const std::string& word, const char* summary, RowsTouched& touched) {
    struct Logged {
        size_t index;
        const RowsTouched::Gone* gone;
    };
    std::vector<Logged> rows;
    std::sort(touched.present.begin(), touched.present.end());
    touched.present.erase(std::unique(touched.present.begin(), touched.present.end()), touched.present.end());
    rows.reserve(touched.present.size() + touched.gone.size());
    for (const RowId id : touched.present)
        if (const auto index = m_doc.indexOf(id))
            rows.push_back(Logged{*index, nullptr});
    for (const RowsTouched::Gone& gone : touched.gone)
        rows.push_back(Logged{gone.index, &gone});
    std::stable_sort(rows.begin(), rows.end(), [](const Logged& a, const Logged& b) { return a.index < b.index; });

    const size_t count = touched.wholeDocument ? m_doc.rowCount() : rows.size();
    const bool framed = touched.wholeDocument || rows.size() != 1;
    if (framed)
        m_doc.addLogEntry(kLogMarker, word, texts::kOpStart, {});
    for (const Logged& row : rows) {
        const int number = static_cast<int>(row.index);
        if (row.gone)
            m_doc.addLogEntry(number, word, texts::kRemovedNewRowMark, m_doc.captionOf(*row.gone));
        else
            m_doc.addLogEntry(number, word, m_doc.caption(row.index));
    }
    if (framed) {
        m_doc.addLogEntry(kLogSummary, FormatMessage(summary, {count}), {});
        m_doc.addLogEntry(kLogMarker, word, texts::kOpEnd, {});
    }
    Outcome outcome;
    outcome.rows = count;
    if (!rows.empty() && m_doc.rowCount() > 0)
        outcome.firstRow = std::min(rows.front().index, m_doc.rowCount() - 1);
    return outcome;
}

// A step taken back holds the tree or target text it replaced, and the other way round.
void UndoHistory::remeasure(Entry& step) {
    m_bytes -= step.bytes;
    step.bytes = step.record.memoryBytes();
    m_bytes += step.bytes;
}

void UndoHistory::changed() {
    if (m_onChange)
        m_onChange();
}

}  // namespace vq
