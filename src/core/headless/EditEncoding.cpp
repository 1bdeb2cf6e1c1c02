#include "core/headless/EditEncoding.h"

#include "core/document/DocumentTexts.h"
#include "core/headless/HeadlessTexts.h"
#include "core/text/TextLines.h"

#include <algorithm>
#include <cstdio>

namespace vq {

namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The length of the UTF-8 character that starts at `at`.
size_t CharacterLength(std::string_view utf8, size_t at) {
    size_t end = at + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

char32_t CodePointOf(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1)
        return lead;
    char32_t c = lead & (0xFF >> (character.size() + 1));
    for (size_t k = 1; k < character.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
    return c;
}

// "4E2D": a character's number as the messages show it after "U+".
std::string CodePointHex(char32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(code));
    return text;
}

// GB18030 writes what GBK lacks in four bytes, the second of them a digit.
bool HasFourByteForm(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 < bytes.size() && bytes[i + 1] >= '0' && bytes[i + 1] <= '9')
            return true;
        i += 2;
    }
    return false;
}

// The encoding refused at the first character that needs a four-byte form.
LegacyEncoded WithoutFourByteForms(std::string_view utf8, LegacyEncoded encoded) {
    if (!HasFourByteForm(encoded.bytes))
        return encoded;
    for (size_t at = 0; at < utf8.size(); at += CharacterLength(utf8, at)) {
        const std::string_view character = utf8.substr(at, CharacterLength(utf8, at));
        if (HasFourByteForm(EncodeLegacy(character, LegacyCodePage::Gb18030).bytes)) {
            LegacyEncoded refused;
            refused.refused = CodePointOf(character);
            refused.refusedAt = at;
            return refused;
        }
    }
    return encoded;
}

}  // namespace

std::optional<std::string> EditEncoding::encode(std::string_view utf8, std::string& error) const {
    if (!IsValidUtf8(utf8)) {
        error = FormatMessage(texts::kEditNotUtf8, {utf8});
        return std::nullopt;
    }
    if (!m_legacy || IsAscii(utf8))
        return std::string(utf8);
    LegacyEncoded encoded = EncodeLegacy(utf8, m_page);
    if (encoded.ok && m_page == LegacyCodePage::Gb18030)
        encoded = WithoutFourByteForms(utf8, std::move(encoded));
    if (!encoded.ok) {
        const std::string_view character = utf8.substr(encoded.refusedAt, CharacterLength(utf8, encoded.refusedAt));
        error = FormatMessage(texts::kCharNotEncodable, {character, CodePointHex(encoded.refused)});
        return std::nullopt;
    }
    return std::move(encoded.bytes);
}

std::string EditEncoding::decode(std::string_view bytes) const {
    return m_legacy && !IsAscii(bytes) ? DecodeLegacy(bytes, m_page).utf8 : std::string(bytes);
}

}  // namespace vq
