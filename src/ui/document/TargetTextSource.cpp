#include "ui/document/TargetTextSource.h"

#include "ui/document/ShownLine.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace vq {

namespace {

// Lines up to this many bytes are simply decoded to be measured.
constexpr size_t kDecodeToMeasure = 256;

bool IsAscii(std::string_view bytes) {
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    std::uint64_t high = 0;
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        high |= word;
    }
    for (; p < end; ++p)
        high |= static_cast<unsigned char>(*p);
    return (high & 0x8080808080808080ULL) == 0;
}

// UTF-16 code units of valid UTF-8: one per lead byte, two for a four-byte sequence.
qsizetype Utf16Length(std::string_view bytes) {
    qsizetype units = 0;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        units += (b & 0xC0) != 0x80;
        units += b >= 0xF0;
    }
    return units;
}

}  // namespace

TargetTextSource::TargetTextSource(const Document& document, const TextCodec& codec)
    : m_document(document), m_codec(codec) {
    reset();
}

qsizetype TargetTextSource::lineCount() const {
    const TargetText target = m_document.target();
    const size_t n = target.lineCount();
    return static_cast<qsizetype>(n > 0 && target.endsWithBreak() ? n + 1 : n);
}

std::string_view TargetTextSource::bytesOf(qsizetype line) const {
    const TargetText target = m_document.target();
    if (line < 0 || static_cast<size_t>(line) >= target.lineCount())
        return {};  // the empty line after a final break
    return target.line(static_cast<size_t>(line));
}

QString TargetTextSource::lineText(qsizetype line) const { return m_codec.decodeLine(bytesOf(line)); }

qsizetype TargetTextSource::lineLength(qsizetype line) const {
    const std::string_view bytes = bytesOf(line);
    if (bytes.size() <= kDecodeToMeasure)
        return IsAscii(bytes) ? static_cast<qsizetype>(bytes.size()) : m_codec.decode(bytes).size();
    if (bytes.data() == m_measured.data() && bytes.size() == m_measured.size())
        return m_measuredLength;
    qsizetype length = 0;
    if (IsAscii(bytes))
        length = static_cast<qsizetype>(bytes.size());
    else if (m_document.encoding() == TextEncoding::Utf8)
        length = Utf16Length(bytes);  // a UTF-8 document holds only valid UTF-8
    else
        length = m_codec.decode(bytes).size();
    m_measured = bytes;
    m_measuredLength = length;
    return length;
}

QString TargetTextSource::linePrefix(qsizetype line, qsizetype maxChars) const {
    return m_codec.decodeLinePrefix(bytesOf(line), maxChars);
}

void TargetTextSource::noteLength(size_t bytes) {
    m_longest = std::max(m_longest, static_cast<qsizetype>(std::min<size_t>(bytes, kMaxShownLineChars + 1)));
}

void TargetTextSource::reset() {
    m_measured = {};
    m_longest = 0;
    const TargetText target = m_document.target();
    // A text just loaded knows its longest line: no walk over millions of lines while the window
    // waits.
    if (const auto bound = target.longestLineBound()) {
        noteLength(*bound);
        return;
    }
    const size_t n = target.lineCount();
    // The view shows no more than this of a line, so a longer bound tells it nothing more.
    for (size_t i = 0; i < n && m_longest <= kMaxShownLineChars; ++i)
        noteLength(target.line(i).size());
}

void TargetTextSource::linesChanged(Range lines) {
    m_measured = {};
    const TargetText target = m_document.target();
    const size_t end = std::min(lines.first + lines.count, target.lineCount());
    for (size_t i = lines.first; i < end && m_longest <= kMaxShownLineChars; ++i)
        noteLength(target.line(i).size());
}

}  // namespace vq
