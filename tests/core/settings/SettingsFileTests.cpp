// Where the settings file lives, and reading and writing it on disk: first runs, junk, huge
// files, folders created on the first write, and failures reported with the file's path.

#include "core/settings/SettingsFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace vq {
namespace {

namespace fs = std::filesystem;

using test::GetBytes;
using test::PutBytes;
using test::TempFolder;

struct PlaceCase {
    std::string name;
    bool fileBeside;      // tolvry.ini is in the program's folder
    bool folderWritable;  // the program's folder can be written
    std::string xdg;
    std::string home;
    std::string want;  // "@" stands for the program's folder
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class SettingsPlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(SettingsPlaceTest, PicksTheFolder) {
    const auto& c = GetParam();
    TempFolder program;
    if (c.fileBeside)
        PutBytes(program.at(kSettingsFileName), "");
    const SettingsPlace place{program.path(), c.xdg, c.home};
    std::string want = c.want;
    if (want.starts_with("@"))
        want = program.path() + want.substr(1);
    EXPECT_EQ(SettingsFilePath(place, [&](const std::string&) { return c.folderWritable; }), want);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SettingsPlaceTest,
    ::testing::Values(
        PlaceCase{"BuildTree", false, true, "/x", "/home/u", "@/tolvry.ini"},
        PlaceCase{"PortableCopyReadOnlyWithFile", true, false, "/x", "/home/u", "@/tolvry.ini"},
        PlaceCase{"InstalledUsesXdg", false, false, "/home/u/.cfg", "/home/u", "/home/u/.cfg/varnoquil/tolvry.ini"},
        PlaceCase{"InstalledDefaultConfig", false, false, "", "/home/u", "/home/u/.config/varnoquil/tolvry.ini"},
        PlaceCase{"RelativeXdgIgnored", false, false, "cfg", "/home/u/", "/home/u/.config/varnoquil/tolvry.ini"},
        PlaceCase{"NoHomeAtAll", false, false, "", "", "@/tolvry.ini"}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsPlaceTest, RealProbe) {
    TempFolder program;
    EXPECT_EQ(SettingsFilePath({program.path(), "/cfg", "/home/u"}), program.at("tolvry.ini"));
    EXPECT_EQ(SettingsFilePath({program.at("no-such-folder"), "/cfg", "/home/u"}), "/cfg/varnoquil/tolvry.ini");
    EXPECT_TRUE(IsWritableFolder(program.path()));
    EXPECT_FALSE(IsWritableFolder(program.at("no-such-folder")));
}

ProgramSettings Loaded(const std::string& path) {
    ProgramSettings s;
    s.remSigns = {";"};
    LoadSettingsFile(path, s);
    return s;
}

TEST(SettingsFileTest, FirstRunCreatesFolderAndFile) {
    TempFolder home;
    const std::string path = home.at(".config/varnoquil/tolvry.ini");
    const ProgramSettings first = Loaded(path);
    EXPECT_EQ(first.recentCount, 5);
    EXPECT_EQ(first.remSigns, std::vector<std::string>{";"});

    ProgramSettings s = first;
    s.recentFiles = {"/a.ini"};
    EXPECT_EQ(SaveSettingsFile(path, s), "");
    struct stat st {};
    ASSERT_EQ(::stat(home.at(".config/varnoquil").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(Loaded(path).recentFiles, s.recentFiles);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(home.at(".config/varnoquil")), fs::directory_iterator()), 1);
}

TEST(SettingsFileTest, SaveKeepsWhatTheUserChangedMeanwhile) {
    TempFolder dir;
    const std::string path = dir.at("tolvry.ini");
    PutBytes(path, "; mine\n[General]\nRecent_Count=3\n");
    ProgramSettings s = Loaded(path);
    PutBytes(path, "; mine\n[General]\nRecent_Count=3\n[Extra]\nKept=yes\n");  // edited while running
    s.defaultPattern = 0;
    ASSERT_EQ(SaveSettingsFile(path, s), "");
    const std::string after = GetBytes(path);
    EXPECT_TRUE(after.starts_with("; mine\n[General]\nRecent_Count=3\nDefault_Pattern=0\n")) << after;
    EXPECT_NE(after.find("[Extra]\nKept=yes\n"), std::string::npos) << after;
}

TEST(SettingsFileTest, JunkNeverStopsAStartAndSurvivesASave) {
    TempFolder dir;
    const std::string path = dir.at("tolvry.ini");
    std::mt19937 random(7);
    std::string junk(64 * 1024, '\0');
    for (char& c : junk)
        c = static_cast<char>(random() % 256);
    PutBytes(path, junk);
    const ProgramSettings s = Loaded(path);
    EXPECT_EQ(s.recentCount, 5);
    EXPECT_EQ(s.defaultPattern, 2);
    ASSERT_EQ(SaveSettingsFile(path, s), "");
    const std::string after = GetBytes(path);
    EXPECT_TRUE(after.starts_with(junk));
    EXPECT_EQ(Loaded(path).recentCount, 5);
}

TEST(SettingsFileTest, HugeFileIsReadInPartAndNeverRewritten) {
    TempFolder dir;
    const std::string path = dir.at("tolvry.ini");
    PutBytes(path, "[General]\nRecent_Count=3\n");
    const auto gigabyte = std::uintmax_t{1} << 30;
    fs::resize_file(path, gigabyte);  // sparse: takes no room on disk

    const SettingsFileText text = ReadSettingsFile(path);
    EXPECT_EQ(text.state, SettingsFileText::State::Cut);
    EXPECT_EQ(text.bytes.size(), kMaxSettingsFileBytes);
    EXPECT_EQ(Loaded(path).recentCount, 3);
    EXPECT_EQ(SaveSettingsFile(path, ProgramSettings{}), "Unable to write to " + path);
    EXPECT_EQ(fs::file_size(path), gigabyte);
}

TEST(SettingsFileTest, FileAtTheLimitIsWhole) {
    TempFolder dir;
    const std::string path = dir.at("tolvry.ini");
    PutBytes(path, std::string(100, ';'));
    EXPECT_EQ(ReadSettingsFile(path, 100).state, SettingsFileText::State::Whole);
    EXPECT_EQ(ReadSettingsFile(path, 99).state, SettingsFileText::State::Cut);
    EXPECT_EQ(SaveSettingsFile(path, ProgramSettings{}, 99), "Unable to write to " + path);
    EXPECT_EQ(SaveSettingsFile(path, ProgramSettings{}, 100), "");
}

TEST(SettingsFileTest, UnusablePathsReportOnce) {
    TempFolder dir;
    ::mkdir(dir.at("tolvry.ini").c_str(), 0755);  // a folder where the file should be
    EXPECT_EQ(ReadSettingsFile(dir.at("tolvry.ini")).state, SettingsFileText::State::Unreadable);
    EXPECT_EQ(Loaded(dir.at("tolvry.ini")).recentCount, 5);
    EXPECT_EQ(SaveSettingsFile(dir.at("tolvry.ini"), ProgramSettings{}), "Unable to write to " + dir.at("tolvry.ini"));

    PutBytes(dir.at("plain"), "x");  // a file where a folder should be
    const std::string below = dir.at("plain/varnoquil/tolvry.ini");
    EXPECT_EQ(ReadSettingsFile(below).state, SettingsFileText::State::Missing);
    EXPECT_EQ(SaveSettingsFile(below, ProgramSettings{}), "Unable to write to " + below);
    EXPECT_EQ(GetBytes(dir.at("plain")), "x");
}

}  // namespace
}  // namespace vq
