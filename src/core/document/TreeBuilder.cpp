#include "document/TreeBuilder.h"

#include "document/Blanks.h"
#include "document/LineTests.h"

namespace vq {

namespace {

// The state of one walk over the rows. Node texts are views into the rows' captions, which
// the document's store keeps alive, so building a node copies no text.
class TreePass {
public:
    TreePass(Document& doc, TopicTree& tree, const AnalysisSettings& s) : m_doc(doc), m_tree(tree), m_s(s) {}

    void walk(const Progress& progress) {
        const size_t n = m_doc.rowCount();
        ProgressPacer pacer(progress, texts::kBuildingTree);
        for (size_t i = 0; i < n; ++i) {
            pacer.step(i, n);
            classify(i);
        }
    }

private:
    enum class Kind { Comment, Header, Key, Blank };

    void classify(size_t i) {
        const std::string_view line = m_doc.caption(i);
        const Kind kind = classifyRow(i, line);
        if (kind == Kind::Header)
            return;  // a header never takes part in a title
        if (CheckTitleLine(m_s, line, m_titleState, m_title))
            addTitle(titleRowFor(i));
        else if (kind == Kind::Key)
            addKeyNode(i, kImageKey);
    }

    // Sets the row's checked state and makes the nodes that do not depend on titles.
    Kind classifyRow(size_t i, std::string_view line) {
        if (IsCommentLine(m_s, line)) {
            m_doc.setRowAnalysis(i, false, kNoNode);
            if (HasSplitSign(m_s, line))
                addKeyNode(i, kImageCommentedKey);
            return Kind::Comment;
        }
        if (IsBlankText(line)) {
            m_doc.setRowAnalysis(i, false, kNoNode);
            return Kind::Blank;
        }
        m_doc.setRowAnalysis(i, true, kNoNode);
        std::string_view header;
        if (!IsSectionHeader(line, header))
            return Kind::Key;
        m_section = m_parent = addNode(kNoNode, i, header, kImageSection, kImageSectionOpen);
        m_titleState = 0;
        return Kind::Header;
    }

    // The three-line types complete on the closing sign; the title belongs to the line before.
    size_t titleRowFor(size_t i) const {
        return (m_s.titleType == 3 || m_s.titleType == 4) && i > 0 ? i - 1 : i;
    }

    void addKeyNode(size_t i, NodeImage image) { addNode(m_parent, i, m_doc.caption(i), image, image); }

    // The title row may already hold the Key or Commented-key node this pass gave it; that node
    // has no children, so it can simply go.
    void addTitle(size_t row) {
        const NodeId old = m_doc.row(row).record.node;
        if (old != kNoNode)
            m_tree.remove(old);
        m_parent = addNode(m_section, row, m_title, kImageTitle, kImageTitleOpen);
    }

    NodeId addNode(NodeId parent, size_t i, std::string_view text, NodeImage image, NodeImage selected) {
        const NodeId id = m_tree.add(parent, text, m_doc.row(i).id, image, selected);
        m_doc.setRowNode(i, id);
        return id;
    }

    Document& m_doc;
    TopicTree& m_tree;
    const AnalysisSettings& m_s;
    NodeId m_section = kNoNode;  // the last section node made
    NodeId m_parent = kNoNode;   // the last section or title node made
    int m_titleState = 0;
    std::string_view m_title;  // the title text last taken; a view into a caption
};

}  // namespace

bool BuildTopicTree(Document& doc, const AnalysisSettings& s, const Progress& progress, std::string* error) {
    TopicTree& tree = doc.beginTreeRebuild();
    bool ok = true;
    try {
        // A row holds at most one live node, so one slot per row nearly always suffices (only
        // the slots of replaced nodes can push past it). That is no more than growing the vector
        // reaches for a file of mostly nodes, and it saves the copies and doubled peak of growth.
        tree.reserve(doc.rowCount());
        TreePass(doc, tree, s).walk(progress);
    } catch (...) {
        // Whatever went wrong, the nodes made so far stay and the user is told.
        ok = false;
    }
    doc.endTreeRebuild();
    progress.message(texts::kDone);
    if (!ok && error)
        *error = texts::kTitleSettingsError;
    return ok;
}

}  // namespace vq
