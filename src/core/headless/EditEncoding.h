#pragma once

// Between the UTF-8 the command line is given and prints and the bytes of a document: its own
// UTF-8, or the legacy code page a file that is not UTF-8 is read in. UTF-16 files are worked on
// as UTF-8 and need nothing here.

#include "core/document/DocumentContent.h"
#include "core/text/LegacyEncoding.h"

#include <optional>
#include <string>
#include <string_view>

namespace vq {

class EditEncoding {
public:
    EditEncoding(TextEncoding encoding, LegacyCodePage page)
        : m_legacy(encoding == TextEncoding::Legacy), m_page(page) {}

    // The text in the document's bytes; nothing, with the message that says why, for text that is
    // not UTF-8 or holds a character the document's code page cannot. A file read as GB18030 is
    // a GBK file to the programs that read it, so, as in the window, a character that needs one
    // of GB18030's four-byte forms is refused too.
    std::optional<std::string> encode(std::string_view utf8, std::string& error) const;
    // The document's bytes as UTF-8; bytes that are no character of the code page read as U+FFFD.
    std::string decode(std::string_view bytes) const;

private:
    bool m_legacy;
    LegacyCodePage m_page;
};

}  // namespace vq
