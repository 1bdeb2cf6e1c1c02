// Where a file cannot be replaced by a rename, it is written in place, but only once the
// whole new content is safely on disk elsewhere.
#include "core/files/SafeWrite.h"

#include "FileTestSupport.h"
#include "WriteOutcome.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <ostream>
#include <string>

#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {
namespace {

using namespace vq::test;

// A folder the saver cannot write, with the saver's own file in it, and a temporary folder
// the saver can write. The saving runs as an ordinary user: root may write anywhere.
class WriteInPlaceTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        ASSERT_EQ(::mkdir(temp.c_str(), 0700), 0);
        PutBytes(path, "old=1\n");
        HandOver(path);
        HandOver(temp);
        if (GetParam()) {
            ASSERT_EQ(::link(path.c_str(), (folder + "/php.ini.bak").c_str()), 0);
        }
        HandOver(folder);
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
        inode = StatOf(path).st_ino;
    }

    // Saves with the safe copy going to `tempFolder` when it cannot be made beside the file.
    std::string Save(const std::string& bytes, const std::string& tempFolder) {
        return RunUnprivileged([&] {
            ::setenv("TMPDIR", tempFolder.c_str(), 1);
            return Outcome(WriteFileSafely(path, bytes));
        });
    }

    TempFolder top;
    std::string folder = top.at("etc");
    std::string temp = top.at("tmp");
    std::string path = folder + "/php.ini";
    ino_t inode = 0;
};

TEST_P(WriteInPlaceTest, FolderThatCannotTakeATemporaryFile) {
    const std::string bytes = "new=2\r\nmore=3\r\n";
    EXPECT_EQ(Save(bytes, temp), "ok");
    EXPECT_EQ(GetBytes(path), bytes);
    EXPECT_EQ(StatOf(path).st_ino, inode);
    if (GetParam()) {
        EXPECT_EQ(GetBytes(folder + "/php.ini.bak"), bytes);
    }
    EXPECT_EQ(Snapshot(temp).size(), 0u) << "the safe copy was left behind";
    EXPECT_EQ(Snapshot(folder).size(), GetParam() ? 2u : 1u);
}

// Without a place for the safe copy, the file is not touched at all.
TEST_P(WriteInPlaceTest, NoPlaceForTheSafeCopy) {
    const auto before = Snapshot(top.path());
    EXPECT_NE(Save("new=2\n", top.at("missing")), "ok");
    EXPECT_EQ(Snapshot(top.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteInPlaceTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "hard_linked" : "single"; });

// ---- An in-place write that fails half way -----------------------------------------------

struct FaultCase {
    std::string name;
    bool folderWritable;  // else the safe copy goes to the temporary folder
    bool putBackFails;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class WriteInPlaceFaultTest : public ::testing::TestWithParam<FaultCase> {};

// The file has a second hard link, so it is written in place. The write stops half way; the
// old bytes go back, or, when that fails too, the safe copy stays and the result names it.
TEST_P(WriteInPlaceFaultTest, OldBytesBackOrTheSafeCopyKept) {
    const FaultCase& c = GetParam();
    TempFolder top;
    ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
    const std::string folder = top.at("etc");
    const std::string temp = top.at("tmp");
    const std::string path = folder + "/php.ini";
    const std::string old = "[PHP]\nengine=On\n";
    const std::string bytes = "[PHP]\r\nengine=Off\r\nshort_open_tag=Off\r\n";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(temp.c_str(), 0700), 0);
    PutBytes(path, old);
    ASSERT_EQ(::link(path.c_str(), (folder + "/php.ini.bak").c_str()), 0);
    for (const std::string& p : {folder, temp, path})
        HandOver(p);
    if (!c.folderWritable) {
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    }

    const std::string outcome = RunUnprivileged([&] {
        ::setenv("TMPDIR", temp.c_str(), 1);
        const WriteFault fault = [&](InPlaceStep step) {
            return step == InPlaceStep::Write || c.putBackFails ? EIO : 0;
        };
        return Outcome(WriteFileSafely(path, bytes, fault));
    });

    auto left = Snapshot(top.path());
    if (!c.putBackFails) {
        EXPECT_EQ(outcome, FailedWith(EIO));
        EXPECT_EQ(GetBytes(path), old);
        EXPECT_EQ(left.size(), 4u) << "a safe copy was left: " << ::testing::PrintToString(left);
        return;
    }
    const std::string keptIn = c.folderWritable ? folder : temp;
    const std::string prefix = FailedWith(EIO) + " kept " + keptIn + "/";
    ASSERT_EQ(outcome.rfind(prefix, 0), 0u) << outcome;
    const std::string kept = outcome.substr(outcome.find(" kept ") + 6);
    EXPECT_EQ(GetBytes(kept), bytes);
    EXPECT_EQ(left.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteInPlaceFaultTest,
                         ::testing::Values(FaultCase{"old_bytes_put_back", true, false},
                                           FaultCase{"old_bytes_put_back_read_only_folder", false, false},
                                           FaultCase{"safe_copy_kept_beside", true, true},
                                           FaultCase{"safe_copy_kept_in_temp_folder", false, true}),
                         [](const auto& info) { return info.param.name; });

// A new file needs the folder: there is nothing to write in place.
TEST(WriteNewFile, FolderThatCannotTakeIt) {
    TempFolder top;
    ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
    const std::string folder = top.at("etc");
    ASSERT_EQ(::mkdir(folder.c_str(), 0555), 0);
    const std::string outcome = RunUnprivileged([&] {
        ::setenv("TMPDIR", "/tmp", 1);
        return Outcome(WriteFileSafely(folder + "/new.ini", "a=1\n"));
    });
    EXPECT_NE(outcome, "ok");
    EXPECT_EQ(Snapshot(folder).size(), 0u);
}

// ---- A file-size limit -----------------------------------------------------------------

// With a limit on the size of files (ulimit -f), the kernel stops a process that writes past
// it with SIGXFSZ, which by default ends it. A save must fail with an error instead, and the
// old file and its folder must stay as they were.
class WriteUnderSizeLimitTest : public ::testing::TestWithParam<bool> {};

TEST_P(WriteUnderSizeLimitTest, FailsInsteadOfEndingTheProgram) {
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    PutBytes(path, "old=1\r\n");
    if (GetParam()) {
        ASSERT_EQ(::link(path.c_str(), folder.at("b.ini").c_str()), 0);
    }
    const auto before = Snapshot(folder.path());

    const std::string outcome = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);  // as in a program that never touched it
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return Outcome(WriteFileSafely(path, std::string(64 << 10, 'n')));
    });
    EXPECT_EQ(outcome, FailedWith(EFBIG));
    EXPECT_EQ(Snapshot(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteUnderSizeLimitTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "hard_linked" : "single"; });

}  // namespace
}  // namespace vq
