#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vq {

using RowId = std::uint32_t;
inline constexpr RowId kNoRow = UINT32_MAX;
using NodeId = std::int32_t;
inline constexpr NodeId kNoNode = -1;

// Image numbers of tree nodes; the open forms are shown while a node is expanded.
enum NodeImage : std::uint8_t {
    kImageSection = 0,
    kImageTitle = 1,
    kImageKey = 2,
    kImageCommentedKey = 3,
    kImageSectionOpen = 4,
    kImageTitleOpen = 5,
};

// The image a node shows: sections and titles switch to their open form while expanded.
int ImageForState(int image, bool expanded);

struct TopicNode {
    std::string_view text;  // Not owned: a view into the document's TextStore.
    NodeId parent = kNoNode;
    RowId row = kNoRow;      // empty once the row is deleted
    std::uint8_t image = 0;
    std::uint8_t selectedImage = 0;
    bool alive = true;
    std::int32_t position = 0;  // index among its parent's children
    std::vector<NodeId> children;
};

// The topic tree: nodes in the order they were added, never sorted. Nodes are addressed by id;
// a removed node keeps its id (marked dead) so ids stay stable during one build.
class TopicTree {
public:
    NodeId add(NodeId parent, std::string_view text, RowId row, std::uint8_t image, std::uint8_t selectedImage);
    void remove(NodeId id);  // only childless nodes are removed
    void clear();

    const TopicNode& node(NodeId id) const { return m_nodes[static_cast<size_t>(id)]; }
    void clearRow(NodeId id) { m_nodes[static_cast<size_t>(id)].row = kNoRow; }
    const std::vector<NodeId>& children(NodeId parent) const;
    NodeId childAt(NodeId parent, int position) const { return children(parent)[static_cast<size_t>(position)]; }
    size_t nodeCount() const { return m_liveCount; }
    bool empty() const { return m_liveCount == 0; }
    void reserve(size_t n) { m_nodes.reserve(n); }

private:
    std::vector<NodeId>& childList(NodeId parent);

    std::vector<TopicNode> m_nodes;
    std::vector<NodeId> m_topLevel;
    size_t m_liveCount = 0;
};

}  // namespace vq
