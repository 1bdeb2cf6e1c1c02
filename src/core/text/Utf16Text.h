#pragma once

// UTF-16 files with a byte-order mark (many .inf files are): shown and analysed as UTF-8,
// written back in their own UTF-16 form, byte for byte when nothing changed. The rest of the
// program sees UTF-8 with the UTF-8 mark, which stands for the UTF-16 mark.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

// How a file's bytes relate to the bytes the program works on.
enum class FileForm : std::uint8_t {
    Bytes,    // the same bytes
    Utf16LE,  // the file is UTF-16 little-endian with its mark FF FE
    Utf16BE,  // the file is UTF-16 big-endian with its mark FE FF
};

// Whether the bytes start with a UTF-16 mark, FF FE or FE FF: files without one are never
// UTF-16 to the program, so this cheap look spares them FromFileBytes.
bool StartsWithUtf16Mark(std::string_view bytes);

// The file's bytes as UTF-8 when they are UTF-16 of that form: the mark, an even length and
// every surrogate paired. Nothing otherwise.
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, FileForm form);

// UTF-8, with or without its mark, as UTF-16 of that form with its mark. Nothing when the
// bytes are not UTF-8.
std::optional<std::string> Utf8ToUtf16(std::string_view utf8, FileForm form);

struct ShownText {
    FileForm form = FileForm::Bytes;
    std::string bytes;
};

// What the program works on for a file's bytes: UTF-8 for a valid UTF-16 file, else the
// bytes themselves. A UTF-32 little-endian mark (FF FE 00 00) is not taken for UTF-16.
ShownText FromFileBytes(std::string fileBytes);

// The file's bytes for what the program worked on; nothing when they cannot be put back
// into the file's form.
std::optional<std::string> ToFileBytes(std::string_view shown, FileForm form);

}  // namespace vq
