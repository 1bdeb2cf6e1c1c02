// The command line speaks the language the window was given: --lang for one run, else the
// settings file's Language, else Chinese; and a --lang alone still starts the window.

#include "ProgramRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using clitest::Outcome;
using clitest::RunOptions;
using clitest::RunProgram;
using vq::test::TempFolder;

struct LanguageCase {
    std::string name;
    std::string setting;            // the settings file's [General] Language, "" for no file
    std::vector<std::string> args;  // "FILE" stands for an existing file, "NONE" for a missing one
    int status;
    std::string err;  // standard error, or the start of standard output when it is empty
};

void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }

const std::string kHintEn = "See \"varnoquil --help\" for usage.\n";
const std::string kHintZh = "用法见 \"varnoquil --help\"。\n";
// What starting the window says: no display, or in a build without the window, no window.
#if VQ_PROGRAM_HAS_WINDOW
const int kWindowStatus = 1;
const std::string kWindowEn =
    "There is no display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are all unset), so the window cannot "
    "open.\nWithout a window, use varnoquil --outline FILE or varnoquil --extract checked|tree|all FILE.\n" +
    kHintEn;
const std::string kWindowZh =
    "没有可用的显示 (DISPLAY、WAYLAND_DISPLAY 和 QT_QPA_PLATFORM 都未设置)，无法打开窗口。\n"
    "不用窗口时可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。\n" +
    kHintZh;
#else
const int kWindowStatus = 2;
const std::string kWindowEn =
    "This build has no window. Use varnoquil --outline FILE or varnoquil --extract checked|tree|all FILE.\n" + kHintEn;
const std::string kWindowZh =
    "这个版本没有窗口。可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。\n" + kHintZh;
#endif

const std::vector<LanguageCase> kCases = {
    {"setting_en_missing_file", "en", {"--outline", "NONE"}, 2, "File \"NONE\" does not exist!\n"},
    {"lang_zh_over_setting_en", "en", {"--lang", "zh", "--outline", "NONE"}, 2, "文件 \"NONE\" 不存在！\n"},
    {"lang_en_over_setting_zh", "zh", {"--lang=en", "--outline", "NONE"}, 2, "File \"NONE\" does not exist!\n"},
    {"lang_after_the_command", "", {"--outline", "NONE", "--lang", "en"}, 2, "File \"NONE\" does not exist!\n"},
    {"unknown_setting_is_chinese", "fr", {"--outline", "NONE"}, 2, "文件 \"NONE\" 不存在！\n"},
    {"usage_error_in_english",
     "",
     {"--lang", "en", "--extract", "lines", "FILE"},
     2,
     "Unknown extraction: lines (use checked, tree or all)\n" + kHintEn},
    {"edit_error_in_english", "en", {"--get", "S", "none", "FILE"}, 1, "Section \"S\" has no active key \"none\".\n"},
    {"edit_only_option_in_english",
     "en",
     {"--outline", "--json", "FILE"},
     2,
     "--check, --diff and --json go only with the edits.\n" + kHintEn},
    // A --lang the program does not know is reported in the language of the settings.
    {"unknown_language",
     "en",
     {"--lang", "fr", "--outline", "FILE"},
     2,
     "Unknown language: fr (use zh or en)\n" + kHintEn},
    {"unknown_language_alone", "", {"--lang", "EN"}, 2, "未知的语言: EN (可用 zh、en)\n" + kHintZh},
    {"language_without_value", "", {"--lang"}, 2, "选项 --lang 缺少参数。\n" + kHintZh},
    // A known --lang is no command: the window is asked for, and says in English why it cannot start.
    {"lang_alone_starts_the_window", "", {"--lang", "en"}, kWindowStatus, kWindowEn},
    {"lang_with_a_file_starts_the_window", "", {"--lang=en", "FILE"}, kWindowStatus, kWindowEn},
    {"lang_after_double_dash_is_a_file", "", {"--", "--lang"}, kWindowStatus, kWindowZh},
    {"help_in_english", "en", {"-h"}, 0, "Usage: varnoquil [--lang zh|en] [--] [FILE]"},
};

class CommandLineLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(CommandLineLanguage, MessagesInTheChosenLanguage) {
    const LanguageCase& c = GetParam();
    TempFolder home;
    if (!c.setting.empty()) {
        std::filesystem::create_directories(home.at(".config/varnoquil"));
        home.put(".config/varnoquil/tolvry.ini", "[General]\nLanguage=" + c.setting + "\n");
    }
    const std::string file = home.put("a.ini", "[S]\nk=1\n");
    const std::string none = home.at("none.ini");
    std::vector<std::string> args = c.args;
    for (std::string& a : args)
        a = a == "FILE" ? file : a == "NONE" ? none : a;
    RunOptions options;
    options.home = home.path();
    const Outcome run = RunProgram(args, options);
    EXPECT_EQ(run.status, c.status) << run.err;
    std::string expected = c.err;
    if (const size_t at = expected.find("NONE"); at != std::string::npos)
        expected.replace(at, 4, none);
    if (c.status == 0)
        EXPECT_TRUE(run.out.starts_with(expected)) << run.out;
    else
        EXPECT_EQ(run.err, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineLanguage, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
