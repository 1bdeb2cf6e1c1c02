#pragma once

// Finding a key of a section the way the topic tree shows the file: a section is every block
// under a header of that name (a header that appears twice is one section, as INI readers merge
// it), "" is what comes before the first header, and a key is a key line or a commented key line
// of such a block, by its name before the split sign.

#include "core/settings/AnalysisSettings.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace vq {

class Document;

struct KeyRows {
    bool sectionFound = false;      // "" is always found
    std::vector<size_t> active;     // rows of key lines of that name, in order
    std::vector<size_t> commented;  // rows of commented key lines that name it, in order
    size_t insertAt = 0;            // where a new key line of the section goes
    // The key line whose spacing a new or switched-on line takes: of the section's key lines
    // with a split sign, the last one spaced as most of them are; without any, the file's last.
    std::optional<size_t> model;
};

// The section's name is compared with the text between the brackets of its headers, byte for
// byte; "[name]" may be given too. The tree must be the one of the rows as they are now. A new
// key goes after the last key line of the section's last block, or right after that block's
// header when it has none; for "", after its last key line, else after its last line that is not
// blank, else at the top. When the section is not found, insertAt is the row count.
KeyRows FindKeyRows(const Document& doc, const AnalysisSettings& s, std::string_view section, std::string_view key);

// The name a section argument stands for: "[name]" is taken as "name".
std::string_view SectionName(std::string_view section);

// The text of a commented key line with its comment signs taken away, as uncommenting does.
std::string_view UncommentedKeyText(const AnalysisSettings& s, std::string_view line);

}  // namespace vq
