#pragma once

#include "core/document/TopicTree.h"

#include <vector>

namespace vq {

// Calls visit(node, depth) for every live node in the tree's own order: the first top-level
// node, then its children in order (each node before its own children), then the next
// top-level node, and so on. Depth 0 is the top level. No recursion, so a deep tree cannot
// exhaust the stack.
template <typename Visit>
void ForEachNodeInTreeOrder(const TopicTree& tree, Visit&& visit) {
    struct Level {
        NodeList siblings;
        size_t next = 0;
    };
    std::vector<Level> pending{Level{tree.children(kNoNode)}};
    while (!pending.empty()) {
        Level& level = pending.back();
        if (level.next == level.siblings.size()) {
            pending.pop_back();
            continue;
        }
        const NodeId node = level.siblings[level.next++];
        visit(node, static_cast<int>(pending.size()) - 1);
        if (const NodeList children = tree.children(node); !children.empty())
            pending.push_back(Level{children});
    }
}

}  // namespace vq
