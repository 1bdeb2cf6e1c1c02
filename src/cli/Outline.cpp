#include "Outline.h"

#include "document/TreeOrder.h"

#include <charconv>

namespace vq::cli {

namespace {

char KindLetter(NodeImage image) {
    switch (image) {
    case NodeImage::Section:
    case NodeImage::SectionOpen:
        return 'S';
    case NodeImage::Title:
    case NodeImage::TitleOpen:
        return 'T';
    case NodeImage::Key:
        return 'K';
    case NodeImage::CommentedKey:
        return 'C';
    }
    return '?';
}

void AppendNumber(std::string& out, size_t n) {
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, n);
    out.append(digits, end);
}

}  // namespace

std::string OutlineOf(const Document& doc) {
    const TopicTree& tree = doc.tree();
    std::string out;
    // Most of a line is its text; the rest is a few bytes of indent, letter and number.
    out.reserve(tree.nodeCount() * 48);
    ForEachNodeInTreeOrder(tree, [&](NodeId id, int depth) {
        const TopicNode node = tree.node(id);
        out.append(static_cast<size_t>(depth) * 2, ' ');
        out += KindLetter(node.image);
        out += ' ';
        const auto index = node.row == kNoRow ? std::nullopt : doc.indexOf(node.row);
        if (index)
            AppendNumber(out, *index + 1);
        else
            out += '-';
        out += ": ";
        out.append(node.text);
        out += '\n';
    });
    return out;
}

}  // namespace vq::cli
