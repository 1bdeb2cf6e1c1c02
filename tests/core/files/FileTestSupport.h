#pragma once

// Helpers of the file tests: a file's status, a snapshot of a folder, and running a piece of a
// test in a child process, as another user if need be.

#include "TempFolder.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/types.h>

namespace vq::test {

struct stat StatOf(const std::string& path);

// Everything under the folder: names with their bytes, link targets or kinds. A failed
// write must leave this exactly as it was, which also shows no temporary file is left.
std::map<std::string, std::string> Snapshot(const std::string& folder);

// Who a child process runs as.
struct Identity {
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> groups;  // the supplementary groups
};

inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNogroup = 65534;

// Runs `work` in a forked child and gives back the text it returned, or how the child ended
// when it did not return ("killed by signal N"). A child that dies cannot take the test
// runner with it.
std::string RunInChild(const std::function<std::string()>& work);

// The same under another user; only root can change users. The text starts with "setup: "
// when the child could not become that user.
std::string RunAs(const Identity& who, const std::function<std::string()>& work);

// In a child as an ordinary user: as nobody when the tests run as root, else as the current
// user. Permission checks do not apply to root, so tests of them run this way.
std::string RunUnprivileged(const std::function<std::string()>& work);

// The user RunUnprivileged runs as.
Identity UnprivilegedUser();

// Gives a path to that user, so that the child can work in it; nothing to do when the tests
// do not run as root.
void HandOver(const std::string& path);

// Runs a shell command and gives its standard output; empty when it failed.
std::string CommandOutput(const std::string& command);

bool HaveCommand(const std::string& name);

}  // namespace vq::test
