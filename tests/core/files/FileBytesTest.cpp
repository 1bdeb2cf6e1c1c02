// Reading a whole file into a buffer that is not zero-filled first.

#include "core/files/FileAccess.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace vq {
namespace {

namespace fs = std::filesystem;

class Folder {
public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "vq-bytes-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string at(const std::string& name) const { return m_path + "/" + name; }
    std::string put(const std::string& name, const std::string& bytes) const {
        std::ofstream(at(name), std::ios::binary) << bytes;
        return at(name);
    }

private:
    std::string m_path;
};

class ReadBytes : public ::testing::TestWithParam<size_t> {};

TEST_P(ReadBytes, GivesTheFileExactly) {
    Folder folder;
    std::string bytes;
    for (size_t i = 0; i < GetParam(); ++i)
        bytes += static_cast<char>(i * 7 + i / 256);
    const BytesResult read = ReadFileBytes(folder.put("f.ini", bytes), 1 << 30);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes.view(), bytes);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReadBytes, ::testing::Values(0, 1, 4095, 4096, 100000, 3 << 20));

TEST(ReadBytesRefused, MissingFolderAndTooLarge) {
    Folder folder;
    EXPECT_EQ(ReadFileBytes(folder.at("none.ini"), 100).error, FileError::System(ENOENT));
    EXPECT_EQ(ReadFileBytes(folder.at(""), 100).error, FileError{FileProblem::Folder});
    const std::string path = folder.put("big.ini", std::string(101, 'x'));
    const BytesResult big = ReadFileBytes(path, 100);
    EXPECT_FALSE(big.ok);
    EXPECT_EQ(big.error, FileError::System(EFBIG));
    EXPECT_TRUE(ReadFileBytes(path, 101).ok);
}

// A file of more than 4 GB is refused before anything is read (a sparse file: no disk used).
TEST(ReadBytesRefused, FourGigabytesAndOneByte) {
    Folder folder;
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
    Folder folder;
    const std::atomic<bool> cancel{true};
    const BytesResult read = ReadFileBytes(folder.put("f.ini", "a=1\n"), 100, &cancel);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.cancelled);
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_EQ(read.error, FileError{});
}

}  // namespace
}  // namespace vq
