// The outline and the extractions written while a file is read piece by piece give the bytes the
// document's way gives, wherever the pieces end: in a CR LF, inside a long line, between a title
// and the line that closes it. One table drives both ways for every piece size.

#include "TempFolder.h"

#include "cli/FileLines.h"
#include "cli/Outline.h"
#include "cli/StreamedOutput.h"

#include "core/document/TreeBuilder.h"
#include "core/files/TextFile.h"
#include "core/settings/SignPanel.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

struct FileCase {
    std::string name;
    std::string bytes;
    int pattern;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int k = 0; k < times; ++k)
        out += text;
    return out;
}

const std::vector<FileCase> kFiles = {
    {"php_titles_crlf",
     "; comment\r\n[PHP]\r\nengine = On\r\n;short_open_tag = Off\r\n\r\n;;;;;;\r\n; "
     "Paths\r\n;;;;;;\r\ninclude=1\r\nlast=1",
     2},
    // A title line that reads as a commented key loses that node to the title; a closing sign
    // line that is itself a commented key keeps its node, made before the title's.
    {"titles_over_commented_keys", "[S]\n;;;;;;\n; Title=x\n;;;;;;\nk=1\n;;;;;;\n; Two\n;;;;;;=2\n", 2},
    {"mixed_breaks_and_lone_cr", "; mixed\r\n[PHP]\r\nengine=On\nodd=a\rb\r\nnul=\0\x01\xff\nlast=x\r"s, 2},
    {"bom_and_httpd_titles", "\xEF\xBB\xBF### Modules\n# Load=x\nListen 80\n### Two\r\nk=2\r\n", 3},
    {"line_longer_than_every_piece",
     "[S]\r\nlong=" + std::string(300, 'x') + "\r\n;c=" + std::string(90, 'y') + "\nk=1\n", 2},
    {"many_short_lines", Repeated("[A]\nk=1\n;;;;;;\n; T\n;;;;;;\n;c=2\n\n", 40), 2},
    {"empty", "", 2},
};

// What the document's way writes for the same bytes.
struct DocumentWay {
    std::string outline;
    std::string checked, tree, all;
};

DocumentWay ThroughTheDocument(const std::string& bytes, const vq::AnalysisSettings& s) {
    DocumentWay way;
    for (vq::ExtractionKind kind : {vq::ExtractionKind::Checked, vq::ExtractionKind::Tree, vq::ExtractionKind::All}) {
        vq::Document doc;
        doc.load(vq::FromFileBytes(bytes).bytes, vq::Progress{});
        vq::BuildTopicTree(doc, s, vq::Progress{});
        if (kind == vq::ExtractionKind::Checked)
            way.outline = std::string(vq::cli::OutlineOf(doc).view());
        vq::ExtractLines(doc, kind);
        (kind == vq::ExtractionKind::Checked ? way.checked
         : kind == vq::ExtractionKind::Tree  ? way.tree
                                             : way.all) = doc.saveBytes();
    }
    return way;
}

// Runs one streamed command over the file read in pieces of `piece` bytes.
template <typename Command>
std::string Streamed(const std::string& path, size_t piece, Command&& command) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_GE(fd, 0);
    vq::cli::FileLines lines(fd, piece);
    EXPECT_EQ(lines.start(), 0);
    std::string out;
    const int error = command(lines, [&out](std::string_view bytes) {
        out += bytes;
        return 0;
    });
    EXPECT_EQ(error, 0);
    EXPECT_EQ(lines.error(), 0);
    ::close(fd);
    return out;
}

class StreamedOutput : public ::testing::TestWithParam<FileCase> {};

TEST_P(StreamedOutput, MatchesTheDocumentForEveryPieceSize) {
    const FileCase& c = GetParam();
    vq::SignPanel signs;
    signs.PatternClick(c.pattern);
    const vq::AnalysisSettings& s = signs.settings();
    vq::test::TempFolder scratch;
    const std::string path = scratch.put("sample.ini", c.bytes);
    const DocumentWay expected = ThroughTheDocument(c.bytes, s);
    for (const size_t piece : {4, 5, 6, 7, 9, 13, 31, 64, 4096}) {
        SCOPED_TRACE("piece " + std::to_string(piece));
        using vq::cli::FileLines;
        using Sink = const vq::cli::OutputSink&;
        EXPECT_EQ(Streamed(path, piece, [&](FileLines& l, Sink out) { return vq::cli::StreamOutline(l, s, out); }),
                  expected.outline);
        const std::pair<vq::ExtractionKind, const std::string*> kinds[] = {
            {vq::ExtractionKind::Checked, &expected.checked},
            {vq::ExtractionKind::Tree, &expected.tree},
            {vq::ExtractionKind::All, &expected.all}};
        for (const auto& [kind, bytes] : kinds)
            EXPECT_EQ(Streamed(path, piece,
                               [&](FileLines& l, Sink out) { return vq::cli::StreamExtraction(l, s, kind, out); }),
                      *bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, StreamedOutput, ::testing::ValuesIn(kFiles),
                         [](const auto& info) { return info.param.name; });

}  // namespace

// A read that fails partway ends the lines there, with its error for the caller to report: the
// descriptor is swapped for one that cannot be read once the first piece is in.
TEST(FileLines, ReadFailingPartwayEndsTheLinesWithItsError) {
    vq::test::TempFolder scratch;
    const std::string path = scratch.put("sample.ini", "a=1\nb=2\nc=3\nd=4\n");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    vq::cli::FileLines lines(fd, 8);
    ASSERT_EQ(lines.start(), 0);
    const int unreadable = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(unreadable, 0);
    ASSERT_EQ(::dup2(unreadable, fd), fd);
    std::vector<std::string> got;
    std::string_view text;
    bool hasBreak = false;
    vq::LineBreak lineBreak{};
    while (lines.next(text, hasBreak, lineBreak))
        got.emplace_back(text);
    EXPECT_EQ(got, (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(lines.error(), EBADF);
    ::close(unreadable);
    ::close(fd);
}
