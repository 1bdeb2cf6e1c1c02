#pragma once

#include <string>

#include <sys/stat.h>

namespace vq {

// Gives the open file `fd` everything of the file at `oldPath` that is not its content:
// owner, group, mode with its set-ID and sticky bits, access list and the other extended
// attributes (the access list is the attribute "system.posix_acl_access"). Attributes the
// new file has and the old one has not, such as an access list taken from the folder's
// default list, are removed. Returns true only when all of it could be given; what could be
// given is given either way, the group even when the owner cannot be.
bool GiveIdentity(int fd, const std::string& oldPath, const struct stat& old);

}  // namespace vq
