#include "cli/StreamedOutput.h"

#include "core/document/TreePass.h"
#include "core/text/TextLines.h"

#include <charconv>
#include <cstring>
#include <deque>
#include <string>

namespace vq::cli {

namespace {

// Output gathered in pieces of this size before the sink takes them.
constexpr size_t kPiece = size_t{1} << 18;

class Buffered {
public:
    explicit Buffered(const OutputSink& sink) : m_sink(sink) { m_text.reserve(kPiece + 4096); }
    // Room for n more bytes at the end of the buffer; false once the sink failed.
    char* room(size_t n) {
        if (m_text.size() + n > kPiece && !flush())
            return nullptr;
        const size_t at = m_text.size();
        m_text.resize(at + n);
        return m_text.data() + at;
    }
    void shrinkBy(size_t n) { m_text.resize(m_text.size() - n); }
    bool append(std::string_view bytes) {
        if (bytes.size() > kPiece) {
            if (!flush())
                return false;
            m_error = m_sink(bytes);
            return m_error == 0;
        }
        char* p = room(bytes.size());
        if (p && !bytes.empty())
            std::memcpy(p, bytes.data(), bytes.size());
        return p != nullptr;
    }
    bool flush() {
        if (m_error == 0 && !m_text.empty())
            m_error = m_sink(m_text);
        m_text.clear();
        return m_error == 0;
    }
    int error() const { return m_error; }

private:
    const OutputSink& m_sink;
    std::string m_text;
    int m_error = 0;
};

char KindLetter(NodeKind kind) {
    switch (kind) {
    case NodeKind::Section: return 'S';
    case NodeKind::Title: return 'T';
    case NodeKind::Key: return 'K';
    case NodeKind::CommentedKey: return 'C';
    }
    return '?';
}

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
        for (Node& node : m_queue)
            if (node.id == id)
                node.removed = true;
    }
    // Hands on every node of rows before `row` - 1 (all with SIZE_MAX).
    template <typename F>
    void takeFinal(size_t row, F&& f) {
        while (!m_queue.empty() && (row == SIZE_MAX || m_queue.front().row + 1 < row)) {
            if (!m_queue.front().removed)
                f(m_queue.front());
            m_queue.pop_front();
        }
    }

private:
    static constexpr int kMaxDepth = 4;
    NodeId m_spine[kMaxDepth + 1] = {kNoNode, kNoNode - 1, kNoNode - 1, kNoNode - 1, kNoNode - 1};
    NodeId m_next = 0;
    std::deque<Node> m_queue;
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

// Runs the analysis over the lines after any byte-order mark, calling line(i, Line, checked) after
// each line is classified and node(Node) for each final node.
template <typename OnLine, typename OnNode>
bool Analyse(std::string_view bytes, const AnalysisSettings& s, Buffered& out, OnLine&& onLine, OnNode&& onNode) {
    const LineBreak docBreak = FirstBreak(bytes, LineBreak::CRLF);
    if (StartsWithUtf8Bom(bytes))
        bytes.remove_prefix(kUtf8Bom.size());
    StreamRows rows;
    NodeQueue nodes;
    TreePass<StreamRows, NodeQueue> pass(nodes, s, rows);
    LineCursor cursor(bytes);
    std::string_view text;
    bool hasBreak = true;
    LineBreak lineBreak = docBreak;
    for (size_t i = 0; cursor.next(text, hasBreak, lineBreak); ++i) {
        const Line line{text, hasBreak ? lineBreak : BreakAfter(text, docBreak)};
        nodes.setLine(i, text, line.lineBreak);
        pass.feed(i, text);
        nodes.takeFinal(i, onNode);
        onLine(line, rows.checked);
        if (out.error())
            return false;
    }
    nodes.takeFinal(SIZE_MAX, onNode);
    return out.error() == 0;
}

size_t Digits(size_t n) {
    size_t digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

}  // namespace

int StreamOutline(std::string_view bytes, const AnalysisSettings& s, const OutputSink& sink) {
    Buffered out(sink);
    Analyse(
        bytes, s, out, [](const Line&, bool) {},
        [&](const NodeQueue::Node& node) {
            const std::string_view text = NodeText(node);
            const size_t row = size_t{node.row} + 1;
            const size_t most = static_cast<size_t>(node.depth) * 2 + Digits(row) + 5 + text.size();
            char* p = out.room(most);
            if (!p)
                return;
            std::memset(p, ' ', static_cast<size_t>(node.depth) * 2);
            p += node.depth * 2;
            *p++ = KindLetter(node.kind);
            *p++ = ' ';
            p = std::to_chars(p, p + 20, row).ptr;
            *p++ = ':';
            *p++ = ' ';
            std::memcpy(p, text.data(), text.size());
            p += text.size();
            *p++ = '\n';
        });
    out.flush();
    return out.error();
}

int StreamExtraction(std::string_view bytes, const AnalysisSettings& s, ExtractionKind kind, const OutputSink& sink) {
    Buffered out(sink);
    if (StartsWithUtf8Bom(bytes))
        out.append(kUtf8Bom);
    auto put = [&](std::string_view text, LineBreak lineBreak) {
        out.append(text);
        out.append(BreakBytes(lineBreak));
    };
    if (kind == ExtractionKind::All) {
        // The file as it is, a last line without a break given the file's first break.
        const std::string_view text = bytes.substr(StartsWithUtf8Bom(bytes) ? kUtf8Bom.size() : 0);
        out.append(text);
        if (!text.empty() && text.back() != '\n')
            out.append(BreakBytes(BreakAfter(text, FirstBreak(bytes, LineBreak::CRLF))));
    } else {
        Analyse(
            bytes, s, out,
            [&](const Line& line, bool checked) {
                if (kind == ExtractionKind::Checked && checked)
                    put(line.text, line.lineBreak);
            },
            [&](const NodeQueue::Node& node) {
                if (kind == ExtractionKind::Tree)
                    put(node.line, node.lineBreak);
            });
    }
    out.flush();
    return out.error();
}

}  // namespace vq::cli
