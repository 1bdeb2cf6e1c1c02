#pragma once

#include "core/document/TopicTree.h"

#include <cstddef>
#include <span>

namespace vq {

// A run of rows, target-text lines or log entries: `count` of them from index `first`.
struct Range {
    size_t first = 0;
    size_t count = 0;
    size_t last() const { return first + count - 1; }
    bool operator==(const Range&) const = default;
};

// What the views follow. Changes come in ranges, never one call per row of a bulk change:
//
//  - Inserted and removed rows (and target-text lines) come as about-to/done pairs, so item
//    models can bracket them with begin/end calls. Each range's indexes are those of the moment
//    it is sent: when a command removes several runs of rows, the runs come from the top down
//    and each one's first index already counts the runs above it as gone. Between the two calls
//    of a pair the document reads as it would be with that one range inserted or removed.
//  - Changed rows and replaced lines come as ranges of contiguous indexes after the change.
//  - Everything one command does arrives between changesBegin() and changesEnd() (see
//    Document::ChangeBatch), with the changed rows coalesced into ranges, its log entries in one
//    logAppended() and at most one stateChanged(), both at the end.
//
// Indexes are 0-based. Listeners must not change the document from inside a notification.
class DocumentListener {
public:
    virtual ~DocumentListener() = default;

    virtual void changesBegin() {}
    virtual void changesEnd() {}

    virtual void rowsAboutToBeReset() {}
    virtual void rowsReset() {}
    virtual void rowsAboutToBeInserted(Range) {}
    virtual void rowsInserted(Range) {}
    virtual void rowsAboutToBeRemoved(Range) {}
    virtual void rowsRemoved(Range) {}
    // The next `runs` removed ranges are one removal (sent before them, when there are
    // several), so that a view that follows runs one by one at a cost can decide up front.
    virtual void rowRunsAhead(size_t /*runs*/) {}
    // Text, check mark or flags of these rows changed.
    virtual void rowsChanged(Range) {}

    virtual void targetReset() {}
    virtual void targetLinesReplaced(Range) {}
    virtual void targetLinesInserted(Range) {}
    virtual void targetLinesRemoved(Range) {}

    virtual void treeAboutToBeReset() {}
    virtual void treeReset() {}
    // These nodes' rows were deleted: they keep their place and have no row any more.
    virtual void treeNodesLostRows(std::span<const NodeId>) {}
    // These nodes' rows are back (a deletion taken back): they are drawn as before.
    virtual void treeNodesFoundRows(std::span<const NodeId>) {}

    virtual void logAppended(Range) {}
    virtual void logCleared() {}

    // FileName, Modified, Loading, the window caption, mirroring or the target page's hint changed.
    virtual void stateChanged() {}
};

}  // namespace vq
