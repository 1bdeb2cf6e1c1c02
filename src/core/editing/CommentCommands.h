#pragma once

// Commenting and uncommenting the selected rows (actions actRemLine and actUnRem).

#include "core/editing/RowSelection.h"
#include "core/settings/AnalysisSettings.h"

#include <cstddef>
#include <string_view>

namespace vq {

class Document;

// actRemLineUpdate: one selected row that is not a comment yet, or several rows.
bool CanCommentRows(const Document& doc, const AnalysisSettings& s, SelectedRows selected);
// actUnRemUpdate: one selected row that is a comment, or several rows.
bool CanUncommentRows(const Document& doc, const AnalysisSettings& s, SelectedRows selected);

// Puts the comment sign in front of each selected row that is not a comment (marked edited and
// logged with its text before), and unchecks every selected row. Several selected rows are
// framed in the log by markers around a summary. One change batch. Returns the rows changed.
size_t CommentRows(Document& doc, const AnalysisSettings& s, SelectedRows selected);

// Removes the leading run of comment signs, spaces and tabs from each selected row, checks it
// and marks it edited; rows whose run held a sign are logged with their text before. Framed as
// CommentRows. One change batch. Returns the rows that held a sign.
size_t UncommentRows(Document& doc, const AnalysisSettings& s, SelectedRows selected);

// The text a row gets when uncommented, and whether it counts as uncommented (its leading run of
// signs and blanks held a sign). The result is a view into `text`.
struct Uncommented {
    std::string_view text;
    bool hadSign = false;
};
Uncommented UncommentText(const AnalysisSettings& s, std::string_view text);

}  // namespace vq
