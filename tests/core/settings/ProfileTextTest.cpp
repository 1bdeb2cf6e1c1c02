// The INI reader and writer: what a reader sees in a hand-made file, and that writing a few keys
// leaves every other byte of it where it was.

#include "core/settings/ProfileText.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vq {
namespace {

using namespace std::string_literals;
using Entries = std::vector<ProfileText::Entry>;

struct ReadCase {
    std::string name;
    std::string file;
    std::string section;
    std::string key;
    std::optional<std::string> want;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, ValueAsAReaderSeesIt) {
    const auto& c = GetParam();
    EXPECT_EQ(ProfileText(c.file).value(c.section, c.key), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileRead,
    ::testing::Values(ReadCase{"Plain", "[General]\nRecent_Count=3\n", "General", "Recent_Count", "3"},
                      ReadCase{"MissingFile", "", "General", "Recent_Count", std::nullopt},
                      ReadCase{"MissingKey", "[General]\nA=1\n", "General", "B", std::nullopt},
                      ReadCase{"MissingSection", "[Other]\nA=1\n", "General", "A", std::nullopt},
                      ReadCase{"KeyInOtherSection", "[Other]\nA=1\n[General]\nB=2\n", "General", "A", std::nullopt},
                      ReadCase{"KeyBeforeAnySection", "A=1\n[General]\n", "General", "A", std::nullopt},
                      ReadCase{"NamesIgnoreCase", "[general]\nrecent_count=4\n", "General", "Recent_Count", "4"},
                      ReadCase{"BlanksAroundStripped", "  [ General ]  \n\t Key \t=\t value with  inner \t\r\n",
                               "General", "Key", "value with  inner"},
                      ReadCase{"CrLfLines", "[General]\r\nA=1\r\nB=2\r\n", "General", "B", "2"},
                      ReadCase{"NoFinalBreak", "[General]\nA=last", "General", "A", "last"},
                      ReadCase{"DoubleQuotesRemoved", "[S]\nA=\" a \"\n", "S", "A", " a "},
                      ReadCase{"SingleQuotesRemoved", "[S]\nA='x'\n", "S", "A", "x"},
                      ReadCase{"OnlyOnePairRemoved", "[S]\nA=\"\"x\"\"\n", "S", "A", "\"x\""},
                      ReadCase{"MixedQuotesStay", "[S]\nA=\"x'\n", "S", "A", "\"x'"},
                      ReadCase{"LoneQuoteStays", "[S]\nA=\"\n", "S", "A", "\""},
                      ReadCase{"EqualsInValue", "[S]\nA=b=c\n", "S", "A", "b=c"},
                      ReadCase{"EmptyValue", "[S]\nA=\n", "S", "A", ""},
                      ReadCase{"FirstOfTwoKeys", "[S]\nA=1\nA=2\n", "S", "A", "1"},
                      ReadCase{"FirstOfTwoSections", "[S]\nA=1\n[S]\nA=2\nB=3\n", "S", "B", std::nullopt},
                      ReadCase{"CommentedKeyIgnored", "[S]\n;A=1\n#A=2\n", "S", "A", std::nullopt},
                      ReadCase{"HeaderWithTrailingText", "[S] ; the section\nA=1\n", "S", "A", "1"},
                      ReadCase{"Utf8BomBeforeHeader", "\xEF\xBB\xBF[S]\nA=1\n", "S", "A", "1"},
                      ReadCase{"BinaryJunkAround", "\x00\xFF\x01junk\n[S]\nA=1\n\x00\x00=\x02\n"s, "S", "A", "1"},
                      ReadCase{"NulInsideValueKept", "[S]\nA=x\x00y\n"s, "S", "A", "x\x00y"s}),
    [](const auto& info) { return info.param.name; });

TEST(ProfileEntries, KeysInFileOrderEachOnce) {
    const ProfileText file("[Title]\n7= ;;; \n; a comment\n0=###\nnot a key\n7=again\nx=\n[Other]\n0=no\n");
    EXPECT_EQ(file.entries("title"), (Entries{{"7", ";;;"}, {"0", "###"}, {"x", ""}}));
    EXPECT_TRUE(file.entries("Missing").empty());
}

struct WriteCase {
    std::string name;
    std::string before;
    std::function<void(ProfileText&)> change;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class ProfileWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyWhatItIsAskedTo) {
    const auto& c = GetParam();
    ProfileText file(c.before);
    c.change(file);
    EXPECT_EQ(file.bytes(), c.after);
}

const std::string kHandEdited =
    "; my settings, do not lose this\r\n"
    "[Window]\r\n"
    "Left = 10\r\n"
    "\r\n"
    "[General]\r\n"
    "; how many files to remember\r\n"
    "recent_count = 3\r\n"
    "Mine=yes\r\n"
    "\r\n"
    "[Comment]\r\n"
    "; my comment signs\r\n"
    "0=;\r\n"
    "1=//\r\n"
    "\r\n"
    "[Tail]\r\n"
    "Z=1";

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileWrite,
    ::testing::Values(WriteCase{"UntouchedIsByteExact", kHandEdited, [](ProfileText&) {}, kHandEdited},
                      WriteCase{"NewFile", "",
                                [](ProfileText& f) {
                                    f.setValue("General", "A", "1");
                                    f.setValue("General", "B", "2");
                                },
                                "[General]\nA=1\nB=2\n"},
                      WriteCase{"ReplaceKeepsKeySpellingAndPlace", kHandEdited,
                                [](ProfileText& f) { f.setValue("General", "Recent_Count", "7"); },
                                [] {
                                    std::string s = kHandEdited;
                                    s.replace(s.find("recent_count = 3"), 16, "recent_count=7");
                                    return s;
                                }()},
                      WriteCase{"NewKeyAfterLastKeyOfSection", kHandEdited,
                                [](ProfileText& f) { f.setValue("general", "Auto_Expand", "0"); },
                                [] {
                                    std::string s = kHandEdited;
                                    s.insert(s.find("Mine=yes\r\n") + 10, "Auto_Expand=0\r\n");
                                    return s;
                                }()},
                      WriteCase{"NewSectionAtEndGetsBreakBeforeIt", kHandEdited,
                                [](ProfileText& f) { f.setValue("Recent", "0", "/a"); },
                                kHandEdited + "\r\n[Recent]\r\n0=/a\r\n"},
                      WriteCase{"ListReplacedWhereItStood", kHandEdited,
                                [](ProfileText& f) {
                                    f.replaceSection("Comment", {{"0", "#"}, {"1", "1|_|"}, {"2", "rem"}});
                                },
                                [] {
                                    std::string s = kHandEdited;
                                    s.replace(s.find("0=;\r\n1=//\r\n"), 11, "0=#\r\n1=1|_|\r\n2=rem\r\n");
                                    return s;
                                }()},
                      WriteCase{"ListEmptiedLeavesComment", kHandEdited,
                                [](ProfileText& f) { f.replaceSection("Comment", {}); },
                                [] {
                                    std::string s = kHandEdited;
                                    s.erase(s.find("0=;\r\n1=//\r\n"), 11);
                                    return s;
                                }()},
                      WriteCase{"ListEmptiedDropsBareHeader", "[Recent]\n0=/a\n1=/b\n\n[X]\nY=1\n",
                                [](ProfileText& f) { f.replaceSection("Recent", {}); }, "\n[X]\nY=1\n"},
                      WriteCase{"AbsentEmptyListAddsNothing", "[X]\n",
                                [](ProfileText& f) { f.replaceSection("Recent", {}); }, "[X]\n"},
                      WriteCase{"DuplicateListSectionsMerged", "[Split]\n0==\n[X]\nY=1\n[Split]\n0=:\n",
                                [](ProfileText& f) {
                                    f.replaceSection("Split", {{"0", "="}});
                                },
                                "[Split]\n0==\n[X]\nY=1\n"},
                      WriteCase{"JunkLinesInListKept", "[Title]\ngarbage\n0=###\n",
                                [](ProfileText& f) {
                                    f.replaceSection("Title", {{"0", ";;;"}});
                                },
                                "[Title]\ngarbage\n0=;;;\n"},
                      WriteCase{"ValueNeedingQuotes", "",
                                [](ProfileText& f) {
                                    f.replaceSection("T", {{"0", "\"x\""}, {"1", " a"}});
                                },
                                "[T]\n0=\"\"x\"\"\n1=\" a\"\n"},
                      WriteCase{"EntryWithLineBreakSkipped", "",
                                [](ProfileText& f) {
                                    f.replaceSection("Recent", {{"0", "/a\nb"}, {"1", "/c"}});
                                },
                                "[Recent]\n1=/c\n"},
                      WriteCase{"BomAndNoFinalBreakKept", "\xEF\xBB\xBF[S]\nA=1",
                                [](ProfileText& f) { f.setValue("S", "B", "2"); }, "\xEF\xBB\xBF[S]\nA=1\nB=2\n"}),
    [](const auto& info) { return info.param.name; });

TEST(ProfileWriteRead, EveryValueReadsBackAsWritten) {
    const std::vector<std::string> values = {
        "", "x", " lead", "trail ", "\"q\"", "'s'", "\"", "a=b", ";", "#", "[x]", "\t", "\xE5\xAE\x8B\xE4\xBD\x93"};
    ProfileText file;
    std::vector<ProfileText::Entry> entries;
    for (size_t i = 0; i < values.size(); ++i)
        entries.emplace_back(std::to_string(i), values[i]);
    file.replaceSection("L", entries);
    for (size_t i = 0; i < values.size(); ++i)
        file.setValue("S", std::string("k").append(std::to_string(i)), values[i]);
    const ProfileText reread(file.bytes());
    EXPECT_EQ(reread.entries("L"), entries);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(reread.value("S", std::string("k").append(std::to_string(i))), values[i]) << i;
}

struct IntCase {
    std::string text;
    std::optional<int> want;
};

class ProfileInt : public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileInt, ParsesOrRefuses) { EXPECT_EQ(ParseProfileInt(GetParam().text), GetParam().want) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(
    Texts, ProfileInt,
    ::testing::Values(IntCase{"0", 0}, IntCase{"42", 42}, IntCase{"-7", -7}, IntCase{"+7", 7}, IntCase{"007", 7},
                      IntCase{"0x1F", 31}, IntCase{"0X1f", 31}, IntCase{"$10", 16}, IntCase{"-$10", -16},
                      IntCase{"$FF000008", -16777208}, IntCase{"0xFFFFFFFF", -1}, IntCase{"2147483647", 2147483647},
                      IntCase{"-2147483648", -2147483647 - 1}, IntCase{"2147483648", std::nullopt},
                      IntCase{"99999999999999999999", std::nullopt}, IntCase{"0x100000000", std::nullopt},
                      IntCase{"", std::nullopt}, IntCase{"abc", std::nullopt}, IntCase{"12a", std::nullopt},
                      IntCase{"1 2", std::nullopt}, IntCase{"0x", std::nullopt}, IntCase{"$", std::nullopt},
                      IntCase{"--1", std::nullopt}, IntCase{"+-1", std::nullopt}, IntCase{"1.5", std::nullopt},
                      IntCase{"0xG", std::nullopt}));

}  // namespace
}  // namespace vq
