// The command line's statuses and messages: usage errors, missing and unreadable files, and
// output that cannot be written. Also what it needs to run: no display, no settings file.

#include "ProgramRun.h"
#include "TempFolder.h"

#include "core/about/VersionInfo.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using clitest::Outcome;
using clitest::RunOptions;
using clitest::RunProgram;
using vq::test::TempFolder;

const std::string kUsageHint = "用法见 \"varnoquil --help\"。\n";

struct UsageCase {
    std::string name;
    std::vector<std::string> args;  // "FILE" stands for an existing file
    std::string message;            // the first line on standard error
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

const std::vector<UsageCase> kUsageErrors = {
    {"no_file", {"--outline"}, "没有指定文件。"},
    {"no_file_after_options", {"--extract", "all", "--pattern", "1"}, "没有指定文件。"},
    {"no_command", {"--pattern", "1", "FILE"}, "请指定 --outline、--extract 或编辑操作 (--get、--set 等)。"},
    {"two_commands", {"--outline", "--extract", "all", "FILE"}, "只能指定 --outline、--extract 或编辑操作中的一种。"},
    {"two_files", {"--outline", "FILE", "other.ini"}, "多余的参数: other.ini"},
    {"unknown_option", {"--outline", "--bogus", "FILE"}, "未知的选项: --bogus"},
    {"unknown_short_option", {"--outline", "-x", "FILE"}, "未知的选项: -x"},
    {"value_for_a_flag", {"--outline=yes", "FILE"}, "未知的选项: --outline=yes"},
    {"extract_without_mode", {"--extract"}, "选项 --extract 缺少参数。"},
    {"unknown_mode", {"--extract", "lines", "FILE"}, "未知的提取方式: lines (可用 checked、tree、all)"},
    {"mode_in_other_case", {"--extract", "ALL", "FILE"}, "未知的提取方式: ALL (可用 checked、tree、all)"},
    {"pattern_too_high", {"--outline", "--pattern", "4", "FILE"}, "模式必须是 0 到 3 之间的数: 4"},
    {"pattern_negative", {"--outline", "--pattern=-1", "FILE"}, "模式必须是 0 到 3 之间的数: -1"},
    {"pattern_not_a_number", {"--outline", "--pattern", "2x", "FILE"}, "模式必须是 0 到 3 之间的数: 2x"},
    {"pattern_empty", {"--outline", "--pattern=", "FILE"}, "模式必须是 0 到 3 之间的数: "},
    {"pattern_without_value", {"--outline", "FILE", "--pattern"}, "选项 --pattern 缺少参数。"},
    {"title_type_too_high", {"--outline", "--title-type", "5", "FILE"}, "标题类型必须是 0 到 4 之间的数: 5"},
    {"sign_too_long",
     {"--outline", "--title-begin", std::string(256, ';'), "FILE"},
     "选项 --title-begin 的标志太长，最多 255 字节。"},
    {"space_count_too_long", {"--outline", "--rem", "256|_|", "FILE"}, "选项 --rem 的标志太长，最多 255 字节。"},
    {"space_count_beyond_int",
     {"--outline", "--title-begin", "99999999999|_|", "FILE"},
     "选项 --title-begin 的标志太长，最多 255 字节。"},
    {"space_count_not_a_number", {"--outline", "--split", "x|_|", "FILE"}, "选项 --split 的空格数无效: x|_|"},
    {"error_before_help", {"--bogus", "--help"}, "未知的选项: --bogus"},
    {"short_form_with_a_value", {"-h=1"}, "未知的选项: -h=1"},
    {"unknown_encoding",
     {"--outline", "--encoding", "UTF-16", "FILE"},
     "未知的编码: UTF-16 (可用 GB18030、GBK、Big5、Shift_JIS、EUC-KR、windows-1252)"},
    // Without a command an option would have started the window, which took it for a file.
    {"window_misspelt_option", {"--verison", "FILE"}, "未知的选项: --verison"},
    {"window_option_in_other_case", {"--Outline", "FILE"}, "未知的选项: --Outline"},
    {"window_unknown_option", {"--frob"}, "未知的选项: --frob"},
    {"window_file_named_like_an_option", {"-x.ini"}, "未知的选项: -x.ini"},
};

class UsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, StatusTwoAndTheReason) {
    TempFolder scratch;
    const std::string file = scratch.put("a.ini", "[S]\nk=1\n");
    std::vector<std::string> args = GetParam().args;
    for (std::string& a : args)
        if (a == "FILE")
            a = file;
    const Outcome run = RunProgram(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, GetParam().message + "\n" + kUsageHint);
}

INSTANTIATE_TEST_SUITE_P(Cases, UsageError, ::testing::ValuesIn(kUsageErrors),
                         [](const auto& info) { return info.param.name; });

TEST(CommandLineSigns, LongestSignsAreTaken) {
    TempFolder scratch;
    const std::string sign(255, '<');
    const std::string file = scratch.put("a.ini", sign + " T\nk=1\n");
    const Outcome run = RunProgram({"--outline", "--pattern", "3", "--title-begin", sign, file});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "T 1: " + sign + " T\n  K 2: k=1\n");
    EXPECT_EQ(RunProgram({"--outline", "--title-begin", "255|_|", file}).status, 0);
}

TEST(CommandLineFiles, MissingFileIsStatusTwo) {
    TempFolder scratch;
    for (const std::string& path : {scratch.at("none.ini"), scratch.at("none/deeper.ini"), std::string()}) {
        const Outcome run = RunProgram({"--extract", "all", path});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "文件 \"" + path + "\" 不存在！\n");
        EXPECT_EQ(run.out, "");
    }
    const std::string file = scratch.put("file.ini", "k=1\n");
    const Outcome run = RunProgram({"--outline", file + "/below.ini"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "文件 \"" + file + "/below.ini\" 不存在！\n");
}

TEST(CommandLineFiles, FolderIsStatusOneWithTheReason) {
    TempFolder scratch;
    const Outcome run = RunProgram({"--outline", scratch.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "打开文件 \"" + scratch.path() + "\" 失败！\n这是一个文件夹。\n");
    EXPECT_EQ(run.out, "");
}

TEST(CommandLineFiles, DeviceIsStatusOneWithTheReason) {
    const Outcome run = RunProgram({"--extract", "all", "/dev/zero"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "打开文件 \"/dev/zero\" 失败！\n这不是一个普通文件。\n");
}

// Root reads every file, so the unreadable file is tried as nobody then.
TEST(CommandLineFiles, UnreadableFileIsStatusOneWithTheReason) {
    TempFolder scratch;
    ::chmod(scratch.path().c_str(), 0755);
    const std::string file = scratch.put("secret.ini", "k=1\n");
    ::chmod(file.c_str(), 0);
    RunOptions options;
    if (::geteuid() == 0) {
        options.uid = 65534;
        options.gid = 65534;
        if (::access(clitest::ProgramPath().c_str(), X_OK) != 0)
            GTEST_SKIP() << "the program cannot be run by nobody";
    }
    const Outcome run = RunProgram({"--outline", file}, options);
    if (run.status == 126 || run.status == 127)
        GTEST_SKIP() << "the program could not be started as nobody";
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "打开文件 \"" + file + "\" 失败！\n没有访问权限。\n");
    EXPECT_EQ(run.out, "");
}

TEST(CommandLineOutputErrors, FullDeviceIsStatusOne) {
    TempFolder scratch;
    const std::string file = scratch.put("a.ini", "[S]\nk=1\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--outline", file}, {"--extract", "all", file}, {"--help"}, {"--version"}}) {
        RunOptions options;
        options.output = {clitest::Output::Path, "/dev/full", false};
        const Outcome run = RunProgram(args, options);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_EQ(run.err, "写入标准输出失败！\n磁盘空间不足。\n");
    }
}

// A reader that has all it wants and closes the pipe ends the program as it ends cat: by the
// signal, without a word.
TEST(CommandLineOutputErrors, ClosedPipeEndsQuietly) {
    TempFolder scratch;
    const std::string file = scratch.put("a.ini", "[S]\nk=1\n");
    RunOptions options;
    options.output.kind = clitest::Output::ClosedPipe;
    const Outcome run = RunProgram({"--extract", "checked", file}, options);
    EXPECT_EQ(run.signal, SIGPIPE);
    EXPECT_EQ(run.err, "");
}

TEST(CommandLineOutputErrors, HeadTakesTheFirstLineAndNothingIsSaid) {
    TempFolder scratch;
    std::string big;
    for (int i = 0; i < 100000; ++i)
        big += "[S" + std::to_string(i) + "]\nkey=" + std::to_string(i) + "\n";
    const std::string file = scratch.put("big.ini", big);
    const Outcome run = clitest::RunShell("\"$VQ\" --outline '" + file + "' | head -1");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "S 1: [S0]\n");
    EXPECT_EQ(run.err, "");
}

struct LimitCase {
    std::string name;
    std::string before;  // the output file's bytes before the run
    clitest::Output output;
};

void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

// An output to a file, opened as the case says; FileLimit sets its path.
clitest::Output FileOutput(bool append, bool over, bool readable = true) {
    clitest::Output output;
    output.append = append;
    output.over = over;
    output.readable = readable;
    return output;
}

class FileLimit : public ::testing::TestWithParam<LimitCase> {};

// A write that fails part-way into a file leaves the file as it was before the run, however
// standard output was opened on it: truncated, appended to, or written over from its start (the
// shell's 1<>), also when the old bytes reach past the limit.
TEST_P(FileLimit, LeavesTheFileAsItWas) {
    TempFolder scratch;
    std::string big;
    for (int i = 0; i < 5000; ++i)
        big += "key_" + std::to_string(i) + "=value\n";
    const std::string file = scratch.put("big.ini", big);
    RunOptions options;
    options.output = GetParam().output;
    options.output.kind = clitest::Output::Path;
    options.output.path = scratch.put("out.txt", GetParam().before);
    options.fileSizeLimit = 4096;
    const Outcome run = RunProgram({"--extract", "all", file}, options);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "写入标准输出失败！\n文件太大。\n");
    const std::string left = vq::test::GetBytes(options.output.path);
    const std::string& want = GetParam().output.append || GetParam().output.over ? GetParam().before : "";
    EXPECT_TRUE(left == want) << left.size() << " bytes left in the file";
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, FileLimit,
    ::testing::Values(LimitCase{"truncated", "old\n", FileOutput(false, false)},
                      LimitCase{"appended", "kept\n", FileOutput(true, false)},
                      LimitCase{"over_a_short_file", "keep\n", FileOutput(false, true)},
                      LimitCase{"over_a_file_past_the_limit", std::string(6000, 'x'), FileOutput(false, true)},
                      LimitCase{"over_write_only", std::string(3000, 'y'), FileOutput(false, true, false)}),
    [](const auto& info) { return info.param.name; });

// Written over in part, as 1<> does, when the output fits: the old bytes beyond it stay.
TEST(CommandLineOutput, OverAFileThatFits) {
    TempFolder scratch;
    RunOptions options;
    options.output = {clitest::Output::Path, scratch.put("out.txt", "0123456789"), false, true};
    const Outcome run = RunProgram({"--extract", "all", scratch.put("a.ini", "k=1\n")}, options);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(vq::test::GetBytes(options.output.path), "k=1\n456789");
}

// Starting the window with no display to show it on says what to do instead; so does a build
// without the window, which says it has none.
TEST(CommandLineWindow, NoDisplayIsStatusOneWithTheHeadlessOptions) {
#if VQ_PROGRAM_HAS_WINDOW
    const int status = 1;
    const std::string said =
        "没有可用的显示 (DISPLAY、WAYLAND_DISPLAY 和 QT_QPA_PLATFORM 都未设置)，无法打开窗口。\n"
        "不用窗口时可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。\n";
#else
    const int status = 2;
    const std::string said =
        "这个版本没有窗口。可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。\n";
#endif
    TempFolder scratch;
    const std::string file = scratch.put("a.ini", "k=1\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{file}, std::vector<std::string>{"--", file}}) {
        const Outcome run = RunProgram(args);
        EXPECT_EQ(run.signal, 0);
        EXPECT_EQ(run.status, status);
        EXPECT_EQ(run.err, said + kUsageHint);
        EXPECT_EQ(run.out, "");
    }
}

TEST(CommandLineInfo, HelpAndVersion) {
    const Outcome help = RunProgram({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_TRUE(help.out.starts_with("用法: varnoquil [--lang zh|en] [--] [文件]")) << help.out;
    for (const char* option :
         {"--outline", "--extract checked|tree|all", "--pattern N", "--rem", "--split", "--title-type N",
          "--title-begin", "--title-end", "--omit-spaces", "--no-omit-spaces", "模式[httpd.conf]", "三行标志(头尾不同)",
          "-h|--help", "-V|--version", "--encoding", "文件为 - 时读取标准输入"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    // Help answers whatever follows it.
    EXPECT_EQ(RunProgram({"--outline", "--help", "--bogus"}).out, help.out);
    EXPECT_EQ(RunProgram({"-h"}).out, help.out);
    EXPECT_EQ(RunProgram({"-V"}).out, RunProgram({"--version"}).out);

    const Outcome version = RunProgram({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("Varnoquil v") + VQ_PRODUCT_VERSION_OF_BUILD + "\n");
    EXPECT_EQ(version.out,
              "Varnoquil v" + vq::about::GetVersionString(vq::about::ProgramVersionInfo(), "ProductVersion") + "\n");
}

// Without a display, a home or a settings file: the run creates no file anywhere it could keep
// settings.
TEST(CommandLineNeeds, NoDisplayNoSettingsFile) {
    TempFolder home;
    const std::filesystem::path beside = std::filesystem::path(clitest::ProgramPath()).parent_path() / "tolvry.ini";
    const bool settingsBefore = std::filesystem::exists(beside);
    const auto timeBefore =
        settingsBefore ? std::filesystem::last_write_time(beside) : std::filesystem::file_time_type();
    const std::string file = home.put("a.ini", "[S]\nk=1\n");
    RunOptions options;
    options.home = home.path();
    const Outcome run = RunProgram({"--outline", file}, options);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "S 1: [S]\n  K 2: k=1\n");
    std::vector<std::string> made;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home.path()))
        made.push_back(entry.path().filename().string());
    EXPECT_EQ(made, std::vector<std::string>{"a.ini"});
    EXPECT_EQ(std::filesystem::exists(beside), settingsBefore);
    if (settingsBefore) {
        EXPECT_EQ(std::filesystem::last_write_time(beside), timeBefore);
    }
}

}  // namespace
