#pragma once

// The headless edits of one key of one section, on the document the window uses: only the rows
// an edit names change, and a commented copy of a key is switched on rather than a second copy
// added. Texts here are in the document's own bytes; FileEdit.h takes them in UTF-8.

#include "core/settings/AnalysisSettings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

class Document;

enum class EditAction { Get, Set, Disable, Enable, Delete };

struct KeyEdit {
    EditAction action = EditAction::Get;
    std::string section;  // "" for the lines before the first section
    std::string key;
    std::string value;  // Set only
};

enum class EditOutcome {
    Found,         // Get: the value is in `value`
    Updated,       // Set: the active line's value changed
    SwitchedOn,    // Set, Enable: a commented copy was switched on
    Added,         // Set: a new key line in the section
    SectionAdded,  // Set: a new section at the end, with the key line
    Disabled,      // every active copy commented out
    Deleted,       // every active copy removed
    Unchanged,     // nothing to do: the file already says so
    NotFound,      // Get: no active copy; Enable: no copy at all
    Refused,       // the names or the value cannot stand in a line; `error` says why
};

struct KeyEditResult {
    EditOutcome outcome = EditOutcome::Unchanged;
    std::string value;  // Get: the value in the document's bytes
    std::string error;  // Refused: the message
    size_t linesChanged = 0;
    bool changed() const { return linesChanged > 0; }
    bool failed() const { return outcome == EditOutcome::NotFound || outcome == EditOutcome::Refused; }
};

// A word for each outcome, as the command line prints it ("updated", "switched-on", ...).
std::string_view OutcomeWord(EditOutcome outcome);

// The edits of one document, in order. Each one finds its key in the topic tree as the window
// shows it; after an edit that changed rows, the tree is rebuilt before the next one, as the
// window's refresh does. The comment sign must be one byte that is not blank: a blank one makes
// every line a comment, a longer one none.
class KeyEditor {
public:
    KeyEditor(Document& doc, const AnalysisSettings& s);

    KeyEditResult apply(const KeyEdit& edit);

private:
    KeyEditResult set(const KeyEdit& edit);
    KeyEditResult disable(const KeyEdit& edit);
    KeyEditResult enable(const KeyEdit& edit);
    KeyEditResult remove(const KeyEdit& edit);
    KeyEditResult get(const KeyEdit& edit);
    // A commented key line's text once switched on, with the indentation of the section's keys.
    std::string switchedOn(size_t row, std::optional<size_t> model) const;
    void setRow(size_t row, std::string_view text);

    Document& m_doc;
    const AnalysisSettings& m_s;  // Not owned.
    bool m_treeStale = false;
};

// Why a section, key or value cannot be written into a line: a line break, a key that is empty,
// starts or ends with a blank, holds the split sign, or would read as a comment or a header;
// a value that starts or ends with a blank (reading it back would lose them); a section name with
// "]". Empty when they can. `shown` is the same edit in the form the message quotes (UTF-8).
std::string CheckEditTexts(const AnalysisSettings& s, const KeyEdit& edit, const KeyEdit& shown);

}  // namespace vq
