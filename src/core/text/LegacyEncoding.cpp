#include "core/text/LegacyEncoding.h"

#include "core/text/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include <iconv.h>

namespace vq {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

struct CodePageInfo {
    LegacyCodePage page;
    int charset;
    std::string_view name;
    // glibc's name. Shift_JIS is Windows' own variant (CP932), which holds the NEC and IBM
    // characters that files written on Windows use.
    const char* converter;
};

constexpr std::array<CodePageInfo, 5> kInfo = {{
    {LegacyCodePage::Gb18030, 134, "GB18030", "GB18030"},
    {LegacyCodePage::Big5, 136, "Big5", "BIG5"},
    {LegacyCodePage::ShiftJis, 128, "Shift_JIS", "CP932"},
    {LegacyCodePage::EucKr, 129, "EUC-KR", "EUC-KR"},
    {LegacyCodePage::Windows1252, 0, "windows-1252", "CP1252"},
}};

const CodePageInfo& InfoOf(LegacyCodePage page) {
    return *std::find_if(kInfo.begin(), kInfo.end(), [page](const CodePageInfo& i) { return i.page == page; });
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// One conversion descriptor, closed when it goes.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(::iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            ::iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts from `in` on, appending to `out`, until the end or the first input it cannot
    // take; returns the errno of that (0 at the end).
    int convert(std::string_view& in, std::string& out) {
        char* from = const_cast<char*>(in.data());  // iconv's signature; it only reads
        size_t fromLeft = in.size();
        int error = 0;
        for (;;) {
            const size_t filled = out.size();
            out.resize(filled + std::max<size_t>(fromLeft * 2, 16));
            char* to = out.data() + filled;
            size_t toLeft = out.size() - filled;
            const size_t n = ::iconv(m_cd, &from, &fromLeft, &to, &toLeft);
            out.resize(out.size() - toLeft);
            error = n == static_cast<size_t>(-1) ? errno : 0;
            if (error != E2BIG)
                break;
        }
        in = in.substr(in.size() - fromLeft);
        return error;
    }
    void reset() { ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t m_cd;
};

// The code point of the UTF-8 sequence at the start of s, or U+FFFD when none starts there.
char32_t CodePointAt(std::string_view s) {
    char32_t c = 0;
    return Utf8SequenceAt(s, c) != 0 ? c : 0xFFFD;
}

}  // namespace

LegacyCodePage CodePageOfCharset(int charset) {
    const auto it =
        std::find_if(kInfo.begin(), kInfo.end(), [charset](const CodePageInfo& i) { return i.charset == charset; });
    return it == kInfo.end() ? LegacyCodePage::Gb18030 : it->page;
}

int CharsetOfCodePage(LegacyCodePage page) { return InfoOf(page).charset; }

std::string_view CodePageName(LegacyCodePage page) { return InfoOf(page).name; }

std::optional<LegacyCodePage> CodePageNamed(std::string_view name) {
    if (SameName(name, "GBK"))
        return LegacyCodePage::Gb18030;
    if (SameName(name, "cp1252"))
        return LegacyCodePage::Windows1252;
    for (const CodePageInfo& i : kInfo)
        if (SameName(name, i.name))
            return i.page;
    return std::nullopt;
}

LegacyEncoded EncodeLegacy(std::string_view utf8, LegacyCodePage page) {
    LegacyEncoded out;
    Converter converter(InfoOf(page).converter, "UTF-8");
    std::string_view rest = utf8;
    if (!converter.valid() || converter.convert(rest, out.bytes) != 0) {
        out.bytes.clear();
        out.refusedAt = utf8.size() - rest.size();
        out.refused = CodePointAt(rest);
        return out;
    }
    out.ok = true;
    return out;
}

LegacyDecoded DecodeLegacy(std::string_view bytes, LegacyCodePage page) {
    LegacyDecoded out;
    Converter converter("UTF-8", InfoOf(page).converter);
    if (!converter.valid()) {
        out.whole = bytes.empty();
        for (size_t i = 0; i < bytes.size(); ++i)
            out.utf8 += kReplacement;
        return out;
    }
    std::string_view rest = bytes;
    while (converter.convert(rest, out.utf8) != 0) {
        // A byte that starts no character of the code page (or a character cut off at the end).
        out.whole = false;
        out.utf8 += kReplacement;
        rest.remove_prefix(std::min<size_t>(1, rest.size()));
        converter.reset();
    }
    return out;
}

}  // namespace vq
