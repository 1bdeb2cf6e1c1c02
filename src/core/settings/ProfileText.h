#pragma once

// An INI file held as its own lines, so that writing a few keys leaves everything else the user
// put there (other sections and keys, comments, blank lines, their order and line breaks) as it
// was. Reading follows the usual profile rules: section and key names ignore ASCII letter case,
// values lose the blanks at both ends and one pair of enclosing quotation marks, and the first of
// two sections or keys of the same name is the one that counts.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vq {

class ProfileText {
public:
    using Entry = std::pair<std::string, std::string>;  // key, value

    explicit ProfileText(std::string_view bytes = {});

    // The value of a key, or nothing when the section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The keys of a section with their values, in file order, each key name once.
    std::vector<Entry> entries(std::string_view section) const;

    // Replaces the key's value where it stands, or adds the key at the end of its section, or
    // the section at the end of the file.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Replaces every key of the section with these entries, where its first key stood. Comments
    // and other lines inside it stay; a section left without any line but blanks goes away.
    void replaceSection(std::string_view section, const std::vector<Entry>& entries);

    // The file's bytes as they are to be written.
    std::string bytes() const;

    // A value as written in a line, so that reading it back gives the same text: a value with
    // blanks at an end, or enclosed in matching quotation marks, gets one more pair of quotes.
    // Nothing for a value with a line break, which no line can hold.
    static std::optional<std::string> EncodeValue(std::string_view value);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string text;
        std::string lineBreak;  // "\r\n", "\n" or "" for a last line without a break
        Kind kind = Kind::Other;
        std::string name;  // the section's or the key's name
    };
    // A section's lines: the header at `header`, its body up to (not including) `end`.
    struct Span {
        size_t header;
        size_t end;
    };

    static Line Parse(std::string text, std::string lineBreak);
    std::vector<Span> spans(std::string_view section) const;
    void insertLine(size_t at, std::string text);

    std::string m_bom;               // a UTF-8 byte-order mark before the first line, kept as it was
    std::string m_lineBreak = "\n";  // for new lines: the file's first break
    std::vector<Line> m_lines;
};

// An integer as a profile value holds it: decimal with an optional sign, or hexadecimal after
// "0x" or "$" (up to eight digits, taken as the 32-bit pattern, so "$FF000008" is negative).
// Nothing for anything else, a decimal outside the 32-bit range included.
std::optional<int> ParseProfileInt(std::string_view text);

}  // namespace vq
