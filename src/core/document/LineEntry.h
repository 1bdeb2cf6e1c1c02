#pragma once

#include "core/document/TopicTree.h"

#include <cstdint>
#include <string_view>

namespace vq {

// The record each row owns.
struct EntryRecord {
    std::uint8_t edited = 0;   // 1 once an editing command changed the row
    std::uint8_t newLine = 0;  // 1 for a row the user inserted; never changes
    NodeId node = kNoNode;     // the tree node the last analysis built for this row
};

// One row of the content list, as read at one moment (Document::row). The texts are views into
// the document, valid until its next change.
struct LineEntry {
    std::string_view caption;   // current text, as it will be written (no break)
    std::string_view original;  // text at load; empty for an inserted row
    RowId id = kNoRow;          // stable across inserts and deletes; tree nodes refer to it
    bool checked = false;
    EntryRecord record;
};

}  // namespace vq
