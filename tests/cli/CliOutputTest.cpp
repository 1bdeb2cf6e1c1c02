// The command line's output, byte for byte, for files of every form it meets: CR LF, LF, mixed
// breaks, no final break, a UTF-8 byte-order mark, GBK and UTF-16. Every run is a process of
// the built program without a display.

#include "ProgramRun.h"
#include "TempFolder.h"

#include "core/document/DocumentLoading.h"
#include "core/document/TreeBuilder.h"
#include "core/extraction/Extraction.h"
#include "core/files/TextFile.h"
#include "core/settings/SignPanel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;
using clitest::RunProgram;
using vq::test::TempFolder;

// UTF-16 with its mark, made by the compiler from a u"" literal.
std::string Utf16(std::u16string_view text, bool littleEndian) {
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        out += littleEndian ? low : high;
        out += littleEndian ? high : low;
    }
    return out;
}

const std::string kPhpCrLf =
    "; comment\r\n[PHP]\r\nengine = On\r\n;short_open_tag = Off\r\n\r\n;;;;;;\r\n; Paths\r\n;;;;;;\r\n"
    "include_path = \".\"\r\nlast=1";
const std::string kPhpLf =
    "; comment\n[PHP]\nengine = On\n;short_open_tag = Off\n\n;;;;;;\n; Paths\n;;;;;;\ninclude_path = \".\"\nlast=1\n";
const std::string kPhpOutline =
    "S 2: [PHP]\n  K 3: engine = On\n  C 4: ;short_open_tag = Off\n  T 7: ; Paths\n    K 9: include_path = \".\"\n"
    "    K 10: last=1\n";
// Mixed breaks, a lone CR inside a line, a NUL, GBK bytes and no final break.
const std::string kMixed =
    "; mixed\r\n[PHP]\r\nengine=On\nname=\xD6\xD0\xCE\xC4\r\nodd=a\rb\r\nnul=\0\x01\xff\nlast=x"s;
const std::string kBom = "\xEF\xBB\xBF[S]\r\n; note\r\nk=1\r\n";
const std::string kGbk = "[\xB7\xFE\xCE\xF1]\n\xC3\xFB\xB3\xC6=\xD6\xB5\n;\xD7\xA2\xCA\xCD\n";
const std::string kUtf16Le = Utf16(u"[S]\r\nname=\u540D\r\n; c\r\n", true);
// "[数据库]", "键＝值", ";注释＝1" in GBK: the full-width equals sign is A3 BD there.
const std::string kGbkFullWidth =
    "[\xCA\xFD\xBE\xDD\xBF\xE2]\r\n\xBC\xFC\xA3\xBD\xD6\xB5\r\n;\xD7\xA2\xCA\xCD\xA3\xBD"
    "1\r\n";
const std::string kUtf16Be = Utf16(u"[S]\nk=1", false);

struct OutputCase {
    std::string name;
    std::string file;
    std::vector<std::string> options;  // before the file
    std::string out;
};

void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.name; }

const std::vector<OutputCase> kOutputs = {
    // --outline: one line per node, in tree order, with the file's own bytes.
    {"outline_crlf", kPhpCrLf, {"--outline"}, kPhpOutline},
    {"outline_lf", kPhpLf, {"--outline"}, kPhpOutline},
    {"outline_mixed",
     kMixed,
     {"--outline"},
     "S 2: [PHP]\n  K 3: engine=On\n  K 4: name=\xD6\xD0\xCE\xC4\n  K 5: odd=a\rb\n  K 6: nul=\0\x01\xff\n  K 7: last=x\n"s},
    {"outline_bom", kBom, {"--outline"}, "S 1: [S]\n  K 3: k=1\n"},
    {"outline_gbk", kGbk, {"--outline"}, "S 1: [\xB7\xFE\xCE\xF1]\n  K 2: \xC3\xFB\xB3\xC6=\xD6\xB5\n"},
    {"outline_utf16_as_utf8", kUtf16Le, {"--outline"}, "S 1: [S]\n  K 2: name=\xE5\x90\x8D\n"},
    {"outline_empty_file", "", {"--outline"}, ""},

    // --extract: what Save writes after the extraction.
    {"checked_crlf", kPhpCrLf, {"--extract", "checked"}, "[PHP]\r\nengine = On\r\ninclude_path = \".\"\r\nlast=1\r\n"},
    {"checked_lf", kPhpLf, {"--extract", "checked"}, "[PHP]\nengine = On\ninclude_path = \".\"\nlast=1\n"},
    {"checked_mixed",
     kMixed,
     {"--extract", "checked"},
     "[PHP]\r\nengine=On\nname=\xD6\xD0\xCE\xC4\r\nodd=a\rb\r\nnul=\0\x01\xff\nlast=x\r\n"s},
    {"checked_bom", kBom, {"--extract", "checked"}, "\xEF\xBB\xBF[S]\r\nk=1\r\n"},
    {"checked_gbk", kGbk, {"--extract", "checked"}, "[\xB7\xFE\xCE\xF1]\n\xC3\xFB\xB3\xC6=\xD6\xB5\n"},
    {"checked_utf16le", kUtf16Le, {"--extract", "checked"}, Utf16(u"[S]\r\nname=\u540D\r\n", true)},
    {"checked_none", "; a\n\n; b\n", {"--extract", "checked"}, ""},
    {"checked_none_keeps_mark", "\xEF\xBB\xBF; only\n", {"--extract", "checked"}, "\xEF\xBB\xBF"},

    {"tree_crlf",
     kPhpCrLf,
     {"--extract", "tree"},
     "[PHP]\r\nengine = On\r\n;short_open_tag = Off\r\n; Paths\r\ninclude_path = \".\"\r\nlast=1\r\n"},
    {"tree_mixed",
     kMixed,
     {"--extract", "tree"},
     "[PHP]\r\nengine=On\nname=\xD6\xD0\xCE\xC4\r\nodd=a\rb\r\nnul=\0\x01\xff\nlast=x\r\n"s},
    {"tree_utf16be", kUtf16Be, {"--extract", "tree"}, Utf16(u"[S]\nk=1\n", false)},

    {"all_crlf_adds_final_break", kPhpCrLf, {"--extract", "all"}, kPhpCrLf + "\r\n"},
    {"all_lf_is_the_file", kPhpLf, {"--extract", "all"}, kPhpLf},
    {"all_mixed", kMixed, {"--extract", "all"}, kMixed + "\r\n"},
    {"all_bom", kBom, {"--extract", "all"}, kBom},
    {"all_gbk", kGbk, {"--extract", "all"}, kGbk},
    {"all_utf16le", kUtf16Le, {"--extract", "all"}, kUtf16Le},
    {"all_utf16be", kUtf16Be, {"--extract", "all"}, Utf16(u"[S]\nk=1\n", false)},
    // A last line whose text ends in a lone CR is followed by CR LF, which keeps the CR in it.
    {"all_lone_cr_at_the_end", "a=1\nb=2\r", {"--extract", "all"}, "a=1\nb=2\r\r\n"},
    {"checked_lone_cr_at_the_end", "a=1\r\nb=2\r", {"--extract", "checked"}, "a=1\r\nb=2\r\r\n"},

    // Signs are given in UTF-8 and compared in the file's encoding, as the window does.
    {"gbk_full_width_split_sign_tree",
     kGbkFullWidth,
     {"--extract", "tree", "--pattern", "1", "--split", "\xEF\xBC\x9D"},
     kGbkFullWidth},
    {"gbk_full_width_split_sign_outline",
     kGbkFullWidth,
     {"--outline", "--pattern", "1", "--split", "\xEF\xBC\x9D"},
     "S 1: [\xCA\xFD\xBE\xDD\xBF\xE2]\n  K 2: \xBC\xFC\xA3\xBD\xD6\xB5\n  C 3: ;\xD7\xA2\xCA\xCD\xA3\xBD"
     "1\n"},
    // Big5 holds the same sign as A1 D7; read in the default encoding (GB18030) the commented
    // key is not found.
    {"big5_full_width_split_sign",
     "[S]\n;\xC1\xE4\xA1\xD7\xAD\xC8\n",
     {"--outline", "--pattern", "1", "--encoding", "Big5", "--split", "\xEF\xBC\x9D"},
     "S 1: [S]\n  C 2: ;\xC1\xE4\xA1\xD7\xAD\xC8\n"},
    {"big5_file_read_as_gbk",
     "[S]\n;\xC1\xE4\xA1\xD7\xAD\xC8\n",
     {"--outline", "--pattern", "1", "--split", "\xEF\xBC\x9D"},
     "S 1: [S]\n"},

    // The options, applied over the pattern.
    {"pattern_ini_has_no_titles",
     kPhpLf,
     {"--outline", "--pattern", "1"},
     "S 2: [PHP]\n  K 3: engine = On\n  C 4: ;short_open_tag = Off\n  K 9: include_path = \".\"\n  K 10: last=1\n"},
    {"title_type_over_the_pattern",
     kPhpLf,
     {"--title-type", "0", "--outline"},
     "S 2: [PHP]\n  K 3: engine = On\n  C 4: ;short_open_tag = Off\n  K 9: include_path = \".\"\n  K 10: last=1\n"},
    {"pattern_httpd",
     "### Modules\n# LoadModule=x\nListen 80\n",
     {"--outline", "--pattern=3"},
     "T 1: ### Modules\n  C 2: # LoadModule=x\n  K 3: Listen 80\n"},
    {"pattern_general_blank_comment_sign",
     "[S]\nk=1\n;;;;;; T\n",
     {"--outline", "--pattern", "0"},
     "C 2: k=1\nT 3: ;;;;;; T\n"},
    {"rem_sign",
     "# a=1\n; b=2\nc=3\n",
     {"--outline", "--rem", "#", "--title-type", "0"},
     "C 1: # a=1\nK 2: ; b=2\nK 3: c=3\n"},
    {"rem_sign_in_space_count_form", "[S]\nk=1\n", {"--extract", "checked", "--rem", "1|_|"}, ""},
    {"split_sign", "a: 1\n;b: 2\n;c=3\n", {"--outline", "--split", ":"}, "K 1: a: 1\nC 2: ;b: 2\n"},
    {"split_sign_blank", "a 1\n;b 2\n;c=3\n", {"--outline", "--split=1|_|"}, "K 1: a 1\nC 2: ;b 2\n"},
    {"title_begin_and_end",
     "<<\nTitle\n>>\nk=1\n",
     {"--outline", "--title-type", "4", "--title-begin", "<<", "--title-end", ">>"},
     "K 1: <<\nT 2: Title\n  K 4: k=1\n"},
    {"title_begin_empty_in_space_count_form",
     "k=1\n\nm=2\n",
     {"--outline", "--pattern", "3", "--title-begin", "0|_|"},
     "K 1: k=1\nT 2: \n  K 3: m=2\n"},
    {"omit_spaces",
     "  ### Spaced\nk=1\n",
     {"--outline", "--pattern", "3", "--omit-spaces"},
     "T 1: ### Spaced\n  K 2: k=1\n"},
    {"no_omit_spaces_over_the_pattern",
     "  ;;;;;; T\nk=1\n",
     {"--outline", "--pattern", "0", "--no-omit-spaces"},
     "C 2: k=1\n"},
    {"last_of_omit_and_no_omit",
     "  ### Spaced\nk=1\n",
     {"--outline", "--pattern", "3", "--no-omit-spaces", "--omit-spaces"},
     "T 1: ### Spaced\n  K 2: k=1\n"},
    {"equals_forms",
     kPhpLf,
     {"--extract=tree", "--pattern=1"},
     "[PHP]\nengine = On\n;short_open_tag = Off\ninclude_path = \".\"\nlast=1\n"},
};

class CommandLineOutput : public ::testing::TestWithParam<OutputCase> {};

TEST_P(CommandLineOutput, IsByteExact) {
    const OutputCase& c = GetParam();
    TempFolder scratch;
    std::vector<std::string> args = c.options;
    args.push_back(scratch.put("sample.ini", c.file));
    const clitest::Outcome run = RunProgram(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(Samples, CommandLineOutput, ::testing::ValuesIn(kOutputs),
                         [](const auto& info) { return info.param.name; });

// --extract gives the bytes the window's Save writes after the same extraction: the file is
// loaded as the window loads it, analysed, extracted and saved through the file layer.
TEST(CommandLineOutput, SameBytesAsSavingInTheWindow) {
    const std::vector<std::string> files = {kPhpCrLf, kPhpLf, kMixed, kBom, kGbk, kUtf16Le, kUtf16Be, ""};
    const std::pair<const char*, vq::ExtractionKind> kinds[] = {
        {"checked", vq::ExtractionKind::Checked}, {"tree", vq::ExtractionKind::Tree}, {"all", vq::ExtractionKind::All}};
    vq::SignPanel signs;
    signs.PatternClick(2);
    for (size_t f = 0; f < files.size(); ++f) {
        for (const auto& [name, kind] : kinds) {
            SCOPED_TRACE("file " + std::to_string(f) + ", " + name);
            TempFolder scratch;
            const std::string path = scratch.put("sample.ini", files[f]);
            vq::ShownText shown = vq::FromFileBytes(files[f]);
            vq::Document doc;
            doc.load(std::move(shown.bytes), vq::Progress{});
            vq::BuildTopicTree(doc, signs.settings(), vq::Progress{});
            vq::ExtractLines(doc, kind);
            const std::string saved = scratch.at("saved.ini");
            ASSERT_TRUE(vq::WriteTextFile(saved, doc.saveBytes(), shown.form).ok);

            const clitest::Outcome run = RunProgram({"--extract", name, path});
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(run.out, vq::test::GetBytes(saved));
        }
    }
}

struct StreamCase {
    std::string name;
    std::string path;  // the file argument; "FIFO" stands for a fifo a thread writes the file into
    clitest::Input::Kind input;
    size_t lines;  // the size of the file given
};

void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.name; }

class StreamInput : public ::testing::TestWithParam<StreamCase> {};

// Writes the bytes into the fifo once the program opens it, giving up when the program has ended
// without doing so or stops reading.
void WriteIntoFifo(const std::string& path, const std::string& bytes, const std::atomic<bool>& ended) {
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    int fd = -1;
    while (fd < 0 && !ended) {
        fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);  // ENXIO until it is read
        if (fd < 0)
            std::this_thread::yield();
    }
    if (fd < 0)
        return;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
}

// "-", /dev/stdin and fifos are read to their end like a file: the output is the same as for the
// file itself, also for more than a pipe holds at once.
TEST_P(StreamInput, ReadsToTheEnd) {
    const StreamCase& c = GetParam();
    TempFolder scratch;
    std::string bytes = "\xEF\xBB\xBF; bom\r\n";
    for (size_t i = 0; i < c.lines; ++i)
        bytes += "[S" + std::to_string(i) + "]\r\nkey=" + std::to_string(i) + "\n;off=1\n";
    const std::string file = scratch.put("a.ini", bytes);
    const clitest::Outcome fromFile = RunProgram({"--extract", "tree", file});
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;

    clitest::RunOptions options;
    options.input = {c.input, bytes, file};
    std::string path = c.path;
    std::thread writer;
    std::atomic<bool> ended{false};
    if (path == "FIFO") {
        path = scratch.at("fifo");
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        writer = std::thread([&] { WriteIntoFifo(path, bytes, ended); });
    }
    const clitest::Outcome run = RunProgram({"--extract", "tree", path}, options);
    ended = true;
    if (writer.joinable())
        writer.join();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out == fromFile.out) << run.out.size() << " bytes against " << fromFile.out.size();
}

INSTANTIATE_TEST_SUITE_P(Sources, StreamInput,
                         ::testing::Values(StreamCase{"dash_from_a_pipe", "-", clitest::Input::Pipe, 3},
                                           StreamCase{"dash_from_a_long_pipe", "-", clitest::Input::Pipe, 50000},
                                           StreamCase{"dash_from_a_file", "-", clitest::Input::Path, 3},
                                           StreamCase{"dev_stdin_from_a_pipe", "/dev/stdin", clitest::Input::Pipe, 3},
                                           StreamCase{"fifo", "FIFO", clitest::Input::Nothing, 20000}),
                         [](const auto& info) { return info.param.name; });

TEST(CommandLineOutput, FileNamedLikeAnOptionAfterTheEnd) {
    TempFolder scratch;
    scratch.put("-x.ini", "[S]\n");
    const clitest::Outcome run = RunProgram({"--outline", "--", scratch.at("-x.ini")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "S 1: [S]\n");
}

// A million-line file goes through whole; the output is made in memory and written in one go.
TEST(CommandLineOutput, LargeFileWhole) {
    TempFolder scratch;
    std::string file;
    std::string expected;
    for (int i = 0; i < 200000; ++i) {
        const std::string line = "key_" + std::to_string(i) + "=" + std::to_string(i);
        file += line + (i % 2 ? "\n" : "\r\n");
        if (i % 3 == 0) {
            file += "; note\n";
        }
        expected += line + (i % 2 ? "\n" : "\r\n");
    }
    const clitest::Outcome run = RunProgram({"--extract", "checked", scratch.put("big.ini", file)});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out == expected) << "output of " << run.out.size() << " bytes differs";
}

}  // namespace
