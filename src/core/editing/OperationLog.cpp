#include "editing/OperationLog.h"

#include <charconv>

namespace vq {

namespace {
bool IsBlank(std::string_view s) {
    for (unsigned char c : s)
        if (c > ' ')
            return false;
    return true;
}
}  // namespace

LogEntry MakeLogEntry(int row, std::string_view word, std::string_view text) {
    LogEntry e;
    char number[24];
    const auto end = std::to_chars(number, number + sizeof number, static_cast<long long>(row) + 1).ptr;
    e.head.reserve(word.size() + sizeof number);
    e.head.push_back('(');
    e.head.append(number, end);
    e.head.push_back(')');
    e.head.append(word);
    if (!IsBlank(text))
        e.text = std::string(text);
    return e;
}

void OperationLog::add(int row, std::string_view word, std::string_view text) {
    const LogEntry e = MakeLogEntry(row, word, text);
    m_entries.push_back(Entry{m_bytes.size(), static_cast<std::uint32_t>(e.head.size()), static_cast<std::uint32_t>(e.text.size())});
    m_bytes += e.head;
    m_bytes += e.text;
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
