#include "core/document/TopicTree.h"

#include "core/document/LineTests.h"

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

void TopicTree::beginBuild(const LineTable& lines) {
    clear();
    m_lines = lines;
}

NodeId TopicTree::add(NodeId parent, std::string_view text, RowId row, NodeKind kind) {
    if (m_copies.size() + text.size() > UINT32_MAX)
        throw std::length_error("tree texts exceed 4 GB");
    const auto begin = static_cast<std::uint32_t>(m_copies.size());
    m_copyIndex.push_back(Copy{static_cast<NodeId>(m_nodes.size()), begin, static_cast<std::uint32_t>(text.size())});
    try {
        m_copies.append(text);
        return append(parent, row, kind, kOwnCopy);
    } catch (...) {
        m_copyIndex.pop_back();
        m_copies.resize(begin);
        throw;
    }
}

// The new node joins the end of its parent's children, which are the last run of their depth:
// the parent lies on the path to the node added last.
NodeId TopicTree::append(NodeId parent, RowId row, NodeKind kind, std::uint8_t extra) {
    if (m_nodes.size() >= static_cast<size_t>(INT32_MAX))
        throw std::length_error("too many tree nodes");
    const unsigned parentDepth = depthOf(parent);
    if (m_spine[parentDepth].node != parent || parentDepth >= kMaxDepth)
        throw std::logic_error("tree nodes must come in tree order");
    if (m_childIds.size() <= parentDepth)
        m_childIds.resize(parentDepth + 1);
    ChunkedArray<NodeId, 12>& list = m_childIds[parentDepth];
    Spine& at = m_spine[parentDepth];
    if (at.run == UINT32_MAX) {
        at.run = static_cast<std::uint32_t>(m_runs.size());
        m_runs.push_back(Run{parent, static_cast<std::uint32_t>(list.size()), 0});
        if (parent != kNoNode)
            m_flags[static_cast<size_t>(parent)] |= kHasRun;
    }
    const auto id = static_cast<NodeId>(m_nodes.size());
    m_nodes.push_back(Record{parent, row});
    m_flags.push_back(
        static_cast<std::uint8_t>(static_cast<unsigned>(kind) | extra | (parentDepth + 1) << kDepthShift));
    list.push_back(id);
    ++m_runs[at.run].count;
    m_spine[parentDepth + 1] = Spine{id, UINT32_MAX};
    for (unsigned d = parentDepth + 2; d <= kMaxDepth; ++d)
        m_spine[d] = Spine{};
    ++m_liveCount;
    return id;
}

// Only a node without children that its parent listed last or nearly last: the one a title
// replaces was made for the title's row or the row before.
void TopicTree::remove(NodeId id) {
    std::uint8_t& flags = m_flags[static_cast<size_t>(id)];
    if (flags & kDead)
        return;
    const NodeId parent = m_nodes[static_cast<size_t>(id)].parent;
    const unsigned parentDepth = depthOf(parent);
    const Spine& at = m_spine[parentDepth];
    ChunkedArray<NodeId, 12>& list = m_childIds[parentDepth];
    if (at.node != parent || at.run == UINT32_MAX || m_spine[parentDepth + 1].run != UINT32_MAX)
        throw std::logic_error("only a recent node without children can be removed");
    Run& run = m_runs[at.run];
    size_t k = list.size();
    while (k > run.begin && list[k - 1] != id)
        --k;
    if (k == run.begin)
        throw std::logic_error("only a recent node without children can be removed");
    for (; k < list.size(); ++k)
        list[k - 1] = list[k];
    list.pop_back();
    --run.count;
    if (m_spine[parentDepth + 1].node == id)
        m_spine[parentDepth + 1] = Spine{};
    flags |= kDead | kRowGone;
    --m_liveCount;
}

void TopicTree::clear() {
    m_nodes.clear();
    m_flags.clear();
    m_lines = LineTable();
    std::string().swap(m_copies);
    std::vector<Copy>().swap(m_copyIndex);
    std::vector<ChunkedArray<NodeId, 12>>().swap(m_childIds);
    m_runs.clear();
    for (Spine& s : m_spine)
        s = Spine{};
    m_liveCount = 0;
}

std::string_view TopicTree::textOf(size_t i) const {
    const std::uint8_t flags = m_flags[i];
    if (flags & kOwnCopy) {
        const auto it = std::lower_bound(m_copyIndex.begin(), m_copyIndex.end(), static_cast<NodeId>(i),
                                         [](const Copy& c, NodeId id) { return c.node < id; });
        return {m_copies.data() + it->begin, it->length};
    }
    const std::string_view line = m_lines.text(m_nodes[i].row);
    switch (static_cast<NodeKind>(flags & kKindMask)) {
    case NodeKind::Section: return SectionHeaderOf(line);
    case NodeKind::Title: return TitleTextOf(line);
    default: return line;
    }
}

TopicNode TopicTree::node(NodeId id) const {
    const auto i = static_cast<size_t>(id);
    const auto kind = static_cast<NodeKind>(m_flags[i] & kKindMask);
    TopicNode node;
    node.text = textOf(i);
    node.parent = m_nodes[i].parent;
    node.row = rowOf(id);
    node.image = ImageOf(kind);
    node.selectedImage = SelectedImageOf(kind);
    node.alive = !(m_flags[i] & kDead);
    return node;
}

const TopicTree::Run* TopicTree::runOf(NodeId parent) const {
    size_t lo = 0, hi = m_runs.size();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (m_runs[mid].parent < parent)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < m_runs.size() && m_runs[lo].parent == parent ? &m_runs[lo] : nullptr;
}

NodeList TopicTree::children(NodeId parent) const {
    if (parent != kNoNode && (static_cast<size_t>(parent) >= m_nodes.size() ||
                              (m_flags[static_cast<size_t>(parent)] & (kDead | kHasRun)) != kHasRun))
        return {};
    const Run* run = runOf(parent);
    if (!run)
        return {};
    return {&m_childIds[depthOf(parent)], run->begin, run->count};
}

int TopicTree::positionOf(NodeId id) const {
    if (m_flags[static_cast<size_t>(id)] & kDead)
        return -1;
    const NodeList siblings = children(m_nodes[static_cast<size_t>(id)].parent);
    size_t lo = 0, hi = siblings.size();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (siblings[mid] < id)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < siblings.size() && siblings[lo] == id ? static_cast<int>(lo) : -1;
}

size_t TopicTree::memoryBytes() const {
    size_t lists = 0;
    for (const auto& list : m_childIds)
        lists += list.capacityBytes();
    return m_nodes.capacityBytes() + m_flags.capacityBytes() + m_copies.capacity() +
           m_copyIndex.capacity() * sizeof(Copy) + lists + m_runs.capacityBytes();
}

}  // namespace vq
