#pragma once

// The language the program speaks: Chinese, the reference, or English. It is chosen once at
// start, before any other thread runs, and holds for the whole run.

#include <cstddef>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace vq {

enum class Language { Chinese, English };

void SetLanguage(Language language);
Language CurrentLanguage();

// "zh" and "en", as --lang and the settings file write them.
std::optional<Language> LanguageFromCode(std::string_view code);
const char* LanguageCode(Language language);

// Every (Chinese, English) pair the program knows, as varnoquil_en.ts gives them.
std::span<const std::pair<const char*, const char*>> EnglishTexts();

// The English of a Chinese program text, or nullptr when there is none.
const char* EnglishOf(std::string_view chinese);
// A Chinese program text in the current language (the text itself while the language is Chinese).
const char* Translated(const char* chinese);

namespace texts {

// A Chinese program text that reads in the current language wherever a text is taken: as a
// const char*, a std::string_view, a std::string, or a byte range (data/size, as QByteArrayView takes it).
class Phrase {
public:
    constexpr explicit Phrase(const char* chinese) : m_source(chinese) {}

    const char* source() const { return m_source; }
    const char* c_str() const { return Translated(m_source); }
    const char* data() const { return c_str(); }
    std::size_t size() const { return std::strlen(c_str()); }
    const char* begin() const { return c_str(); }
    const char* end() const { return c_str() + size(); }
    operator const char*() const { return c_str(); }
    operator std::string_view() const { return c_str(); }
    operator std::string() const { return c_str(); }

private:
    const char* m_source;
};

inline bool operator==(const Phrase& phrase, std::string_view text) { return text == phrase.c_str(); }

inline std::string operator+(std::string text, const Phrase& phrase) { return text += phrase.c_str(); }
inline std::string operator+(const Phrase& phrase, const std::string& text) { return phrase.c_str() + text; }
inline std::string operator+(const Phrase& phrase, char c) { return std::string(phrase.c_str()) + c; }

}  // namespace texts

}  // namespace vq
