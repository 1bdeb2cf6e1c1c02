#pragma once

#include "core/document/DocumentContent.h"
#include "core/text/TextLines.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The text that Save writes, as read through Document::target(): lines, each with its own line
// break, and whether the last line ends with one. While it mirrors the rows, line i is row i's
// caption, written with the row's break. A TargetText is a view: it is valid until the
// document's content is replaced (a load), its texts until the document's next change.
class TargetText {
public:
    explicit TargetText(const DocumentContent& content) : m_c(&content) {}

    size_t lineCount() const { return m_c->targetIsRows ? m_c->rows.size() : m_c->targetLines.size(); }
    bool empty() const { return lineCount() == 0; }
    std::string_view line(size_t i) const {
        return m_c->targetIsRows ? m_c->caption(i) : m_c->targetText(m_c->targetLines[i]);
    }
    LineBreak lineBreak(size_t i) const {
        return BreakAfter(line(i), m_c->targetIsRows ? m_c->rowBreak(i) : m_c->targetLines[i].lineBreak);
    }
    bool endsWithBreak() const { return m_c->targetEndsWithBreak; }
    // Whether line i is written with its break: every line but the last, the last one when the
    // text ends with a break, and an empty last line always, since without its break it would
    // be no line at all.
    bool writesBreak(size_t i) const { return i + 1 < lineCount() || endsWithBreak() || line(i).empty(); }
    // The break new lines take: the file's first break, CR LF for a new document.
    LineBreak defaultBreak() const { return m_c->lines.docBreak(); }
    // True while the text is the rows' text line for line.
    bool followsRows() const { return m_c->targetIsRows; }
    // A bound on the longest line's length in bytes, when it is known without a walk over the
    // lines: while the text is the rows' and the rows are their lines as read (a load counts
    // the longest line as it splits the file).
    std::optional<size_t> longestLineBound() const {
        if (m_c->targetIsRows && m_c->rows.textsAsLoaded())
            return m_c->lines.longestLine();
        return std::nullopt;
    }

    // The bytes Save writes (without any byte-order mark), after `prefix`.
    std::string bytes(std::string_view prefix = {}) const;
    // The same bytes as pieces to be written one after the other, without a copy: runs of the
    // text the document was read from, where lines follow each other there as they were read, and
    // the texts and breaks in between. Valid as long as the line texts are.
    std::vector<std::string_view> pieces(std::string_view prefix = {}) const;
    // The text the document was read from, after any byte-order mark.
    std::string_view readText() const { return m_c->lines.text(); }

private:
    const DocumentContent* m_c;
};

}  // namespace vq
