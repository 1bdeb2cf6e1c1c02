// The headless edits on whole files, as the command line makes them: the exact bytes written for
// php.ini-like, smb.conf-like, CR LF, GBK and UTF-16 files, what is refused, and when nothing is
// written at all.

#include "SourceFiles.h"
#include "../files/FileTestSupport.h"

#include "core/headless/FileEdit.h"
#include "core/settings/SignPanel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vq {
namespace {

using test::GetBytes;
using test::PutBytes;

AnalysisSettings Pattern(int p, std::string rem = {}) {
    SignPanel signs;
    signs.PatternClick(p);
    AnalysisSettings s = signs.settings();
    if (!rem.empty())
        s.remSign = rem;
    return s;
}

AnalysisSettings FullWidthSplit() {
    AnalysisSettings s = Pattern(1);
    s.splitSign = "＝";
    return s;
}

std::string Fixture(const std::string& name) { return GetBytes(test::SourceFile("tests/data/headless/" + name)); }

KeyEdit Get(std::string section, std::string key) { return {EditAction::Get, std::move(section), std::move(key), {}}; }
KeyEdit Set(std::string section, std::string key, std::string value) {
    return {EditAction::Set, std::move(section), std::move(key), std::move(value)};
}
KeyEdit Disable(std::string section, std::string key) {
    return {EditAction::Disable, std::move(section), std::move(key), {}};
}
KeyEdit Enable(std::string section, std::string key) {
    return {EditAction::Enable, std::move(section), std::move(key), {}};
}
KeyEdit Delete(std::string section, std::string key) {
    return {EditAction::Delete, std::move(section), std::move(key), {}};
}

// The expected bytes: the original with each `from` (which must occur exactly once) made `to`.
struct Change {
    std::string from, to;
};
std::string Changed(std::string bytes, const std::vector<Change>& changes) {
    for (const Change& c : changes) {
        const size_t at = bytes.find(c.from);
        EXPECT_NE(at, std::string::npos) << c.from;
        EXPECT_EQ(bytes.find(c.from, at + 1), std::string::npos) << "twice: " << c.from;
        if (at != std::string::npos)
            bytes.replace(at, c.from.size(), c.to);
    }
    return bytes;
}

std::string Utf16Le(std::u16string_view text) {
    std::string out = "\xFF\xFE";
    for (const char16_t u : text) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

struct EditedFile {
    FileEditResult result;
    std::string bytes;  // the file afterwards
};

EditedFile Edit(const std::string& before, std::vector<KeyEdit> edits, const AnalysisSettings& s, bool check = false) {
    test::TempFolder folder;
    FileEditRequest request;
    request.path = folder.at("file.ini");
    PutBytes(request.path, before);
    request.edits = std::move(edits);
    request.settings = s;
    request.check = check;
    request.diff = true;
    EditedFile run{EditFile(request), {}};
    run.bytes = GetBytes(request.path);
    return run;
}

const std::string kCrLf = "; top\r\n[a]\r\nx=1\r\n;y=2\r\n[b]\r\nz = 3";
const std::string kGbk =
    "\x5B\xCA\xFD\xBE\xDD\xBF\xE2\x5D\r\n"                   // [数据库]
    "\xD6\xF7\xBB\xFA\x20\x3D\x20\xB1\xBE\xB5\xD8\r\n"       // 主机 = 本地
    "\x3B\xB6\xCB\xBF\xDA\x20\x3D\x20\x33\x33\x30\x36\r\n";  // ;端口 = 3306

struct EditCase {
    std::string name;
    std::string before;
    AnalysisSettings settings;
    std::vector<KeyEdit> edits;
    std::string after;  // the exact bytes on disk afterwards
    std::vector<EditOutcome> outcomes;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

std::vector<EditCase> Cases() {
    const std::string php = Fixture("php.ini");
    const std::string smb = Fixture("smb.conf");
    const AnalysisSettings phpIni = Pattern(2);
    const AnalysisSettings ini = Pattern(1);
    using O = EditOutcome;
    return {
        // php.ini: a value changes and nothing else; a documented default is switched on, the
        // copy with the value asked for first; a new key follows the section's last key line.
        {"php_value",
         php,
         phpIni,
         {Set("PHP", "precision", "17")},
         Changed(php, {{"precision = 14\n", "precision = 17\n"}}),
         {O::Updated}},
        {"php_commented_default_switched_on",
         php,
         phpIni,
         {Set("PHP", "output_buffering", "4096")},
         Changed(php, {{";output_buffering = 4096\n", "output_buffering = 4096\n"}}),
         {O::SwitchedOn}},
        {"php_commented_copy_given_value",
         php,
         phpIni,
         {Set("PHP", "output_buffering", "Off")},
         Changed(php, {{";output_buffering = 4096\n", "output_buffering = Off\n"}}),
         {O::SwitchedOn}},
        {"php_the_copy_that_has_the_value",
         php,
         phpIni,
         {Set("PHP", "extension", "curl")},
         Changed(php, {{"extension=mbstring", "extension=curl"}}),
         {O::Updated}},
        {"php_bare_sign_gets_blanks",
         php,
         phpIni,
         {Set("Date", "date.timezone", "UTC")},
         Changed(php, {{";date.timezone =\n", "date.timezone = UTC\n"}}),
         {O::SwitchedOn}},
        {"php_quoted_commented_copy",
         php,
         phpIni,
         {Set("Session", "session.save_path", "\"/var/lib/php\"")},
         Changed(php, {{";     session.save_path = \"N;/path\"", "session.save_path = \"/var/lib/php\""}}),
         {O::SwitchedOn}},
        {"php_new_key_after_last_key",
         php,
         phpIni,
         {Set("Session", "session.name", "PHPSESSID")},
         php + "session.name = PHPSESSID\n",
         {O::Added}},
        {"php_new_section_at_end",
         php,
         phpIni,
         {Set("opcache", "opcache.enable", "1")},
         php + "\n[opcache]\nopcache.enable = 1\n",
         {O::SectionAdded}},
        {"php_disable",
         php,
         phpIni,
         {Disable("PHP", "engine")},
         Changed(php, {{"\nengine = On", "\n;engine = On"}}),
         {O::Disabled}},
        {"php_enable_last_commented_copy",
         php,
         phpIni,
         {Delete("PHP", "extension"), Enable("PHP", "extension")},
         Changed(php, {{";extension=gd\nextension=mbstring\n", "extension=gd\n"}}),
         {O::Deleted, O::SwitchedOn}},
        {"php_brackets_name_the_section",
         php,
         phpIni,
         {Set("[PHP]", "precision", "12")},
         Changed(php, {{"precision = 14\n", "precision = 12\n"}}),
         {O::Updated}},
        {"php_same_value_is_no_change",
         php,
         phpIni,
         {Set("PHP", "engine", "On"), Disable("Date", "date.timezone")},
         php,
         {O::Unchanged, O::Unchanged}},
        // smb.conf: indented keys keep their indentation, a switched-on copy and a new key take the
        // section's.
        {"smb_indented_value",
         smb,
         ini,
         {Set("global", "workgroup", "HOME")},
         Changed(smb, {{"   workgroup = WORKGROUP", "   workgroup = HOME"}}),
         {O::Updated}},
        {"smb_tab_and_blanks_in_name",
         smb,
         ini,
         {Set("global", "server string", "files")},
         Changed(smb, {{"\tserver string = %h server (Samba, Ubuntu)", "\tserver string = files"}}),
         {O::Updated}},
        {"smb_switched_on_indented",
         smb,
         ini,
         {Set("global", "interfaces", "lo")},
         Changed(smb, {{";   interfaces = 127.0.0.0/8 eth0", "   interfaces = lo"}}),
         {O::SwitchedOn}},
        {"smb_enable_keeps_value",
         smb,
         ini,
         {Enable("homes", "read only")},
         Changed(smb, {{";   read only = yes", "   read only = yes"}}),
         {O::SwitchedOn}},
        {"smb_disable_keeps_indent",
         smb,
         ini,
         {Disable("homes", "browseable")},
         Changed(smb, {{"   browseable = no\n;", ";   browseable = no\n;"}}),
         {O::Disabled}},
        {"smb_new_key_indented",
         smb,
         ini,
         {Set("printers", "printable", "yes")},
         smb + "   printable = yes\n",
         {O::Added}},
        {"smb_new_section_indented",
         smb,
         ini,
         {Set("data", "path", "/srv/data")},
         smb + "\n[data]\n   path = /srv/data\n",
         {O::SectionAdded}},
        // CR LF and no final break: a new line takes the file's break, the last one stays without.
        {"crlf_value", kCrLf, ini, {Set("a", "x", "5")}, Changed(kCrLf, {{"x=1", "x=5"}}), {O::Updated}},
        {"crlf_new_last_line_keeps_no_break", kCrLf, ini, {Set("b", "w", "4")}, kCrLf + "\r\nw = 4", {O::Added}},
        {"crlf_enable", kCrLf, ini, {Enable("a", "y")}, Changed(kCrLf, {{";y=2", "y=2"}}), {O::SwitchedOn}},
        {"crlf_delete_last_line", kCrLf, ini, {Delete("b", "z")}, "; top\r\n[a]\r\nx=1\r\n;y=2\r\n[b]", {O::Deleted}},
        {"spacing_as_most_keys_of_the_section",
         "[a]\nx = 1\ny = 2\nz=3\n[b]\nq=1\n",
         ini,
         {Set("a", "w", "4")},
         "[a]\nx = 1\ny = 2\nz=3\nw = 4\n[b]\nq=1\n",
         {O::Added}},
        {"empty_values",
         "[a]\nx = 1\n",
         ini,
         {Set("a", "x", ""), Set("a", "y", "")},
         "[a]\nx = \ny =\n",
         {O::Updated, O::Added}},
        {"crlf_new_key_in_empty_section",
         "[a]\r\n\r\n[b]\r\n",
         ini,
         {Set("a", "k", "v")},
         "[a]\r\nk = v\r\n\r\n[b]\r\n",
         {O::Added}},
        {"utf8_bom_stays", "\xEF\xBB\xBF[a]\nx=1\n", ini, {Set("a", "x", "2")}, "\xEF\xBB\xBF[a]\nx=2\n", {O::Updated}},
        // Keys before any section are section "".
        {"before_sections_value",
         "; top\nname = x\n\n[s]\nname = y\n",
         ini,
         {Set("", "name", "z")},
         "; top\nname = z\n\n[s]\nname = y\n",
         {O::Updated}},
        {"before_sections_new_key",
         "; top\nname = x\n\n[s]\n",
         ini,
         {Set("", "port", "80")},
         "; top\nname = x\nport = 80\n\n[s]\n",
         {O::Added}},
        {"before_sections_only_comments",
         "; top\n\n[s]\nk=1\n",
         ini,
         {Set("", "port", "80")},
         "; top\nport=80\n\n[s]\nk=1\n",
         {O::Added}},
        {"file_without_sections",
         "a = 1\n",
         ini,
         {Set("", "b", "2"), Delete("", "a")},
         "b = 2\n",
         {O::Added, O::Deleted}},
        {"empty_file", "", ini, {Set("s", "k", "v")}, "[s]\r\nk = v\r\n", {O::SectionAdded}},
        // Duplicate headers are one section; duplicate keys: the last one is the value.
        {"duplicate_sections_searched_all",
         "[a]\nx=1\n[b]\ny=2\n[a]\nz=3\n",
         ini,
         {Set("a", "x", "9")},
         "[a]\nx=9\n[b]\ny=2\n[a]\nz=3\n",
         {O::Updated}},
        {"duplicate_sections_new_key_in_last_block",
         "[a]\nx=1\n[b]\ny=2\n[a]\n\n[c]\n",
         ini,
         {Set("a", "w", "4")},
         "[a]\nx=1\n[b]\ny=2\n[a]\nw=4\n\n[c]\n",
         {O::Added}},
        {"duplicate_keys_set_the_last", "[a]\nk=1\nk=2\n", ini, {Set("a", "k", "3")}, "[a]\nk=1\nk=3\n", {O::Updated}},
        {"duplicate_keys_disable_all",
         "[a]\nk=1\nj=0\nk=2\n",
         ini,
         {Disable("a", "k")},
         "[a]\n;k=1\nj=0\n;k=2\n",
         {O::Disabled}},
        {"duplicate_keys_delete_all", "[a]\nk=1\nj=0\nk=2\n", ini, {Delete("a", "k")}, "[a]\nj=0\n", {O::Deleted}},
        {"other_section_untouched",
         "[a]\nk=1\n[b]\nk=1\n",
         ini,
         {Set("b", "k", "2"), Disable("a", "k")},
         "[a]\n;k=1\n[b]\nk=2\n",
         {O::Updated, O::Disabled}},
        // Edits see what the ones before them did.
        {"edits_in_order",
         "[a]\nk=1\n",
         ini,
         {Disable("a", "k"), Set("a", "k", "2"), Delete("a", "k")},
         "[a]\n",
         {O::Disabled, O::SwitchedOn, O::Deleted}},
        // GBK: names and values go into the file's code page.
        {"gbk_value",
         kGbk,
         ini,
         {Set("数据库", "主机", "远程")},
         Changed(kGbk, {{"\xB1\xBE\xB5\xD8", "\xD4\xB6\xB3\xCC"}}),
         {O::Updated}},
        {"gbk_switched_on",
         kGbk,
         ini,
         {Set("数据库", "端口", "5432")},
         Changed(kGbk, {{"\x3B\xB6\xCB\xBF\xDA\x20\x3D\x20\x33\x33\x30\x36",
                         "\xB6\xCB\xBF\xDA\x20\x3D\x20"
                         "5432"}}),
         {O::SwitchedOn}},
        {"gbk_new_section",
         kGbk,
         ini,
         {Set("新节", "名字", "值")},
         kGbk + "\r\n\x5B\xD0\xC2\xBD\xDA\x5D\r\n\xC3\xFB\xD7\xD6\x20\x3D\x20\xD6\xB5\r\n",
         {O::SectionAdded}},
        // A sign that is not ASCII is looked for in the file's own bytes: "＝" in GBK.
        {"gbk_full_width_split_sign",
         "\x5B\xCA\xFD\xBE\xDD\xBF\xE2\x5D\r\n\xBC\xFC\xA3\xBD\xD6\xB5\r\n\x3B\xD7\xA2\xCA\xCD\xA3\xBD\x31\r\n",
         FullWidthSplit(),
         {Set("数据库", "注释", "2")},
         "\x5B\xCA\xFD\xBE\xDD\xBF\xE2\x5D\r\n\xBC\xFC\xA3\xBD\xD6\xB5\r\n\xD7\xA2\xCA\xCD\xA3\xBD\x32\r\n",
         {O::SwitchedOn}},
        // UTF-16 stays UTF-16.
        {"utf16_value",
         Utf16Le(u"[Strings]\r\nName=旧\r\nOther=1\r\n"),
         ini,
         {Set("Strings", "Name", "新")},
         Utf16Le(u"[Strings]\r\nName=新\r\nOther=1\r\n"),
         {O::Updated}},
        {"utf16_new_key",
         Utf16Le(u"[Strings]\r\nName=旧"),
         ini,
         {Set("Strings", "Count", "二")},
         Utf16Le(u"[Strings]\r\nName=旧\r\nCount=二"),
         {O::Added}},
    };
}

class FileEditCases : public ::testing::TestWithParam<EditCase> {};

TEST_P(FileEditCases, WritesExactlyTheseBytes) {
    const EditCase& c = GetParam();
    const EditedFile run = Edit(c.before, c.edits, c.settings);
    ASSERT_TRUE(run.result.ok) << run.result.error;
    EXPECT_EQ(run.bytes, c.after);
    EXPECT_EQ(run.result.changed, c.after != c.before);
    EXPECT_EQ(run.result.written, c.after != c.before);
    ASSERT_EQ(run.result.edits.size(), c.outcomes.size());
    for (size_t k = 0; k < c.outcomes.size(); ++k)
        EXPECT_EQ(OutcomeWord(run.result.edits[k].result.outcome), OutcomeWord(c.outcomes[k])) << k;
}

INSTANTIATE_TEST_SUITE_P(Files, FileEditCases, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

struct GetCase {
    std::string name;
    std::string file;
    KeyEdit get;
    std::string value;  // UTF-8; empty with `found` false when there is none
    bool found = true;
};

void PrintTo(const GetCase& c, std::ostream* os) { *os << c.name; }

class GetCases : public ::testing::TestWithParam<GetCase> {};

TEST_P(GetCases, PrintsTheActiveValue) {
    const GetCase& c = GetParam();
    const EditedFile run = Edit(c.file, {c.get}, Pattern(1));
    EXPECT_EQ(run.result.ok, c.found) << run.result.error;
    ASSERT_EQ(run.result.edits.size(), 1u);
    EXPECT_EQ(run.result.edits[0].result.value, c.value);
    EXPECT_EQ(run.bytes, c.file);
}

INSTANTIATE_TEST_SUITE_P(Files, GetCases,
                         ::testing::ValuesIn(std::vector<GetCase>{
                             {"plain", "[a]\nk = v\n", Get("a", "k"), "v"},
                             {"value_trimmed_inner_blanks_kept", "[a]\nk =  two words \t\n", Get("a", "k"),
                              "two words"},
                             {"last_active_copy", "[a]\nk=1\n;k=0\nk=2\n[b]\nk=3\n", Get("a", "k"), "2"},
                             {"commented_only", "[a]\n;k=1\n", Get("a", "k"), "", false},
                             {"missing_section", "[a]\nk=1\n", Get("b", "k"), "", false},
                             {"empty_value", "[a]\nk=\n", Get("a", "k"), ""},
                             {"before_sections", "k=0\n[a]\nk=1\n", Get("", "k"), "0"},
                             {"name_byte_exact", "[a]\nKey=1\n", Get("a", "key"), "", false},
                             {"gbk_decoded", kGbk, Get("数据库", "主机"), "本地"},
                             {"utf16_decoded", Utf16Le(u"[s]\r\nk=值\r\n"), Get("s", "k"), "值"},
                         }),
                         [](const auto& info) { return info.param.name; });

struct RefusalCase {
    std::string name;
    std::string file;
    std::vector<KeyEdit> edits;
    std::string message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class RefusalCases : public ::testing::TestWithParam<RefusalCase> {};

// A failing edit fails the whole run: nothing is written, not even what the edits before it did.
TEST_P(RefusalCases, WritesNothingAndSaysWhy) {
    const RefusalCase& c = GetParam();
    const EditedFile run = Edit(c.file, c.edits, Pattern(1));
    EXPECT_FALSE(run.result.ok);
    EXPECT_FALSE(run.result.written);
    EXPECT_EQ(run.result.error, c.message);
    EXPECT_EQ(run.bytes, c.file);
    EXPECT_EQ(run.result.edits.size(), c.edits.size());
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusalCases,
    ::testing::ValuesIn(std::vector<RefusalCase>{
        {"get_missing_after_a_set",
         "[a]\nk=1\n",
         {Set("a", "k", "2"), Get("a", "x")},
         "节 \"a\" 中没有有效的项 \"x\"。"},
        {"enable_without_copy", "[a]\nk=1\n", {Enable("a", "x")}, "节 \"a\" 中没有可以启用的项 \"x\"。"},
        {"gbk_cannot_hold",
         kGbk,
         {Set("数据库", "主机", "本地😀")},
         "本文件的编码无法保存字符 \"😀\" (U+1F600)，未作任何修改。"},
        {"line_break_in_value", "[a]\n", {Set("a", "k", "1\n2")}, "一行文本中不能含有换行符，未作任何修改。"},
        {"split_sign_in_key", "[a]\n", {Set("a", "k=v", "1")}, "项名 \"k=v\" 中不能含有分隔标志。"},
        {"empty_key", "[a]\n", {Delete("a", "")}, "项名不能为空。"},
        {"blank_around_key", "[a]\n", {Get("a", " k")}, "项名 \" k\" 的开头或结尾不能是空白。"},
        {"key_reads_as_comment", "[a]\n", {Set("a", ";k", "1")}, "项名 \";k\" 会被读成注释或节名。"},
        {"key_reads_as_header", "[a]\n", {Set("a", "[k]", "1")}, "项名 \"[k]\" 会被读成注释或节名。"},
        {"blank_around_value", "[a]\n", {Set("a", "k", "1 ")}, "值 \"1 \" 的开头或结尾不能是空白。"},
        {"bracket_in_section", "[a]\n", {Set("a]b", "k", "1")}, "节名 \"a]b\" 中不能含有 \"]\"。"},
        {"not_utf8", "[a]\n", {Set("a", "k", "\xFF")}, "参数 \"\xFF\" 不是有效的 UTF-8 文本。"},
    }),
    [](const auto& info) { return info.param.name; });

TEST(FileEdit, BlankCommentSignIsRefused) {
    const EditedFile run = Edit("[a]\nk=1\n", {Disable("a", "k")}, Pattern(0));
    EXPECT_FALSE(run.result.ok);
    EXPECT_EQ(run.result.error, "编辑需要一个单字节、非空白的注释标志 (如 --rem \";\")。");
    EXPECT_EQ(run.bytes, "[a]\nk=1\n");
}

TEST(FileEdit, CheckWritesNothingButTellsTheDiff) {
    const std::string file = "[a]\nx=1\ny=2\nz=3\n\nn1\nn2\nn3\nn4\nn5\nw=4";
    const EditedFile run = Edit(file, {Set("a", "y", "5"), Set("a", "v", "6")}, Pattern(1), true);
    ASSERT_TRUE(run.result.ok) << run.result.error;
    EXPECT_TRUE(run.result.changed);
    EXPECT_FALSE(run.result.written);
    EXPECT_EQ(run.bytes, file);
    const std::string path = run.result.diff.substr(4, run.result.diff.find('\n') - 4);
    EXPECT_EQ(run.result.diff, "--- " + path + "\n+++ " + path +
                                   "\n"
                                   "@@ -1,6 +1,6 @@\n"
                                   " [a]\n"
                                   " x=1\n"
                                   "-y=2\n"
                                   "+y=5\n"
                                   " z=3\n"
                                   " \n"
                                   " n1\n"
                                   "@@ -8,4 +8,5 @@\n"
                                   " n3\n"
                                   " n4\n"
                                   " n5\n"
                                   "-w=4\n"
                                   "\\ No newline at end of file\n"
                                   "+w=4\n"
                                   "+v=6\n"
                                   "\\ No newline at end of file\n");
}

TEST(FileEdit, DiffOfDeletedLinesAndGbkShownInUtf8) {
    const EditedFile run = Edit(kGbk, {Delete("数据库", "主机")}, Pattern(1), true);
    ASSERT_TRUE(run.result.ok) << run.result.error;
    EXPECT_NE(run.result.diff.find("@@ -1,3 +1,2 @@\n [数据库]\n-主机 = 本地\n ;端口 = 3306\n"), std::string::npos)
        << run.result.diff;
}

// An edit that changes nothing leaves the file alone: not even its modification time moves.
TEST(FileEdit, NoChangeNoWrite) {
    test::TempFolder folder;
    FileEditRequest request;
    request.path = folder.at("same.ini");
    PutBytes(request.path, "[a]\nk = 1\n;j = 2\n");
    ASSERT_EQ(::system(("touch -d '2001-02-03 04:05:06.789' " + request.path).c_str()), 0);
    const struct stat before = test::StatOf(request.path);
    request.settings = Pattern(1);
    request.edits = {Set("a", "k", "1"), Disable("a", "j"), Delete("a", "x"), Enable("a", "k"), Get("a", "k")};
    const FileEditResult result = EditFile(request);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_FALSE(result.changed);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.diff.empty());
    const struct stat after = test::StatOf(request.path);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

// A change that undoes the one before it leaves the bytes as read: nothing is written.
TEST(FileEdit, ChangedBackIsNoChange) {
    const EditedFile run = Edit("[a]\nk=1\n", {Set("a", "k", "2"), Set("a", "k", "1")}, Pattern(1));
    ASSERT_TRUE(run.result.ok);
    EXPECT_FALSE(run.result.changed);
    EXPECT_FALSE(run.result.written);
}

}  // namespace
}  // namespace vq
