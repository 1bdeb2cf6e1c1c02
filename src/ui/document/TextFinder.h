#pragma once

#include "ui/document/TextPoint.h"

#include <QString>

#include <optional>

namespace vq {

class TextLineSource;

struct TextHit {
    TextPoint point;     // where the hit begins
    qsizetype distance;  // characters from the search's start to the hit, breaks counting one
};

// Searches `text` forward from `from` in the lines of `source` (may be null). A '\n' in `text`
// matches a line break, so a hit may span lines. Without `matchCase` letters match in either
// case; with `wholeWord` a hit must not touch a letter, digit or '_' on either side.
std::optional<TextHit> FindInLines(const TextLineSource* source, const QString& text, TextPoint from, bool matchCase,
                                   bool wholeWord);

// A letter, digit or '_': what whole-word search and word selection treat as part of a word.
bool IsWordCharacter(QChar c);

}  // namespace vq
