#include "core/files/SafeWrite.h"

#include "FileTestSupport.h"
#include "WriteOutcome.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {
namespace {

namespace fs = std::filesystem;
using namespace vq::test;

FileError System(int err) { return FileError::System(err); }

// ---- Writing and reading back ----------------------------------------------------------

struct RoundTripCase {
    std::string name;
    std::optional<std::string> old;  // nullopt: the file does not exist yet
    std::string bytes;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class WriteRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(WriteRoundTripTest, FileHoldsExactlyTheNewBytes) {
    const RoundTripCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    if (c.old)
        PutBytes(path, *c.old);

    const WriteResult result = WriteFileSafely(path, c.bytes);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.error, FileError{});
    EXPECT_EQ(GetBytes(path), c.bytes);
    EXPECT_EQ(Snapshot(folder.path()).size(), 1u);
}

std::string AllByteValues() {
    std::string bytes;
    for (int i = 255; i >= 0; --i)
        bytes += static_cast<char>(i);
    return bytes;
}

std::vector<RoundTripCase> RoundTripCases() {
    return {{"new_empty", std::nullopt, ""},
            {"new_text", std::nullopt, "[PHP]\r\nengine=On"},
            {"replace_with_longer", "a=1\n", "a=1\nb=2\nc=3\n"},
            {"replace_with_shorter", "a=1\nb=2\nc=3\n", "a=1\n"},
            {"replace_with_empty", "a=1\n", ""},
            {"every_byte_value", "x", AllByteValues()},
            {"two_megabytes", "x", std::string(2 << 20, 'z')}};
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteRoundTripTest, ::testing::ValuesIn(RoundTripCases()),
                         [](const auto& info) { return info.param.name; });

class WriteReplacesTest : public ::testing::TestWithParam<RoundTripCase> {};

// The old file is replaced, not written into: a reader that had it open still sees the
// old content complete.
TEST_P(WriteReplacesTest, OldFileIsReplacedNotOverwritten) {
    const RoundTripCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    PutBytes(path, *c.old);
    std::ifstream oldReader(path, std::ios::binary);

    ASSERT_TRUE(WriteFileSafely(path, c.bytes).ok);
    std::ostringstream seen;
    seen << oldReader.rdbuf();
    EXPECT_EQ(seen.str(), *c.old);
}

std::vector<RoundTripCase> ReplacingCases() {
    std::vector<RoundTripCase> cases;
    for (const RoundTripCase& c : RoundTripCases()) {
        if (c.old)
            cases.push_back(c);
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteReplacesTest, ::testing::ValuesIn(ReplacingCases()),
                         [](const auto& info) { return info.param.name; });

// ---- Mode and owner --------------------------------------------------------------------

class KeepsModeTest : public ::testing::TestWithParam<mode_t> {};

TEST_P(KeepsModeTest, ReplacementHasTheOldMode) {
    TempFolder folder;
    const std::string path = folder.at("httpd.conf");
    PutBytes(path, "old\n");
    ASSERT_EQ(::chmod(path.c_str(), GetParam()), 0);

    ASSERT_TRUE(WriteFileSafely(path, "new\n").ok);
    EXPECT_EQ(StatOf(path).st_mode & 07777, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Modes, KeepsModeTest, ::testing::Values(0640, 0600, 0604, 0664, 0755));

// The umask is the process's; each case puts the old one back.
class NewFileModeTest : public ::testing::TestWithParam<mode_t> {};

TEST_P(NewFileModeTest, NewFileGetsTheUsualModeUnderTheUmask) {
    TempFolder folder;
    const std::string path = folder.at("new.ini");
    const mode_t oldMask = ::umask(GetParam());
    const WriteResult result = WriteFileSafely(path, "a=1\n");
    ::umask(oldMask);

    ASSERT_TRUE(result.ok) << test::Outcome(result);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0666 & ~GetParam());
}

INSTANTIATE_TEST_SUITE_P(Umasks, NewFileModeTest, ::testing::Values(022, 077, 002, 027));

TEST(WriteKeepsOwner, ReplacementHasTheOldOwnerAndGroup) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another owner";
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    PutBytes(path, "old\n");
    ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);

    ASSERT_TRUE(WriteFileSafely(path, "new\n").ok);
    EXPECT_EQ(StatOf(path).st_uid, 4321u);
    EXPECT_EQ(StatOf(path).st_gid, 4322u);
}

// ---- Symbolic links --------------------------------------------------------------------

struct LinkCase {
    std::string name;
    std::vector<std::pair<std::string, std::string>> links;  // link name -> what it points to
    std::string writeTo;                                     // the name the write is given
    std::string real;                                        // where the bytes must land
    bool realExists;
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class WriteThroughLinkTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(WriteThroughLinkTest, LinksStayLinksAndTheTargetGetsTheBytes) {
    const LinkCase& c = GetParam();
    TempFolder folder;
    fs::create_directory(folder.at("sub"));
    if (c.realExists)
        PutBytes(folder.at(c.real), "old\n");
    for (const auto& [link, to] : c.links) {
        const std::string resolved = to.front() == '/' ? folder.path() + to : to;
        ASSERT_EQ(::symlink(resolved.c_str(), folder.at(link).c_str()), 0) << link;
    }
    auto expected = Snapshot(folder.path());

    const WriteResult result = WriteFileSafely(folder.at(c.writeTo), "new\r\n");
    ASSERT_TRUE(result.ok) << test::Outcome(result);
    expected[c.real] = "new\r\n";
    EXPECT_EQ(Snapshot(folder.path()), expected);
}

// A target starting with "/" is made absolute inside the test's folder.
INSTANTIATE_TEST_SUITE_P(
    Cases, WriteThroughLinkTest,
    ::testing::Values(
        LinkCase{"relative", {{"link.ini", "real.ini"}}, "link.ini", "real.ini", true},
        LinkCase{"absolute", {{"link.ini", "/real.ini"}}, "link.ini", "real.ini", true},
        LinkCase{"chain", {{"a.ini", "b.ini"}, {"b.ini", "sub/real.ini"}}, "a.ini", "sub/real.ini", true},
        LinkCase{"relative_to_the_links_folder", {{"sub/link.ini", "../real.ini"}}, "sub/link.ini", "real.ini", true},
        LinkCase{"dangling", {{"link.ini", "sub/real.ini"}}, "link.ini", "sub/real.ini", false}),
    [](const auto& info) { return info.param.name; });

// ---- Hard links ------------------------------------------------------------------------

struct HardLinkCase {
    std::string name;
    std::string old;
    std::string bytes;
};

void PrintTo(const HardLinkCase& c, std::ostream* os) { *os << c.name; }

class WriteHardLinkedTest : public ::testing::TestWithParam<HardLinkCase> {};

TEST_P(WriteHardLinkedTest, BothNamesSeeTheNewContent) {
    const HardLinkCase& c = GetParam();
    TempFolder folder;
    PutBytes(folder.at("a.ini"), c.old);
    ASSERT_EQ(::link(folder.at("a.ini").c_str(), folder.at("b.ini").c_str()), 0);
    const ino_t inode = StatOf(folder.at("a.ini")).st_ino;

    const WriteResult result = WriteFileSafely(folder.at("a.ini"), c.bytes);
    ASSERT_TRUE(result.ok) << test::Outcome(result);
    const std::map<std::string, std::string> expected{{"a.ini", c.bytes}, {"b.ini", c.bytes}};
    EXPECT_EQ(Snapshot(folder.path()), expected);
    EXPECT_EQ(StatOf(folder.at("a.ini")).st_ino, inode);
    EXPECT_EQ(StatOf(folder.at("b.ini")).st_nlink, 2u);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteHardLinkedTest,
                         ::testing::Values(HardLinkCase{"longer", "a=1\n", "a=1\nb=2\n"},
                                           HardLinkCase{"shorter", "a=1\nb=2\n", "a=2\n"},
                                           HardLinkCase{"same_length", "a=1\n", "a=2\n"},
                                           HardLinkCase{"to_empty", "a=1\n", ""},
                                           HardLinkCase{"from_empty", "", "a=1\n"}),
                         [](const auto& info) { return info.param.name; });

// ---- Failures: the folder must look exactly as before ----------------------------------

struct WriteFailureCase {
    std::string name;
    std::function<std::string(const TempFolder&)> makePath;  // sets up the folder, gives the path
    FileError error;
};

void PrintTo(const WriteFailureCase& c, std::ostream* os) { *os << c.name; }

class WriteFailureTest : public ::testing::TestWithParam<WriteFailureCase> {};

TEST_P(WriteFailureTest, FailsWithTheReasonAndChangesNothing) {
    TempFolder folder;
    PutBytes(folder.at("other.ini"), "keep\n");
    const std::string path = GetParam().makePath(folder);
    const auto before = Snapshot(folder.path());

    const WriteResult result = WriteFileSafely(path, "new\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_EQ(Snapshot(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteFailureTest,
    ::testing::Values(WriteFailureCase{"missing_folder", [](const TempFolder& f) { return f.at("nowhere/php.ini"); },
                                       System(ENOENT)},
                      WriteFailureCase{"parent_is_a_file",
                                       [](const TempFolder& f) {
                                           PutBytes(f.at("plain.txt"), "x");
                                           return f.at("plain.txt/php.ini");
                                       },
                                       System(ENOTDIR)},
                      WriteFailureCase{"target_is_a_folder",
                                       [](const TempFolder& f) {
                                           fs::create_directory(f.at("conf.d"));
                                           PutBytes(f.at("conf.d/a.conf"), "a\n");
                                           return f.at("conf.d");
                                       },
                                       FileError{FileProblem::Folder}},
                      WriteFailureCase{"link_to_a_folder",
                                       [](const TempFolder& f) {
                                           fs::create_directory(f.at("conf.d"));
                                           fs::create_directory_symlink("conf.d", f.at("link"));
                                           return f.at("link");
                                       },
                                       FileError{FileProblem::Folder}},
                      WriteFailureCase{"target_is_a_fifo",
                                       [](const TempFolder& f) {
                                           ::mkfifo(f.at("pipe").c_str(), 0600);
                                           return f.at("pipe");
                                       },
                                       FileError{FileProblem::NotRegular}},
                      WriteFailureCase{"link_loop",
                                       [](const TempFolder& f) {
                                           fs::create_symlink("b.ini", f.at("a.ini"));
                                           fs::create_symlink("a.ini", f.at("b.ini"));
                                           return f.at("a.ini");
                                       },
                                       System(ELOOP)},
                      WriteFailureCase{"empty_path", [](const TempFolder&) { return std::string(); }, System(ENOENT)}),
    [](const auto& info) { return info.param.name; });

// An existing file in a folder the saver cannot write is written in place (WriteInPlaceTest);
// a read-only file is refused, by a rename as well.
TEST(WriteReadOnly, FileThatMayNotBeWritten) {
    TempFolder folder;
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    HandOver(folder.path());
    const std::string path = folder.at("php.ini");
    PutBytes(path, "old\n");
    HandOver(path);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const auto before = Snapshot(folder.path());

    EXPECT_EQ(RunUnprivileged([&] { return Outcome(WriteFileSafely(path, "new\n")); }), FailedWith(EACCES));
    EXPECT_EQ(Snapshot(folder.path()), before);
}

// A file size limit makes writes fail part way, even for root: the first write is cut
// short, the next one fails. The old file must survive whole.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }

private:
    rlimit m_old{};
    void (*m_oldSignal)(int) = nullptr;
};

class WriteTooLargeTest : public ::testing::TestWithParam<bool> {};

TEST_P(WriteTooLargeTest, OldFileStaysWhole) {
    const bool hardLinked = GetParam();
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    PutBytes(path, "old=1\r\n");
    if (hardLinked) {
        ASSERT_EQ(::link(path.c_str(), folder.at("b.ini").c_str()), 0);
    }
    const auto before = Snapshot(folder.path());

    WriteResult result;
    {
        const FileSizeLimit limit(100);
        result = WriteFileSafely(path, std::string(64 << 10, 'n'));
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, System(EFBIG));
    EXPECT_EQ(Snapshot(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteTooLargeTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "hard_linked" : "single"; });

}  // namespace
}  // namespace vq
