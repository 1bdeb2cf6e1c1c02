#pragma once

#include "document/TextPoint.h"

#include <QtGlobal>

#include <vector>

namespace vq {

class TextLineSource;

// Maps character positions of a whole text to (line, column) and back. A position counts the
// characters of the decoded text from its start, each line break counting as one.
//
// It keeps the position of every kLinesPerCheckpoint-th line only, filled in as far as a question
// needs and dropped from the first changed line on, so a text of millions of lines costs a few
// kilobytes and no work until a position is asked for.
class LinePositionIndex {
public:
    static constexpr qsizetype kLinesPerCheckpoint = 1024;

    void setSource(const TextLineSource* source);
    // Lines from `line` on changed their length, or lines were inserted or removed there.
    void invalidateFrom(qsizetype line);

    // Lines of the text: a source without lines is one empty line.
    qsizetype lineCount() const;
    qsizetype lineLength(qsizetype line) const;

    qsizetype positionOfLine(qsizetype line);
    qsizetype positionOf(TextPoint point);
    // The point at `position`, clamped to the text. The position of a line break is the end of the
    // line before it.
    TextPoint pointAt(qsizetype position);
    // Characters of the whole text, breaks included.
    qsizetype characterCount();

private:
    void extendTo(size_t checkpoints);

    const TextLineSource* m_source = nullptr;  // Not owned.
    std::vector<qsizetype> m_checkpoints;      // position of line k * kLinesPerCheckpoint
    qsizetype m_characterCount = -1;
};

}  // namespace vq
