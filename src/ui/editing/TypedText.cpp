#include "editing/TypedText.h"

#include "app/UiTexts.h"
#include "document/TextCodec.h"

namespace vq {

QString FirstUnencodable(const TextCodec& codec, const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!codec.encode(character))
            return character;
        i += length;
    }
    return {};
}

TypedText EncodeTyped(const TextCodec& codec, const QString& text) {
    if (auto bytes = codec.encode(text))
        return {std::move(bytes), {}};
    QString character = FirstUnencodable(codec, text);
    if (character.isEmpty())  // only the whole fails: a sequence the encoding has no form for
        character = text;
    const char32_t code = character.size() == 2 && character.at(0).isHighSurrogate()
                              ? QChar::surrogateToUcs4(character.at(0), character.at(1))
                              : character.at(0).unicode();
    const QString number = QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, '0');
    return {std::nullopt, FormatMessageQ(texts::kCharNotEncodable, character, number)};
}

}  // namespace vq
