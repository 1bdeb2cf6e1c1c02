#pragma once

#include "ui/document/TextPoint.h"

#include <QtGlobal>

#include <vector>

namespace vq {

class TextLineSource;

// Maps character positions of a whole text to (line, column) and back. A position counts the
// characters of the decoded text from its start, each line break counting as one.
//
// It keeps the position of every kLinesPerCheckpoint-th line only, filled in as far as a question
// needs and dropped from the first changed line on, so a text of millions of lines costs a few
// kilobytes and no work until a position is asked for. It also keeps the last line whose
// position it learnt: questions near it (the next find, the caret's neighbours) walk from there
// instead of counting the text from its start.
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
    // Line `line` starts at `position` (found by a search that counted its way there).
    void remember(qsizetype line, qsizetype position);

private:
    struct LineStart {
        qsizetype line = -1;
        qsizetype position = 0;
    };

    void extendTo(size_t checkpoints);
    // The start of the line nearest to `line` that is known without counting.
    LineStart nearestKnown(qsizetype line);
    // Walks at most kLinesPerCheckpoint lines from a known line start to the line holding the
    // position; false when that is further.
    bool walkToPosition(LineStart from, qsizetype position, TextPoint& point, LineStart& reached) const;

    const TextLineSource* m_source = nullptr;  // Not owned.
    std::vector<qsizetype> m_checkpoints;      // position of line k * kLinesPerCheckpoint
    LineStart m_recent;                        // the last line start learnt; line -1 when none
    qsizetype m_characterCount = -1;
};

}  // namespace vq
