// The editing operations as a script runs them: the built program as a process, what it prints
// (values, the diff, one JSON object), its exit status, and the file afterwards, byte for byte.

#include "ProgramRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

using clitest::Outcome;
using clitest::RunProgram;
using vq::test::GetBytes;
using vq::test::TempFolder;

const std::string kIni = "; top\r\n[PHP]\r\nengine = On\r\n;output_buffering = 4096\r\nprecision = 14";
// [数据库] / 主机 = 本地 in GBK.
const std::string kGbk = "\x5B\xCA\xFD\xBE\xDD\xBF\xE2\x5D\n\xD6\xF7\xBB\xFA = \xB1\xBE\xB5\xD8\n";

struct EditRun {
    std::string name;
    std::string file;
    std::vector<std::string> args;  // "FILE" stands for the file's path
    int status = 0;
    std::string out;    // standard output; "FILE" stands for the path
    std::string err;    // standard error
    std::string after;  // the file afterwards
};

void PrintTo(const EditRun& c, std::ostream* os) { *os << c.name; }

std::string WithPath(std::string text, const std::string& path) {
    for (size_t at = text.find("FILE"); at != std::string::npos; at = text.find("FILE", at + path.size()))
        text.replace(at, 4, path);
    return text;
}

const std::vector<EditRun> kRuns = {
    {"get_prints_the_value", kIni, {"--get", "PHP", "precision", "FILE"}, 0, "14\n", "", kIni},
    {"get_each_on_its_line",
     kIni,
     {"--get", "PHP", "engine", "--get", "PHP", "precision", "FILE"},
     0,
     "On\n14\n",
     "",
     kIni},
    {"get_missing",
     kIni,
     {"--get", "PHP", "memory_limit", "FILE"},
     1,
     "",
     "节 \"PHP\" 中没有有效的项 \"memory_limit\"。\n",
     kIni},
    {"set_switches_the_documented_copy_on",
     kIni,
     {"--set", "PHP", "output_buffering", "Off", "FILE"},
     0,
     "",
     "",
     "; top\r\n[PHP]\r\nengine = On\r\noutput_buffering = Off\r\nprecision = 14"},
    {"value_like_an_option",
     kIni,
     {"--set", "PHP", "memory_limit", "-1", "FILE"},
     0,
     "",
     "",
     kIni + "\r\nmemory_limit = -1"},
    {"several_edits_one_write",
     kIni,
     {"--disable", "PHP", "engine", "--set", "PHP", "precision", "17", "--get", "PHP", "precision", "FILE"},
     0,
     "17\n",
     "",
     "; top\r\n[PHP]\r\n;engine = On\r\n;output_buffering = 4096\r\nprecision = 17"},
    {"a_failure_writes_nothing",
     kIni,
     {"--set", "PHP", "precision", "17", "--enable", "PHP", "nothing", "FILE"},
     1,
     "",
     "节 \"PHP\" 中没有可以启用的项 \"nothing\"。\n",
     kIni},
    {"check_and_diff",
     kIni,
     {"--check", "--diff", "--delete", "PHP", "engine", "FILE"},
     0,
     "--- FILE\n+++ FILE\n@@ -1,5 +1,4 @@\n ; top\n [PHP]\n-engine = On\n ;output_buffering = 4096\n precision = 14\n"
     "\\ No newline at end of file\n",
     "",
     kIni},
    {"json_changed",
     kIni,
     {"--json", "--set", "PHP", "precision", "15", "--get", "PHP", "engine", "FILE"},
     0,
     "{\"changed\": true, \"written\": true, \"check\": false, \"path\": \"FILE\", \"operations\": ["
     "{\"operation\": \"set\", \"section\": \"PHP\", \"key\": \"precision\", \"value\": \"15\", \"result\": "
     "\"updated\", \"changed\": true}, {\"operation\": \"get\", \"section\": \"PHP\", \"key\": \"engine\", \"value\": "
     "\"On\", \"result\": \"found\", \"changed\": false}]}\n",
     "",
     "; top\r\n[PHP]\r\nengine = On\r\n;output_buffering = 4096\r\nprecision = 15"},
    {"json_unchanged_with_diff",
     kIni,
     {"--json", "--diff", "--disable", "PHP", "nothing", "FILE"},
     0,
     "{\"changed\": false, \"written\": false, \"check\": false, \"path\": \"FILE\", \"operations\": ["
     "{\"operation\": \"disable\", \"section\": \"PHP\", \"key\": \"nothing\", \"result\": \"unchanged\", "
     "\"changed\": false}], \"diff\": \"\"}\n",
     "",
     kIni},
    {"json_failure",
     kIni,
     {"--json", "--get", "Date", "x", "FILE"},
     1,
     "{\"changed\": false, \"written\": false, \"check\": false, \"path\": \"FILE\", \"operations\": ["
     "{\"operation\": \"get\", \"section\": \"Date\", \"key\": \"x\", \"result\": \"not-found\", \"changed\": false}], "
     "\"failed\": true, \"msg\": \"节 \\\"Date\\\" 中没有有效的项 \\\"x\\\"。\"}\n",
     "节 \"Date\" 中没有有效的项 \"x\"。\n",
     kIni},
    {"gbk_get_in_utf8", kGbk, {"--get", "数据库", "主机", "FILE"}, 0, "本地\n", "", kGbk},
    {"gbk_set_in_gbk",
     kGbk,
     {"--pattern", "1", "--set", "数据库", "主机", "远程", "FILE"},
     0,
     "",
     "",
     "\x5B\xCA\xFD\xBE\xDD\xBF\xE2\x5D\n\xD6\xF7\xBB\xFA = \xD4\xB6\xB3\xCC\n"},
    {"gbk_refuses_what_it_cannot_hold",
     kGbk,
     {"--set", "数据库", "主机", "😀", "FILE"},
     1,
     "",
     "本文件的编码无法保存字符 \"😀\" (U+1F600)，未作任何修改。\n",
     kGbk},
    {"big5_with_its_encoding",
     "\x5B\xB8\xEA\xAE\xC6\x5D\n\xA5\x44\xBE\xF7\x20\x3D\x20\xA5\xBB\xA6\x61\n",
     {"--encoding", "Big5", "--pattern", "1", "--set", "資料", "主機", "遠端", "--get", "資料", "主機", "FILE"},
     0,
     "遠端\n",
     "",
     "\x5B\xB8\xEA\xAE\xC6\x5D\n\xA5\x44\xBE\xF7\x20\x3D\x20\xBB\xB7\xBA\xDD\n"},
    {"signs_of_the_pattern",
     "[s]\n# k = 1\n",
     {"--pattern", "3", "--enable", "s", "k", "FILE"},
     0,
     "",
     "",
     "[s]\nk = 1\n"},
};

class EditRuns : public ::testing::TestWithParam<EditRun> {};

TEST_P(EditRuns, PrintsAndWritesExactly) {
    const EditRun& c = GetParam();
    TempFolder scratch;
    const std::string file = scratch.put("edit.ini", c.file);
    std::vector<std::string> args = c.args;
    for (std::string& a : args)
        if (a == "FILE")
            a = file;
    const Outcome run = RunProgram(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, WithPath(c.out, file));
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(GetBytes(file), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditRuns, ::testing::ValuesIn(kRuns), [](const auto& info) { return info.param.name; });

struct EditUsage {
    std::string name;
    std::vector<std::string> args;
    std::string message;
};

void PrintTo(const EditUsage& c, std::ostream* os) { *os << c.name; }

class EditUsageError : public ::testing::TestWithParam<EditUsage> {};

TEST_P(EditUsageError, StatusTwoAndTheReason) {
    TempFolder scratch;
    const std::string file = scratch.put("a.ini", "[S]\nk=1\n");
    std::vector<std::string> args = GetParam().args;
    for (std::string& a : args)
        if (a == "FILE")
            a = file;
    const Outcome run = RunProgram(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, GetParam().message + "\n用法见 \"varnoquil --help\"。\n");
    EXPECT_EQ(GetBytes(file), "[S]\nk=1\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditUsageError,
    ::testing::ValuesIn(std::vector<EditUsage>{
        {"set_without_value", {"--set", "S", "k"}, "选项 --set 缺少参数。"},
        {"values_eat_the_file", {"--set", "S", "k", "FILE"}, "没有指定文件。"},
        {"get_without_key", {"FILE", "--get", "S"}, "选项 --get 缺少参数。"},
        {"no_inline_values", {"--delete=S", "k", "FILE"}, "未知的选项: --delete=S"},
        {"edit_and_outline",
         {"--outline", "--get", "S", "k", "FILE"},
         "只能指定 --outline、--extract 或编辑操作中的一种。"},
        {"check_without_edit", {"--outline", "--check", "FILE"}, "--check、--diff 和 --json 只用于编辑操作。"},
        {"json_alone", {"--json", "FILE"}, "请指定 --outline、--extract 或编辑操作 (--get、--set 等)。"},
        {"standard_input_not_written_back",
         {"--get", "S", "k", "--set", "S", "k", "2", "-"},
         "标准输入无法写回: 编辑标准输入时请加 --check (可与 --diff 同用)。"},
    }),
    [](const auto& info) { return info.param.name; });

// Standard input is read and edited, to see the values and the diff; nothing is written.
TEST(EditRunStandardInput, GetAndCheck) {
    clitest::RunOptions options;
    options.input.kind = clitest::Input::Pipe;
    options.input.bytes = "[s]\nk = 1\n";
    const Outcome get = RunProgram({"--get", "s", "k", "-"}, options);
    EXPECT_EQ(get.status, 0) << get.err;
    EXPECT_EQ(get.out, "1\n");
    const Outcome check = RunProgram({"--check", "--diff", "--set", "s", "k", "2", "-"}, options);
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(check.out, "--- -\n+++ -\n@@ -1,2 +1,2 @@\n [s]\n-k = 1\n+k = 2\n");
}

// A run that changes nothing does not touch the file; the next run that does replaces it.
TEST(EditRunFile, SecondRunWritesNothing) {
    TempFolder scratch;
    const std::string file = scratch.put("same.ini", "[s]\nk = 1\n");
    ASSERT_EQ(RunProgram({"--set", "s", "k", "2", file}).status, 0);
    ASSERT_EQ(::system(("touch -d '2001-02-03 04:05:06.5' " + file).c_str()), 0);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    const Outcome again = RunProgram({"--json", "--set", "s", "k", "2", file});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out.find("\"changed\": false"), 1u) << again.out;
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(GetBytes(file), "[s]\nk = 2\n");
}

// The safe save keeps the file's mode.
TEST(EditRunFile, ModeStays) {
    TempFolder scratch;
    const std::string file = scratch.put("mode.ini", "[s]\nk = 1\n");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_EQ(RunProgram({"--set", "s", "k", "2", file}).status, 0);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(GetBytes(file), "[s]\nk = 2\n");
}

}  // namespace
