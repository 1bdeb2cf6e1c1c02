#pragma once

// The language of one run: --lang zh|en when given, else "Language" in the settings file's
// "General" section, else Chinese. The window and the command line choose it the same way.

#include "core/Language.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

inline constexpr std::string_view kLanguageOption = "--lang";

// The value of the last --lang among the arguments after the program's name ("--lang VALUE" or
// "--lang=VALUE", before a lone "--"); nullopt when there is none. A --lang without a value gives
// the empty text.
std::optional<std::string_view> LanguageArgument(std::span<const std::string_view> args);

// The arguments with every --lang and its value left out (none after a lone "--").
std::vector<std::string_view> WithoutLanguageArgument(std::span<const std::string_view> args);

// The language asked for: a known --lang value, else the settings file's, else Chinese.
Language ChooseLanguage(std::span<const std::string_view> args, const std::string& settingsPath);

}  // namespace vq
