// The version information the About box reads.
#include "core/about/VersionInfo.h"

#include <gtest/gtest.h>

#include <regex>

using namespace vq::about;

TEST(VersionInfoTest, LooksUpTheChineseBlock) {
    const VersionInfo info = VersionInfo::WithStrings("080403A8", {{"Author", "A. Writer"}, {"Comments", "c"}});
    EXPECT_EQ(GetVersionString(info, "Author"), "A. Writer");
    EXPECT_EQ(GetVersionString(info, "Comments"), "c");
    EXPECT_EQ(GetVersionString(info, "CompanyName"), " CompanyName not available");
    EXPECT_EQ(GetVersionString(info, "author"), " author not available");  // keys are exact
}

TEST(VersionInfoTest, OtherLanguagesAreNotRead) {
    const VersionInfo info = VersionInfo::WithStrings("040904B0", {{"Author", "A. Writer"}});
    EXPECT_FALSE(info.empty());
    EXPECT_EQ(GetVersionString(info, "Author"), " Author not available");
}

// Every text the About box reads from the program's own table is there, and the release date
// reads as month/day/year. (The version itself is the build's; the command line's test checks it.)
TEST(VersionInfoTest, ProgramVersionHasEveryText) {
    const VersionInfo& info = ProgramVersionInfo();
    for (const char* key : {"ProductVersion", "FileVersion", "LegalCopyright", "Comments", "Author", "CompanyName"}) {
        const std::string value = GetVersionString(info, key);
        EXPECT_FALSE(value.empty()) << key;
        EXPECT_EQ(value.find("not available"), std::string::npos) << key;
    }
    EXPECT_TRUE(std::regex_match(ReleaseDate(), std::regex(R"((1[0-2]|[1-9])/([1-9]|[12][0-9]|3[01])/20[0-9]{2})")))
        << ReleaseDate();
}
