#pragma once

#include "core/document/Document.h"
#include "ui/document/TextCodec.h"
#include "ui/document/TextLineSource.h"

namespace vq {

// The document's target text as the text view reads it: line i is target line i, decoded with
// the session's codec only when asked. A text ending with a line break has one more, empty line.
// It keeps no memory per line: lengths are counted from the bytes, and only the start of a long
// line is decoded for showing.
class TargetTextSource : public TextLineSource {
public:
    TargetTextSource(const Document& document, const TextCodec& codec);

    qsizetype lineCount() const override;
    QString lineText(qsizetype line) const override;
    qsizetype lineLength(qsizetype line) const override;
    QString linePrefix(qsizetype line, qsizetype maxChars) const override;
    qsizetype maxLineLengthHint() const override { return m_longest; }

    // The document's text is new (a load, an extraction, another code page): the longest line
    // is looked for again.
    void reset();
    // These document lines changed or came in: the longest line may be among them.
    void linesChanged(Range lines);
    // Lines went away.
    void linesRemoved() { m_measured = {}; }

private:
    std::string_view bytesOf(qsizetype line) const;
    void noteLength(size_t bytes);

    const Document& m_document;  // Not owned.
    const TextCodec& m_codec;    // Not owned.
    // A bound on the longest line in characters (its bytes), counted only up to what the view
    // can show of one line.
    qsizetype m_longest = 0;
    // The last long line whose decoded length was asked for, so that walking over it again
    // costs nothing; dropped on every change.
    mutable std::string_view m_measured;
    mutable qsizetype m_measuredLength = -1;
};

}  // namespace vq
