#pragma once

#include "core/document/ChunkedArray.h"
#include "core/document/LineTable.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
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

// The children of one node, in the order they were added.
class NodeList {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = NodeId;
        using difference_type = std::ptrdiff_t;
        using pointer = const NodeId*;
        using reference = NodeId;
        Iterator() = default;
        Iterator(const NodeList* list, size_t k) : m_list(list), m_k(k) {}
        NodeId operator*() const { return (*m_list)[m_k]; }
        Iterator& operator++() {
            ++m_k;
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++m_k;
            return old;
        }
        bool operator==(const Iterator& other) const { return m_k == other.m_k; }

    private:
        const NodeList* m_list = nullptr;
        size_t m_k = 0;
    };

    NodeList() = default;
    NodeList(const ChunkedArray<NodeId, 12>* ids, size_t begin, size_t count)
        : m_ids(ids), m_begin(begin), m_count(count) {}
    size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    NodeId operator[](size_t k) const { return (*m_ids)[m_begin + k]; }
    NodeId front() const { return (*this)[0]; }
    NodeList first(size_t count) const { return {m_ids, m_begin, std::min(count, m_count)}; }
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, m_count}; }

private:
    const ChunkedArray<NodeId, 12>* m_ids = nullptr;
    size_t m_begin = 0;
    size_t m_count = 0;
};

// The topic tree: nodes in the order they were added, never sorted, and only for lines that are
// nodes. A node is eight bytes and a flag byte, and four more where its parent lists it; it has
// no text of its own: its text is taken from its row's line as read (the line itself, or the
// section header or title text in it), and only a node made from a text set after loading keeps
// a copy. The children of every node are listed as the nodes are added.
//
// Nodes come in tree order: a node's parent is the node added last or one of its ancestors (as a
// pass over a file's lines makes them). Then every parent's children lie side by side in the list
// of their depth, and no second pass is needed to gather them.
//
// Building: beginBuild(), add() nodes, remove() a childless node that a title replaces, then
// finish(). Between builds only a node's row reference changes (clearRow).
class TopicTree {
public:
    TopicTree() = default;
    TopicTree(TopicTree&&) noexcept = default;
    TopicTree& operator=(TopicTree&&) noexcept = default;
    TopicTree(const TopicTree&) = delete;
    TopicTree& operator=(const TopicTree&) = delete;

    // Empties the tree for a build over these lines.
    void beginBuild(const LineTable& lines);
    // A node whose text is its row's line as read, or the part of it its kind takes (a section's
    // header, a title's text); the row must be a line of the table.
    NodeId addOfLine(NodeId parent, RowId row, NodeKind kind) { return append(parent, row, kind, 0); }
    // A node with a text of its own (copied).
    NodeId add(NodeId parent, std::string_view text, RowId row, NodeKind kind);
    void remove(NodeId id);
    void finish() {}
    void clear();

    TopicNode node(NodeId id) const;
    RowId rowOf(NodeId id) const {
        return (m_flags[static_cast<size_t>(id)] & kRowGone) ? kNoRow : m_nodes[static_cast<size_t>(id)].row;
    }
    NodeId parentOf(NodeId id) const { return m_nodes[static_cast<size_t>(id)].parent; }
    void clearRow(NodeId id) { m_flags[static_cast<size_t>(id)] |= kRowGone; }
    // The node's row is back (a deletion taken back).
    void setRow(NodeId id, RowId row) {
        m_flags[static_cast<size_t>(id)] &= static_cast<std::uint8_t>(~kRowGone);
        m_nodes[static_cast<size_t>(id)].row = row;
    }
    // The live children in the order they were added.
    NodeList children(NodeId parent) const;
    NodeId childAt(NodeId parent, int position) const { return children(parent)[static_cast<size_t>(position)]; }
    // The node's index among its parent's children (a search among them); -1 for a removed node.
    int positionOf(NodeId id) const;
    size_t nodeCount() const { return m_liveCount; }
    bool empty() const { return m_liveCount == 0; }
    size_t memoryBytes() const;

private:
    struct Record {
        NodeId parent;
        RowId row;
    };
    enum Flag : std::uint8_t {
        kKindMask = 3,
        kDead = 4,
        kOwnCopy = 8,
        kRowGone = 16,
        kDepthShift = 5,
        kDepthMask = 0x60,
        kHasRun = 0x80
    };
    // Where a node's copied text lies; kept in node order.
    struct Copy {
        NodeId node;
        std::uint32_t begin;
        std::uint32_t length;
    };
    // The children of one parent: entries [begin, begin + count) of the list of the parent's depth.
    struct Run {
        NodeId parent;
        std::uint32_t begin;
        std::uint32_t count;
    };
    static constexpr unsigned kMaxDepth = 3;  // a section, a title in it, a key under the title

    NodeId append(NodeId parent, RowId row, NodeKind kind, std::uint8_t extra);
    unsigned depthOf(NodeId id) const {
        return id == kNoNode ? 0 : (m_flags[static_cast<size_t>(id)] & kDepthMask) >> kDepthShift;
    }
    const Run* runOf(NodeId parent) const;
    std::string_view textOf(size_t i) const;

    static constexpr unsigned kNodeChunkBits = 12;
    ChunkedArray<Record, kNodeChunkBits> m_nodes;
    ChunkedArray<std::uint8_t, kNodeChunkBits> m_flags;  // kind, state, depth (1 for the top level), has children
    LineTable m_lines;                                   // where the nodes' texts are read
    std::string m_copies;                                // texts that are not a line's
    std::vector<Copy> m_copyIndex;
    // Children: those of the parents at depth d (0 for the top level) in m_childIds[d], each
    // parent's side by side; the runs of parents in node order.
    std::vector<ChunkedArray<NodeId, 12>> m_childIds;
    ChunkedArray<Run, 10> m_runs;
    // The path from the top to the node added last: its node and the index of its run, by depth.
    struct Spine {
        NodeId node = kNoNode;
        std::uint32_t run = UINT32_MAX;
    };
    Spine m_spine[kMaxDepth + 1];
    size_t m_liveCount = 0;
};

}  // namespace vq
