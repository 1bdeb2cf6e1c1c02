#include "core/document/ChangeRecord.h"

namespace vq {

ChangeRecord::ChangeRecord() = default;
ChangeRecord::~ChangeRecord() = default;
ChangeRecord::ChangeRecord(ChangeRecord&&) noexcept = default;
ChangeRecord& ChangeRecord::operator=(ChangeRecord&&) noexcept = default;

void ChangeRecord::keep(TextStore& store, TextId text) {
    if (text == kEmptyText)
        return;
    store.retain(text);
    m_textBytes += store.view(text).size();
}

// A command sets a row's text, check mark and edited flag one after the other: those calls join
// the row's one state, which keeps the first "before" and the last "after".
void ChangeRecord::rowBefore(DocumentContent& c, size_t i) {
    if (!m_ops.empty() && m_ops.back().kind == OpKind::Rows && m_rows.back().index == i)
        return;
    const std::uint8_t flags = c.rows.flags(i);
    const TextId text = (flags & RowTable::kOwnText) ? c.rows.ownText(c.rows.id(i)) : kEmptyText;
    keep(c.store, text);
    c.store.retain(text);  // the "after", the same text until the row changes
    m_rows.push_back(RowState{static_cast<std::uint32_t>(i), text, text, flags, flags});
    if (!m_ops.empty() && m_ops.back().kind == OpKind::Rows)
        ++m_ops.back().count;
    else
        m_ops.push_back(Op{OpKind::Rows, m_rows.size() - 1, 1, 0});
}

void ChangeRecord::rowAfter(DocumentContent& c, size_t i) {
    RowState& state = m_rows.back();
    const std::uint8_t flags = c.rows.flags(i);
    const TextId text = (flags & RowTable::kOwnText) ? c.rows.ownText(c.rows.id(i)) : kEmptyText;
    if (text != state.after) {
        keep(c.store, text);
        c.store.release(state.after);
        state.after = text;
    }
    state.flagsAfter = flags;
}

void ChangeRecord::keepRow(DocumentContent& c, size_t i, NodeId node) {
    const RowId id = c.rows.id(i);
    const std::uint8_t flags = c.rows.flags(i);
    const TextId text = (flags & RowTable::kOwnText) ? c.rows.ownText(id) : kEmptyText;
    keep(c.store, text);
    m_data.push_back(RowData{id, text, node, flags});
}

void ChangeRecord::seal() {
    m_ops.shrink_to_fit();
    m_rows.shrink_to_fit();
    m_data.shrink_to_fit();
    m_runs.shrink_to_fit();
}

size_t ChangeRecord::memoryBytes() const {
    size_t bytes = sizeof(*this) + m_ops.capacity() * sizeof(Op) + m_rows.capacity() * sizeof(RowState) +
                   m_data.capacity() * sizeof(RowData) + m_runs.capacity() * sizeof(Range) + m_textBytes;
    for (const TargetState& t : m_targets)
        bytes += sizeof(t) + t.lines.capacity() * sizeof(TargetLine) + t.hint.capacity();
    for (const TreeState& t : m_trees)
        bytes += sizeof(t) + t.tree.memoryBytes() + t.nodeOfId.capacityBytes();
    if (m_content)
        bytes += m_content->memoryBytes();
    return bytes;
}

}  // namespace vq
