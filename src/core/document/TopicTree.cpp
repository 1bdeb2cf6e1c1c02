#include "core/document/TopicTree.h"

#include <algorithm>
#include <stdexcept>

namespace vq {

NodeImage ImageForState(NodeImage image, bool expanded) {
    if (expanded) {
        if (image == NodeImage::Section)
            return NodeImage::SectionOpen;
        if (image == NodeImage::Title)
            return NodeImage::TitleOpen;
    } else {
        if (image == NodeImage::SectionOpen)
            return NodeImage::Section;
        if (image == NodeImage::TitleOpen)
            return NodeImage::Title;
    }
    return image;
}

NodeImage ImageOf(NodeKind kind) {
    switch (kind) {
    case NodeKind::Section: return NodeImage::Section;
    case NodeKind::Title: return NodeImage::Title;
    case NodeKind::Key: return NodeImage::Key;
    case NodeKind::CommentedKey: return NodeImage::CommentedKey;
    }
    return NodeImage::Key;
}

NodeImage SelectedImageOf(NodeKind kind) {
    switch (kind) {
    case NodeKind::Section: return NodeImage::SectionOpen;
    case NodeKind::Title: return NodeImage::TitleOpen;
    default: return ImageOf(kind);
    }
}

void TopicTree::beginBuild(const char* base, size_t size) {
    clear();
    m_base = base;
    m_baseSize = size;
}

std::uint32_t TopicTree::copyText(std::string_view text) {
    if (m_copies.size() + text.size() > UINT32_MAX)
        throw std::length_error("tree texts exceed 4 GB");
    const auto begin = static_cast<std::uint32_t>(m_copies.size());
    m_copies.append(text);
    return begin;
}

void TopicTree::remove(NodeId id) {
    std::uint8_t& flags = m_flags[static_cast<size_t>(id)];
    if (flags & kDead)
        return;
    flags |= kDead;
    m_nodes[static_cast<size_t>(id)].row = kNoRow;
    --m_liveCount;
}

// Counts the children of every slot, then drops each live node into its parent's part of the
// packed array from the back, from the last node to the first, so every node's children end up
// in the order they were added and each slot's count turns into its start. Nodes come in runs
// under one parent (the keys of a section or title), so both loops keep the current parent's
// count in hand instead of going to memory for every node.
void TopicTree::finish() {
    const size_t n = m_nodes.size();
    std::vector<std::uint32_t>(n + 3, 0).swap(m_childStart);
    size_t slot = SIZE_MAX;
    std::uint32_t count = 0;
    for (size_t c = 0; c < m_nodes.chunkCount(); ++c) {
        const auto records = m_nodes.chunk(c);
        const auto flags = m_flags.chunk(c);
        for (size_t k = 0; k < records.size(); ++k) {
            if (flags[k] & kDead)
                continue;
            const size_t s = slotOf(records[k].parent);
            if (s != slot) {
                if (slot != SIZE_MAX)
                    m_childStart[slot + 1] += count;
                slot = s;
                count = 0;
            }
            ++count;
        }
    }
    if (slot != SIZE_MAX)
        m_childStart[slot + 1] += count;
    for (size_t s = 1; s <= n + 1; ++s)
        m_childStart[s] += m_childStart[s - 1];

    std::vector<NodeId>(m_liveCount).swap(m_childIds);
    slot = SIZE_MAX;
    std::uint32_t cursor = 0;
    for (size_t c = m_nodes.chunkCount(); c-- > 0;) {
        const auto records = m_nodes.chunk(c);
        const auto flags = m_flags.chunk(c);
        for (size_t k = records.size(); k-- > 0;) {
            if (flags[k] & kDead)
                continue;
            const size_t s = slotOf(records[k].parent);
            if (s != slot) {
                if (slot != SIZE_MAX)
                    m_childStart[slot + 1] = cursor;
                slot = s;
                cursor = m_childStart[slot + 1];
            }
            m_childIds[--cursor] = static_cast<NodeId>((c << kNodeChunkBits) + k);
        }
    }
    if (slot != SIZE_MAX)
        m_childStart[slot + 1] = cursor;
    m_childStart[n + 2] = static_cast<std::uint32_t>(m_liveCount);
}

void TopicTree::clear() {
    m_nodes.clear();
    m_flags.clear();
    std::string().swap(m_copies);
    std::vector<std::uint32_t>().swap(m_childStart);
    std::vector<NodeId>().swap(m_childIds);
    m_liveCount = 0;
}

std::string_view TopicTree::textOf(size_t i) const {
    const Record& r = m_nodes[i];
    const char* base = (m_flags[i] & kOwnCopy) ? m_copies.data() : m_base;
    return {base + r.textBegin, r.textLength};
}

TopicNode TopicTree::node(NodeId id) const {
    const auto i = static_cast<size_t>(id);
    const Record& r = m_nodes[i];
    const auto kind = static_cast<NodeKind>(m_flags[i] & kKindMask);
    TopicNode node;
    node.text = textOf(i);
    node.parent = r.parent;
    node.row = r.row;
    node.image = ImageOf(kind);
    node.selectedImage = SelectedImageOf(kind);
    node.alive = !(m_flags[i] & kDead);
    return node;
}

std::span<const NodeId> TopicTree::children(NodeId parent) const {
    const size_t s = slotOf(parent);
    if (s + 2 >= m_childStart.size())
        return {};
    return {m_childIds.data() + m_childStart[s + 1], m_childStart[s + 2] - m_childStart[s + 1]};
}

int TopicTree::positionOf(NodeId id) const {
    const auto siblings = children(m_nodes[static_cast<size_t>(id)].parent);
    const auto it = std::lower_bound(siblings.begin(), siblings.end(), id);
    return it != siblings.end() && *it == id ? static_cast<int>(it - siblings.begin()) : -1;
}

size_t TopicTree::memoryBytes() const {
    return m_nodes.capacityBytes() + m_flags.capacityBytes() + m_copies.capacity() +
           m_childStart.capacity() * sizeof(std::uint32_t) + m_childIds.capacity() * sizeof(NodeId);
}

}  // namespace vq
