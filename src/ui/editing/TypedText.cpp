#include "ui/editing/TypedText.h"

#include "ui/document/TextCodec.h"
#include "ui/toolbox/UiTexts.h"
#include "core/document/DocumentTexts.h"

namespace vq {

namespace {

// GB18030 writes what GBK lacks as four bytes, the second of them a digit.
bool HasFourByteForm(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 < bytes.size() && bytes[i + 1] >= '0' && bytes[i + 1] <= '9')
            return true;
        i += 2;
    }
    return false;
}

std::optional<std::string> Encode(const TextCodec& codec, TextEncoding encoding, const QString& text) {
    std::optional<std::string> bytes = codec.encode(text);
    const bool gbk = encoding == TextEncoding::Legacy && codec.legacyName() == QLatin1String("GB18030");
    if (bytes && gbk && HasFourByteForm(*bytes))
        return std::nullopt;
    return bytes;
}

}  // namespace

QString FirstUnencodable(const TextCodec& codec, TextEncoding encoding, const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!Encode(codec, encoding, character))
            return character;
        i += length;
    }
    return {};
}

TypedText EncodeTyped(const TextCodec& codec, TextEncoding encoding, const QString& text) {
    if (auto bytes = Encode(codec, encoding, text))
        return {std::move(bytes), {}};
    QString character = FirstUnencodable(codec, encoding, text);
    if (character.isEmpty())  // only the whole fails: a sequence the encoding has no form for
        character = text.left(1);
    const char32_t code = character.size() == 2 && character.at(0).isHighSurrogate()
                              ? QChar::surrogateToUcs4(character.at(0), character.at(1))
                              : character.at(0).unicode();
    const QString number = QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, '0');
    return {std::nullopt, FormatMessageQ(texts::kCharNotEncodable, character, number)};
}

}  // namespace vq
