#include "core/Language.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace vq {

namespace {

// Made at build time from resources/translations/varnoquil_en.ts (cmake/EnglishTable.cmake):
// the only copy of the English in the program's code.
constexpr std::pair<const char*, const char*> kEnglish[] = {
#include "core/EnglishTexts.inc"
};

std::atomic<Language> g_language{Language::Chinese};

}  // namespace

void SetLanguage(Language language) { g_language.store(language, std::memory_order_relaxed); }

Language CurrentLanguage() { return g_language.load(std::memory_order_relaxed); }

std::optional<Language> LanguageFromCode(std::string_view code) {
    if (code == "zh")
        return Language::Chinese;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "zh"; }

std::span<const std::pair<const char*, const char*>> EnglishTexts() { return kEnglish; }

const char* EnglishOf(std::string_view chinese) {
    static const auto table = [] {
        std::unordered_map<std::string_view, const char*> map;
        for (const auto& [source, english] : kEnglish)
            map.emplace(source, english);
        return map;
    }();
    const auto it = table.find(chinese);
    return it == table.end() ? nullptr : it->second;
}

const char* Translated(const char* chinese) {
    if (CurrentLanguage() == Language::Chinese)
        return chinese;
    // Commands take the same texts once per row: remember the last few by address, so a million
    // rows do not look a text up a million times.
    struct Slot {
        const char* source = nullptr;
        const char* text = nullptr;
    };
    thread_local std::array<Slot, 64> cache;
    Slot& slot = cache[(reinterpret_cast<std::uintptr_t>(chinese) >> 3) % cache.size()];
    if (slot.source != chinese) {
        const char* english = EnglishOf(chinese);
        slot = {chinese, english ? english : chinese};
    }
    return slot.text;
}

}  // namespace vq
