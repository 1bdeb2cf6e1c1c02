#pragma once

// Why a file could not be read or written, as a kind and an errno. The file layer holds no
// words of its own: FileErrorText makes the texts the user sees, in one place.

#include <cstdint>
#include <string>

namespace vq {

enum class FileProblem : std::uint8_t {
    None,
    System,         // the system refused; `code` holds its errno
    Folder,         // the path names a folder
    NotRegular,     // a fifo, a device or a socket
    NotEncodable,   // the text cannot be put back into the file's own encoding
    ChangedOnDisk,  // someone else changed the file since it was read; `path` names it
    LinkAdded,      // `path` is a symbolic link that was not there when the file was read
    LinkChanged,    // the symbolic link `path` points elsewhere than when the file was read
    LinkUnsafe,     // `path` is another user's link in a sticky folder anyone may write to
};

struct FileError {
    FileProblem problem = FileProblem::None;
    int code = 0;
    std::string path{};  // the file or link a refusal is about

    static FileError System(int code) { return {FileProblem::System, code, {}}; }
    explicit operator bool() const { return problem != FileProblem::None; }
    bool operator==(const FileError&) const = default;
};

}  // namespace vq
