#include "core/files/FileAccess.h"
#include "core/text/TextLines.h"

#include "../SourceFiles.h"
#include "WriteOutcome.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "vq-read-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string at(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void PutBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

FileError System(int err) { return FileError::System(err); }

std::string AllByteValues() {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    return bytes;
}

// ---- Reading back what is on disk ------------------------------------------------------

struct ContentCase {
    std::string name;
    std::string bytes;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const ContentCase& c, std::ostream* os) { *os << c.name; }

class ReadBackTest : public ::testing::TestWithParam<ContentCase> {};

TEST_P(ReadBackTest, GivesTheBytesUnchanged) {
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    PutBytes(path, GetParam().bytes);

    const ReadResult read = ReadWholeFile(path);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.error, FileError{});
    EXPECT_EQ(read.bytes, GetParam().bytes);

    const SizeResult size = QueryFileSize(path);
    EXPECT_TRUE(size.ok);
    EXPECT_EQ(size.size, GetParam().bytes.size());
    EXPECT_TRUE(IsExistingFile(path));
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadBackTest,
                         ::testing::Values(ContentCase{"empty", ""}, ContentCase{"crlf_text", "[PHP]\r\nengine=On\r\n"},
                                           ContentCase{"every_byte_value", AllByteValues()},
                                           ContentCase{"three_megabytes", std::string(3 << 20, 'q')}),
                         [](const auto& info) { return info.param.name; });

TEST(ReadThroughLink, FollowsTheLinkToTheFile) {
    TempFolder folder;
    PutBytes(folder.at("real.ini"), "a=1\n");
    ASSERT_EQ(::symlink("real.ini", folder.at("link.ini").c_str()), 0);

    EXPECT_TRUE(IsExistingFile(folder.at("link.ini")));
    EXPECT_EQ(ReadWholeFile(folder.at("link.ini")).bytes, "a=1\n");
    EXPECT_EQ(QueryFileSize(folder.at("link.ini")).size, 4u);
}

// ---- Paths that cannot be read ---------------------------------------------------------

struct ReadFailureCase {
    std::string name;
    std::function<std::string(const TempFolder&)> makePath;  // sets up the folder, gives the path
    FileError error;
};

void PrintTo(const ReadFailureCase& c, std::ostream* os) { *os << c.name; }

class ReadFailureTest : public ::testing::TestWithParam<ReadFailureCase> {};

TEST_P(ReadFailureTest, FailsWithTheReason) {
    TempFolder folder;
    const std::string path = GetParam().makePath(folder);
    const FileError expected = GetParam().error;

    const ReadResult read = ReadWholeFile(path);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error, expected);
    EXPECT_EQ(read.bytes, "");

    const SizeResult size = QueryFileSize(path);
    EXPECT_FALSE(size.ok);
    EXPECT_EQ(size.error, expected);
    EXPECT_FALSE(IsExistingFile(path));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadFailureTest,
    ::testing::Values(ReadFailureCase{"missing", [](const TempFolder& f) { return f.at("missing.ini"); },
                                      System(ENOENT)},
                      ReadFailureCase{"folder",
                                      [](const TempFolder& f) {
                                          fs::create_directory(f.at("conf.d"));
                                          return f.at("conf.d");
                                      },
                                      FileError{FileProblem::Folder}},
                      ReadFailureCase{"link_to_folder",
                                      [](const TempFolder& f) {
                                          fs::create_directory(f.at("conf.d"));
                                          fs::create_directory_symlink("conf.d", f.at("link"));
                                          return f.at("link");
                                      },
                                      FileError{FileProblem::Folder}},
                      ReadFailureCase{"fifo",
                                      [](const TempFolder& f) {
                                          ::mkfifo(f.at("pipe").c_str(), 0600);
                                          return f.at("pipe");
                                      },
                                      FileError{FileProblem::NotRegular}},
                      ReadFailureCase{"device", [](const TempFolder&) { return std::string("/dev/null"); },
                                      FileError{FileProblem::NotRegular}},
                      ReadFailureCase{"parent_is_a_file",
                                      [](const TempFolder& f) {
                                          PutBytes(f.at("plain.txt"), "x");
                                          return f.at("plain.txt/php.ini");
                                      },
                                      System(ENOTDIR)},
                      ReadFailureCase{"dangling_link",
                                      [](const TempFolder& f) {
                                          fs::create_symlink("gone.ini", f.at("link.ini"));
                                          return f.at("link.ini");
                                      },
                                      System(ENOENT)}),
    [](const auto& info) { return info.param.name; });

TEST(ReadUnreadable, FailsWithPermissionDenied) {
    TempFolder folder;
    const std::string path = folder.at("secret.ini");
    PutBytes(path, "password=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    if (::access(path.c_str(), R_OK) == 0)
        GTEST_SKIP() << "this user can read a file of mode 000";

    const ReadResult read = ReadWholeFile(path);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error, System(EACCES));
    EXPECT_EQ(QueryFileSize(path).error, System(EACCES));
}

// ---- A real file with every kind of line end -------------------------------------------

TEST(ReadFixture, MixedBreaksSplitAndJoinBackExactly) {
    const std::string path = vqtest::SourceFile("tests/data/files/mixed_breaks.ini");
    const ReadResult read = ReadWholeFile(path);
    ASSERT_TRUE(read.ok) << ReasonText(read.error);
    EXPECT_EQ(QueryFileSize(path).size, read.bytes.size());
    EXPECT_FALSE(IsValidUtf8(read.bytes));  // holds GBK bytes
    EXPECT_EQ(FirstBreak(read.bytes), LineBreak::CRLF);

    const SplitText split = SplitIntoLines(read.bytes, LineBreak::CRLF);
    ASSERT_EQ(split.texts.size(), 7u);
    EXPECT_EQ(split.texts[1], "[PHP]");
    EXPECT_EQ(split.texts[3], "name=\xD6\xD0\xCE\xC4");
    EXPECT_EQ(split.texts[4], "odd=a\rb");
    EXPECT_EQ(split.texts[5], std::string_view("nul=\0\x01\xFF", 7));
    EXPECT_EQ(split.texts[6], "last=no break");
    EXPECT_EQ(split.breaks[2], LineBreak::LF);
    EXPECT_EQ(split.breaks[3], LineBreak::CRLF);
    EXPECT_FALSE(split.endsWithBreak);
    EXPECT_EQ(JoinLines(split.texts, split.breaks, split.endsWithBreak), read.bytes);
}

}  // namespace
}  // namespace vq
