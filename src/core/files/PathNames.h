#pragma once

// Paths as text: the folder a path is in, its last name, a name in a folder. Nothing here asks
// the file system.

#include <string>

namespace vq {

// The folder `path` is in: "/etc" for "/etc/php.ini", "/" for "/php.ini", "." for "php.ini".
// Slashes at the end name no file: "/usr/bin/" is in "/usr".
std::string FolderOf(const std::string& path);

// The last name of `path`: "php.ini" for "/etc/php.ini" and for "php.ini".
std::string NameOf(const std::string& path);

// `name` in `folder` with one slash between them; `name` alone when there is no folder.
std::string Join(const std::string& folder, const std::string& name);

}  // namespace vq
