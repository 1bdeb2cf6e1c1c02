#include "editing/OperationLog.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace vq {

namespace {
bool IsBlank(std::string_view s) {
    for (unsigned char c : s)
        if (c > ' ')
            return false;
    return true;
}

// "(" r+1 ")" word, appended to out.
void AppendHead(std::string& out, int row, std::string_view word) {
    char number[24];
    const auto end = std::to_chars(number, number + sizeof number, static_cast<long long>(row) + 1).ptr;
    out.push_back('(');
    out.append(number, end);
    out.push_back(')');
    out.append(word);
}

}  // namespace

LogEntry MakeLogEntry(int row, std::string_view word, std::string_view text) { return MakeLogEntry(row, word, {}, text); }

LogEntry MakeLogEntry(int row, std::string_view word, std::string_view note, std::string_view text) {
    LogEntry e;
    AppendHead(e.head, row, word);
    if (!IsBlank(note) || !IsBlank(text)) {
        e.note = std::string(note);
        e.text = std::string(text);
    }
    return e;
}

char* OperationLog::reserve(size_t bytes) {
    if (m_blocks.empty() || m_used + bytes > m_blocks.back().capacity) {
        const size_t capacity = std::max(bytes, kBlockBytes);
        m_blocks.push_back(Block{std::make_unique_for_overwrite<char[]>(capacity), capacity});
        m_used = 0;
    }
    return m_blocks.back().bytes.get() + m_used;
}

// Written straight into the last block: a command that logs a million rows makes no temporary
// strings.
void OperationLog::add(int row, std::string_view word, std::string_view note, std::string_view text) {
    if (note.size() > kMaxNote)
        throw std::length_error("a log note is a short mark");
    if (IsBlank(note) && IsBlank(text))
        note = text = {};
    char number[24];
    const char* numberEnd = std::to_chars(number, number + sizeof number, static_cast<long long>(row) + 1).ptr;
    const size_t digits = static_cast<size_t>(numberEnd - number);
    const size_t headLength = digits + 2 + word.size();
    char* p = reserve(headLength + note.size() + text.size());
    const size_t offset = m_used;
    *p++ = '(';
    p = std::copy_n(number, digits, p);
    *p++ = ')';
    p = std::copy(word.begin(), word.end(), p);
    p = std::copy(note.begin(), note.end(), p);
    std::copy(text.begin(), text.end(), p);
    m_used += headLength + note.size() + text.size();
    m_entries.push_back(Entry{m_blocks.size() - 1, offset, note.size(), static_cast<std::uint32_t>(headLength),
                              static_cast<std::uint32_t>(text.size())});
}

void OperationLog::clear() {
    std::vector<Block>().swap(m_blocks);
    m_used = 0;
    m_entries.clear();
}

size_t OperationLog::memoryBytes() const {
    size_t bytes = m_entries.capacityBytes() + m_blocks.capacity() * sizeof(Block);
    for (const Block& b : m_blocks)
        bytes += b.capacity;
    return bytes;
}

int RowOfLogEntry(std::string_view entry) {
    const size_t close = entry.find(')');
    if (close == std::string_view::npos || close < 1 || entry.front() != '(')
        return -2;
    const std::string_view digits = entry.substr(1, close - 1);
    long long k = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), k);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return -2;
    return static_cast<int>(k - 1);
}

}  // namespace vq
