#pragma once

#include <cstddef>

namespace vq {

// What the views follow. Row and line notifications come in before/after pairs so item models
// can bracket them; indexes are 0-based.
class DocumentListener {
public:
    virtual ~DocumentListener() = default;

    virtual void rowsAboutToBeReset() {}
    virtual void rowsReset() {}
    virtual void rowAboutToBeInserted(size_t) {}
    virtual void rowInserted(size_t) {}
    virtual void rowAboutToBeRemoved(size_t) {}
    virtual void rowRemoved(size_t) {}
    virtual void rowsChanged(size_t /*first*/, size_t /*last*/) {}

    virtual void targetReset() {}
    virtual void targetLineReplaced(size_t) {}
    virtual void targetLineInserted(size_t) {}
    virtual void targetLineRemoved(size_t) {}

    virtual void treeAboutToBeReset() {}
    virtual void treeReset() {}
    virtual void treeNodeChanged(int /*node*/) {}

    virtual void logAppended() {}
    virtual void logCleared() {}

    // FileName, Modified, the window caption, mirroring or the target page's hint changed.
    virtual void stateChanged() {}
};

}  // namespace vq
