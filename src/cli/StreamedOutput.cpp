#include "cli/StreamedOutput.h"

#include "cli/FileLines.h"
#include "cli/Outline.h"

#include "core/document/TreePass.h"
#include "core/text/TextLines.h"

#include <cstring>
#include <memory>
#include <vector>

namespace vq::cli {

namespace {

// Output gathered in pieces of this size before the sink takes them.
constexpr size_t kPiece = size_t{1} << 18;

class Buffered {
public:
    explicit Buffered(const OutputSink& sink)
        : m_sink(sink), m_bytes(std::make_unique_for_overwrite<char[]>(kPiece)), m_capacity(kPiece) {}
    // Room for n more bytes at the end of the buffer, kept up to where commit() is told they end;
    // null once the sink failed.
    char* room(size_t n) {
        if (m_used + n > m_capacity) {
            if (!flush())
                return nullptr;
            if (n > m_capacity) {
                m_bytes = std::make_unique_for_overwrite<char[]>(n);
                m_capacity = n;
            }
        }
        return m_bytes.get() + m_used;
    }
    void commit(const char* end) { m_used = static_cast<size_t>(end - m_bytes.get()); }
    bool append(std::string_view bytes) {
        if (bytes.size() > kPiece) {
            if (!flush())
                return false;
            m_error = m_sink(bytes);
            return m_error == 0;
        }
        char* p = room(bytes.size());
        if (!p)
            return false;
        if (!bytes.empty())
            std::memcpy(p, bytes.data(), bytes.size());
        commit(p + bytes.size());
        return true;
    }
    bool flush() {
        if (m_error == 0 && m_used != 0)
            m_error = m_sink(std::string_view(m_bytes.get(), m_used));
        m_used = 0;
        return m_error == 0;
    }
    int error() const { return m_error; }

private:
    const OutputSink& m_sink;
    std::unique_ptr<char[]> m_bytes;
    size_t m_capacity;
    size_t m_used = 0;
    int m_error = 0;
};

// The rows of a streamed pass: numbered by their line, each its line as read. Only the check
// mark of the row being fed is kept.
struct StreamRows {
    bool checked = false;
    RowId rowId(size_t i) const { return static_cast<RowId>(i); }
    bool isLine(size_t) const { return true; }
    void setChecked(size_t, bool c) { checked = c; }
    void setNode(size_t, NodeId) {}
};

struct Line {
    std::string_view text;
    LineBreak lineBreak = LineBreak::CRLF;
};

// Takes the pass's nodes and hands them on in tree order (the order they are made in) as soon as
// they are final: a title may still replace the node of its own row or the row before.
class NodeQueue {
public:
    struct Node {
        NodeId id;
        int depth;
        NodeKind kind;
        RowId row;
        std::string_view line;  // the row's line
        LineBreak lineBreak;    // and the break it is written with
        bool removed;
    };

    // The lines of the rows a node can be made for now: this one and the one before.
    void setLine(size_t row, std::string_view line, LineBreak lineBreak) {
        m_previous = m_current;
        m_current = {line, lineBreak};
        m_row = row;
    }
    NodeId addOfLine(NodeId parent, RowId row, NodeKind kind) {
        int depth = 0;
        while (depth < kMaxDepth && m_spine[depth] != parent)
            ++depth;
        if (depth == kMaxDepth)
            depth = 0;  // the top level
        const NodeId id = m_next++;
        m_spine[depth + 1] = id;
        for (int d = depth + 2; d <= kMaxDepth; ++d)
            m_spine[d] = kNoNode - 1;
        const Line& line = row == m_row ? m_current : m_previous;
        m_queue.push_back(Node{id, depth, kind, row, line.text, line.lineBreak, false});
        return id;
    }
    NodeId add(NodeId parent, std::string_view, RowId row, NodeKind kind) { return addOfLine(parent, row, kind); }
    void remove(NodeId id) {
        for (size_t k = m_head; k < m_queue.size(); ++k)
            if (m_queue[k].id == id)
                m_queue[k].removed = true;
    }
    // Hands on the nodes of rows before `row` from the front (all with SIZE_MAX). A title only
    // replaces the node of the row it is fed on or of the row before, so once a row has been
    // fed, the nodes of the rows before it are final.
    template <typename F>
    void takeFinal(size_t row, F&& f) {
        for (; m_head < m_queue.size() && (row == SIZE_MAX || m_queue[m_head].row < row); ++m_head)
            if (!m_queue[m_head].removed)
                f(m_queue[m_head]);
        if (m_head == m_queue.size()) {
            m_queue.clear();
            m_head = 0;
        }
    }

private:
    static constexpr int kMaxDepth = 4;
    NodeId m_spine[kMaxDepth + 1] = {kNoNode, kNoNode - 1, kNoNode - 1, kNoNode - 1, kNoNode - 1};
    NodeId m_next = 0;
    std::vector<Node> m_queue;  // the nodes from m_head on are still to be handed on
    size_t m_head = 0;
    Line m_current, m_previous;
    size_t m_row = SIZE_MAX;
};

// What a node shows of its line.
std::string_view NodeText(const NodeQueue::Node& node) {
    switch (node.kind) {
    case NodeKind::Section: return SectionHeaderOf(node.line);
    case NodeKind::Title: return TitleTextOf(node.line);
    default: return node.line;
    }
}

// Runs the analysis over the lines after any byte-order mark, calling onLine(Line, checked) after
// each line is classified and onNode(Node) for each final node. A last line without a break is
// given the file's first break, which is the first line's.
template <typename OnLine, typename OnNode>
void Analyse(FileLines& lines, const AnalysisSettings& s, Buffered& out, OnLine&& onLine, OnNode&& onNode) {
    if (StartsWithUtf8Bom(lines.head()))
        lines.skipHead(kUtf8Bom.size());
    StreamRows rows;
    NodeQueue nodes;
    TreePass<StreamRows, NodeQueue> pass(nodes, s, rows);
    std::string_view text;
    bool hasBreak = true;
    LineBreak lineBreak = LineBreak::CRLF;
    LineBreak docBreak = LineBreak::CRLF;
    for (size_t i = 0; lines.next(text, hasBreak, lineBreak); ++i) {
        if (i == 0 && hasBreak)
            docBreak = lineBreak;
        const Line line{text, hasBreak ? lineBreak : BreakAfter(text, docBreak)};
        nodes.setLine(i, text, line.lineBreak);
        pass.feed(i, text);
        nodes.takeFinal(i, onNode);
        onLine(line, rows.checked);
        if (out.error())
            return;
    }
    nodes.takeFinal(SIZE_MAX, onNode);
}

}  // namespace

int StreamOutline(FileLines& lines, const AnalysisSettings& s, const OutputSink& sink) {
    Buffered out(sink);
    Analyse(
        lines, s, out, [](const Line&, bool) {},
        [&](const NodeQueue::Node& node) {
            const std::string_view text = NodeText(node);
            if (char* p = out.room(OutlineLineRoom(node.depth, text.size())))
                out.commit(PutOutlineLine(p, node.depth, ImageOf(node.kind), size_t{node.row} + 1, text));
        });
    out.flush();
    return out.error();
}

int StreamExtraction(FileLines& lines, const AnalysisSettings& s, ExtractionKind kind, const OutputSink& sink) {
    Buffered out(sink);
    if (StartsWithUtf8Bom(lines.head()))
        out.append(kUtf8Bom);
    auto put = [&](const Line& line) {
        out.append(line.text);
        out.append(BreakBytes(line.lineBreak));
    };
    // Every line with the break it was read with is the file as it is; a last line without
    // a break gets one.
    Analyse(
        lines, s, out,
        [&](const Line& line, bool checked) {
            if (kind == ExtractionKind::All || (kind == ExtractionKind::Checked && checked))
                put(line);
        },
        [&](const NodeQueue::Node& node) {
            if (kind == ExtractionKind::Tree)
                put(Line{node.line, node.lineBreak});
        });
    out.flush();
    return out.error();
}

}  // namespace vq::cli
