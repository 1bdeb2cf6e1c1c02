// Finding the samples and the help page from a build tree and from an installed prefix.

#include "core/files/ProgramFiles.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vq {
namespace {

namespace fs = std::filesystem;

class ProgramFilesTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    const std::string root = folder.path();
};

TEST_F(ProgramFilesTest, BuildTreeBesideTheExecutable) {
    fs::create_directories(root + "/build/Samples");
    EXPECT_EQ(FindProgramFile(root + "/build", "Samples"), root + "/build/Samples");
}

TEST_F(ProgramFilesTest, InstalledUnderShare) {
    fs::create_directories(root + "/prefix/bin");
    fs::create_directories(root + "/prefix/share/varnoquil/Samples");
    std::ofstream(root + "/prefix/share/varnoquil/Readme.txt") << "read me";
    EXPECT_EQ(FindProgramFile(root + "/prefix/bin", "Samples"), root + "/prefix/share/varnoquil/Samples");
    EXPECT_EQ(FindProgramFile(root + "/prefix/bin/", "Readme.txt"), root + "/prefix/share/varnoquil/Readme.txt");
}

TEST_F(ProgramFilesTest, BesideWinsOverInstalled) {
    fs::create_directories(root + "/prefix/bin/Samples");
    fs::create_directories(root + "/prefix/share/varnoquil/Samples");
    EXPECT_EQ(FindProgramFile(root + "/prefix/bin", "Samples"), root + "/prefix/bin/Samples");
}

TEST_F(ProgramFilesTest, MissingNamesTheBesidePath) {
    fs::create_directories(root + "/prefix/bin");
    EXPECT_EQ(FindProgramFile(root + "/prefix/bin", "help.html"), root + "/prefix/bin/help.html");
    EXPECT_EQ(ProgramFileCandidates("/usr/bin", "x"),
              (std::vector<std::string>{"/usr/bin/x", "/usr/share/varnoquil/x"}));
    EXPECT_EQ(ProgramFileCandidates("/", "x"), (std::vector<std::string>{"/x", "/share/varnoquil/x"}));
}

}  // namespace
}  // namespace vq
