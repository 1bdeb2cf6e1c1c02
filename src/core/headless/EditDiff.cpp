#include "core/headless/EditDiff.h"

#include "core/document/Document.h"
#include "core/text/TextLines.h"

#include <algorithm>
#include <vector>

namespace vq {

namespace {

constexpr size_t kContext = 3;
constexpr std::string_view kNoBreakMark = "\\ No newline at end of file\n";

// A run of lines taken away from the old text and put in by the new one at the same place.
struct Change {
    size_t oldStart = 0, oldCount = 0;
    size_t newStart = 0, newCount = 0;
};

class DiffWriter {
public:
    DiffWriter(const Document& doc, const std::function<std::string(std::string_view)>& shown)
        : m_doc(doc), m_shown(shown), m_old(SplitIntoLines(doc.target().readText(), LineBreak::LF)) {}

    std::vector<Change> changes() const {
        std::vector<Change> changes;
        const auto note = [&](size_t oldLine, size_t oldCount, size_t newRow, size_t newCount) {
            if (!changes.empty()) {
                Change& last = changes.back();
                if (last.oldStart + last.oldCount == oldLine && last.newStart + last.newCount == newRow) {
                    last.oldCount += oldCount;
                    last.newCount += newCount;
                    return;
                }
            }
            changes.push_back({oldLine, oldCount, newRow, newCount});
        };
        size_t next = 0;  // the next line as read that no row has stood for yet
        for (size_t i = 0; i < m_doc.rowCount(); ++i) {
            if (m_doc.isNewRow(i)) {
                note(next, 0, i, 1);
                continue;
            }
            const size_t line = m_doc.rowId(i);
            if (line > next)
                note(next, line - next, i, 0);
            if (m_doc.caption(i) != m_old.texts[line] || oldHasBreak(line) != newHasBreak(i))
                note(line, 1, i, 1);
            next = line + 1;
        }
        if (next < m_old.texts.size())
            note(next, m_old.texts.size() - next, m_doc.rowCount(), 0);
        return changes;
    }

    std::string write(std::string_view name, const std::vector<Change>& changes) const {
        std::string out;
        out.append("--- ").append(name).append("\n+++ ").append(name).append("\n");
        for (size_t k = 0; k < changes.size();) {
            // Changes whose context would meet go into one hunk.
            size_t last = k;
            while (last + 1 < changes.size() &&
                   changes[last + 1].oldStart - (changes[last].oldStart + changes[last].oldCount) <= 2 * kContext)
                ++last;
            hunk(out, changes, k, last);
            k = last + 1;
        }
        return out;
    }

private:
    bool oldHasBreak(size_t line) const { return line + 1 < m_old.texts.size() || m_old.endsWithBreak; }
    bool newHasBreak(size_t row) const { return m_doc.target().writesBreak(row); }

    void hunk(std::string& out, const std::vector<Change>& changes, size_t first, size_t last) const {
        const Change& a = changes[first];
        const Change& b = changes[last];
        const size_t before = std::min(kContext, a.oldStart);
        const size_t after = std::min(kContext, m_old.texts.size() - (b.oldStart + b.oldCount));
        const size_t oldFrom = a.oldStart - before;
        const size_t newFrom = a.newStart - before;
        const size_t oldTo = b.oldStart + b.oldCount + after;
        const size_t newTo = b.newStart + b.newCount + after;
        out.append("@@ -").append(Range(oldFrom, oldTo - oldFrom));
        out.append(" +").append(Range(newFrom, newTo - newFrom)).append(" @@\n");
        size_t oldLine = oldFrom;
        for (size_t k = first; k <= last; ++k) {
            const Change& c = changes[k];
            for (; oldLine < c.oldStart; ++oldLine)
                oldText(out, ' ', oldLine);
            for (size_t j = 0; j < c.oldCount; ++j)
                oldText(out, '-', c.oldStart + j);
            for (size_t j = 0; j < c.newCount; ++j)
                newText(out, '+', c.newStart + j);
            oldLine = c.oldStart + c.oldCount;
        }
        for (; oldLine < oldTo; ++oldLine)
            oldText(out, ' ', oldLine);
    }

    // As diff writes a range: "start,count", the start alone for one line, and for none the line
    // before it.
    static std::string Range(size_t from, size_t count) {
        if (count == 1)
            return std::to_string(from + 1);
        return std::to_string(count == 0 ? from : from + 1) + "," + std::to_string(count);
    }

    void oldText(std::string& out, char mark, size_t line) const {
        out += mark;
        out.append(m_shown(m_old.texts[line])).append("\n");
        if (!oldHasBreak(line))
            out.append(kNoBreakMark);
    }
    void newText(std::string& out, char mark, size_t row) const {
        out += mark;
        out.append(m_shown(m_doc.caption(row))).append("\n");
        if (!newHasBreak(row))
            out.append(kNoBreakMark);
    }

    const Document& m_doc;
    const std::function<std::string(std::string_view)>& m_shown;
    SplitText m_old;
};

}  // namespace

std::string UnifiedDiff(const Document& doc, std::string_view name,
                        const std::function<std::string(std::string_view)>& shown) {
    const DiffWriter writer(doc, shown);
    const std::vector<Change> changes = writer.changes();
    return changes.empty() ? std::string() : writer.write(name, changes);
}

}  // namespace vq
