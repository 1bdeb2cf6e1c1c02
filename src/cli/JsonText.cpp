#include "cli/JsonText.h"

#include "core/text/TextLines.h"

#include <cstdio>

namespace vq::cli {

namespace {

// The length of the valid UTF-8 sequence at the start of `text`, 0 when none starts there.
size_t ValidSequence(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || length > text.size())
        return 0;
    return IsValidUtf8(text.substr(0, length)) ? length : 0;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        switch (c) {
        case '"':
            out += "\\\"";
            ++i;
            continue;
        case '\\':
            out += "\\\\";
            ++i;
            continue;
        case '\n':
            out += "\\n";
            ++i;
            continue;
        case '\r':
            out += "\\r";
            ++i;
            continue;
        case '\t':
            out += "\\t";
            ++i;
            continue;
        default: break;
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
            ++i;
            continue;
        }
        const size_t length = ValidSequence(text.substr(i));
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out + "\"";
}

void JsonObject::name(std::string_view name) {
    if (m_text.size() > 1)
        m_text += ", ";
    m_text += JsonString(name) + ": ";
}

JsonObject& JsonObject::add(std::string_view n, std::string_view value) {
    name(n);
    m_text += JsonString(value);
    return *this;
}

JsonObject& JsonObject::add(std::string_view n, bool value) {
    name(n);
    m_text += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::addRaw(std::string_view n, std::string_view json) {
    name(n);
    m_text += json;
    return *this;
}

}  // namespace vq::cli
