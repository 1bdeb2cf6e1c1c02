#include "core/settings/ProfileText.h"

#include "core/text/Blanks.h"
#include "core/text/TextCompare.h"
#include "core/text/TextLines.h"

#include <charconv>
#include <cstdint>

namespace vq {

namespace {

bool IsQuote(char c) { return c == '"' || c == '\''; }

// Built by appending: GCC 12 warns falsely about `"[" + std::string(...)`.
std::string Enclosed(char open, std::string_view text, char close) {
    std::string out;
    out.reserve(text.size() + 2);
    out += open;
    out += text;
    out += close;
    return out;
}

bool EnclosedInQuotes(std::string_view v) { return v.size() >= 2 && IsQuote(v.front()) && v.front() == v.back(); }

// The value part of a key line as a reader sees it.
std::string ValueOf(std::string_view lineText) {
    std::string_view v = TrimBlanks(lineText.substr(lineText.find('=') + 1));
    if (EnclosedInQuotes(v))
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

}  // namespace

ProfileText::ProfileText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        m_bom = kUtf8Bom;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    bool firstBreak = true;
    LineCursor lines(bytes);
    std::string_view text;
    bool hasBreak = false;
    LineBreak lineBreak = LineBreak::LF;
    while (lines.next(text, hasBreak, lineBreak)) {
        const std::string_view breakBytes = hasBreak ? BreakBytes(lineBreak) : std::string_view();
        if (hasBreak && firstBreak) {
            m_lineBreak = breakBytes;
            firstBreak = false;
        }
        m_lines.push_back(Parse(std::string(text), std::string(breakBytes)));
    }
}

ProfileText::Line ProfileText::Parse(std::string text, std::string lineBreak) {
    Line line{std::move(text), std::move(lineBreak), Kind::Other, {}};
    const std::string_view t = TrimBlanks(line.text);
    if (t.empty() || t.front() == ';' || t.front() == '#')
        return line;
    if (t.front() == '[') {
        const std::string_view inner = t.substr(1, t.find(']') == std::string_view::npos ? t.size() : t.find(']') - 1);
        line.kind = Kind::Section;
        line.name = TrimBlanks(inner);
        return line;
    }
    const size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return line;
    const std::string_view name = TrimBlanks(t.substr(0, eq));
    if (name.empty())
        return line;
    line.kind = Kind::Key;
    line.name = name;
    return line;
}

std::vector<ProfileText::Span> ProfileText::spans(std::string_view section) const {
    std::vector<Span> out;
    bool open = false;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != Kind::Section)
            continue;
        if (open) {
            out.back().end = i;
            open = false;
        }
        if (EqualsIgnoringCase(m_lines[i].name, section)) {
            out.push_back({i, m_lines.size()});
            open = true;
        }
    }
    return out;
}

std::optional<std::string> ProfileText::value(std::string_view section, std::string_view key) const {
    const std::vector<Span> found = spans(section);
    if (found.empty())
        return std::nullopt;
    for (size_t i = found.front().header + 1; i < found.front().end; ++i)
        if (m_lines[i].kind == Kind::Key && EqualsIgnoringCase(m_lines[i].name, key))
            return ValueOf(m_lines[i].text);
    return std::nullopt;
}

std::vector<ProfileText::Entry> ProfileText::entries(std::string_view section) const {
    std::vector<Entry> out;
    const std::vector<Span> found = spans(section);
    if (found.empty())
        return out;
    for (size_t i = found.front().header + 1; i < found.front().end; ++i) {
        const Line& line = m_lines[i];
        if (line.kind != Kind::Key)
            continue;
        bool seen = false;
        for (const Entry& e : out)
            seen = seen || EqualsIgnoringCase(e.first, line.name);
        if (!seen)
            out.emplace_back(line.name, ValueOf(line.text));
    }
    return out;
}

std::optional<std::string> ProfileText::EncodeValue(std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos)
        return std::nullopt;
    const bool blankEnd = !value.empty() && (IsBlankByte(value.front()) || IsBlankByte(value.back()));
    if (blankEnd || EnclosedInQuotes(value))
        return Enclosed('"', value, '"');
    return std::string(value);
}

void ProfileText::insertLine(size_t at, std::string text) {
    // Every line but the last ends with a break, also the one that used to be last.
    if (at > 0 && m_lines[at - 1].lineBreak.empty())
        m_lines[at - 1].lineBreak = m_lineBreak;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), Parse(std::move(text), m_lineBreak));
}

void ProfileText::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::string plain(value);
    for (char& c : plain)
        if (c == '\r' || c == '\n')
            c = ' ';
    const std::string encoded = *EncodeValue(plain);

    const std::vector<Span> found = spans(section);
    if (found.empty()) {
        insertLine(m_lines.size(), Enclosed('[', section, ']'));
        insertLine(m_lines.size(), std::string(key) + "=" + encoded);
        return;
    }
    const Span span = found.front();
    size_t after = span.header;
    for (size_t i = span.header + 1; i < span.end; ++i) {
        Line& line = m_lines[i];
        if (line.kind != Kind::Key)
            continue;
        if (EqualsIgnoringCase(line.name, key)) {
            line.text = line.name + "=" + encoded;  // the key keeps the spelling it had
            return;
        }
        after = i;
    }
    insertLine(after + 1, std::string(key) + "=" + encoded);
}

void ProfileText::replaceSection(std::string_view section, const std::vector<Entry>& entries) {
    std::vector<std::string> keyLines;
    for (const auto& [key, value] : entries)
        if (const auto encoded = EncodeValue(value))
            keyLines.push_back(key + "=" + *encoded);

    const std::vector<Span> found = spans(section);
    if (found.empty()) {
        if (keyLines.empty())
            return;
        insertLine(m_lines.size(), Enclosed('[', section, ']'));
        for (std::string& line : keyLines)
            insertLine(m_lines.size(), std::move(line));
        return;
    }

    // The new keys go where the first old key stood, or right below the header.
    size_t insertAt = found.front().header + 1;
    for (size_t i = found.front().header + 1; i < found.front().end; ++i) {
        if (m_lines[i].kind == Kind::Key) {
            insertAt = i;
            break;
        }
    }
    std::vector<bool> dropped(m_lines.size(), false);
    for (const Span& span : found)
        for (size_t i = span.header + 1; i < span.end; ++i)
            dropped[i] = m_lines[i].kind == Kind::Key;

    std::vector<Line> old = std::move(m_lines);
    m_lines.clear();
    for (size_t i = 0; i <= old.size(); ++i) {
        if (i == insertAt)
            for (std::string& line : keyLines)
                insertLine(m_lines.size(), std::move(line));
        if (i < old.size() && !dropped[i]) {
            if (!m_lines.empty() && m_lines.back().lineBreak.empty())
                m_lines.back().lineBreak = m_lineBreak;
            m_lines.push_back(std::move(old[i]));
        }
    }

    // A header left with nothing but blank lines below it is dropped.
    for (size_t i = m_lines.size(); i-- > 0;) {
        if (m_lines[i].kind != Kind::Section || !EqualsIgnoringCase(m_lines[i].name, section))
            continue;
        bool empty = true;
        for (size_t j = i + 1; j < m_lines.size() && m_lines[j].kind != Kind::Section && empty; ++j)
            empty = IsBlankText(m_lines[j].text);
        if (empty)
            m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

std::string ProfileText::bytes() const {
    std::string out = m_bom;
    for (const Line& line : m_lines)
        out += line.text + line.lineBreak;
    return out;
}

std::optional<int> ParseProfileInt(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFu)
            return std::nullopt;
        const auto pattern = static_cast<std::uint32_t>(negative ? 0u - magnitude : magnitude);
        return static_cast<int>(static_cast<std::int32_t>(pattern));
    }
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (magnitude > (std::uint64_t{1} << 31) || value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace vq
