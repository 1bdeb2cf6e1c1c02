#pragma once

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
TypedText EncodeTyped(const TextCodec& codec, const QString& text);

// The first character (a whole code point) of the text that the codec cannot encode; empty when
// there is none.
QString FirstUnencodable(const TextCodec& codec, const QString& text);

}  // namespace vq
