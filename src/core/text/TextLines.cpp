#include "core/text/TextLines.h"

#include <algorithm>
#include <cassert>
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

std::string JoinLines(const std::vector<std::string_view>& texts, const std::vector<LineBreak>& breaks,
                      bool endsWithBreak) {
    assert(texts.size() == breaks.size());
    const std::size_t n = std::min(texts.size(), breaks.size());
    std::size_t total = 0;
    for (std::size_t i = 0; i < n; ++i)
        total += texts[i].size() + BreakBytes(breaks[i]).size();

    std::string out;
    out.reserve(total);
    for (std::size_t i = 0; i < n; ++i) {
        out.append(texts[i]);
        if (i + 1 < n || endsWithBreak)
            out.append(BreakBytes(breaks[i]));
    }
    return out;
}

bool StartsWithUtf8Bom(std::string_view bytes) { return bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom; }

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed multi-byte sequence at p (lead byte >= 0x80), or 0.
// The second byte's range depends on the lead byte; that is what rules out
// overlong forms (E0, F0), surrogates (ED) and code points above U+10FFFF (F4).
std::size_t MultiByteLength(const unsigned char* p, std::size_t left) {
    const unsigned char lead = p[0];
    std::size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        len = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        len = 3;
        if (lead == 0xE0)
            lo = 0xA0;
        if (lead == 0xED)
            hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        len = 4;
        if (lead == 0xF0)
            lo = 0x90;
        if (lead == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (left < len || p[1] < lo || p[1] > hi)
        return 0;
    for (std::size_t i = 2; i < len; ++i) {
        if (!IsContinuation(p[i]))
            return 0;
    }
    return len;
}

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
        std::size_t len = *p < 0x80 ? 1 : MultiByteLength(p, left);
        if (len == 0)
            return false;
        p += len;
        left -= len;
    }
    return true;
}

}  // namespace vq
