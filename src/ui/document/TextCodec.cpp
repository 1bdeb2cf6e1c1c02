#include "ui/document/TextCodec.h"

#include <algorithm>

namespace vq {

QString LegacyCodecName(int charset) {
    const std::string_view name = CodePageName(CodePageOfCharset(charset));
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

TextCodec::TextCodec(const Document& document) : m_document(document) { setCharset(134); }

void TextCodec::setCharset(int charset) {
    m_codePage = CodePageOfCharset(charset);
    m_legacyName = LegacyCodecName(charset);
    m_decoder = QStringDecoder(m_legacyName.toLatin1().constData(), QStringConverter::Flag::Stateless);
    if (!m_decoder.isValid())
        m_decoder = QStringDecoder(QStringConverter::Latin1, QStringConverter::Flag::Stateless);
}

QString TextCodec::decode(std::string_view bytes) const {
    if (m_document.encoding() == TextEncoding::Utf8)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    m_decoder.resetState();
    return m_decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void ProtectLineBreaks(QString& text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u == u'\r')
            c = kCrMark;
        else if (u == u'\n')
            c = kLfMark;
        else if (u == 0x2029 || u == 0x2028)
            c = kSeparatorMark;
        else if (u == 0)
            c = kNulMark;
    }
}

QString MarkCrs(QString text) { return text.replace(QLatin1Char('\r'), kCrMark); }

QString UnmarkCrs(QString text) { return text.replace(kCrMark, QLatin1Char('\r')); }

QString TextCodec::decodeLine(std::string_view bytes) const {
    QString text = decode(bytes);
    ProtectLineBreaks(text);
    return text;
}

// A character takes at most four bytes, so 4 * maxChars bytes decode to at least maxChars
// characters before any sequence cut at their end.
QString TextCodec::decodeLinePrefix(std::string_view bytes, qsizetype maxChars) const {
    maxChars = std::max<qsizetype>(maxChars, 0);
    const size_t enough = static_cast<size_t>(maxChars) * 4;
    if (bytes.size() > enough)
        bytes = bytes.substr(0, enough);
    QString text = decodeLine(bytes);
    if (text.size() > maxChars)
        text.truncate(maxChars);
    return text;
}

QString TextCodec::decodeShown(std::string_view bytes, qsizetype maxChars) const {
    QString text = decodeLinePrefix(bytes, maxChars + 1);
    if (text.size() <= maxChars)
        return text;
    text.truncate(maxChars);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);       // never half a character
    text += QChar(0x2026);  // …
    return text;
}

std::optional<std::string> TextCodec::encode(const QString& text) const {
    if (m_document.encoding() == TextEncoding::Utf8) {
        const QByteArray bytes = text.toUtf8();
        return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    return encodeLegacy(text);
}

size_t TextCodec::legacyLength(const QString& text) const {
    if (const auto bytes = encodeLegacy(text))
        return bytes->size();
    return static_cast<size_t>(text.toUtf8().size());
}

std::optional<std::string> TextCodec::encodeLegacy(const QString& text) const {
    LegacyEncoded encoded = EncodeLegacy(text.toStdString(), m_codePage);
    if (!encoded.ok)
        return std::nullopt;
    // What was typed must be what the views show of it again.
    QStringDecoder back(m_legacyName.toLatin1().constData(), QStringConverter::Flag::Stateless);
    const QByteArray bytes(encoded.bytes.data(), static_cast<qsizetype>(encoded.bytes.size()));
    if (back.decode(bytes) != text)
        return std::nullopt;
    return std::move(encoded.bytes);
}

}  // namespace vq
