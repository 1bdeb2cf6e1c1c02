#include "core/headless/KeyLookup.h"

#include "core/document/Document.h"
#include "core/editing/CommentCommands.h"
#include "core/headless/KeyLine.h"
#include "core/text/Blanks.h"

#include <string>
#include <vector>

namespace vq {

namespace {

enum class Kind { Section, Title, Key, CommentedKey };

Kind KindOf(const TopicNode& node) {
    switch (node.image) {
    case NodeImage::Section:
    case NodeImage::SectionOpen: return Kind::Section;
    case NodeImage::Title:
    case NodeImage::TitleOpen: return Kind::Title;
    case NodeImage::Key: return Kind::Key;
    case NodeImage::CommentedKey: return Kind::CommentedKey;
    }
    return Kind::Key;
}

// Reads the key lines and commented key lines under tree nodes.
class Lookup {
public:
    Lookup(const Document& doc, const AnalysisSettings& s, std::string_view key)
        : m_doc(doc), m_tree(doc.tree()), m_s(s), m_key(key) {}

    // Notes the lines of this key among the nodes (and the children of their titles) in
    // `found`, and how their key lines are spaced; returns the row of the last key line.
    std::optional<size_t> collect(const NodeList& nodes, KeyRows& found) {
        std::optional<size_t> lastKey;
        for (const NodeId id : nodes) {
            const TopicNode node = m_tree.node(id);
            const Kind kind = KindOf(node);
            if (kind == Kind::Section || kind == Kind::Title) {
                if (auto last = collect(m_tree.children(id), found))
                    lastKey = last;
                continue;
            }
            const std::optional<size_t> row = rowOf(node);
            if (!row)
                continue;
            if (kind == Kind::Key) {
                lastKey = row;
                noteSpacing(*row);
            }
            take(kind, *row, found);
        }
        return lastKey;
    }

    // The last key line with a split sign among the nodes and their children, from the end.
    std::optional<size_t> lastSplitKey(const NodeList& nodes) const {
        for (size_t k = nodes.size(); k-- > 0;) {
            const TopicNode node = m_tree.node(nodes[k]);
            const Kind kind = KindOf(node);
            if (kind == Kind::Section || kind == Kind::Title) {
                if (auto row = lastSplitKey(m_tree.children(nodes[k])))
                    return row;
                continue;
            }
            const std::optional<size_t> row = rowOf(node);
            if (kind == Kind::Key && row && SplitKeyLine(m_s, m_doc.caption(*row)))
                return row;
        }
        return std::nullopt;
    }

    std::optional<size_t> rowOf(const TopicNode& node) const {
        return node.row == kNoRow ? std::nullopt : m_doc.indexOf(node.row);
    }

    // The last key line of those spaced as most key lines collected are.
    std::optional<size_t> usualSpacing() const {
        const Spacing* best = nullptr;
        for (const Spacing& s : m_spacings)
            if (best == nullptr || s.count > best->count || (s.count == best->count && s.lastRow > best->lastRow))
                best = &s;
        return best ? std::optional<size_t>(best->lastRow) : std::nullopt;
    }

private:
    struct Spacing {
        std::string form;  // indentation, blanks before and after the sign, each ended by a NUL
        size_t count = 0;
        size_t lastRow = 0;
    };

    void noteSpacing(size_t row) {
        const std::string_view line = m_doc.caption(row);
        const auto parts = SplitKeyLine(m_s, line);
        if (!parts)
            return;
        const KeySpacing spacing = SpacingOf(m_s, line, *parts);
        std::string form = spacing.indent + '\0' + spacing.beforeSplit + '\0' + spacing.afterSplit;
        for (Spacing& s : m_spacings) {
            if (s.form == form) {
                ++s.count;
                s.lastRow = row;
                return;
            }
        }
        m_spacings.push_back({std::move(form), 1, row});
    }

    void take(Kind kind, size_t row, KeyRows& found) const {
        const std::string_view caption = m_doc.caption(row);
        const std::string_view text = kind == Kind::Key ? caption : UncommentedKeyText(m_s, caption);
        const auto parts = SplitKeyLine(m_s, text);
        if (!parts || parts->name(text) != m_key)
            return;
        (kind == Kind::Key ? found.active : found.commented).push_back(row);
    }

    const Document& m_doc;
    const TopicTree& m_tree;
    const AnalysisSettings& m_s;
    std::string_view m_key;
    std::vector<Spacing> m_spacings;
};

std::string_view HeaderName(std::string_view header) {
    return header.size() >= 2 ? header.substr(1, header.size() - 2) : std::string_view();
}

// After the last line of the rows before `end` that is not blank; the top when there is none.
size_t AfterLastNonBlank(const Document& doc, size_t end) {
    while (end > 0 && IsBlankText(doc.caption(end - 1)))
        --end;
    return end;
}

}  // namespace

std::string_view SectionName(std::string_view section) {
    if (section.size() >= 2 && section.front() == '[' && section.back() == ']' &&
        section.find(']') == section.size() - 1)
        return section.substr(1, section.size() - 2);
    return section;
}

std::string_view UncommentedKeyText(const AnalysisSettings& s, std::string_view line) {
    return UncommentText(s, line).text;
}

KeyRows FindKeyRows(const Document& doc, const AnalysisSettings& s, std::string_view section, std::string_view key) {
    const std::string_view name = SectionName(section);
    const TopicTree& tree = doc.tree();
    const NodeList top = tree.children(kNoNode);
    Lookup lookup(doc, s, key);
    KeyRows found;
    found.insertAt = doc.rowCount();
    if (name.empty()) {
        // The part of the file before the first header.
        size_t firstSection = 0;
        while (firstSection < top.size() && KindOf(tree.node(top[firstSection])) != Kind::Section)
            ++firstSection;
        const NodeList before = top.first(firstSection);
        const size_t headerRow = firstSection < top.size()
                                     ? lookup.rowOf(tree.node(top[firstSection])).value_or(doc.rowCount())
                                     : doc.rowCount();
        found.sectionFound = true;
        const std::optional<size_t> lastKey = lookup.collect(before, found);
        found.insertAt = lastKey ? *lastKey + 1 : AfterLastNonBlank(doc, headerRow);
        found.model = lookup.usualSpacing();
    } else {
        bool anyBlock = false;
        for (const NodeId id : top) {
            const TopicNode node = tree.node(id);
            if (KindOf(node) != Kind::Section || HeaderName(node.text) != name)
                continue;
            anyBlock = true;
            const std::optional<size_t> lastKey = lookup.collect(tree.children(id), found);
            const std::optional<size_t> header = lookup.rowOf(node);
            if (lastKey)
                found.insertAt = *lastKey + 1;
            else if (header)
                found.insertAt = *header + 1;
        }
        found.sectionFound = anyBlock;
        found.model = lookup.usualSpacing();
    }
    if (!found.model)
        found.model = lookup.lastSplitKey(top);
    return found;
}

}  // namespace vq
