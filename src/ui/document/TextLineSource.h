#pragma once

#include <QString>

namespace vq {

// The lines a TargetTextView shows, read on demand: the view keeps nothing per line, so a source
// answers from its own storage (the document's bytes, decoded when asked).
//
// Line i is shown as lineText(i). Between line i and line i + 1 stands one line break. A text that
// ends with a break is a source whose last line is empty. A source with no line at all is shown as
// an empty text.
//
// The three optional calls let a source answer faster than decoding the whole line; their
// defaults decode it.
class TextLineSource {
public:
    virtual ~TextLineSource() = default;

    virtual qsizetype lineCount() const = 0;
    // The decoded text of line `line` (0 <= line < lineCount()), without its line break.
    virtual QString lineText(qsizetype line) const = 0;

    // lineText(line).size().
    virtual qsizetype lineLength(qsizetype line) const { return lineText(line).size(); }
    // The first `maxChars` characters of the line, or all of it when it is shorter. The view only
    // ever shows the start of a very long line and asks for it with this call.
    virtual QString linePrefix(qsizetype line, qsizetype maxChars) const { return lineText(line).left(maxChars); }
    // At least the length of the longest line, in characters (a byte count is a fine bound), or -1
    // when unknown. It only sizes the horizontal scroll range before the long lines are seen.
    virtual qsizetype maxLineLengthHint() const { return -1; }
};

}  // namespace vq
