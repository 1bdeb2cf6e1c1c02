// Paths as text: the folder a path is in and a name joined to a folder, as saving, the settings
// file and the program's own files use them.
#include "core/files/PathNames.h"

#include <gtest/gtest.h>

#include <string>

namespace vq {
namespace {

TEST(PathNames, FolderOf) {
    const struct {
        std::string path, folder;
    } cases[] = {
        {"/etc/php.ini", "/etc"}, {"/php.ini", "/"},      {"php.ini", "."}, {"conf/php.ini", "conf"},
        {"/usr/bin/", "/usr"},    {"/usr/bin//", "/usr"}, {"/", "/"},       {"", "."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
}

TEST(PathNames, NameOfAndJoin) {
    EXPECT_EQ(NameOf("/etc/php.ini"), "php.ini");
    EXPECT_EQ(NameOf("php.ini"), "php.ini");
    EXPECT_EQ(Join("/etc", "php.ini"), "/etc/php.ini");
    EXPECT_EQ(Join("/etc/", "php.ini"), "/etc/php.ini");
    EXPECT_EQ(Join("", "php.ini"), "php.ini");
}

}  // namespace
}  // namespace vq
