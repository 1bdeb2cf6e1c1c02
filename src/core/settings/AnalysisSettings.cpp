#include "core/settings/AnalysisSettings.h"

#include "core/text/Blanks.h"

#include <charconv>
#include <cstdint>

namespace vq {

std::string EncodeSpaceSign(std::string_view s) { return std::to_string(s.size()) + std::string(kSpaceSignSuffix); }

bool EndsWithSpaceSignSuffix(std::string_view t) { return t.ends_with(kSpaceSignSuffix); }

namespace {

// The digits of the space-count form t: blanks stripped, the suffix dropped.
std::string_view CountDigits(std::string_view t) {
    t = TrimBlanks(t);
    return t.substr(0, t.size() >= kSpaceSignSuffix.size() ? t.size() - kSpaceSignSuffix.size() : 0);
}

struct Count {
    int value = 0;
    bool tooLarge = false;  // a decimal number beyond what an int holds
};

// The whole text as a signed decimal int; 0 for anything else.
Count ReadCount(std::string_view digits) {
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || ptr != end)
        return {};
    if (ec == std::errc::result_out_of_range)
        return {0, digits.front() != '-'};
    return {ec == std::errc() ? value : 0, false};
}

}  // namespace

std::string DecodeSpaceSign(std::string_view t) {
    const int count = ReadCount(CountDigits(t)).value;
    if (count <= 0 || static_cast<size_t>(count) > kMaxSignBytes)
        return std::string();
    return std::string(static_cast<size_t>(count), ' ');
}

size_t SignLength(std::string_view text) {
    if (!EndsWithSpaceSignSuffix(text))
        return text.size();
    const Count count = ReadCount(CountDigits(text));
    if (count.tooLarge)
        return SIZE_MAX;
    return count.value > 0 ? static_cast<size_t>(count.value) : 0;
}

}  // namespace vq
