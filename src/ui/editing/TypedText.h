#pragma once

#include "core/document/DocumentContent.h"

#include <QString>

#include <optional>
#include <string>

namespace vq {

class TextCodec;

// What the user typed, in the document's encoding, or why it cannot be: a character that
// encoding cannot hold is named, since writing it as "?" would lose it without a word.
struct TypedText {
    std::optional<std::string> bytes;
    QString refusal;  // the message when there are no bytes
};

// A legacy Chinese document is read as GB18030 so that every GBK file shows, but it is a GBK
// file: a character that only GB18030's four-byte forms hold would be garbage to every program
// reading it as GBK, so it counts as one the encoding cannot hold.
TypedText EncodeTyped(const TextCodec& codec, TextEncoding encoding, const QString& text);

// The first character (a whole code point) of the text that the document cannot hold; empty when
// there is none.
QString FirstUnencodable(const TextCodec& codec, TextEncoding encoding, const QString& text);

}  // namespace vq
