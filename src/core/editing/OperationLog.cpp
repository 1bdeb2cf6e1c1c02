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
    e.head = "(" + std::to_string(static_cast<long long>(row) + 1) + ")";
    e.head += word;
    if (!IsBlank(text))
        e.text = std::string(text);
    return e;
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
