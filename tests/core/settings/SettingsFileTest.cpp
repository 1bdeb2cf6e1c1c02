// Where the settings file lives, and reading and writing it on disk: first runs, junk, huge
// files, folders created on the first write, and failures reported with the file's path.

#include "core/settings/SettingsFile.h"

#include "../files/FileTestSupport.h"

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
    bool besideWritable;  // and can be written
    bool xdgFile;         // a file is in the XDG folder already
    std::string xdg;      // "~" stands for the home folder
    bool home;
    std::string read;  // "@" stands for the program's folder, "~" for the home folder; "" none
    std::string write;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class SettingsPlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(SettingsPlaceTest, PicksTheFiles) {
    const auto& c = GetParam();
    TempFolder program;
    TempFolder home;
    const auto real = [&](std::string p) {
        if (p.starts_with("@"))
            return program.path() + p.substr(1);
        if (p.starts_with("~"))
            return home.path() + p.substr(1);
        return p;
    };
    if (c.fileBeside)
        PutBytes(program.at(kSettingsFileName), "");
    if (c.xdgFile) {
        fs::create_directories(home.at(".config/varnoquil"));
        PutBytes(home.at(".config/varnoquil/tolvry.ini"), "");
    }
    const SettingsPlace place{program.path(), real(c.xdg), c.home ? home.path() : "", "", ""};
    const SettingsFiles files = LocateSettingsFiles(place, [&](const std::string& path) {
        EXPECT_EQ(path, program.at(kSettingsFileName));
        return c.besideWritable;
    });
    EXPECT_EQ(files.read, real(c.read));
    EXPECT_EQ(files.write, real(c.write));
}

INSTANTIATE_TEST_SUITE_P(
    Places, SettingsPlaceTest,
    ::testing::Values(PlaceCase{"PortableCopy", true, true, true, "", true, "@/tolvry.ini", "@/tolvry.ini"},
                      // Root ran an installed copy once: the folder is writable for root, but no file is there.
                      PlaceCase{"NoFileBesideUsesXdg", false, true, false, "", true, "~/.config/varnoquil/tolvry.ini",
                                "~/.config/varnoquil/tolvry.ini"},
                      PlaceCase{"ReadOnlyBesideIsReadThenXdgWritten", true, false, false, "", true, "@/tolvry.ini",
                                "~/.config/varnoquil/tolvry.ini"},
                      PlaceCase{"XdgFileOnceItExists", true, false, true, "", true, "~/.config/varnoquil/tolvry.ini",
                                "~/.config/varnoquil/tolvry.ini"},
                      PlaceCase{"XdgConfigHome", false, false, false, "~/cfg", true, "~/cfg/varnoquil/tolvry.ini",
                                "~/cfg/varnoquil/tolvry.ini"},
                      PlaceCase{"RelativeXdgIgnored", false, false, false, "cfg", true,
                                "~/.config/varnoquil/tolvry.ini", "~/.config/varnoquil/tolvry.ini"},
                      PlaceCase{"NoHomeAtAll", false, false, false, "", false, "@/tolvry.ini", "@/tolvry.ini"}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsPlaceTest, NotesOfFailures) {
    const SettingsPlace place{"/opt/bin", "", "/home/u", "", "/run/user/7"};
    EXPECT_EQ(LocateSettingsFiles(place).notes,
              (std::vector<std::string>{"/home/u/.local/state/varnoquil/settings-not-saved",
                                        "/run/user/7/varnoquil/settings-not-saved"}));
    const SettingsPlace stateHome{"/opt/bin", "", "/home/u", "/s", ""};
    EXPECT_EQ(LocateSettingsFiles(stateHome).notes, std::vector<std::string>{"/s/varnoquil/settings-not-saved"});
}

// With real files and permissions, as an ordinary user: a tolvry.ini beside the program that
// another user (root) owns is read and left alone, and the settings go to the user's XDG folder,
// the shared file's other contents with them; one the user may write is a portable copy.
TEST(SettingsPlaceTest, ReadOnlyFileBesideTheProgram) {
    TempFolder program;
    TempFolder home;
    ::chmod(program.path().c_str(), 0755);
    const std::string shared = program.at(kSettingsFileName);
    PutBytes(shared, "; from the administrator\n[General]\nDefault_Pattern=1\n[Extra]\nkey=1\n");
    ::chmod(shared.c_str(), 0444);
    test::HandOver(home.path());
    const SettingsPlace place{program.path(), "", home.path(), "", ""};
    const std::string xdg = home.at(".config/varnoquil/tolvry.ini");
    EXPECT_EQ(test::RunUnprivileged([&] {
                  const SettingsFiles files = LocateSettingsFiles(place);
                  if (files.read != shared || files.write != xdg)
                      return "read " + files.read + ", write " + files.write;
                  ProgramSettings s;
                  LoadSettingsFile(files.read, s);
                  if (s.defaultPattern != 1)
                      return std::string("the shared file was not read");
                  s.recentCount = 7;
                  if (std::string error = SaveSettingsFile(files, s); !error.empty())
                      return error;
                  const SettingsFiles next = LocateSettingsFiles(place);
                  if (next.read != xdg || next.write != xdg)
                      return "then read " + next.read;
                  ::chmod(xdg.c_str(), 0444);  // made read-only: refused, not replaced
                  const std::string refused = SaveSettingsFile(next, s);
                  return refused == "保存设置文件 \"" + xdg + "\" 失败！\n没有访问权限。" ? std::string() : refused;
              }),
              "");
    EXPECT_EQ(GetBytes(shared), "; from the administrator\n[General]\nDefault_Pattern=1\n[Extra]\nkey=1\n");
    const std::string saved = GetBytes(xdg);
    EXPECT_TRUE(saved.starts_with("; from the administrator\n[General]\nDefault_Pattern=1\nRecent_Count=7\n")) << saved;
    EXPECT_NE(saved.find("[Extra]\nkey=1\n"), std::string::npos) << saved;

    test::HandOver(shared);
    ::chmod(shared.c_str(), 0644);
    EXPECT_EQ(test::RunUnprivileged([&] {
                  const SettingsFiles files = LocateSettingsFiles(place);
                  return files.read == shared && files.write == shared ? std::string() : "write " + files.write;
              }),
              "");
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
    EXPECT_EQ(SaveSettingsFile(path, ProgramSettings{}), "保存设置文件 \"" + path + "\" 失败！\n文件太大。");
    EXPECT_EQ(fs::file_size(path), gigabyte);
}

TEST(SettingsFileTest, FileAtTheLimitIsWhole) {
    TempFolder dir;
    const std::string path = dir.at("tolvry.ini");
    PutBytes(path, std::string(100, ';'));
    EXPECT_EQ(ReadSettingsFile(path, 100).state, SettingsFileText::State::Whole);
    EXPECT_EQ(ReadSettingsFile(path, 99).state, SettingsFileText::State::Cut);
    EXPECT_EQ(SaveSettingsFile(path, ProgramSettings{}, 99), "保存设置文件 \"" + path + "\" 失败！\n文件太大。");
    EXPECT_EQ(SaveSettingsFile(path, ProgramSettings{}, 100), "");
}

TEST(SettingsFileTest, UnusablePathsSayWhy) {
    TempFolder dir;
    ::mkdir(dir.at("tolvry.ini").c_str(), 0755);  // a folder where the file should be
    EXPECT_EQ(ReadSettingsFile(dir.at("tolvry.ini")).state, SettingsFileText::State::Unreadable);
    EXPECT_EQ(Loaded(dir.at("tolvry.ini")).recentCount, 5);
    EXPECT_EQ(SaveSettingsFile(dir.at("tolvry.ini"), ProgramSettings{}),
              "保存设置文件 \"" + dir.at("tolvry.ini") + "\" 失败！\n这是一个文件夹。");

    PutBytes(dir.at("plain"), "x");  // a file where a folder should be
    const std::string below = dir.at("plain/varnoquil/tolvry.ini");
    EXPECT_EQ(ReadSettingsFile(below).state, SettingsFileText::State::Missing);
    EXPECT_EQ(SaveSettingsFile(below, ProgramSettings{}),
              "保存设置文件 \"" + below + "\" 失败！\n路径中有一部分不是文件夹。");
    EXPECT_EQ(GetBytes(dir.at("plain")), "x");
}

// A failure is told once for as long as it lasts: at the next close the same failure says
// nothing, another one is told, and a save that works forgets it.
TEST(SettingsFileTest, FailureIsToldOnce) {
    TempFolder dir;
    PutBytes(dir.at("plain"), "x");  // no folder can be made below a file
    SettingsFiles files{dir.at("plain/tolvry.ini"),
                        dir.at("plain/varnoquil/tolvry.ini"),
                        {dir.at("state/varnoquil/settings-not-saved")}};
    const std::string failure = "保存设置文件 \"" + files.write + "\" 失败！\n路径中有一部分不是文件夹。";
    EXPECT_EQ(SaveSettingsTellingOnce(files, ProgramSettings{}), failure);
    EXPECT_EQ(SaveSettingsTellingOnce(files, ProgramSettings{}), "");
    EXPECT_EQ(GetBytes(files.notes[0]), failure);

    ::mkdir(dir.at("other.ini").c_str(), 0755);  // another failure is told
    SettingsFiles other = files;
    other.write = dir.at("other.ini");
    EXPECT_EQ(SaveSettingsTellingOnce(other, ProgramSettings{}),
              "保存设置文件 \"" + other.write + "\" 失败！\n这是一个文件夹。");

    files.write = dir.at("ok/tolvry.ini");
    EXPECT_EQ(SaveSettingsTellingOnce(files, ProgramSettings{}), "");
    EXPECT_FALSE(fs::exists(files.notes[0]));
    EXPECT_EQ(SaveSettingsTellingOnce(other, ProgramSettings{}),
              "保存设置文件 \"" + other.write + "\" 失败！\n这是一个文件夹。");

    // Nowhere to note it: told every time rather than never.
    other.notes = {dir.at("plain/note")};
    EXPECT_NE(SaveSettingsTellingOnce(other, ProgramSettings{}), "");
    EXPECT_NE(SaveSettingsTellingOnce(other, ProgramSettings{}), "");
}

}  // namespace
}  // namespace vq
