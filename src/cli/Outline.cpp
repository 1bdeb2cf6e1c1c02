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

size_t Digits(size_t n) {
    size_t digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

}  // namespace

// Measured first, with room for the longest row number on every line, so the text is made in
// one block that is never moved, byte by byte without a library call per piece.
ByteBuffer OutlineOf(const Document& doc) {
    const TopicTree& tree = doc.tree();
    const size_t fixed = Digits(doc.rowCount()) + 5;  // letter, space, number, ": ", LF
    size_t total = 0;
    ForEachNodeInTreeOrder(tree, [&](NodeId id, int depth) {
        total += static_cast<size_t>(depth) * 2 + tree.node(id).text.size() + fixed;
    });
    ByteBuffer out = ByteBuffer::withCapacity(total);
    char* p = out.data();
    ForEachNodeInTreeOrder(tree, [&](NodeId id, int depth) {
        const TopicNode node = tree.node(id);
        std::memset(p, ' ', static_cast<size_t>(depth) * 2);
        p += depth * 2;
        *p++ = KindLetter(node.image);
        *p++ = ' ';
        if (const size_t number = RowNumber(doc, node.row))
            p = std::to_chars(p, p + 20, number).ptr;
        else
            *p++ = '-';
        *p++ = ':';
        *p++ = ' ';
        std::memcpy(p, node.text.data(), node.text.size());
        p += node.text.size();
        *p++ = '\n';
    });
    out.setSize(static_cast<size_t>(p - out.data()));
    return out;
}

}  // namespace vq::cli
