#include "document/TopicTree.h"

#include <algorithm>

namespace vq {

int ImageForState(int image, bool expanded) {
    if (expanded) {
        if (image == kImageSection) return kImageSectionOpen;
        if (image == kImageTitle) return kImageTitleOpen;
    } else {
        if (image == kImageSectionOpen) return kImageSection;
        if (image == kImageTitleOpen) return kImageTitle;
    }
    return image;
}

NodeId TopicTree::add(NodeId parent, std::string_view text, RowId row, std::uint8_t image,
                      std::uint8_t selectedImage) {
    const auto id = static_cast<NodeId>(m_nodes.size());
    auto& siblings = childList(parent);
    TopicNode node;
    node.text = text;
    node.parent = parent;
    node.row = row;
    node.image = image;
    node.selectedImage = selectedImage;
    node.position = static_cast<std::int32_t>(siblings.size());
    siblings.push_back(id);
    m_nodes.push_back(std::move(node));
    ++m_liveCount;
    return id;
}

void TopicTree::remove(NodeId id) {
    auto& node = m_nodes[static_cast<size_t>(id)];
    if (!node.alive)
        return;
    auto& siblings = childList(node.parent);
    // The node to remove is nearly always one of the last few added, so search from the back.
    auto it = std::find(siblings.rbegin(), siblings.rend(), id);
    if (it != siblings.rend()) {
        auto pos = siblings.erase(std::next(it).base());
        for (; pos != siblings.end(); ++pos)
            --m_nodes[static_cast<size_t>(*pos)].position;
    }
    node.alive = false;
    node.row = kNoRow;
    --m_liveCount;
}

void TopicTree::clear() {
    m_nodes.clear();
    m_topLevel.clear();
    m_liveCount = 0;
}

const std::vector<NodeId>& TopicTree::children(NodeId parent) const {
    return parent == kNoNode ? m_topLevel : m_nodes[static_cast<size_t>(parent)].children;
}

std::vector<NodeId>& TopicTree::childList(NodeId parent) {
    return parent == kNoNode ? m_topLevel : m_nodes[static_cast<size_t>(parent)].children;
}

}  // namespace vq
