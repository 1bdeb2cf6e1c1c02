#include "TreeDump.h"

namespace vq::test {

namespace {

void DumpBranch(const Document& doc, NodeId parent, int depth, std::string& out) {
    for (NodeId id : doc.tree().children(parent)) {
        const TopicNode& node = doc.tree().node(id);
        const auto row = doc.indexOf(node.row);
        out.append(static_cast<size_t>(depth) * 2, ' ');
        out += node.text;
        out += ' ' + std::to_string(static_cast<int>(node.image)) + '/' +
               std::to_string(static_cast<int>(node.selectedImage));
        out += row ? " r" + std::to_string(*row) : std::string(" r-");
        out += '\n';
        DumpBranch(doc, id, depth + 1, out);
    }
}

}  // namespace

std::string DumpTree(const Document& doc) {
    std::string out;
    DumpBranch(doc, kNoNode, 0, out);
    return out;
}

std::string DumpChecks(const Document& doc) {
    std::string out;
    for (size_t i = 0; i < doc.rowCount(); ++i)
        out += doc.row(i).checked ? '1' : '0';
    return out;
}

std::string DumpRowNodes(const Document& doc) {
    std::string out;
    for (size_t i = 0; i < doc.rowCount(); ++i) {
        const NodeId node = doc.row(i).record.node;
        if (node == kNoNode)
            continue;
        if (!out.empty())
            out += ' ';
        out += std::to_string(i);
        if (doc.tree().node(node).row != doc.row(i).id || !doc.tree().node(node).alive)
            out += '!';
    }
    return out;
}

void LoadLines(Document& doc, const std::vector<std::string>& lines) {
    std::string bytes;
    for (size_t i = 0; i < lines.size(); ++i)
        bytes += (i ? "\n" : "") + lines[i];
    doc.load(bytes, Progress{});
}

}  // namespace vq::test
