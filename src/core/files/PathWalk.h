#pragma once

// A path opened one name at a time, the way the kernel resolves it, but with every symbolic
// link seen here: each is checked before it is followed, and the folder and file at the end are
// held open, so the write that follows goes where the check looked and nowhere else.

#include "core/files/FileError.h"
#include "core/files/FileHandle.h"
#include "core/files/KnownFile.h"

#include <string>
#include <vector>

#include <sys/stat.h>

namespace vq {

enum class LinkPolicy {
    Follow,      // any link is followed (as the kernel would)
    AsRecorded,  // only the links met before, each still pointing where it pointed then
};

struct WalkedPath {
    FileError error;              // why the path cannot be used; then nothing below is set
    FileHandle folder;            // the folder the last name is in, opened as a path (O_PATH)
    std::string folderPath;       // its name, every link resolved
    std::string name;             // the last name
    bool exists = false;          // the last name is there; it is not a link and not a folder
    FileHandle file;              // then the file opened as a path (O_PATH) ...
    struct stat st {};            // ... and its status
    std::vector<PathLink> links;  // the links followed, in order

    std::string fullPath() const;
    // A name that reaches the opened file itself whatever happens to its path meanwhile (through
    // /proc), for calls that take only names; the path when /proc is not there.
    std::string fileName() const;
};

// Walks `path` (relative to the current folder unless absolute). A link is refused, whatever
// the policy, when it belongs to another user and lies in a sticky folder anyone may write to,
// unless that folder is the link owner's (the rule of the kernel's protected_symlinks); with
// AsRecorded, a link that is not among `recorded` (same place, same target) is refused as well.
// A missing last name is no error: `exists` is false, and the folder is where it would be made.
WalkedPath WalkPath(const std::string& path, LinkPolicy policy, const std::vector<PathLink>& recorded = {});

}  // namespace vq
