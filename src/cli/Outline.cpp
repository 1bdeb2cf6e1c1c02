#include "cli/Outline.h"

#include "core/document/TreeOrder.h"
#include "core/text/ByteBuffer.h"

#include <charconv>
#include <cstring>

namespace vq::cli {

namespace {

char KindLetter(NodeImage image) {
    switch (image) {
    case NodeImage::Section:
    case NodeImage::SectionOpen: return 'S';
    case NodeImage::Title:
    case NodeImage::TitleOpen: return 'T';
    case NodeImage::Key: return 'K';
    case NodeImage::CommentedKey: return 'C';
    }
    return '?';
}

// A node's row number, 0 when its row is gone.
size_t RowNumber(const Document& doc, RowId row) {
    const auto index = row == kNoRow ? std::nullopt : doc.indexOf(row);
    return index ? *index + 1 : 0;
}

}  // namespace

char* PutOutlineLine(char* p, int depth, NodeImage image, size_t rowNumber, std::string_view text) {
    std::memset(p, ' ', static_cast<size_t>(depth) * 2);
    p += depth * 2;
    *p++ = KindLetter(image);
    *p++ = ' ';
    if (rowNumber != 0)
        p = std::to_chars(p, p + 20, rowNumber).ptr;
    else
        *p++ = '-';
    *p++ = ':';
    *p++ = ' ';
    std::memcpy(p, text.data(), text.size());
    p += text.size();
    *p++ = '\n';
    return p;
}

// Measured first, so the text is made in one block that is never moved.
ByteBuffer OutlineOf(const Document& doc) {
    const TopicTree& tree = doc.tree();
    size_t total = 0;
    ForEachNodeInTreeOrder(tree,
                           [&](NodeId id, int depth) { total += OutlineLineRoom(depth, tree.node(id).text.size()); });
    ByteBuffer out = ByteBuffer::withCapacity(total);
    char* p = out.data();
    ForEachNodeInTreeOrder(tree, [&](NodeId id, int depth) {
        const TopicNode node = tree.node(id);
        p = PutOutlineLine(p, depth, node.image, RowNumber(doc, node.row), node.text);
    });
    out.setSize(static_cast<size_t>(p - out.data()));
    return out;
}

}  // namespace vq::cli
