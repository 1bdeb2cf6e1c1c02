#pragma once

#include "core/document/Document.h"
#include "core/text/ByteBuffer.h"

namespace vq::cli {

// The topic tree as text, one line per node in tree order: two spaces per level, the kind
// letter (S section, T title, K key, C commented key), a space, the node's 1-based row number
// ("-" once its row is deleted), ": ", the node's text as the tree shows it, and LF.
ByteBuffer OutlineOf(const Document& doc);

}  // namespace vq::cli
