#pragma once

// Editing rows (action actEditLine and the content list's in-place editing), and the content
// list's column-header rule.

#include "core/editing/RowSelection.h"
#include "core/editing/RowText.h"
#include "core/settings/AnalysisSettings.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vq {

class Document;

// lvContentEdited, then the caption set: a confirmed in-place edit of one row. The row is marked
// edited unless it is a new row, logged with its text before the edit, and given the new text;
// its check mark stays. A text that is the row's own is taken as confirmed all the same. A text
// holding an LF is refused: nothing changes. A lone CR is part of the text. One change batch.
EditError EditRowInPlace(Document& doc, size_t row, std::string_view text);

// The run of selected rows the dialog edit replaces: start to end, both included.
struct EditBlock {
    size_t start = 0;
    size_t end = 0;
    size_t count() const { return end - start + 1; }
    bool operator==(const EditBlock&) const = default;
};

// The dialog edit's block: from the anchor (the focused row; the first selected row when no row
// has the focus or the focused row is not selected) up and down as far as the rows are selected.
// Nothing without a selected row. `selected` ascending, as everywhere.
std::optional<EditBlock> DialogEditBlock(SelectedRows selected, std::optional<size_t> focusedRow);
// actEditLineUpdate.
inline bool CanEditLines(size_t selectedCount) { return selectedCount > 0; }

// actEditLineExecute after the dialog was confirmed, with its final lines (DialogLines): rows
// from the top of the block go when there are fewer lines than rows, new rows follow the block
// when there are more; then row start + i holds line i, is checked when the line is neither blank
// nor a comment, is marked edited unless it is a new row, and is logged with its new text. No
// markers. No lines remove the block without an entry. A line holding an LF is refused and
// nothing changes; a lone CR is part of its line. One change batch; the surplus rows go in one removal.
EditError ApplyDialogEdit(Document& doc, const AnalysisSettings& s, EditBlock block,
                          std::span<const std::string> lines);

// The widths of the content list's two columns, "修改后" (0) and "修改前" (1).
struct ColumnWidths {
    int after = 0;
    int before = 0;
    bool operator==(const ColumnWidths&) const = default;
};
// lvContentColumnClick: a click on a header switches that column between two widths, and the
// other column takes the rest of the client width. Column 0 goes between two thirds of the width
// and all but 50 pixels; column 1 between all but 50 pixels and the collapsed 50. Any other
// column changes nothing.
ColumnWidths ColumnClickWidths(int column, int clientWidth, ColumnWidths current);

}  // namespace vq
