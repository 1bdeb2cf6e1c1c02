#include "core/text/Utf16Text.h"

#include "core/text/TextLines.h"
#include "core/text/Utf8.h"

namespace vq {

namespace {

constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";

std::string_view MarkOf(FileForm form) { return form == FileForm::Utf16LE ? kLittleEndianMark : kBigEndianMark; }

char32_t UnitAt(std::string_view bytes, std::size_t i, bool littleEndian) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return littleEndian ? (char32_t{second} << 8 | first) : (char32_t{first} << 8 | second);
}

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUnit(std::string& out, char32_t unit, bool littleEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += littleEndian ? low : high;
    out += littleEndian ? high : low;
}

void AppendUtf16(std::string& out, char32_t c, bool littleEndian) {
    if (c < 0x10000) {
        AppendUnit(out, c, littleEndian);
        return;
    }
    c -= 0x10000;
    AppendUnit(out, 0xD800 + (c >> 10), littleEndian);
    AppendUnit(out, 0xDC00 + (c & 0x3FF), littleEndian);
}

}  // namespace

bool StartsWithUtf16Mark(std::string_view bytes) {
    return bytes.starts_with(kLittleEndianMark) || bytes.starts_with(kBigEndianMark);
}

std::optional<std::string> Utf16ToUtf8(std::string_view bytes, FileForm form) {
    if (form == FileForm::Bytes || bytes.size() % 2 != 0 || !bytes.starts_with(MarkOf(form)))
        return std::nullopt;
    const bool littleEndian = form == FileForm::Utf16LE;
    std::string out;
    out.reserve(bytes.size() * 3 / 2 + 1);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t c = UnitAt(bytes, i, littleEndian);
        if (IsLowSurrogate(c))
            return std::nullopt;
        if (IsHighSurrogate(c)) {
            // The pair takes the four bytes from i: a high surrogate without them stands alone.
            if (bytes.size() - i < 4)
                return std::nullopt;
            const char32_t low = UnitAt(bytes, i + 2, littleEndian);
            if (!IsLowSurrogate(low))
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(out, c);  // the mark comes out as the UTF-8 mark
    }
    return out;
}

std::optional<std::string> Utf8ToUtf16(std::string_view utf8, FileForm form) {
    if (form == FileForm::Bytes || !IsValidUtf8(utf8))
        return std::nullopt;
    if (StartsWithUtf8Bom(utf8))
        utf8.remove_prefix(kUtf8Bom.size());
    const bool littleEndian = form == FileForm::Utf16LE;
    std::string out(MarkOf(form));
    out.reserve(utf8.size() * 2 + 2);
    char32_t c = 0;
    for (std::size_t i = 0, n = 0; i < utf8.size(); i += n) {
        n = Utf8SequenceAt(utf8.substr(i), c);  // never 0: the bytes are valid UTF-8
        AppendUtf16(out, c, littleEndian);
    }
    return out;
}

ShownText FromFileBytes(std::string fileBytes) {
    const std::string_view bytes = fileBytes;
    FileForm form = FileForm::Bytes;
    if (bytes.starts_with(kLittleEndianMark) && !bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)))
        form = FileForm::Utf16LE;
    else if (bytes.starts_with(kBigEndianMark))
        form = FileForm::Utf16BE;
    if (form != FileForm::Bytes) {
        if (std::optional<std::string> utf8 = Utf16ToUtf8(bytes, form))
            return {form, std::move(*utf8)};
    }
    return {FileForm::Bytes, std::move(fileBytes)};
}

std::optional<std::string> ToFileBytes(std::string_view shown, FileForm form) {
    if (form == FileForm::Bytes)
        return std::string(shown);
    return Utf8ToUtf16(shown, form);
}

}  // namespace vq
