#pragma once

#include "core/document/LineTests.h"
#include "core/document/TopicTree.h"
#include "core/settings/AnalysisSettings.h"

#include <string_view>

namespace vq {

// The classification of one analysis pass, fed one row after the other: sets each row's check
// mark and adds the nodes of sections, titles, key lines and commented key lines, each line
// classified once (ClassifyLine). The same pass runs while a file is split (DocumentLoading) and
// when the tree is refreshed (TreeBuilder).
//
// `Rows` tells the pass a row's id and takes what it decides:
//   RowId rowId(size_t i); bool isLine(size_t i) (the text fed is the row's line as read);
//   void setChecked(size_t i, bool); void setNode(size_t i, NodeId);
// Line texts given to feed() must stay valid for the whole pass: a three-line title takes its
// text from the line before the one that completes it.
//
// `Tree` takes the nodes as TopicTree does: addOfLine(parent, row, kind), add(parent, text, row,
// kind), remove(node); a node's parent is always the last node added or one of its ancestors.
template <typename Rows, typename Tree = TopicTree>
class TreePass {
public:
    TreePass(Tree& tree, const AnalysisSettings& s, Rows& rows)
        : m_tree(tree), m_s(s), m_rows(rows), m_titles(s.titleType != TitleType::None) {}

    void feed(size_t i, std::string_view line) {
        m_previous = m_current;
        m_current = RowNode{i, kNoNode};
        std::string_view header;
        const LineKind kind = ClassifyLine(m_s, line, header);
        switch (kind) {
        case LineKind::Section:
            m_rows.setChecked(i, true);
            m_section = m_parent = addNode(kNoNode, i, header, NodeKind::Section);
            m_titleState = TitleState::Idle;
            return;  // a header never takes part in a title
        case LineKind::Comment:
            m_rows.setChecked(i, false);
            if (HasSplitSign(m_s, line))
                addNode(m_parent, i, line, NodeKind::CommentedKey);
            break;
        case LineKind::Blank: m_rows.setChecked(i, false); break;
        case LineKind::Key: m_rows.setChecked(i, true); break;
        }
        if (m_titles && CheckTitleLine(m_s, line, m_titleState, m_title))
            addTitle(titleRowFor(i));
        else if (kind == LineKind::Key)
            addNode(m_parent, i, line, NodeKind::Key);
    }

private:
    // The node this pass made for a recent row; a title may replace it.
    struct RowNode {
        size_t row = SIZE_MAX;
        NodeId node = kNoNode;
    };

    // The three-line types complete on the closing sign; the title belongs to the line before.
    size_t titleRowFor(size_t i) const {
        const bool threeLines = m_s.titleType == TitleType::SameSignAround || m_s.titleType == TitleType::BeginEndSigns;
        return threeLines && i > 0 ? i - 1 : i;
    }

    // The title row may already hold the Key or Commented-key node this pass gave it; that node
    // has no children, so it can simply go.
    void addTitle(size_t row) {
        RowNode& slot = row == m_current.row ? m_current : m_previous;
        if (slot.row == row && slot.node != kNoNode)
            m_tree.remove(slot.node);
        m_parent = addNode(m_section, row, m_title, NodeKind::Title);
    }

    // A node of a row whose text is its line takes its text from the line; any other copies it.
    NodeId addNode(NodeId parent, size_t i, std::string_view text, NodeKind kind) {
        const NodeId id = m_rows.isLine(i) ? m_tree.addOfLine(parent, m_rows.rowId(i), kind)
                                           : m_tree.add(parent, text, m_rows.rowId(i), kind);
        m_rows.setNode(i, id);
        if (i == m_current.row)
            m_current.node = id;
        else if (i == m_previous.row)
            m_previous.node = id;
        return id;
    }

    Tree& m_tree;
    const AnalysisSettings& m_s;
    Rows& m_rows;
    const bool m_titles;
    NodeId m_section = kNoNode;  // the last section node made
    NodeId m_parent = kNoNode;   // the last section or title node made
    TitleState m_titleState = TitleState::Idle;
    std::string_view m_title;  // the title text last taken; a view into a line
    RowNode m_current;
    RowNode m_previous;
};

}  // namespace vq
