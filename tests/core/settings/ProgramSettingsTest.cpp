// Reading and writing the settings kept between runs: defaults, integers, lists, the font text,
// and that a save writes the keys in their order and keeps everything else of the file.

#include "core/settings/AnalysisSettings.h"
#include "core/settings/ProgramSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vq {
namespace {

using Strings = std::vector<std::string>;

template <size_t N>
Strings Builtin(const std::array<std::string_view, N>& items) {
    return Strings(items.begin(), items.end());
}

// What the window holds before it reads the file.
ProgramSettings FirstRun() {
    ProgramSettings s;
    s.remSigns = Builtin(kBuiltinRemSigns);
    s.splitSigns = Builtin(kBuiltinSplitSigns);
    s.titleSigns = Builtin(kBuiltinTitleSigns);
    return s;
}

ProgramSettings Read(const std::string& file) {
    ProgramSettings s = FirstRun();
    ReadSettings(ProfileText(file), s);
    return s;
}

struct ReadCase {
    std::string name;
    std::string file;
    std::function<void(ProgramSettings&)> expect;  // turns the first-run values into the expected ones
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class SettingsRead : public ::testing::TestWithParam<ReadCase> {};

void ExpectSame(const ProgramSettings& got, const ProgramSettings& want) {
    EXPECT_EQ(got.recentCount, want.recentCount);
    EXPECT_EQ(got.defaultPattern, want.defaultPattern);
    EXPECT_EQ(got.autoExpand, want.autoExpand);
    EXPECT_EQ(got.font, want.font) << FontText(got.font) << " vs " << FontText(want.font);
    EXPECT_EQ(got.recentFiles, want.recentFiles);
    EXPECT_EQ(got.remSigns, want.remSigns);
    EXPECT_EQ(got.splitSigns, want.splitSigns);
    EXPECT_EQ(got.titleSigns, want.titleSigns);
    EXPECT_EQ(got.language, want.language);
}

TEST_P(SettingsRead, GivesTheseValues) {
    ProgramSettings want = FirstRun();
    GetParam().expect(want);
    ExpectSame(Read(GetParam().file), want);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsRead,
    ::testing::Values(
        ReadCase{"NoFile", "", [](ProgramSettings&) {}},
        ReadCase{"EmptySections", "[General]\n[Recent]\n[Comment]\n[Split]\n[Title]\n", [](ProgramSettings&) {}},
        ReadCase{"AllKeys",
                 "[General]\nRecent_Count=3\nDefault_Pattern=0\nAuto_Expand=0\nText_Font=Mono,0,255,12,1\n"
                 "[Recent]\n0=/b.ini\n1=/a.ini\n[Comment]\n0=#\n[Split]\n0=:\n1==\n[Title]\n0=***\n",
                 [](ProgramSettings& s) {
                     s.recentCount = 3;
                     s.defaultPattern = 0;
                     s.autoExpand = false;
                     s.font = {"Mono", 255, 12, 1, 0};
                     s.recentFiles = {"/b.ini", "/a.ini"};
                     s.remSigns = {"#"};
                     s.splitSigns = {":", "="};
                     s.titleSigns = {"***"};
                 }},
        ReadCase{"HexCounts", "[General]\nRecent_Count=0x3\nDefault_Pattern=$1\n",
                 [](ProgramSettings& s) {
                     s.recentCount = 3;
                     s.defaultPattern = 1;
                 }},
        ReadCase{"NotNumbersGiveDefaults", "[General]\nRecent_Count=three\nDefault_Pattern=\nAuto_Expand=yes\n",
                 [](ProgramSettings&) {}},
        ReadCase{"AbsurdRecentCountHeldToTen", "[General]\nRecent_Count=2000000000\n",
                 [](ProgramSettings& s) { s.recentCount = 10; }},
        ReadCase{"NegativeRecentCountIsZero", "[General]\nRecent_Count=-4\n",
                 [](ProgramSettings& s) { s.recentCount = 0; }},
        ReadCase{"PatternOutOfRangeGivesDefault", "[General]\nDefault_Pattern=7\n", [](ProgramSettings&) {}},
        ReadCase{"AutoExpandAnyNonZeroIsOn", "[General]\nAuto_Expand=2\n", [](ProgramSettings&) {}},
        ReadCase{"AutoExpandHexZeroIsOff", "[General]\nAuto_Expand=0x0\n",
                 [](ProgramSettings& s) { s.autoExpand = false; }},
        ReadCase{"EmptyFontTextChangesNothing", "[General]\nText_Font=\n", [](ProgramSettings&) {}},
        ReadCase{"LanguageEnglish", "[General]\nLanguage= en \n",
                 [](ProgramSettings& s) { s.language = Language::English; }},
        ReadCase{"LanguageUnknownIsChinese", "[General]\nLanguage=EN\n", [](ProgramSettings&) {}},
        ReadCase{"ListInFileOrderWhateverTheKeys", "[Title]\nz= ;; \n3=\"##\"\n0=\n",
                 [](ProgramSettings& s) {
                     s.titleSigns = {";;", "##", ""};
                 }},
        ReadCase{"SpaceCountFormsStay", "[Comment]\n0=;\n1=1|_|\n",
                 [](ProgramSettings& s) {
                     s.remSigns = {";", "1|_|"};
                 }},
        ReadCase{"RecentBeyondTenOffersTen",
                 [] {
                     std::string f = "[Recent]\n";
                     for (int i = 0; i < 14; ++i)
                         f += std::to_string(i) + "=/f" + std::to_string(i) + "\n";
                     return f;
                 }(),
                 [](ProgramSettings& s) {
                     for (int i = 0; i < 10; ++i)
                         s.recentFiles.push_back("/f" + std::to_string(i));
                 }},
        ReadCase{"CommentedListEntryIgnored", "[Recent]\n;0=/old\n1=/new\n",
                 [](ProgramSettings& s) { s.recentFiles = {"/new"}; }}),
    [](const auto& info) { return info.param.name; });

struct ListCase {
    std::string name;
    size_t keys;        // keys "0", "1", ... in section Title
    size_t valueBytes;  // each value this long
    size_t entries;     // what is read
    size_t entryBytes;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class LongList : public ::testing::TestWithParam<ListCase> {};

// A list is read as far as the profile reader takes it: 16,384 bytes of key names, each counted
// with the zero that ends it, and 2,047 bytes of a value.
TEST_P(LongList, IsReadAsFarAsTheReaderTakesIt) {
    const ListCase& c = GetParam();
    std::string file = "[Title]\n";
    for (size_t i = 0; i < c.keys; ++i)
        file += std::to_string(i) + "=" + std::string(c.valueBytes, 'x') + "\n";
    const ProgramSettings s = Read(file);
    ASSERT_EQ(s.titleSigns.size(), c.entries);
    EXPECT_EQ(s.titleSigns.back(), std::string(c.entryBytes, 'x'));

    ProfileText written(file);
    WriteSettings(written, s);
    EXPECT_EQ(Read(written.bytes()).titleSigns, s.titleSigns);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LongList,
                         ::testing::Values(ListCase{"ThreeThousandKeys", 3000, 3, 3000, 3},  // 13,890 bytes of names
                                           // 1 + 3,890 bytes for the keys up to "999", 5 bytes for each after.
                                           ListCase{"FiveThousandKeys", 5000, 1, 3498, 1},
                                           ListCase{"LongValue", 2, 3000, 2, 2047}),
                         [](const auto& info) { return info.param.name; });

struct FontCase {
    std::string name;
    std::string text;
    FontSetting want;
};

void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }

class FontTextRead : public ::testing::TestWithParam<FontCase> {};

// Starts from a font unlike the default, so that a field left alone shows.
FontSetting Current() { return {"Old", 111, 20, 2, 0}; }

TEST_P(FontTextRead, SetsTheFieldsItReaches) {
    FontSetting font = Current();
    ApplyFontText(GetParam().text, font);
    EXPECT_EQ(font, GetParam().want) << FontText(font);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FontTextRead,
    ::testing::Values(FontCase{"Default", kDefaultFontText, {"宋体", 111, 9, 2, 134}},
                      FontCase{"Full", "Mono,136,255,12,3", {"Mono", 255, 12, 3, 136}},
                      FontCase{"NoComma", "Mono", Current()}, FontCase{"Blank", "   ", Current()},
                      FontCase{"OnlyCommas", ",,,,", Current()},
                      FontCase{"NameAndCharsetNoCommaAfter", "Mono,136", {"Mono", 111, 20, 2, 0}},
                      FontCase{"NameAndCharsetWithComma", "Mono,136,", {"Mono", 111, 20, 2, 136}},
                      FontCase{"SizeNeedsFourthComma", "Mono,136,255,12", {"Mono", 255, 20, 2, 136}},
                      FontCase{"FieldsStripped", " Mono Sans , 136 ,, 12 , 1 ", {"Mono Sans", 111, 12, 1, 136}},
                      FontCase{"CharsetNotNumberIs134", "Mono,x,", {"Mono", 111, 20, 2, 134}},
                      FontCase{"CharsetOutOfRangeStops", "Mono,300,255,12,1", {"Mono", 111, 20, 2, 0}},
                      FontCase{"ColourNotNumberStays", "Mono,0,abc,12,1", {"Mono", 111, 12, 1, 0}},
                      FontCase{"ColourHex", "Mono,0,$FF0000,12,", {"Mono", 0xFF0000, 12, 2, 0}},
                      FontCase{"SystemColourKept", "Mono,0,-16777208,12,", {"Mono", kWindowTextColour, 12, 2, 0}},
                      FontCase{"SizeZeroStops", "Mono,0,,0,1", {"Mono", 111, 20, 2, 0}},
                      FontCase{"SizeHugeStops", "Mono,0,,5000,1", {"Mono", 111, 20, 2, 0}},
                      FontCase{"SizeNotNumberStays", "Mono,0,,big,1", {"Mono", 111, 20, 1, 0}},
                      FontCase{"StyleNotNumberStays", "Mono,0,,12,bold", {"Mono", 111, 12, 2, 0}},
                      FontCase{"StyleWithMoreCommasIsNotANumber", "Mono,0,,12,1,2", {"Mono", 111, 12, 2, 0}},
                      FontCase{"StyleOnlyFourBits", "Mono,0,,12,255", {"Mono", 111, 12, 15, 0}},
                      FontCase{"EmptyNameKeepsName", ",0,,12,", {"Old", 111, 12, 2, 0}}),
    [](const auto& info) { return info.param.name; });

TEST(FontTextWrite, ReadsBackAsWritten) {
    for (const FontSetting& font :
         {FontSetting{}, FontSetting{"DejaVu Sans Mono", 0x00336699, 14, 5, 0}, FontSetting{"宋体", -1, 1, 15, 255}}) {
        FontSetting back{"x", 1, 2, 3, 4};
        ApplyFontText(FontText(font), back);
        EXPECT_EQ(back, font) << FontText(font);
    }
    EXPECT_EQ(FontText(FontSetting{}), "宋体,134,-16777208,9,0");
}

TEST(SettingsWrite, FirstRunWritesKeysThenListsInOrder) {
    ProfileText file;
    WriteSettings(file, FirstRun());
    EXPECT_EQ(file.bytes(),
              "[General]\nRecent_Count=5\nDefault_Pattern=2\nAuto_Expand=1\nText_Font=宋体,134,-16777208,9,0\n"
              "Language=zh\n"
              "[Comment]\n0=;\n1=#\n2=1|_|\n"
              "[Split]\n0==\n1=1|_|\n"
              "[Title]\n0=;;;;;;\n1=;;;\n2=######\n3=###\n");
}

TEST(SettingsWrite, BlankEntriesTakeSpaceCountForm) {
    ProgramSettings s = FirstRun();
    s.titleSigns = {"", "   ", "\t"};
    ProfileText file;
    WriteSettings(file, s);
    EXPECT_EQ(file.entries("Title"), (std::vector<ProfileText::Entry>{{"0", "0|_|"}, {"1", "3|_|"}, {"2", "1|_|"}}));
}

TEST(SettingsWrite, ReadsBackAfterRestart) {
    ProgramSettings s = FirstRun();
    s.recentCount = 7;
    s.defaultPattern = 3;
    s.autoExpand = false;
    s.font = {"Noto Sans Mono CJK SC", 0x000000FF, 11, 1, 136};
    s.recentFiles = {"/home/u/My Files/php.ini", "/etc/httpd/conf/httpd.conf", "/tmp/\"quoted\""};
    s.remSigns = {";", "#", "1|_|", "//"};
    s.splitSigns = {"=", ":"};
    s.titleSigns = {";;;;;;", "=== ==="};
    s.language = Language::English;
    ProfileText file;
    WriteSettings(file, s);
    ExpectSame(Read(file.bytes()), s);
}

TEST(SettingsWrite, HandEditedFileKeepsEverythingElse) {
    const std::string before =
        "# written by hand\n"
        "[General]\n"
        "Theme=dark ; mine\n"
        "Recent_Count=3\n"
        "\n"
        "[Recent]\n"
        "0=/gone.ini\n"
        "\n"
        "[Plugins]\n"
        "Enabled=1\n";
    ProfileText file(before);
    ProgramSettings s = Read(before);
    s.recentFiles = {"/new.ini"};
    WriteSettings(file, s);
    EXPECT_EQ(file.bytes(),
              "# written by hand\n"
              "[General]\n"
              "Theme=dark ; mine\n"
              "Recent_Count=3\n"
              "Default_Pattern=2\nAuto_Expand=1\nText_Font=宋体,134,-16777208,9,0\nLanguage=zh\n"
              "\n"
              "[Recent]\n"
              "0=/new.ini\n"
              "\n"
              "[Plugins]\n"
              "Enabled=1\n"
              "[Comment]\n0=;\n1=#\n2=1|_|\n"
              "[Split]\n0==\n1=1|_|\n"
              "[Title]\n0=;;;;;;\n1=;;;\n2=######\n3=###\n");
}

}  // namespace
}  // namespace vq
