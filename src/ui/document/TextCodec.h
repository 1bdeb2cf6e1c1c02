#pragma once

#include "core/document/Document.h"
#include "core/text/LegacyEncoding.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>
#include <string>
#include <string_view>

namespace vq {

// Turns the document's bytes into text for the views and typed text back into bytes. A UTF-8
// document is shown as UTF-8; any other one in the legacy code page that the font's character set names.
class TextCodec {
public:
    explicit TextCodec(const Document& document);

    void setCharset(int charset);
    LegacyCodePage codePage() const { return m_codePage; }
    QString legacyName() const { return m_legacyName; }

    QString decode(std::string_view bytes) const;
    // The same, but safe to show as one line of a text view: characters that the view would
    // take as a line break (a lone CR, paragraph separators) are shown as visible symbols.
    QString decodeLine(std::string_view bytes) const;
    // The first `maxChars` characters of decodeLine(bytes), decoding no more of the bytes than
    // that needs: the start of a line of any length, at the cost of its start.
    QString decodeLinePrefix(std::string_view bytes, qsizetype maxChars) const;
    // decodeLine(bytes) cut after `maxChars` characters, with "…" standing for the rest.
    QString decodeShown(std::string_view bytes, qsizetype maxChars) const;
    // The bytes for typed text; nothing when the document's encoding cannot hold a character.
    std::optional<std::string> encode(const QString& text) const;
    // The length of text in bytes of the legacy code page, whatever the document's encoding;
    // text that code page cannot hold counts its UTF-8 bytes.
    size_t legacyLength(const QString& text) const;
    // The bytes for text in the legacy code page, whatever the document's encoding, made by the
    // core's encoder as the signs are; nothing when that code page cannot hold a character, or
    // when the bytes would not show as the same text again.
    std::optional<std::string> encodeLegacy(const QString& text) const;

private:
    const Document& m_document;  // Not owned: its encoding decides how bytes are read.
    LegacyCodePage m_codePage = LegacyCodePage::Gb18030;
    QString m_legacyName;
    mutable QStringDecoder m_decoder;
};

// The code page a font character set number stands for.
QString LegacyCodecName(int charset);

// Makes decoded text safe to show as one block of a text view: each character a view would take
// as a break, and a NUL, is shown as its mark.
void ProtectLineBreaks(QString& text);

// The marks those characters are shown as. A lone CR, which stays in a line's text, is shown as
// kCrMark in the views and in the editors of a row's text: a return arrow, which the fonts every
// desktop has can draw (the control picture ␍ often shows as an empty box).
inline constexpr QChar kCrMark{0x21B5};         // ↵
inline constexpr QChar kLfMark{0x240A};         // ␊
inline constexpr QChar kSeparatorMark{0x00B6};  // ¶ for the line and paragraph separators
inline constexpr QChar kNulMark{0x2400};        // ␀

// A row's text in an editor and back: each CR is shown as the mark, so that the editor keeps the
// row on one line, and each mark becomes the CR again.
QString MarkCrs(QString text);
QString UnmarkCrs(QString text);

}  // namespace vq
