#include "core/files/FileAccess.h"
#include "core/text/TextLines.h"

#include "SourceFiles.h"
#include "TempFolder.h"
#include "WriteOutcome.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {
namespace {

namespace fs = std::filesystem;
using test::PutBytes;
using test::TempFolder;

FileError System(int err) { return FileError::System(err); }

// The whole file as the program reads it, with no limit worth the name.
BytesResult ReadAll(const std::string& path) { return ReadFileBytes(path, std::uint64_t{1} << 40); }

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

    const BytesResult read = ReadAll(path);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.error, FileError{});
    EXPECT_EQ(read.bytes.view(), GetParam().bytes);

    const SizeResult size = QueryFileSize(path);
    EXPECT_TRUE(size.ok);
    EXPECT_EQ(size.size, GetParam().bytes.size());
    EXPECT_TRUE(IsExistingFile(path));
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadBackTest,
                         ::testing::Values(ContentCase{"crlf_text", "[PHP]\r\nengine=On\r\n"},
                                           ContentCase{"every_byte_value", AllByteValues()}),
                         [](const auto& info) { return info.param.name; });

TEST(ReadThroughLink, FollowsTheLinkToTheFile) {
    TempFolder folder;
    PutBytes(folder.at("real.ini"), "a=1\n");
    ASSERT_EQ(::symlink("real.ini", folder.at("link.ini").c_str()), 0);

    EXPECT_TRUE(IsExistingFile(folder.at("link.ini")));
    EXPECT_EQ(ReadAll(folder.at("link.ini")).bytes.view(), "a=1\n");
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

    const BytesResult read = ReadAll(path);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error, expected);
    EXPECT_TRUE(read.bytes.empty());

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

    const BytesResult read = ReadAll(path);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error, System(EACCES));
    EXPECT_EQ(QueryFileSize(path).error, System(EACCES));
}

// ---- Sizes around the buffer's steps, limits and cancelling ---------------------------

class ReadBytes : public ::testing::TestWithParam<size_t> {};

TEST_P(ReadBytes, GivesTheFileExactly) {
    TempFolder folder;
    std::string bytes;
    for (size_t i = 0; i < GetParam(); ++i)
        bytes += static_cast<char>(i * 7 + i / 256);
    const BytesResult read = ReadFileBytes(folder.put("f.ini", bytes), 1 << 30);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes.view(), bytes);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReadBytes, ::testing::Values(0, 1, 4095, 4096, 100000, 3 << 20));

TEST(ReadBytesRefused, TooLarge) {
    TempFolder folder;
    const std::string path = folder.put("big.ini", std::string(101, 'x'));
    const BytesResult big = ReadFileBytes(path, 100);
    EXPECT_FALSE(big.ok);
    EXPECT_EQ(big.error, FileError::System(EFBIG));
    EXPECT_TRUE(ReadFileBytes(path, 101).ok);
}

// A file of more than 4 GB is refused before anything is read (a sparse file: no disk used).
TEST(ReadBytesRefused, FourGigabytesAndOneByte) {
    TempFolder folder;
    const std::string path = folder.at("huge.ini");
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const bool sparse = ::ftruncate(fd, (off_t{1} << 32)) == 0;
    ::close(fd);
    if (!sparse)
        GTEST_SKIP() << "no sparse file here";
    const BytesResult read = ReadFileBytes(path, UINT32_MAX);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error, FileError::System(EFBIG));
}

TEST(ReadBytesCancel, StopsWithoutBytes) {
    TempFolder folder;
    const std::atomic<bool> cancel{true};
    const BytesResult read = ReadFileBytes(folder.put("f.ini", "a=1\n"), 100, &cancel);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.cancelled);
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_EQ(read.error, FileError{});
}

// ---- A real file with every kind of line end -------------------------------------------

TEST(ReadFixture, MixedBreaksSplitExactly) {
    const std::string path = test::SourceFile("tests/data/files/mixed_breaks.ini");
    const BytesResult read = ReadAll(path);
    ASSERT_TRUE(read.ok) << ReasonText(read.error);
    const std::string_view bytes = read.bytes.view();
    EXPECT_EQ(QueryFileSize(path).size, bytes.size());
    EXPECT_FALSE(IsValidUtf8(bytes));  // holds GBK bytes
    EXPECT_EQ(FirstBreak(bytes), LineBreak::CRLF);

    const SplitText split = SplitIntoLines(bytes, LineBreak::CRLF);
    ASSERT_EQ(split.texts.size(), 7u);
    EXPECT_EQ(split.texts[1], "[PHP]");
    EXPECT_EQ(split.texts[3], "name=\xD6\xD0\xCE\xC4");
    EXPECT_EQ(split.texts[4], "odd=a\rb");
    EXPECT_EQ(split.texts[5], std::string_view("nul=\0\x01\xFF", 7));
    EXPECT_EQ(split.texts[6], "last=no break");
    EXPECT_EQ(split.breaks[2], LineBreak::LF);
    EXPECT_EQ(split.breaks[3], LineBreak::CRLF);
    EXPECT_FALSE(split.endsWithBreak);
}

}  // namespace
}  // namespace vq
