#include "core/text/LegacyText.h"

#include "core/text/TextLines.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <iconv.h>

namespace vq {

namespace {

const char* CodePageOf(int charset) {
    switch (charset) {
    case 136: return "BIG5";
    case 128: return "SHIFT_JIS";
    case 129: return "EUC-KR";
    case 0: return "CP1252";
    default: return "GB18030";
    }
}

// One conversion descriptor, closed when it goes.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(::iconv_open(to, from)) {}
    ~Converter() {
        if (ok())
            ::iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`, or stops at the first sequence it cannot take: returns how many bytes
    // of `in` were taken.
    size_t convert(std::string_view in, std::string& out) {
        ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        char buffer[256];
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            const size_t r = ::iconv(m_cd, &src, &left, &dst, &room);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (r == static_cast<size_t>(-1) && errno != E2BIG)
                break;
        }
        char* dst = buffer;
        size_t room = sizeof buffer;
        ::iconv(m_cd, nullptr, nullptr, &dst, &room);  // a stateful code page's closing bytes
        out.append(buffer, static_cast<size_t>(dst - buffer));
        return in.size() - left;
    }

private:
    iconv_t m_cd;
};

// The length of the UTF-8 sequence that starts with this byte; 1 for a byte that starts none.
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

char32_t CodePointOf(std::string_view utf8) {
    if (utf8.empty() || !IsValidUtf8(utf8))
        return 0xFFFD;
    const auto lead = static_cast<unsigned char>(utf8[0]);
    if (utf8.size() == 1)
        return lead;
    char32_t c = lead & (0xFF >> (utf8.size() + 1));
    for (size_t k = 1; k < utf8.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(utf8[k]) & 0x3F);
    return c;
}

// GB18030 writes what GBK lacks in four bytes, the second one a digit; the window refuses those
// too, so a GBK reader never meets them.
bool IsFourByteForm(std::string_view bytes) { return bytes.size() == 4 && bytes[1] >= '0' && bytes[1] <= '9'; }

LegacyEncoded Refused(std::string_view character) {
    LegacyEncoded result;
    result.code = CodePointOf(character);
    result.character = result.code == 0xFFFD ? std::string("\xEF\xBF\xBD") : std::string(character);
    return result;
}

}  // namespace

LegacyEncoded EncodeLegacy(std::string_view utf8, int charset) {
    Converter converter(CodePageOf(charset), "UTF-8");
    if (!converter.ok())
        return Refused(utf8.substr(0, SequenceLength(utf8.empty() ? 0 : static_cast<unsigned char>(utf8[0]))));
    const bool gbk = std::string_view(CodePageOf(charset)) == "GB18030";
    LegacyEncoded result;
    std::string out;
    // Character by character, so that the one that fails is known; the texts are short.
    for (size_t i = 0; i < utf8.size();) {
        const size_t length = std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string_view character = utf8.substr(i, length);
        std::string bytes;
        if (!IsValidUtf8(character) || converter.convert(character, bytes) != length || bytes.empty() ||
            (gbk && IsFourByteForm(bytes)))
            return Refused(character);
        out += bytes;
        i += length;
    }
    result.bytes = std::move(out);
    return result;
}

std::string DecodeLegacy(std::string_view bytes, int charset) {
    Converter converter("UTF-8", CodePageOf(charset));
    std::string out;
    if (!converter.ok())
        return out;
    while (!bytes.empty()) {
        const size_t taken = converter.convert(bytes, out);
        bytes.remove_prefix(taken);
        if (bytes.empty())
            break;
        out += "\xEF\xBF\xBD";
        bytes.remove_prefix(1);
    }
    return out;
}

std::string CodePointHex(char32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(code));
    return text;
}

}  // namespace vq
