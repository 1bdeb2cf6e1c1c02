#pragma once

// What the headless edits changed, as a unified diff of the lines as read against the rows now.

#include <functional>
#include <string>
#include <string_view>

namespace vq {

class Document;

// The diff of the document's rows against the text it was read from, with three lines of
// context, "--- name" and "+++ name" first, and "\ No newline at end of file" after a last line
// without a break. Lines are given without their breaks, each through `shown` (the file's bytes
// into the text printed). Rows are never reordered, so a row read from the file stands for its
// line, the lines of no row were deleted and inserted rows were added: the diff is exact and
// made in one pass. Empty when nothing changed.
std::string UnifiedDiff(const Document& doc, std::string_view name,
                        const std::function<std::string(std::string_view)>& shown);

}  // namespace vq
