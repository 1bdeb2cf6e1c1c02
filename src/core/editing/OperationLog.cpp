#include "editing/OperationLog.h"

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

// Written straight into the shared block: a command that logs a million rows makes no
// temporary strings.
void OperationLog::add(int row, std::string_view word, std::string_view note, std::string_view text) {
    if (note.size() > kMaxNote)
        throw std::length_error("a log note is a short mark");
    if (IsBlank(note) && IsBlank(text))
        note = text = {};
    const size_t begin = m_bytes.size();
    AppendHead(m_bytes, row, word);
    const size_t headLength = m_bytes.size() - begin;
    m_bytes.append(note);
    m_bytes.append(text);
    m_entries.push_back(Entry{begin, note.size(), static_cast<std::uint32_t>(headLength), static_cast<std::uint32_t>(text.size())});
}

void OperationLog::clear() {
    std::string().swap(m_bytes);
    std::vector<Entry>().swap(m_entries);
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
