#include "core/document/OperationLog.h"

#include "core/text/Blanks.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <stdexcept>

namespace vq {

namespace {

// "(" r+1 ")" word, appended to out.
void AppendHead(std::string& out, std::int64_t row, std::string_view word) {
    char number[24];
    const auto end = std::to_chars(number, number + sizeof number, row + 1).ptr;
    out.push_back('(');
    out.append(number, end);
    out.push_back(')');
    out.append(word);
}

// The tag byte that starts an entry: the kind of its text, and which fields follow because they
// differ from what the entry before suggests.
enum : unsigned char {
    kKindMask = 3,  // kHeadOnly, kLiteral or kLine
    kRowGiven = 1 << 2,
    kLabelGiven = 1 << 3,
    kLineGiven = 1 << 4,
    kPrefixGiven = 1 << 5,
    kSourceGiven = 1 << 6,
    kSkipGiven = 1 << 7,
};
enum Kind { kHeadOnly = 0, kLiteral = 1, kLine = 2 };

// Room enough for a tag and every field of an entry but a literal text's bytes.
constexpr size_t kMaxFieldBytes = 1 + 6 * 10;

char* PutNumber(char* out, std::uint64_t v) {
    while (v >= 0x80) {
        *out++ = static_cast<char>((v & 0x7F) | 0x80);
        v >>= 7;
    }
    *out++ = static_cast<char>(v);
    return out;
}
std::uint64_t GetNumber(const char*& in) {
    std::uint64_t v = 0;
    for (int shift = 0;; shift += 7) {
        const auto b = static_cast<unsigned char>(*in++);
        v |= static_cast<std::uint64_t>(b & 0x7F) << shift;
        if (!(b & 0x80))
            return v;
    }
}
// Differences may be negative: zigzag keeps small ones short.
std::uint64_t Zig(std::int64_t v) { return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63); }
std::int64_t Zag(std::uint64_t v) { return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1); }

}  // namespace

LogEntry MakeLogEntry(int row, std::string_view word, std::string_view text) {
    return MakeLogEntry(row, word, {}, text);
}

LogEntry MakeLogEntry(int row, std::string_view word, std::string_view note, std::string_view text) {
    LogEntry e;
    AppendHead(e.head, row, word);
    if (!IsBlankText(note) || !IsBlankText(text)) {
        e.note = std::string(note);
        e.text = std::string(text);
    }
    return e;
}

// --- names -----------------------------------------------------------------------------------

std::uint32_t OperationLog::Names::id(std::string_view name) {
    if (m_last != UINT32_MAX && *m_names[m_last] == name)
        return m_last;
    auto it = m_ids.find(name);
    if (it == m_ids.end()) {
        it = m_ids.emplace(std::string(name), static_cast<std::uint32_t>(m_names.size())).first;
        m_names.push_back(&it->first);  // a map's keys never move
    }
    return m_last = it->second;
}

void OperationLog::Names::clear() {
    m_ids.clear();
    m_names.clear();
    m_last = UINT32_MAX;
}

size_t OperationLog::Names::memoryBytes() const {
    size_t bytes = m_names.capacity() * sizeof(const std::string*);
    for (const auto& [name, id] : m_ids)
        bytes += sizeof(name) + sizeof(id) + 32 + (name.size() > 15 ? name.capacity() : 0);
    return bytes;
}

// --- writing ---------------------------------------------------------------------------------

OperationLog::OperationLog() = default;
OperationLog::~OperationLog() = default;

std::uint32_t OperationLog::labelOf(std::string_view word, std::string_view note) {
    // The word's length first, so no word and note run into another pair.
    const auto length = static_cast<std::uint32_t>(word.size());
    m_key.assign(reinterpret_cast<const char*>(&length), sizeof length).append(word).append(note);
    return m_labels.id(m_key);
}

std::uint32_t OperationLog::sourceOf(const LineTable& lines) {
    if (!m_sources.empty() && m_sources[m_state.source].sameLinesAs(lines))
        return m_state.source;
    for (size_t k = 0; k < m_sources.size(); ++k)
        if (m_sources[k].sameLinesAs(lines))
            return static_cast<std::uint32_t>(k);
    m_sources.push_back(lines);
    return static_cast<std::uint32_t>(m_sources.size() - 1);
}

char* OperationLog::reserve(size_t bytes) {
    if (m_blocks.empty() || m_blocks.back().used + bytes > m_blocks.back().capacity) {
        const size_t capacity = std::max(bytes, kBlockBytes);
        m_blocks.push_back(Block{std::make_unique_for_overwrite<char[]>(capacity), capacity, 0});
    }
    Block& b = m_blocks.back();
    return b.bytes.get() + b.used;
}

// Writes the entry at `out` (from reserve()) against the state of the entry before it.
void OperationLog::append(const State& next, int kind, std::string_view text, char* out) {
    Block& block = m_blocks.back();
    if (m_size % kStride == 0)
        m_checkpoints.push_back(Checkpoint{static_cast<std::uint32_t>(m_blocks.size() - 1),
                                           static_cast<std::uint32_t>(block.used), m_state});
    char* const start = out;
    unsigned char tag = static_cast<unsigned char>(kind);
    char* p = out + 1;
    if (next.row != m_state.row + 1) {
        tag |= kRowGiven;
        p = PutNumber(p, Zig(next.row - (m_state.row + 1)));
    }
    if (next.label != m_state.label || m_size == 0) {
        tag |= kLabelGiven;
        p = PutNumber(p, next.label);
    }
    if (kind == kLine) {
        if (next.line != m_state.line + 1) {
            tag |= kLineGiven;
            p = PutNumber(p, Zig(static_cast<std::int64_t>(next.line - (m_state.line + 1))));
        }
        if (next.prefix != m_state.prefix) {
            tag |= kPrefixGiven;
            p = PutNumber(p, next.prefix);
        }
        if (next.source != m_state.source) {
            tag |= kSourceGiven;
            p = PutNumber(p, next.source);
        }
        if (next.skip != m_state.skip) {
            tag |= kSkipGiven;
            p = PutNumber(p, next.skip);
        }
    } else if (kind == kLiteral) {
        p = PutNumber(p, text.size());
        p = std::copy(text.begin(), text.end(), p);
    }
    *start = static_cast<char>(tag);
    block.used += static_cast<size_t>(p - start);
    m_state = next;
    ++m_size;
}

void OperationLog::add(int row, std::string_view word, std::string_view note, std::string_view text) {
    if (note.size() > kMaxNote)
        throw std::length_error("a log note is a short mark");
    const bool headOnly = IsBlankText(note) && IsBlankText(text);
    State next = m_state;
    next.row = row;
    next.label = labelOf(word, headOnly ? std::string_view() : note);
    const std::string_view kept = headOnly ? std::string_view() : text;
    char* out = reserve(kMaxFieldBytes + kept.size());
    append(next, headOnly ? kHeadOnly : kLiteral, kept, out);
}

void OperationLog::addLine(int row, std::string_view word, std::string_view note, std::string_view prefix,
                           const LineTable& lines, size_t line, size_t skip) {
    if (note.size() > kMaxNote)
        throw std::length_error("a log note is a short mark");
    if (prefix.size() > kMaxPrefix)
        throw std::length_error("a log prefix is a few bytes");
    const std::string_view kept = lines.text(line).substr(std::min(skip, lines.text(line).size()));
    if (IsBlankText(note) && IsBlankText(prefix) && IsBlankText(kept)) {
        add(row, word, {}, {});
        return;
    }
    State next = m_state;
    next.row = row;
    next.label = labelOf(word, note);
    next.prefix = m_prefixes.id(prefix);
    next.source = sourceOf(lines);
    next.line = line;
    next.skip = static_cast<std::uint32_t>(lines.text(line).size() - kept.size());
    char* out = reserve(kMaxFieldBytes);
    append(next, kLine, {}, out);
}

void OperationLog::clear() {
    std::vector<Block>().swap(m_blocks);
    m_checkpoints.clear();
    m_state = State{};
    m_size = 0;
    m_labels.clear();
    m_prefixes.clear();
    std::vector<LineTable>().swap(m_sources);
}

size_t OperationLog::memoryBytes() const {
    size_t bytes = m_checkpoints.capacityBytes() + m_blocks.capacity() * sizeof(Block) + m_labels.memoryBytes() +
                   m_prefixes.memoryBytes() + m_sources.capacity() * sizeof(LineTable);
    for (const Block& b : m_blocks)
        bytes += b.capacity;
    return bytes;
}

// --- reading ---------------------------------------------------------------------------------

struct OperationLog::Decoded {
    State state;
    int kind = kHeadOnly;
    std::string_view literal;
};

OperationLog::Decoded OperationLog::decode(size_t i) const {
    const Checkpoint& cp = m_checkpoints[i / kStride];
    size_t block = cp.block;
    const char* p = m_blocks[block].bytes.get() + cp.offset;
    Decoded d;
    d.state = cp.state;
    for (size_t k = i / kStride * kStride;; ++k) {
        if (p == m_blocks[block].bytes.get() + m_blocks[block].used)
            p = m_blocks[++block].bytes.get();
        const auto tag = static_cast<unsigned char>(*p++);
        State& s = d.state;
        d.kind = tag & kKindMask;
        s.row = (tag & kRowGiven) ? s.row + 1 + Zag(GetNumber(p)) : s.row + 1;
        if (tag & kLabelGiven)
            s.label = static_cast<std::uint32_t>(GetNumber(p));
        if (d.kind == kLine) {
            s.line = (tag & kLineGiven) ? s.line + 1 + static_cast<std::uint64_t>(Zag(GetNumber(p))) : s.line + 1;
            if (tag & kPrefixGiven)
                s.prefix = static_cast<std::uint32_t>(GetNumber(p));
            if (tag & kSourceGiven)
                s.source = static_cast<std::uint32_t>(GetNumber(p));
            if (tag & kSkipGiven)
                s.skip = static_cast<std::uint32_t>(GetNumber(p));
        } else if (d.kind == kLiteral) {
            const size_t length = GetNumber(p);
            d.literal = {p, length};
            p += length;
        }
        if (k == i)
            return d;
    }
}

LogEntry OperationLog::entry(size_t i) const {
    const Decoded d = decode(i);
    const std::string_view key = m_labels.name(d.state.label);
    std::uint32_t wordLength = 0;
    std::memcpy(&wordLength, key.data(), sizeof wordLength);
    LogEntry e;
    AppendHead(e.head, d.state.row, key.substr(sizeof wordLength, wordLength));
    if (d.kind == kHeadOnly)
        return e;
    e.note = std::string(key.substr(sizeof wordLength + wordLength));
    if (d.kind == kLiteral) {
        e.text = std::string(d.literal);
    } else {
        const std::string_view line = m_sources[d.state.source].text(d.state.line).substr(d.state.skip);
        e.text.reserve(m_prefixes.name(d.state.prefix).size() + line.size());
        e.text.append(m_prefixes.name(d.state.prefix)).append(line);
    }
    return e;
}

int OperationLog::row(size_t i) const { return static_cast<int>(decode(i).state.row); }

}  // namespace vq
