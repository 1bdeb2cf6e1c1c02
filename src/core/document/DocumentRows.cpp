// Row edits, and the target text they are mirrored into.
#include "core/document/Document.h"

#include <stdexcept>

namespace vq {

namespace {

// Copies the texts that point into the store, whose block may move while the others are added.
std::vector<std::string> CopiesOfStoredTexts(const TextStore& store, std::span<const std::string_view> texts,
                                             std::vector<std::string_view>& safe) {
    std::vector<std::string> copies;
    safe.assign(texts.begin(), texts.end());
    for (auto& text : safe)
        if (store.holds(text)) {
            copies.emplace_back(text);
            text = copies.back();
        }
    return copies;
}

}  // namespace

LineEntry Document::row(size_t i) const {
    LineEntry entry;
    const std::uint8_t flags = m_c->rows.flags(i);
    entry.caption = caption(i);
    entry.original = original(i);
    entry.id = rowId(i);
    entry.checked = flags & RowTable::kChecked;
    entry.record.edited = (flags & RowTable::kEdited) ? 1 : 0;
    entry.record.newLine = (flags & RowTable::kNewLine) ? 1 : 0;
    entry.record.node = m_c->rows.node(entry.id);
    return entry;
}

void Document::setCaption(size_t i, std::string_view text) {
    DocumentContent& c = *m_c;
    if (c.caption(i) == text)
        return;
    ChangeBatch batch(*this);
    noteRowBefore(i);
    RowTable& rows = c.rows;
    const RowId id = rows.id(i);
    const std::uint8_t flags = rows.flags(i);
    if (id < rows.loadedCount() && text == c.lines.text(id)) {
        releaseOwnText(i);  // back to the line as it was read
    } else {
        const TextId old = (flags & RowTable::kOwnText) ? rows.ownText(id) : kEmptyText;
        rows.setOwnText(id, c.store.replace(old, text));
        rows.setFlags(i, flags | RowTable::kOwnText);
    }
    noteRowAfter(i);
    markRowChanged(i);
    if (c.targetIsRows) {
        markLineReplaced(i);
        targetChanged();
    }
}

void Document::releaseOwnText(size_t i) {
    RowTable& rows = m_c->rows;
    const std::uint8_t flags = rows.flags(i);
    if (!(flags & RowTable::kOwnText))
        return;
    const RowId id = rows.id(i);
    m_c->store.release(rows.ownText(id));
    rows.setOwnText(id, kEmptyText);
    // An inserted row has no line to fall back to: its text stays its own, now empty.
    if (id < rows.loadedCount())
        rows.setFlags(i, flags & ~RowTable::kOwnText);
}

void Document::setChecked(size_t i, bool checked) {
    RowTable& rows = m_c->rows;
    const std::uint8_t flags = rows.flags(i);
    if (static_cast<bool>(flags & RowTable::kChecked) == checked)
        return;
    ChangeBatch batch(*this);
    noteRowBefore(i);
    rows.setFlags(i, flags ^ RowTable::kChecked);
    noteRowAfter(i);
    markRowChanged(i);
}

void Document::setEdited(size_t i, bool edited) {
    RowTable& rows = m_c->rows;
    const std::uint8_t flags = rows.flags(i);
    if (static_cast<bool>(flags & RowTable::kEdited) == edited)
        return;
    ChangeBatch batch(*this);
    noteRowBefore(i);
    rows.setFlags(i, flags ^ RowTable::kEdited);
    noteRowAfter(i);
    markRowChanged(i);
}

void Document::insertRows(size_t k, std::span<const NewRow> newRows) {
    if (newRows.empty())
        return;
    if (k > rowCount())
        throw std::out_of_range("insert position beyond the last row");
    ChangeBatch batch(*this);
    flushRowChanges();
    DocumentContent& c = *m_c;
    std::vector<std::string_view> texts;
    for (const NewRow& r : newRows)
        texts.push_back(r.text);
    std::vector<std::string_view> safe;
    const auto copies = CopiesOfStoredTexts(c.store, texts, safe);

    const Range range{k, newRows.size()};
    notify([&](DocumentListener& l) { l.rowsAboutToBeInserted(range); });
    const RowId first = c.rows.insert(k, newRows.size(), RowTable::kNewLine | RowTable::kOwnText);
    for (size_t j = 0; j < newRows.size(); ++j) {
        c.rows.setOwnText(first + static_cast<RowId>(j), c.store.add(safe[j]));
        if (newRows[j].checked)
            c.rows.setFlags(k + j, c.rows.flags(k + j) | RowTable::kChecked);
    }
    ++m_revision;
    if (m_record) {
        m_record->m_ops.push_back(
            ChangeRecord::Op{ChangeRecord::OpKind::Insert, m_record->m_runs.size(), 1, m_record->m_data.size()});
        m_record->m_runs.push_back(range);
        for (size_t j = 0; j < range.count; ++j)
            m_record->keepRow(c, k + j, kNoNode);
    }
    notify([&](DocumentListener& l) { l.rowsInserted(range); });
    if (c.targetIsRows) {
        notify([&](DocumentListener& l) { l.targetLinesInserted(range); });
        targetChanged();
    }
}

void Document::insertRow(size_t k, std::string_view text, bool checked) {
    const NewRow row{text, checked};
    insertRows(k, std::span<const NewRow>(&row, 1));
}

void Document::removeRows(std::span<const size_t> indexes) {
    std::vector<Range> runs;
    for (size_t k = 0; k < indexes.size(); ++k) {
        const size_t i = indexes[k];
        if (i >= rowCount() || (k > 0 && i <= indexes[k - 1]))
            throw std::invalid_argument("rows to remove must be ascending indexes of rows");
        if (!runs.empty() && runs.back().first + runs.back().count == i)
            ++runs.back().count;
        else
            runs.push_back(Range{i, 1});
    }
    removeRuns(runs);
}

void Document::deleteRow(size_t i) {
    const size_t one[] = {i};
    removeRows(one);
}

// Each run is announced, its rows let go of their texts and tree nodes, and then it is gone;
// the rows below move up once, in the same pass.
void Document::removeRuns(std::span<const Range> runs) {
    if (runs.empty())
        return;
    ChangeBatch batch(*this);
    flushRowChanges();
    if (runs.size() > 1)
        notify([&](DocumentListener& l) { l.rowRunsAhead(runs.size()); });
    DocumentContent& c = *m_c;
    const bool mirrored = c.targetIsRows;
    ++m_revision;
    if (m_record) {
        m_record->m_ops.push_back(ChangeRecord::Op{ChangeRecord::OpKind::Remove, m_record->m_runs.size(), runs.size(),
                                                   m_record->m_data.size()});
        m_record->m_runs.insert(m_record->m_runs.end(), runs.begin(), runs.end());
    }
    std::vector<NodeId> orphans;
    c.rows.remove(
        runs,
        [&](Range r) {
            notify([&](DocumentListener& l) { l.rowsAboutToBeRemoved(r); });
            orphans.clear();
            for (size_t i = r.first; i <= r.last(); ++i) {
                const RowId id = c.rows.id(i);
                if (m_record)
                    m_record->keepRow(c, i, c.rows.node(id));
                if (const NodeId node = c.rows.node(id); node != kNoNode) {
                    c.tree.clearRow(node);
                    c.rows.setNode(id, kNoNode);
                    orphans.push_back(node);
                }
                if (c.rows.flags(i) & RowTable::kOwnText) {
                    c.store.release(c.rows.ownText(id));
                    c.rows.setOwnText(id, kEmptyText);
                }
            }
            if (!orphans.empty())
                notify([&](DocumentListener& l) { l.treeNodesLostRows(orphans); });
        },
        [&](Range r) {
            notify([&](DocumentListener& l) { l.rowsRemoved(r); });
            if (mirrored)
                notify([&](DocumentListener& l) { l.targetLinesRemoved(r); });
        });
    if (mirrored)
        targetChanged();
}

// --- target text ---------------------------------------------------------------------------------

void Document::replaceTarget(std::span<const std::string_view> lines) {
    ChangeBatch batch(*this);
    flushRowChanges();
    noteTargetBefore();
    DocumentContent& c = *m_c;
    std::vector<std::string_view> safe;
    const auto copies = CopiesOfStoredTexts(c.store, lines, safe);
    std::vector<TargetLine> fresh;
    fresh.reserve(safe.size());
    for (std::string_view text : safe)
        fresh.push_back(TargetLine{c.store.add(text), true, c.lines.docBreak()});
    retireTargetLines();
    c.targetLines = std::move(fresh);
    c.targetIsRows = false;
    c.targetEndsWithBreak = true;
    notify([](DocumentListener& l) { l.targetReset(); });
    targetChanged();
    markStateChanged();
}

void Document::replaceTargetByRows(std::span<const size_t> rows) {
    ChangeBatch batch(*this);
    flushRowChanges();
    noteTargetBefore();
    DocumentContent& c = *m_c;
    std::vector<TargetLine> fresh;
    fresh.reserve(rows.size());
    for (size_t i : rows)
        fresh.push_back(c.targetLineOf(i));
    retireTargetLines();
    c.targetLines = std::move(fresh);
    c.targetIsRows = false;
    c.targetEndsWithBreak = true;
    notify([](DocumentListener& l) { l.targetReset(); });
    targetChanged();
    markStateChanged();
}

void Document::replaceTargetByAllRows() {
    ChangeBatch batch(*this);
    flushRowChanges();
    noteTargetBefore();
    DocumentContent& c = *m_c;
    retireTargetLines();
    c.targetIsRows = true;
    c.targetEndsWithBreak = true;
    notify([](DocumentListener& l) { l.targetReset(); });
    targetChanged();
    markStateChanged();
}

void Document::setTextMirrorsList(bool mirrors, std::string targetHint) {
    ChangeBatch batch(*this);
    if (mirrors != m_c->targetIsRows || (!targetHint.empty() && targetHint != m_targetHint)) {
        flushRowChanges();
        noteTargetBefore();
    }
    if (!targetHint.empty())
        m_targetHint = std::move(targetHint);
    markStateChanged();
    DocumentContent& c = *m_c;
    if (mirrors == c.targetIsRows)
        return;
    flushRowChanges();
    if (!mirrors) {
        // The text stays what it is, now in lines of its own that refer to the same bytes.
        std::vector<TargetLine> lines;
        lines.reserve(rowCount());
        for (size_t i = 0; i < rowCount(); ++i)
            lines.push_back(c.targetLineOf(i));
        c.targetLines = std::move(lines);
        c.targetIsRows = false;
        return;
    }
    bool same = c.targetLines.size() == rowCount();
    for (size_t i = 0; same && i < rowCount(); ++i)
        same = c.targetText(c.targetLines[i]) == c.caption(i) && c.targetLines[i].lineBreak == c.rowBreak(i);
    retireTargetLines();
    c.targetIsRows = true;
    if (!same) {
        notify([](DocumentListener& l) { l.targetReset(); });
        targetChanged();
    }
}

std::string Document::saveBytes() const { return target().bytes(hasBom() ? kUtf8Bom : std::string_view()); }

}  // namespace vq
