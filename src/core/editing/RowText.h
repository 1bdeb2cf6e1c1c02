#pragma once

// What a row may hold, and how the dialog's text becomes rows.

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// Why an editing command refused its input; it changed nothing then.
enum class EditError {
    None,
    LineBreakInRow,  // a text for one row holds an LF
};

// The message the window shows for a refusal; empty for None.
std::string_view EditErrorText(EditError error);

// True when the text holds an LF byte. A row never gets such a text from an edit: the LF would
// end a line when the file is read again. A lone CR stays in a line's text, so a row may hold one
// (the window's editors show it as a mark).
bool HoldsLineBreak(std::string_view text);

// The lines of the edit and insert dialog's text, which joins them with LF: every line the user
// sees becomes one row, a CR in a line stays in it. A break at the very end does not start a
// further, empty line; an empty text has no lines.
std::vector<std::string> SplitDialogText(std::string_view text);

}  // namespace vq
