// A saved file keeps who owns it, its group, its mode, its access list and its extended
// attributes, whoever saves it. Cases with a second user run only as root, which can give
// files away and then save as another user in a child process.
#include "core/files/SafeWrite.h"

#include "FileTestSupport.h"
#include "WriteOutcome.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace vq {
namespace {

using namespace vq::test;

constexpr uid_t kOtherUser = 4321;
constexpr gid_t kSharedGroup = 4322;

// ---- Owner, group and mode -------------------------------------------------------------

struct OwnerCase {
    std::string name;
    uid_t owner;
    gid_t group;
    mode_t mode;
    uid_t folderOwner;
    mode_t folderMode;
    Identity saver;
    bool replaced;  // true: renamed over the file; false: written into the same inode
};

void PrintTo(const OwnerCase& c, std::ostream* os) { *os << c.name; }

class WriteKeepsOwnerTest : public ::testing::TestWithParam<OwnerCase> {};

TEST_P(WriteKeepsOwnerTest, OwnerGroupAndModeStay) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can set up files of two users";
    const OwnerCase& c = GetParam();
    TempFolder top;
    ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
    const std::string folder = top.at("etc");
    const std::string path = folder + "/php.ini";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    PutBytes(path, "old=1\n");
    ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    ASSERT_EQ(::chown(folder.c_str(), c.folderOwner, c.folderOwner), 0);
    ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);
    const ino_t inode = StatOf(path).st_ino;

    EXPECT_EQ(RunAs(c.saver, [&] { return Outcome(WriteFileSafely(path, "new=2\r\n")); }), "ok");

    EXPECT_EQ(GetBytes(path), "new=2\r\n");
    const struct stat after = StatOf(path);
    EXPECT_EQ(after.st_uid, c.owner);
    EXPECT_EQ(after.st_gid, c.group);
    EXPECT_EQ(after.st_mode & 07777, c.mode);
    EXPECT_EQ(after.st_ino != inode, c.replaced);
    EXPECT_EQ(Snapshot(folder).size(), 1u) << "a temporary file was left";
}

const Identity kRoot{0, 0, {}};
const Identity kNobodyInSharedGroup{kNobody, kNogroup, {kSharedGroup}};
const Identity kNobodyAlone{kNobody, kNogroup, {}};

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteKeepsOwnerTest,
    ::testing::Values(
        // The team's file: the saver may write it through the group but cannot give a new
        // file to its owner, so it is written in place.
        OwnerCase{"group_shared_file_of_another_user", kOtherUser, kSharedGroup, 0664, kNobody, 0755,
                  kNobodyInSharedGroup, false},
        OwnerCase{"own_file_in_a_group_of_the_saver", kNobody, kSharedGroup, 0640, kNobody, 0755, kNobodyInSharedGroup,
                  true},
        OwnerCase{"own_file_in_a_group_the_saver_is_not_in", kNobody, kSharedGroup, 0660, kNobody, 0755, kNobodyAlone,
                  false},
        // Like /tmp: anyone may create files, only owners may rename over theirs.
        OwnerCase{"sticky_folder_file_of_another_user", kOtherUser, kOtherUser, 0666, 0, 01777, kNobodyAlone, false},
        OwnerCase{"root_saves_another_users_file", kOtherUser, kSharedGroup, 0640, 0, 0755, kRoot, true},
        OwnerCase{"root_keeps_set_user_id", kOtherUser, kSharedGroup, 04755, 0, 0755, kRoot, true},
        OwnerCase{"root_keeps_set_group_id_and_sticky", kOtherUser, kSharedGroup, 03775, 0, 0755, kRoot, true}),
    [](const auto& info) { return info.param.name; });

// The owner cannot be given, the group can: a safe copy that has to stay behind keeps the
// file's group and mode, so that the team can still reach the new content.
TEST(WriteKeepsGroup, KeptCopyOfATeamFileHasTheTeamsGroup) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can set up files of two users";
    TempFolder top;
    ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
    const std::string folder = top.at("etc");
    const std::string path = folder + "/php.ini";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chown(folder.c_str(), kNobody, kNogroup), 0);
    PutBytes(path, "old=1\n");
    ASSERT_EQ(::chown(path.c_str(), kOtherUser, kSharedGroup), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);

    const std::string outcome = RunAs(kNobodyInSharedGroup, [&] {
        const WriteFault fault = [](InPlaceStep) { return EIO; };  // the write and the put-back fail
        return Outcome(WriteFileSafely(path, "new=2\n", fault));
    });
    const std::string prefix = FailedWith(EIO) + " kept " + folder + "/";
    ASSERT_EQ(outcome.rfind(prefix, 0), 0u) << outcome;
    const std::string kept = outcome.substr(outcome.find(" kept ") + 6);
    EXPECT_EQ(GetBytes(kept), "new=2\n");
    EXPECT_EQ(StatOf(kept).st_uid, kNobody);
    EXPECT_EQ(StatOf(kept).st_gid, kSharedGroup);
    EXPECT_EQ(StatOf(kept).st_mode & 07777, 0664u);
}

// ---- Access lists and extended attributes ----------------------------------------------

// Saved by root and by the file's owner as an ordinary user.
class WriteKeepsAttributesTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        asRoot = GetParam();
        if (asRoot && ::geteuid() != 0)
            GTEST_SKIP() << "needs root";
        ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        PutBytes(path, "old=1\n");
        if (!asRoot) {
            HandOver(folder);
            HandOver(path);
        }
    }

    std::string Save(const std::string& bytes) {
        const auto work = [&] { return Outcome(WriteFileSafely(path, bytes)); };
        return asRoot ? work() : RunUnprivileged(work);
    }

    bool asRoot = false;
    TempFolder top;
    std::string folder = top.at("etc");
    std::string path = folder + "/php.ini";
};

std::string Acl(const std::string& path) {
    return CommandOutput("getfacl --omit-header --numeric --absolute-names '" + path + "'");
}

std::string Xattr(const std::string& path, const std::string& name) {
    std::string value(256, '\0');
    const ssize_t n = ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
    return n < 0 ? "<none>" : value.substr(0, static_cast<std::size_t>(n));
}

TEST_P(WriteKeepsAttributesTest, AccessListStaysAsItWas) {
    if (!HaveCommand("setfacl"))
        GTEST_SKIP() << "setfacl is not installed (package acl)";
    ASSERT_EQ(::system(("setfacl -m u:4321:rw,g:4322:r,m:rw '" + path + "'").c_str()), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);  // narrows the mask to r
    const std::string before = Acl(path);
    ASSERT_NE(before.find("user:4321:rw"), std::string::npos) << before;

    EXPECT_EQ(Save("new=2\n"), "ok");
    EXPECT_EQ(GetBytes(path), "new=2\n");
    EXPECT_EQ(Acl(path), before);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u);
    EXPECT_EQ(Snapshot(folder).size(), 1u);
}

// A folder's default access list is for new files: saving an older file must not bring it in.
TEST_P(WriteKeepsAttributesTest, FolderDefaultListDoesNotReachAnOldFile) {
    if (!HaveCommand("setfacl"))
        GTEST_SKIP() << "setfacl is not installed (package acl)";
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_EQ(::system(("setfacl -d -m u:4321:rwx,g::rwx,o::rwx '" + folder + "'").c_str()), 0);
    const std::string before = Acl(path);

    EXPECT_EQ(Save("new=2\n"), "ok");
    EXPECT_EQ(Acl(path), before);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0600u);
}

TEST_P(WriteKeepsAttributesTest, ExtendedAttributesStay) {
    const std::string binary("tag\0\xFF\x01", 6);
    if (::setxattr(path.c_str(), "user.origin", binary.data(), binary.size(), 0) != 0)
        GTEST_SKIP() << "this file system has no user attributes";
    ASSERT_EQ(::setxattr(path.c_str(), "user.note", "kept", 4, 0), 0);

    EXPECT_EQ(Save("new=2\n"), "ok");
    EXPECT_EQ(GetBytes(path), "new=2\n");
    EXPECT_EQ(Xattr(path, "user.origin"), binary);
    EXPECT_EQ(Xattr(path, "user.note"), "kept");
}

INSTANTIATE_TEST_SUITE_P(Savers, WriteKeepsAttributesTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "root" : "owner"; });

}  // namespace
}  // namespace vq
