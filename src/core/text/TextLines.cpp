#include "core/text/TextLines.h"

#include "core/text/Utf8.h"

#include <algorithm>
#include <cstring>

namespace vq {

std::string_view BreakBytes(LineBreak b) {
    return b == LineBreak::CRLF ? std::string_view("\r\n") : std::string_view("\n");
}

SplitText SplitIntoLines(std::string_view bytes, LineBreak fallback) {
    SplitText out;
    // Counting first lets both vectors be sized once; a million-line file would
    // otherwise reallocate them about twenty times each.
    const auto lineCount = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    out.texts.reserve(lineCount);
    out.breaks.reserve(lineCount);

    LineCursor lines(bytes);
    std::string_view text;
    bool hasBreak = true;
    LineBreak lineBreak = fallback;
    while (lines.next(text, hasBreak, lineBreak)) {
        out.texts.push_back(text);
        out.breaks.push_back(hasBreak ? lineBreak : fallback);
        out.endsWithBreak = hasBreak;
    }
    return out;
}

LineBreak FirstBreak(std::string_view bytes, LineBreak fallback) {
    LineCursor lines(bytes);
    std::string_view text;
    bool hasBreak = false;
    LineBreak lineBreak = fallback;
    while (lines.next(text, hasBreak, lineBreak))
        if (hasBreak)
            return lineBreak;
    return fallback;
}

bool StartsWithUtf8Bom(std::string_view bytes) { return bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom; }

namespace {

bool EightAscii(const unsigned char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return (word & 0x8080808080808080ULL) == 0;
}

bool ThirtyTwoAscii(const unsigned char* p) {
    std::uint64_t w[4];
    std::memcpy(w, p, sizeof w);
    return ((w[0] | w[1] | w[2] | w[3]) & 0x8080808080808080ULL) == 0;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t left = bytes.size();
    while (left > 0) {
        // Config files are mostly ASCII; skipping 32 or 8 bytes at a time keeps a
        // 30 MB file's check well below the cost of reading it.
        if (left >= 32 && ThirtyTwoAscii(p)) {
            p += 32;
            left -= 32;
            continue;
        }
        if (left >= 8 && EightAscii(p)) {
            p += 8;
            left -= 8;
            continue;
        }
        char32_t c = 0;
        const std::size_t len = *p < 0x80 ? 1 : Utf8SequenceAt({reinterpret_cast<const char*>(p), left}, c);
        if (len == 0)
            return false;
        p += len;
        left -= len;
    }
    return true;
}

}  // namespace vq
