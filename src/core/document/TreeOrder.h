#pragma once

#include "core/document/TopicTree.h"

#include <span>
#include <vector>

namespace vq {

// Calls visit(node, depth) for every live node in the tree's own order: the first top-level
// node, then its children in order (each node before its own children), then the next
// top-level node, and so on. Depth 0 is the top level. No recursion, so a deep tree cannot
// exhaust the stack.
template <typename Visit>
void ForEachNodeInTreeOrder(const TopicTree& tree, Visit&& visit) {
    std::vector<std::span<const NodeId>> pending{tree.children(kNoNode)};
    while (!pending.empty()) {
        std::span<const NodeId>& siblings = pending.back();
        if (siblings.empty()) {
            pending.pop_back();
            continue;
        }
        const NodeId node = siblings.front();
        siblings = siblings.subspan(1);
        visit(node, static_cast<int>(pending.size()) - 1);
        if (const auto children = tree.children(node); !children.empty())
            pending.push_back(children);
    }
}

}  // namespace vq
