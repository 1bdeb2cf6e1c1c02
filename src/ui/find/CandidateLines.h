#pragma once

#include "ui/document/TextLineSource.h"

#include <QString>

#include <string>

namespace vq {

class Document;
class TextCodec;

// The target text's lines as a search sees them: a line that cannot hold the find text, judged
// from its bytes without decoding it, reads as empty. A search over these lines finds exactly
// what it finds over the shown ones, at the same (line, column), but decodes only the lines that
// may hold a hit, so a search through a million lines costs a scan of their bytes.
//
// A line is ruled out only where its bytes make that certain: with match case, the find text's
// bytes in the document's encoding are not in it; without, the find text is ASCII, the line is
// all ASCII bytes and holds no ASCII case variant of the text. A find text with a line break, or
// with a character the view shows in place of one, rules out no line. The distances FindInLines
// counts over these lines are not the text's: use the hit's point.
class CandidateLines : public TextLineSource {
public:
    CandidateLines(const TextLineSource* shown, const Document& document, const TextCodec& codec, const QString& text,
                   bool matchCase);

    qsizetype lineCount() const override;
    QString lineText(qsizetype line) const override;

    // Whether line `line` may hold the text.
    bool mayHold(qsizetype line) const;

private:
    enum class Filter { None, Bytes, AsciiAnyCase };

    const TextLineSource* m_shown;  // Not owned.
    const Document& m_document;     // Not owned.
    Filter m_filter = Filter::None;
    std::string m_needle;  // the text's bytes; lower case for AsciiAnyCase
};

}  // namespace vq
