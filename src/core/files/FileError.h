#pragma once

// Why a file could not be read or written, as a kind and an errno. The file layer holds no
// words of its own: FileErrorText makes the texts the user sees, in one place.

#include <cstdint>

namespace vq {

enum class FileProblem : std::uint8_t {
    None,
    System,        // the system refused; `code` holds its errno
    Folder,        // the path names a folder
    NotRegular,    // a fifo, a device or a socket
    NotEncodable,  // the text cannot be put back into the file's own encoding
};

struct FileError {
    FileProblem problem = FileProblem::None;
    int code = 0;

    static FileError System(int code) { return {FileProblem::System, code}; }
    explicit operator bool() const { return problem != FileProblem::None; }
    bool operator==(const FileError&) const = default;
};

}  // namespace vq
