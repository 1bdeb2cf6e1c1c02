#include "core/settings/LanguageChoice.h"

#include "core/settings/ProgramSettings.h"
#include "core/settings/SettingsFile.h"

namespace vq {

namespace {

// Calls `take(index, valueIndex)` for each --lang before a lone "--"; valueIndex is the index of
// a separate value, or the index itself for "--lang=VALUE" and a --lang at the end.
template <typename Take>
void ForEachLanguageArgument(std::span<const std::string_view> args, Take take) {
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string_view arg = args[k];
        if (arg == "--")
            return;
        if (arg == kLanguageOption) {
            const size_t value = k + 1 < args.size() ? k + 1 : k;
            take(k, value);
            k = value;
        } else if (arg.starts_with(kLanguageOption) && arg[kLanguageOption.size()] == '=') {
            take(k, k);
        }
    }
}

}  // namespace

std::optional<std::string_view> LanguageArgument(std::span<const std::string_view> args) {
    std::optional<std::string_view> found;
    ForEachLanguageArgument(args, [&](size_t k, size_t value) {
        if (value != k)
            found = args[value];
        else if (args[k].size() > kLanguageOption.size())
            found = args[k].substr(kLanguageOption.size() + 1);
        else
            found = std::string_view();
    });
    return found;
}

std::vector<std::string_view> WithoutLanguageArgument(std::span<const std::string_view> args) {
    std::vector<bool> drop(args.size(), false);
    ForEachLanguageArgument(args, [&](size_t k, size_t value) { drop[k] = drop[value] = true; });
    std::vector<std::string_view> kept;
    for (size_t k = 0; k < args.size(); ++k)
        if (!drop[k])
            kept.push_back(args[k]);
    return kept;
}

Language ChooseLanguage(std::span<const std::string_view> args, const std::string& settingsPath) {
    if (const auto value = LanguageArgument(args))
        if (const auto language = LanguageFromCode(*value))
            return *language;
    return LoadLanguageSetting(settingsPath);
}

}  // namespace vq
