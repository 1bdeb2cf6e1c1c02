#pragma once

#include "core/document/Document.h"
#include "core/text/ByteBuffer.h"

#include <cstddef>
#include <string_view>

namespace vq::cli {

// The topic tree as text, one line per node in tree order: two spaces per level, the kind
// letter (S section, T title, K key, C commented key), a space, the node's 1-based row number
// ("-" once its row is deleted), ": ", the node's text as the tree shows it, and LF.
ByteBuffer OutlineOf(const Document& doc);

// The most bytes one outline line takes: the indent, the letter, a space, up to 20 digits, ": ",
// the text and LF.
constexpr size_t OutlineLineRoom(int depth, size_t textSize) { return static_cast<size_t>(depth) * 2 + 25 + textSize; }

// Writes one outline line at `p` (row number 0 for a deleted row) and returns where it ends.
char* PutOutlineLine(char* p, int depth, NodeImage image, size_t rowNumber, std::string_view text);

}  // namespace vq::cli
