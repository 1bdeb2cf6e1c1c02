#include "core/settings/FontText.h"

#include "core/settings/ProfileText.h"
#include "core/text/Blanks.h"

#include <optional>

namespace vq {

namespace {

// Takes the text up to the next comma off the front of `rest`; nothing when there is no comma.
std::optional<std::string_view> NextField(std::string_view& rest) {
    const size_t comma = rest.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const std::string_view field = rest.substr(0, comma);
    rest.remove_prefix(comma + 1);
    return field;
}

int IntOr(std::string_view field, int current) { return ParseProfileInt(TrimBlanks(field)).value_or(current); }

}  // namespace

void ApplyFontText(std::string_view text, FontSetting& font) {
    if (IsBlankText(text))
        return;
    std::string_view rest = text;

    const auto name = NextField(rest);
    if (!name)
        return;
    if (!IsBlankText(*name))
        font.name = TrimBlanks(*name);

    const auto charset = NextField(rest);
    if (!charset)
        return;
    if (!IsBlankText(*charset)) {
        const int value = IntOr(*charset, kDefaultCharset);
        if (value < 0 || value > 255)
            return;
        font.charset = value;
    }

    const auto colour = NextField(rest);
    if (!colour)
        return;
    if (!colour->empty())
        font.colour = IntOr(*colour, font.colour);

    const auto size = NextField(rest);
    if (!size)
        return;
    if (!size->empty()) {
        const int value = IntOr(*size, font.size);
        if (value < kMinFontSize || value > kMaxFontSize)
            return;
        font.size = value;
    }

    const std::string_view style = TrimBlanks(rest);
    if (!style.empty())
        font.style = IntOr(style, font.style) & (kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut);
}

std::string FontText(const FontSetting& font) {
    return font.name + "," + std::to_string(font.charset) + "," + std::to_string(font.colour) + "," +
           std::to_string(font.size) + "," + std::to_string(font.style);
}

}  // namespace vq
