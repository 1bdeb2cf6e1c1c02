#pragma once

// Splitting a file's bytes into lines and joining them back, byte for byte.
// The core keeps every line with its own break so that opening and saving a file
// changes no byte that no command changed.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

enum class LineBreak : std::uint8_t { LF, CRLF };

// "\n" or "\r\n".
std::string_view BreakBytes(LineBreak b);

// The break a line's text is written with when it is to take `wanted`. LF after a text that ends
// in a lone CR would make a CR LF of that CR, and the line would read back without it: such a
// line takes CR LF, which keeps the CR in its text.
inline LineBreak BreakAfter(std::string_view text, LineBreak wanted) {
    return wanted == LineBreak::LF && !text.empty() && text.back() == '\r' ? LineBreak::CRLF : wanted;
}

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The first LF in [p, end), or null. Lines are short, so the first bytes are searched here, eight
// at a time, before the library's search is called for a long rest.
inline const char* FindLineFeed(const char* p, const char* end) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
        constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
        for (int k = 0; k < 8 && end - p >= 8; ++k, p += 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            const std::uint64_t x = word ^ (kOnes * '\n');
            // The lowest byte that is zero in x is the first LF; bytes above it may show falsely.
            const std::uint64_t found = (x - kOnes) & ~x & kHigh;
            if (found != 0)
                return p + std::countr_zero(found) / 8;
        }
    }
    return static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
}

// The one line splitter: walks bytes line by line. A line ends at LF or CR LF; a lone CR stays in
// the line's text. A break at the very end does not make an extra empty line, and only the last
// line may end without a break.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : m_pos(bytes.data()), m_end(bytes.data() + bytes.size()) {}

    // The next line's text and whether and how it ends, or false at the end.
    bool next(std::string_view& text, bool& hasBreak, LineBreak& lineBreak) {
        if (m_pos >= m_end)
            return false;
        const char* start = m_pos;
        const char* lf = FindLineFeed(start, m_end);
        if (lf == nullptr) {
            m_pos = m_end;
            text = {start, static_cast<size_t>(m_end - start)};
            hasBreak = false;
            return true;
        }
        m_pos = lf + 1;
        const bool crlf = lf > start && lf[-1] == '\r';
        text = {start, static_cast<size_t>((crlf ? lf - 1 : lf) - start)};
        hasBreak = true;
        lineBreak = crlf ? LineBreak::CRLF : LineBreak::LF;
        return true;
    }
    // Where the next line starts.
    const char* position() const { return m_pos; }
    const char* end() const { return m_end; }

private:
    const char* m_pos;
    const char* m_end;
};

struct SplitText {
    std::vector<std::string_view> texts;  // each line without its break; views into the input
    std::vector<LineBreak> breaks;        // breaks[i] is the break that ends line i
    bool endsWithBreak = true;            // false when the last line has no break
};

// A line ends at LF or CR LF; a lone CR stays in the line's text. A break at the very end
// does not make an extra empty line. An empty input gives no lines and endsWithBreak true.
// For a last line without a break, breaks holds `fallback` for it and endsWithBreak is false.
SplitText SplitIntoLines(std::string_view bytes, LineBreak fallback);

// The document's own break: the first break found in the bytes, else `fallback`.
LineBreak FirstBreak(std::string_view bytes, LineBreak fallback = LineBreak::CRLF);

bool StartsWithUtf8Bom(std::string_view bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace vq
