// Another program changes a file the program has read: the check tells a change of the bytes from
// a change of the times alone, and a save does not write over the other program's bytes unless
// it is told to.
#include "core/files/ContentHash.h"
#include "core/files/DiskCheck.h"
#include "core/files/FileAccess.h"
#include "core/files/SafeWrite.h"

#include "FileTestSupport.h"
#include "WriteOutcome.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {
namespace {

using namespace vq::test;

const std::string kOld = "[PHP]\nengine=On\n";
const std::string kTheirs = "[PHP]\nengine=No\n";  // the same size
const std::string kMine = "[PHP]\nengine=Off\nshort_open_tag=Off\n";

// What a load knows of the file: ReadFileBytes's status and links, the hash of what it read.
KnownFile Loaded(const std::string& path) {
    BytesResult read = ReadFileBytes(path, 1 << 20);
    EXPECT_TRUE(read.ok);
    KnownFile known = read.file;
    known.hash = HashBytes(read.bytes.view());
    return known;
}

// As a program that keeps the times it found (touch -d "its old time"): the modification time
// goes back; the change time is the kernel's and moves on.
void PutTimesBack(const std::string& path, const struct stat& before) {
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

struct ChangeCase {
    std::string name;
    std::function<void(const TempFolder&, const std::string&)> change;  // what the other program does
    DiskState state;
    std::string onDisk;  // what the file holds after it
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class DiskChangeTest : public ::testing::TestWithParam<ChangeCase> {
protected:
    void SetUp() override {
        PutBytes(path, kOld);
        known = Loaded(path);
        GetParam().change(folder, path);
    }
    TempFolder folder;
    std::string path = folder.at("php.ini");
    KnownFile known;
};

TEST_P(DiskChangeTest, CheckTellsWhatHappened) {
    KnownFile checked = known;
    EXPECT_EQ(CheckKnownFile(path, checked), GetParam().state);
    if (GetParam().state == DiskState::Same) {
        // The new times are taken, so the next check is a stat again.
        EXPECT_EQ(checked.stamp, StampOf(StatOf(path)));
        EXPECT_EQ(checked.hash, known.hash);
    }
}

// Save does not write over a change; the other program's bytes stay until the user says to write
// over them. A file that is gone is written anew where it was.
TEST_P(DiskChangeTest, SaveWritesOnlyOverTheSameBytes) {
    const WriteResult result = SaveKnownFile(path, kMine, known, SaveCheck::IfUnchanged);
    if (GetParam().state == DiskState::Changed) {
        EXPECT_EQ(result.error, (FileError{FileProblem::ChangedOnDisk, 0, path}));
        EXPECT_EQ(GetBytes(path), GetParam().onDisk);
        EXPECT_EQ(Snapshot(folder.path()).size(), 1u);
        const WriteResult forced = SaveKnownFile(path, kMine, known, SaveCheck::Overwrite);
        EXPECT_TRUE(forced.ok) << Outcome(forced);
    } else {
        EXPECT_TRUE(result.ok) << Outcome(result);
    }
    EXPECT_EQ(GetBytes(path), kMine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiskChangeTest,
    ::testing::Values(
        ChangeCase{"untouched", [](const TempFolder&, const std::string&) {}, DiskState::Same, kOld},
        ChangeCase{"touched",
                   [](const TempFolder&, const std::string& path) {
                       ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), nullptr, 0), 0);
                   },
                   DiskState::Same, kOld},
        ChangeCase{"same_size", [](const TempFolder&, const std::string& path) { PutBytes(path, kTheirs); },
                   DiskState::Changed, kTheirs},
        ChangeCase{"same_size_mtime_put_back",
                   [](const TempFolder&, const std::string& path) {
                       const struct stat before = StatOf(path);
                       PutBytes(path, kTheirs);
                       PutTimesBack(path, before);
                   },
                   DiskState::Changed, kTheirs},
        ChangeCase{"other_size", [](const TempFolder&, const std::string& path) { PutBytes(path, kOld + "x=1\n"); },
                   DiskState::Changed, kOld + "x=1\n"},
        ChangeCase{"replaced_by_rename",
                   [](const TempFolder& f, const std::string& path) {
                       PutBytes(f.at("new"), kTheirs);
                       ASSERT_EQ(std::rename(f.at("new").c_str(), path.c_str()), 0);
                   },
                   DiskState::Changed, kTheirs},
        ChangeCase{"same_bytes_put_in_its_place",
                   [](const TempFolder& f, const std::string& path) {
                       PutBytes(f.at("copy"), kOld);
                       ASSERT_EQ(std::rename(f.at("copy").c_str(), path.c_str()), 0);
                   },
                   DiskState::Same, kOld},
        ChangeCase{"deleted", [](const TempFolder&, const std::string& path) { ASSERT_EQ(::unlink(path.c_str()), 0); },
                   DiskState::Missing, ""},
        ChangeCase{"moved_away",
                   [](const TempFolder& f, const std::string& path) {
                       ASSERT_EQ(std::rename(path.c_str(), f.at("php.ini.old").c_str()), 0);
                   },
                   DiskState::Missing, ""}),
    [](const auto& info) { return info.param.name; });

// The moved-away case kept the old file under another name: Save writes only the path.
TEST(DiskChange, MovedAwayFileIsLeftWhereItWent) {
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    PutBytes(path, kOld);
    const KnownFile known = Loaded(path);
    ASSERT_EQ(std::rename(path.c_str(), folder.at("php.ini.old").c_str()), 0);

    ASSERT_TRUE(SaveKnownFile(path, kMine, known, SaveCheck::IfUnchanged).ok);
    EXPECT_EQ(GetBytes(path), kMine);
    EXPECT_EQ(GetBytes(folder.at("php.ini.old")), kOld);
}

// File times are coarse: a change within the same tick keeps every time and the size. While the
// times are that close to when they were taken, the bytes decide; later the status alone does.
TEST(DiskChange, RecentTimesAreConfirmedByTheBytes) {
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    PutBytes(path, kOld);
    KnownFile stale = Loaded(path);
    stale.hash = HashBytes(kTheirs);  // as if the bytes changed without a trace in the status

    KnownFile recent = stale;
    recent.recordedNs = std::max(recent.stamp.modifiedNs, recent.stamp.changedNs);
    ASSERT_TRUE(recent.racy());
    EXPECT_EQ(CheckKnownFile(path, recent), DiskState::Changed);
    EXPECT_FALSE(SaveKnownFile(path, kMine, recent, SaveCheck::IfUnchanged).ok);

    KnownFile old = stale;
    old.recordedNs = old.trustedFromNs();
    ASSERT_FALSE(old.racy());
    EXPECT_EQ(CheckKnownFile(path, old), DiskState::Same);
}

// What a save reports is what the next save checks against: its own bytes are no change.
TEST(DiskChange, OwnSaveIsNoChange) {
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    PutBytes(path, kOld);
    const KnownFile loaded = Loaded(path);

    const WriteResult first = SaveKnownFile(path, kMine, loaded, SaveCheck::IfUnchanged);
    ASSERT_TRUE(first.ok) << Outcome(first);
    KnownFile written = first.written;
    EXPECT_EQ(written.stamp, StampOf(StatOf(path)));
    EXPECT_EQ(written.hash, HashBytes(kMine));
    EXPECT_EQ(CheckKnownFile(path, written), DiskState::Same);
    // What the load knew is not what is there now.
    EXPECT_FALSE(SaveKnownFile(path, kOld, loaded, SaveCheck::IfUnchanged).ok);
    const WriteResult second = SaveKnownFile(path, kOld, first.written, SaveCheck::IfUnchanged);
    EXPECT_TRUE(second.ok) << Outcome(second);
    EXPECT_EQ(GetBytes(path), kOld);
}

// A file written in place (it has a second name) is checked and written the same way.
TEST(DiskChange, HardLinkedFileWrittenInPlace) {
    TempFolder folder;
    const std::string path = folder.at("php.ini");
    PutBytes(path, kOld);
    ASSERT_EQ(::link(path.c_str(), folder.at("php.ini.bak").c_str()), 0);
    const KnownFile loaded = Loaded(path);
    PutBytes(folder.at("php.ini.bak"), kTheirs);

    EXPECT_EQ(SaveKnownFile(path, kMine, loaded, SaveCheck::IfUnchanged).error.problem, FileProblem::ChangedOnDisk);
    EXPECT_EQ(GetBytes(path), kTheirs);
    const WriteResult forced = SaveKnownFile(path, kMine, loaded, SaveCheck::Overwrite);
    ASSERT_TRUE(forced.ok) << Outcome(forced);
    EXPECT_EQ(GetBytes(folder.at("php.ini.bak")), kMine);
    KnownFile written = forced.written;
    EXPECT_EQ(CheckKnownFile(path, written), DiskState::Same);
}

}  // namespace
}  // namespace vq
