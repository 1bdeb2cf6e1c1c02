#pragma once

#include "core/document/ChunkedArray.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// A row's stable name: tree nodes refer to rows by it, and it survives inserts and deletes of
// other rows. Rows read from the file are numbered by their line; inserted rows count on.
using RowId = std::uint32_t;
inline constexpr RowId kNoRow = UINT32_MAX;
using NodeId = std::int32_t;
inline constexpr NodeId kNoNode = -1;

enum class NodeKind : std::uint8_t { Section, Title, Key, CommentedKey };

// Image numbers of tree nodes; the open forms are shown while a node is expanded.
enum class NodeImage : std::uint8_t {
    Section = 0,
    Title = 1,
    Key = 2,
    CommentedKey = 3,
    SectionOpen = 4,
    TitleOpen = 5,
};

// The image a node shows: sections and titles switch to their open form while expanded.
NodeImage ImageForState(NodeImage image, bool expanded);
// The images a node of this kind is made with: normal and selected.
NodeImage ImageOf(NodeKind kind);
NodeImage SelectedImageOf(NodeKind kind);

// A node as the views read it.
struct TopicNode {
    std::string_view text;  // valid until the tree is rebuilt
    NodeId parent = kNoNode;
    RowId row = kNoRow;  // empty once the row is deleted
    NodeImage image = NodeImage::Section;
    NodeImage selectedImage = NodeImage::Section;
    bool alive = true;
};

// The topic tree: nodes in the order they were added, never sorted, and only for lines that are
// nodes. A node is sixteen bytes and a flag byte; its text is a piece of the file's buffer, or of
// the tree's own copy for rows whose text was set after loading. Once built, the children of
// every node lie in one packed array.
//
// Building: add() nodes in document order, remove() a childless node that a title replaces, then
// finish(). Between builds only a node's row reference changes (clearRow).
class TopicTree {
public:
    TopicTree() = default;
    TopicTree(TopicTree&&) noexcept = default;
    TopicTree& operator=(TopicTree&&) noexcept = default;
    TopicTree(const TopicTree&) = delete;
    TopicTree& operator=(const TopicTree&) = delete;

    // Empties the tree for a build whose buffer texts lie in [base, base + size): those are kept
    // as offsets; any other text is copied.
    void beginBuild(const char* base, size_t size);
    NodeId add(NodeId parent, std::string_view text, RowId row, NodeKind kind) {
        if (m_nodes.size() >= static_cast<size_t>(INT32_MAX))
            throw std::length_error("too many tree nodes");
        auto flags = static_cast<std::uint8_t>(kind);
        std::uint32_t begin = 0;
        const auto p = reinterpret_cast<std::uintptr_t>(text.data());
        const auto b = reinterpret_cast<std::uintptr_t>(m_base);
        if (!text.empty() && m_base != nullptr && p >= b && p + text.size() <= b + m_baseSize) {
            begin = static_cast<std::uint32_t>(p - b);
        } else {
            begin = copyText(text);
            flags |= kOwnCopy;
        }
        m_nodes.push_back(Record{begin, static_cast<std::uint32_t>(text.size()), parent, row});
        m_flags.push_back(flags);
        ++m_liveCount;
        return static_cast<NodeId>(m_nodes.size() - 1);
    }
    void remove(NodeId id);
    void finish();
    void clear();

    TopicNode node(NodeId id) const;
    RowId rowOf(NodeId id) const { return m_nodes[static_cast<size_t>(id)].row; }
    NodeId parentOf(NodeId id) const { return m_nodes[static_cast<size_t>(id)].parent; }
    void clearRow(NodeId id) { m_nodes[static_cast<size_t>(id)].row = kNoRow; }
    // The node's row is back (a deletion taken back).
    void setRow(NodeId id, RowId row) { m_nodes[static_cast<size_t>(id)].row = row; }
    // The live children in the order they were added; empty before finish().
    std::span<const NodeId> children(NodeId parent) const;
    NodeId childAt(NodeId parent, int position) const { return children(parent)[static_cast<size_t>(position)]; }
    // The node's index among its parent's children (a search among them); -1 for a removed node.
    int positionOf(NodeId id) const;
    size_t nodeCount() const { return m_liveCount; }
    bool empty() const { return m_liveCount == 0; }
    size_t memoryBytes() const;

private:
    struct Record {
        std::uint32_t textBegin;
        std::uint32_t textLength;
        NodeId parent;
        RowId row;
    };
    enum Flag : std::uint8_t { kKindMask = 3, kDead = 4, kOwnCopy = 8 };

    std::uint32_t copyText(std::string_view text);
    size_t slotOf(NodeId parent) const { return parent == kNoNode ? m_nodes.size() : static_cast<size_t>(parent); }
    std::string_view textOf(size_t i) const;

    static constexpr unsigned kNodeChunkBits = 12;
    ChunkedArray<Record, kNodeChunkBits> m_nodes;
    ChunkedArray<std::uint8_t, kNodeChunkBits> m_flags;  // chunks of as many entries as m_nodes has
    std::string m_copies;                                // texts that are not in the buffer
    const char* m_base = nullptr;
    size_t m_baseSize = 0;
    // Packed children: those of slot s are m_childIds[m_childStart[s + 1] .. m_childStart[s + 2]),
    // where slot s is a node's id and the slot after the last node stands for the top level.
    std::vector<std::uint32_t> m_childStart;
    std::vector<NodeId> m_childIds;
    size_t m_liveCount = 0;
};

}  // namespace vq
