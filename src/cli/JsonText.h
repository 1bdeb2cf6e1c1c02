#pragma once

// The little JSON the command line prints for scripts and the Ansible module: one object of
// strings, booleans and arrays of such objects, written as it goes.

#include <string>
#include <string_view>

namespace vq::cli {

// The text as a JSON string, quotes included. Bytes that are not UTF-8 come out as U+FFFD, so
// the result is always valid JSON.
std::string JsonString(std::string_view text);

// Builds one object: add members, nest an array of objects, close.
class JsonObject {
public:
    JsonObject() : m_text("{") {}
    JsonObject& add(std::string_view name, std::string_view value);
    JsonObject& add(std::string_view name, const char* value) { return add(name, std::string_view(value)); }
    JsonObject& add(std::string_view name, bool value);
    // A member whose value is already JSON (an array, an object).
    JsonObject& addRaw(std::string_view name, std::string_view json);
    std::string close() { return m_text + "}"; }

private:
    void name(std::string_view name);
    std::string m_text;
};

}  // namespace vq::cli
