#include "core/editing/EditLines.h"

#include "core/editing/EditingTexts.h"
#include "core/document/Document.h"
#include "core/document/LineTests.h"
#include "core/text/Blanks.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace vq {

EditError EditRowInPlace(Document& doc, size_t row, std::string_view text) {
    if (row >= doc.rowCount())
        throw std::out_of_range("no such row");
    if (HoldsLineBreak(text))
        return EditError::LineBreakInRow;
    Document::ChangeBatch batch(doc);
    if (!doc.isNewRow(row))
        doc.setEdited(row, true);
    doc.addLogEntry(static_cast<int>(row), texts::kCapEditLine, doc.caption(row));
    doc.setCaption(row, text);
    return EditError::None;
}

std::optional<EditBlock> DialogEditBlock(SelectedRows selected, std::optional<size_t> focusedRow) {
    if (selected.empty())
        return std::nullopt;
    // A focused row outside the selection would give an empty run: the first selected row
    // stands in for it.
    auto at = selected.begin();
    if (focusedRow) {
        const auto found = std::lower_bound(selected.begin(), selected.end(), *focusedRow);
        if (found != selected.end() && *found == *focusedRow)
            at = found;
    }
    auto first = at;
    while (first != selected.begin() && *(first - 1) + 1 == *first)
        --first;
    auto last = at;
    while (last + 1 != selected.end() && *last + 1 == *(last + 1))
        ++last;
    return EditBlock{*first, *last};
}

namespace {

// The dialog edit's check rule: a blank line is unchecked, unlike an inserted one.
bool DialogEditChecks(const AnalysisSettings& s, std::string_view line) {
    return !IsBlankText(line) && !IsCommentLine(s, line);
}

}  // namespace

EditError ApplyDialogEdit(Document& doc, const AnalysisSettings& s, EditBlock block,
                          std::span<const std::string> lines) {
    if (block.start > block.end || block.end >= doc.rowCount())
        throw std::out_of_range("the edit block is not a run of rows");
    for (const std::string& line : lines)
        if (HoldsLineBreak(line))
            return EditError::LineBreakInRow;
    Document::ChangeBatch batch(doc);
    const size_t n = lines.size();
    const size_t blockRows = block.count();
    if (n < blockRows) {
        std::vector<size_t> surplus(blockRows - n);
        for (size_t k = 0; k < surplus.size(); ++k)
            surplus[k] = block.start + k;
        doc.removeRows(surplus);
    }
    const size_t kept = std::min(n, blockRows);
    for (size_t i = 0; i < kept; ++i) {
        const size_t row = block.start + i;
        doc.setCaption(row, lines[i]);
        doc.setChecked(row, DialogEditChecks(s, lines[i]));
        if (!doc.isNewRow(row))
            doc.setEdited(row, true);
    }
    if (n > blockRows) {
        std::vector<NewRow> added;
        added.reserve(n - blockRows);
        for (size_t i = blockRows; i < n; ++i)
            added.push_back(NewRow{lines[i], DialogEditChecks(s, lines[i])});
        doc.insertRows(block.end + 1, added);
    }
    for (size_t i = 0; i < n; ++i)
        doc.addLogEntry(static_cast<int>(block.start + i), texts::kCapEditLine, lines[i]);
    return EditError::None;
}

ColumnWidths ColumnClickWidths(int column, int clientWidth, ColumnWidths current) {
    constexpr int kCollapsed = 50;
    const int w = clientWidth;
    if (column == 0) {
        const int twoThirds = (2 * w) / 3;
        const int after = current.after == twoThirds ? w - kCollapsed : twoThirds;
        return {after, w - after};
    }
    if (column == 1) {
        const int before =
            current.before == kCollapsed || current.before != w - kCollapsed ? w - kCollapsed : kCollapsed;
        return {w - before, before};
    }
    return current;
}

}  // namespace vq
