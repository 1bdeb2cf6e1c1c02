#include "core/document/RowTable.h"

#include <cstring>
#include <stdexcept>

namespace vq {

void RowTable::assignLoaded(std::vector<std::uint8_t> flags) {
    if (flags.size() >= kNoRow)
        throw std::length_error("too many rows");
    m_flags = std::move(flags);
    m_ids.clear();
    m_ownText.clear();
    m_nodeOfId.clear();
    m_loadedCount = m_nextId = static_cast<RowId>(m_flags.size());
    m_indexDirty = true;
}

std::optional<size_t> RowTable::indexOfMoved(RowId rowId) const {
    if (rowId >= m_nextId)
        return std::nullopt;
    if (m_indexDirty) {
        m_indexOfId.assign(m_nextId, kNoRow);
        for (size_t i = 0, n = size(); i < n; ++i)
            m_indexOfId[id(i)] = static_cast<std::uint32_t>(i);
        m_indexDirty = false;
    }
    const std::uint32_t index = m_indexOfId[rowId];
    return index == kNoRow ? std::nullopt : std::optional<size_t>(index);
}

void RowTable::setOwnText(RowId id, TextId text) {
    if (id >= m_ownText.size()) {
        if (text == kEmptyText)
            return;
        m_ownText.resize(m_nextId, kEmptyText);
    }
    m_ownText[id] = text;
}

void RowTable::setNode(RowId id, NodeId node) {
    if (id >= m_nodeOfId.size()) {
        if (node == kNoNode)
            return;
        while (m_nodeOfId.size() < m_nextId)
            m_nodeOfId.push_back(kNoNode);
    }
    m_nodeOfId[id] = node;
}

void RowTable::materializeIds() {
    if (!m_ids.empty() || m_flags.empty())
        return;
    m_ids.resize(m_flags.size());
    for (size_t i = 0; i < m_ids.size(); ++i)
        m_ids[i] = static_cast<RowId>(i);
}

RowId RowTable::insert(size_t k, size_t count, std::uint8_t flags) {
    if (count >= kNoRow - m_nextId)
        throw std::length_error("too many rows");
    materializeIds();
    const RowId first = m_nextId;
    m_flags.insert(m_flags.begin() + static_cast<std::ptrdiff_t>(k), count, flags);
    m_ids.insert(m_ids.begin() + static_cast<std::ptrdiff_t>(k), count, 0);
    for (size_t j = 0; j < count; ++j)
        m_ids[k + j] = first + static_cast<RowId>(j);
    m_nextId += static_cast<RowId>(count);
    m_indexDirty = true;
    return first;
}

void RowTable::moveRows(size_t from, size_t to, size_t count) {
    if (count == 0 || from == to)
        return;
    std::memmove(m_flags.data() + to, m_flags.data() + from, count);
    std::memmove(m_ids.data() + to, m_ids.data() + from, count * sizeof(RowId));
}

void RowTable::closeGap(size_t read, size_t write) {
    const size_t total = m_flags.size();
    moveRows(read, write, total - read);
    m_flags.resize(write + (total - read));
    m_ids.resize(write + (total - read));
    m_gapStart = SIZE_MAX;
    m_gapSize = 0;
    m_indexDirty = true;
}

size_t RowTable::memoryBytes() const {
    return m_flags.capacity() + (m_ids.capacity() + m_ownText.capacity() + m_indexOfId.capacity()) * 4 +
           m_nodeOfId.capacityBytes();
}

}  // namespace vq
