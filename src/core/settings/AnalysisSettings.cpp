#include "settings/AnalysisSettings.h"

#include "document/Blanks.h"

#include <charconv>

namespace vq {

std::string EncodeSpaceSign(std::string_view s) {
    return std::to_string(s.size()) + std::string(kSpaceSignSuffix);
}

bool EndsWithSpaceSignSuffix(std::string_view t) { return t.ends_with(kSpaceSignSuffix); }

namespace {

// The whole text as a signed decimal int; 0 for anything else, an overflow included.
int ReadCount(std::string_view digits) {
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || ec != std::errc() || ptr != end)
        return 0;
    return value;
}

}  // namespace

std::string DecodeSpaceSign(std::string_view t) {
    t = TrimBlanks(t);
    const std::string_view digits = t.substr(0, t.size() >= kSpaceSignSuffix.size() ? t.size() - kSpaceSignSuffix.size() : 0);
    const int count = ReadCount(digits);
    // A count no sign can sensibly have (a hand-edited history, say "2000000000|_|") would cost
    // gigabytes; it reads as the empty sign, as a text that is not a number does.
    if (count <= 0 || count > kMaxSpaceSignCount)
        return std::string();
    return std::string(static_cast<size_t>(count), ' ');
}

}  // namespace vq
