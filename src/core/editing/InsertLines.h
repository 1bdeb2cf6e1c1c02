#pragma once

// Inserting lines and titles (actions actInsertLine and actInsertLineDn), without the dialog:
// what the dialog's controls hold comes in as values, and the lines it yields go into rows.

#include "core/editing/RowSelection.h"
#include "core/editing/RowText.h"
#include "core/settings/AnalysisSettings.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

class Document;

// The two insert actions; the number is the action's tag, added to the focused row's index.
enum class InsertWhere { Above = 0, Below = 1 };

// actInsertLineUpdate: above needs a selected row; below is always possible, in an empty
// document too.
bool CanInsertLines(InsertWhere where, size_t selectedCount);
// Where the rows go: at the focused row (above) or right after it (below); 0 without a focus.
size_t InsertPosition(InsertWhere where, std::optional<size_t> focusedRow);
// The action's caption: the dialog's caption and the word of the log entries.
std::string_view InsertCaption(InsertWhere where);

// The pages of the insert dialog.
enum class InsertPage { Plain = 0, Title = 1 };

// What the insert dialog holds when it is confirmed. Texts are in the document's encoding.
struct InsertDialogValues {
    InsertPage page = InsertPage::Plain;
    std::string_view text;   // mmText
    bool allRem = false;     // chkAllRem "将每行强迫为注释", used on the plain page only
    int titleTypeIndex = 0;  // cboTitleType, 0-4
    std::string_view title;  // leTitle
    bool addRem = true;      // chkAddRem "注释标题"
};

// BuildTitleLines: the lines of a title of the given type (the index of the dialog's title-type
// box): none for 0 or any other number; 1 the begin sign followed directly by the title; 2 the
// begin sign and the title line; 3 the title line between two begin signs; 4 between the begin
// and the end sign. The title line has the comment sign in front when addRem is set and the title
// is not a comment yet (type 1 never adds it).
std::vector<std::string> BuildTitleLines(const AnalysisSettings& s, int titleTypeIndex, std::string_view title,
                                         bool addRem);

// Puts the comment sign in front of every line that is not a comment ("将每行强迫为注释").
void ForceComment(const AnalysisSettings& s, std::vector<std::string>& lines);

// The final lines of a confirmed dialog (InsertLines step 5): the plain page's lines, forced to
// comments when asked, or the title page's title lines. They are what the rows receive.
std::vector<std::string> DialogLines(const AnalysisSettings& s, const InsertDialogValues& values);

// Inserts one new row per line at `position` (0 to the row count, else std::out_of_range): each
// row marked as new ("<<新建行>>" in the list), checked unless its line is a comment, and logged
// with the caption as word and its line as text. One change batch, one insert of the whole run.
// A line that holds a line break is refused and nothing changes. No lines, no change.
EditError InsertLines(Document& doc, const AnalysisSettings& s, size_t position, std::span<const std::string> lines,
                      std::string_view caption);

}  // namespace vq
