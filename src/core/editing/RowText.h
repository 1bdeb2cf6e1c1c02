#pragma once

// What a row may hold, and how the dialog's text becomes rows.

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// Why an editing command refused its input; it changed nothing then.
enum class EditError {
    None,
    LineBreakInRow,  // a text for one row holds CR or LF
};

// The message the window shows for a refusal; empty for None.
std::string_view EditErrorText(EditError error);

// True when the text holds a CR or an LF byte. A row never gets such a text from an edit: a
// break inside it would turn into a line of its own when the file is read again.
bool HoldsLineBreak(std::string_view text);

// The lines of the edit and insert dialog's text: split at CR LF, LF and a lone CR, each of which
// a text box shows as a line break, so every line the user sees becomes one row. A break at the
// very end does not start a further, empty line; an empty text has no lines.
std::vector<std::string> SplitDialogText(std::string_view text);

}  // namespace vq
