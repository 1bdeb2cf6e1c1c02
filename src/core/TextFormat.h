// How the program's texts are made: VQ_TEXT marks a Chinese text for translation, and
// FormatMessage fills in its %S, %s and %d.
//
// Chinese is the reference text. Each Chinese text is marked with VQ_TEXT, which Qt's lupdate
// reads as QT_TR_NOOP (lupdate -tr-function-alias QT_TR_NOOP=VQ_TEXT), so the English lives in
// resources/translations/varnoquil_en.ts and nowhere else. A text already in English is a plain
// const char* and reads the same in both languages.
//
// The texts themselves live beside their subsystem, in its *Texts.h.
#pragma once

#include "core/Language.h"

#include <string>
#include <string_view>

#define VQ_TEXT(chinese) ::vq::texts::Phrase(chinese)

namespace vq {

struct MessageArg {
    MessageArg(std::string_view s) : text(s) {}
    MessageArg(const char* s) : text(s) {}
    MessageArg(const std::string& s) : text(s) {}
    MessageArg(const texts::Phrase& s) : text(s.c_str()) {}
    MessageArg(long long n) : text(std::to_string(n)), isNumber(true) {}
    MessageArg(int n) : MessageArg(static_cast<long long>(n)) {}
    MessageArg(unsigned n) : MessageArg(static_cast<long long>(n)) {}
    MessageArg(unsigned long n) : MessageArg(static_cast<long long>(n)) {}
    MessageArg(long n) : MessageArg(static_cast<long long>(n)) {}
    std::string text;
    bool isNumber = false;
};

// Replaces %S, %s and %d in order with the arguments; "%%" is a single percent sign.
std::string FormatMessage(std::string_view format, std::initializer_list<MessageArg> args);

}  // namespace vq
