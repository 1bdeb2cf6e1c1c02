#include "ui/find/CandidateLines.h"

#include "core/document/Document.h"
#include "ui/document/TextCodec.h"

#include <algorithm>
#include <string_view>

namespace vq {

namespace {

// Characters a line never decodes to from bytes that hold the same character: the symbols the
// view shows for breaks and NULs, the replacement of a broken sequence, and breaks themselves.
bool MatchesOnlyItsBytes(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == 0 || c == kCrMark || c == kLfMark || c == kSeparatorMark ||
            c == kNulMark || u == 0xFFFD)
            return false;
    }
    return true;
}

bool IsAsciiText(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAsciiBytes(std::string_view bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool ContainsAnyCase(std::string_view haystack, const std::string& lowerNeedle) {
    const auto equal = [](char a, char b) { return Lower(a) == b; };
    return std::search(haystack.begin(), haystack.end(), lowerNeedle.begin(), lowerNeedle.end(), equal) !=
           haystack.end();
}

}  // namespace

CandidateLines::CandidateLines(const TextLineSource* shown, const Document& document, const TextCodec& codec,
                               const QString& text, bool matchCase)
    : m_shown(shown), m_document(document) {
    if (text.isEmpty() || !MatchesOnlyItsBytes(text))
        return;
    if (matchCase) {
        if (const auto bytes = codec.encode(text)) {
            m_needle = *bytes;
            m_filter = Filter::Bytes;
        }
    } else if (IsAsciiText(text)) {
        const QByteArray lower = text.toLatin1().toLower();
        m_needle.assign(lower.constData(), static_cast<size_t>(lower.size()));
        m_filter = Filter::AsciiAnyCase;
    }
}

qsizetype CandidateLines::lineCount() const { return m_shown ? m_shown->lineCount() : 0; }

QString CandidateLines::lineText(qsizetype line) const { return mayHold(line) ? m_shown->lineText(line) : QString(); }

bool CandidateLines::mayHold(qsizetype line) const {
    const TargetText target = m_document.target();
    if (m_filter == Filter::None || line < 0 || static_cast<size_t>(line) >= target.lineCount())
        return true;
    const std::string_view bytes = target.line(static_cast<size_t>(line));
    if (m_filter == Filter::Bytes)
        return bytes.find(m_needle) != std::string_view::npos;
    return !IsAsciiBytes(bytes) || ContainsAnyCase(bytes, m_needle);
}

}  // namespace vq
