// Recording a command's changes, and taking them back and making them again.
#include "core/document/Document.h"
#include "core/document/DocumentTexts.h"

#include <stdexcept>

namespace vq {

void Document::startRecording(ChangeRecord& record) {
    if (m_record)
        throw std::logic_error("a record is already open");
    m_record = &record;
    record.m_owner = m_c->serial;
}

void Document::stopRecording() {
    if (m_record)
        m_record->seal();
    m_record = nullptr;
}

void Document::noteTargetBefore() {
    ++m_revision;
    if (!m_record)
        return;
    const DocumentContent& c = *m_c;
    m_record->m_ops.push_back(ChangeRecord::Op{ChangeRecord::OpKind::Target, m_record->m_targets.size(), 1, 0});
    ChangeRecord::TargetState& old = m_record->m_targets.emplace_back();
    old.isRows = c.targetIsRows;
    old.endsWithBreak = c.targetEndsWithBreak;
    old.linesKept = c.targetIsRows;  // no lines of its own then: that is the state to go back to
    old.hint = m_targetHint;
}

void Document::retireTargetLines() {
    DocumentContent& c = *m_c;
    if (!m_record) {
        c.releaseTargetLines();
        return;
    }
    ChangeRecord::TargetState& old = m_record->m_targets.back();
    old.lines = std::move(c.targetLines);
    old.linesKept = true;
    c.targetLines.clear();
}

void Document::undo(ChangeRecord& record, RowsTouched& touched) {
    if (m_record)
        throw std::logic_error("undo while a command is recorded");
    ChangeBatch batch(*this);
    ++m_revision;
    for (size_t k = record.m_ops.size(); k-- > 0;)
        applyOp(record, record.m_ops[k], false, touched);
}

void Document::redo(ChangeRecord& record, RowsTouched& touched) {
    if (m_record)
        throw std::logic_error("redo while a command is recorded");
    ChangeBatch batch(*this);
    ++m_revision;
    for (const ChangeRecord::Op& op : record.m_ops)
        applyOp(record, op, true, touched);
}

void Document::applyOp(ChangeRecord& record, const ChangeRecord::Op& op, bool forward, RowsTouched& touched) {
    using Kind = ChangeRecord::OpKind;
    const bool runsOp = op.kind == Kind::Insert || op.kind == Kind::Remove;
    const std::span<const Range> runs(record.m_runs.data() + (runsOp ? op.first : 0), runsOp ? op.count : 0);
    switch (op.kind) {
    case Kind::Rows:
        for (size_t n = 0; n < op.count; ++n) {
            const ChangeRecord::RowState& s = record.m_rows[forward ? op.first + n : op.first + op.count - 1 - n];
            setRowState(s.index, forward ? s.after : s.before, forward ? s.flagsAfter : s.flagsBefore);
            touched.present.push_back(m_c->rows.id(s.index));
        }
        break;
    case Kind::Insert:
    case Kind::Remove: {
        size_t rowCount = 0;
        for (const Range r : runs)
            rowCount += r.count;
        const std::span<const ChangeRecord::RowData> rows(record.m_data.data() + op.data, rowCount);
        if ((op.kind == Kind::Insert) == forward) {
            reinsertRows(runs, rows);
            for (const ChangeRecord::RowData& row : rows)
                touched.present.push_back(row.id);
        } else {
            size_t j = 0;
            for (const Range r : runs)
                for (size_t i = r.first; i <= r.last(); ++i, ++j)
                    touched.gone.push_back(RowsTouched::Gone{i, rows[j].id, rows[j].text, rows[j].flags});
            removeRuns(runs);
        }
        break;
    }
    case Kind::Target: swapTarget(record.m_targets[op.first]); break;
    case Kind::Tree: swapTree(record.m_trees[op.first]); break;
    case Kind::Content:
        swapContent(record.m_content);
        touched.wholeDocument = true;
        break;
    }
}

// The row's text reference changes hands: the record keeps its own reference to either text.
void Document::setRowState(size_t i, TextId text, std::uint8_t flags) {
    DocumentContent& c = *m_c;
    RowTable& rows = c.rows;
    const RowId id = rows.id(i);
    const std::uint8_t current = rows.flags(i);
    const TextId currentText = (current & RowTable::kOwnText) ? rows.ownText(id) : kEmptyText;
    const TextId newText = (flags & RowTable::kOwnText) ? text : kEmptyText;
    const bool textChanged = ((current ^ flags) & RowTable::kOwnText) || currentText != newText;
    if (textChanged) {
        c.store.retain(newText);
        c.store.release(currentText);
        rows.setOwnText(id, newText);
    }
    rows.setFlags(i, flags);
    markRowChanged(i);
    if (textChanged && c.targetIsRows) {
        markLineReplaced(i);
        targetChanged();
    }
}

void Document::reinsertRows(std::span<const Range> runs, std::span<const ChangeRecord::RowData> data) {
    ChangeBatch batch(*this);
    flushRowChanges();
    if (runs.size() > 1)
        notify([&](DocumentListener& l) { l.rowRunsAhead(runs.size()); });
    DocumentContent& c = *m_c;
    const bool mirrored = c.targetIsRows;
    std::vector<NodeId> found;
    size_t next = 0;
    c.rows.reinsert(
        runs,
        [&](size_t j) {
            return std::pair<RowId, std::uint8_t>{data[j].id, data[j].flags};
        },
        [&](Range r) { notify([&](DocumentListener& l) { l.rowsAboutToBeInserted(r); }); },
        [&](Range r) {
            for (size_t n = 0; n < r.count; ++n, ++next) {
                const ChangeRecord::RowData& row = data[next];
                if (row.flags & RowTable::kOwnText) {
                    c.store.retain(row.text);
                    c.rows.setOwnText(row.id, row.text);
                }
                if (row.node != kNoNode) {
                    c.tree.setRow(row.node, row.id);
                    c.rows.setNode(row.id, row.node);
                    found.push_back(row.node);
                }
            }
            notify([&](DocumentListener& l) { l.rowsInserted(r); });
            if (mirrored)
                notify([&](DocumentListener& l) { l.targetLinesInserted(r); });
        });
    if (!found.empty())
        notify([&](DocumentListener& l) { l.treeNodesFoundRows(found); });
    if (mirrored)
        targetChanged();
}

void Document::swapTarget(ChangeRecord::TargetState& state) {
    ChangeBatch batch(*this);
    flushRowChanges();
    DocumentContent& c = *m_c;
    std::swap(c.targetIsRows, state.isRows);
    std::swap(c.targetEndsWithBreak, state.endsWithBreak);
    if (state.linesKept)
        c.targetLines.swap(state.lines);
    std::swap(m_targetHint, state.hint);
    notify([](DocumentListener& l) { l.targetReset(); });
    targetChanged();
    markStateChanged();
}

void Document::swapTree(ChangeRecord::TreeState& state) {
    ChangeBatch batch(*this);
    flushRowChanges();
    notify([](DocumentListener& l) { l.treeAboutToBeReset(); });
    std::swap(m_c->tree, state.tree);
    m_c->rows.swapNodes(state.nodeOfId);
    notify([](DocumentListener& l) { l.treeReset(); });
}

// The texts are in the store of the content the record was made against: the document's own, or
// the one a reload brought, which lies in the record while the reload is taken back. When that
// content is gone (another file was opened), so are the texts.
void Document::discard(ChangeRecord& record) {
    TextStore* store = nullptr;
    if (m_c->serial == record.m_owner)
        store = &m_c->store;
    else if (record.m_content && record.m_content->serial == record.m_owner)
        store = &record.m_content->store;
    if (store) {
        for (const ChangeRecord::RowState& s : record.m_rows) {
            store->release(s.before);
            store->release(s.after);
        }
        for (const ChangeRecord::RowData& row : record.m_data)
            store->release(row.text);
        for (const ChangeRecord::TargetState& t : record.m_targets)
            for (const TargetLine& line : t.lines)
                if (line.ownText)
                    store->release(line.ref);
    }
    record = ChangeRecord();
}

std::string_view Document::captionOf(const RowsTouched::Gone& row) const {
    if (row.flags & RowTable::kOwnText)
        return m_c->store.view(row.text);
    return row.id < m_c->rows.loadedCount() ? m_c->lines.text(row.id) : std::string_view();
}

void Document::showModified(bool modified) {
    if (modified == m_modified)
        return;
    ChangeBatch batch(*this);
    const std::string_view mark = texts::kModifiedMark;
    if (modified)
        m_caption += mark;
    else if (m_caption.ends_with(mark))
        m_caption.resize(m_caption.size() - mark.size());
    m_modified = modified;
    markStateChanged();
}

}  // namespace vq
