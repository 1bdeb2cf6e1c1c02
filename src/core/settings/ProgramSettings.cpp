#include "core/settings/ProgramSettings.h"

#include "core/settings/AnalysisSettings.h"
#include "core/text/Blanks.h"

#include <algorithm>
#include <cstdint>

namespace vq {

namespace {

constexpr const char* kGeneral = "General";
constexpr const char* kRecentCountKey = "Recent_Count";
constexpr const char* kDefaultPatternKey = "Default_Pattern";
constexpr const char* kAutoExpandKey = "Auto_Expand";
constexpr const char* kTextFontKey = "Text_Font";
constexpr const char* kLanguageKey = "Language";
constexpr const char* kRecentSection = "Recent";
constexpr const char* kCommentSection = "Comment";
constexpr const char* kSplitSection = "Split";
constexpr const char* kTitleSection = "Title";

int ReadInt(const ProfileText& file, const char* key, int fallback) {
    const auto text = file.value(kGeneral, key);
    return text ? ParseProfileInt(*text).value_or(fallback) : fallback;
}

// A section with at least one key replaces the list; the list is left alone otherwise. The keys
// are taken while their names fit the reader's list of names, which ends with one more zero.
void ReadList(const ProfileText& file, const char* section, std::vector<std::string>& list, size_t limit = SIZE_MAX) {
    const std::vector<ProfileText::Entry> entries = file.entries(section);
    if (entries.empty())
        return;
    list.clear();
    size_t nameBytes = 1;
    for (const auto& [key, value] : entries) {
        nameBytes += key.size() + 1;
        if (list.size() == limit || nameBytes > kMaxSectionNameBytes)
            break;
        list.emplace_back(TrimBlanks(std::string_view(value).substr(0, kMaxValueBytes)));
    }
}

void WriteList(ProfileText& file, const char* section, const std::vector<std::string>& list) {
    std::vector<ProfileText::Entry> entries;
    entries.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string& item = list[i];
        entries.emplace_back(std::to_string(i), IsBlankText(item) ? EncodeSpaceSign(item) : item);
    }
    file.replaceSection(section, entries);
}

}  // namespace

void ReadSettings(const ProfileText& file, ProgramSettings& settings) {
    // More recent files than the submenu has items cannot be offered.
    settings.recentCount = std::clamp(ReadInt(file, kRecentCountKey, kDefaultRecentCount), 0, kMaxRecentCount);
    // A number that names no pattern gives the usual default, which the dialog can show.
    settings.defaultPattern = ReadInt(file, kDefaultPatternKey, kDefaultPatternSetting);
    if (settings.defaultPattern < 0 || settings.defaultPattern >= kPatternCount)
        settings.defaultPattern = kDefaultPatternSetting;
    if (const auto text = file.value(kGeneral, kAutoExpandKey))
        settings.autoExpand = ParseProfileInt(*text).value_or(1) != 0;
    else
        settings.autoExpand = true;
    ApplyFontText(file.value(kGeneral, kTextFontKey).value_or(kDefaultFontText), settings.font);
    ReadList(file, kRecentSection, settings.recentFiles, static_cast<size_t>(kMaxRecentCount));
    ReadList(file, kCommentSection, settings.remSigns);
    ReadList(file, kSplitSection, settings.splitSigns);
    ReadList(file, kTitleSection, settings.titleSigns);
    settings.language = ReadLanguageSetting(file);
}

Language ReadLanguageSetting(const ProfileText& file) {
    const auto text = file.value(kGeneral, kLanguageKey);
    return text ? LanguageFromCode(TrimBlanks(*text)).value_or(Language::Chinese) : Language::Chinese;
}

void WriteSettings(ProfileText& file, const ProgramSettings& settings) {
    file.setValue(kGeneral, kRecentCountKey, std::to_string(settings.recentCount));
    file.setValue(kGeneral, kDefaultPatternKey, std::to_string(settings.defaultPattern));
    file.setValue(kGeneral, kAutoExpandKey, settings.autoExpand ? "1" : "0");
    file.setValue(kGeneral, kTextFontKey, FontText(settings.font));
    file.setValue(kGeneral, kLanguageKey, LanguageCode(settings.language));
    WriteList(file, kRecentSection, settings.recentFiles);
    WriteList(file, kCommentSection, settings.remSigns);
    WriteList(file, kSplitSection, settings.splitSigns);
    WriteList(file, kTitleSection, settings.titleSigns);
}

}  // namespace vq
