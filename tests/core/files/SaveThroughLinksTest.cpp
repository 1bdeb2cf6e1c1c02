// A save goes only where the path led when the file was read: a link that was not there, a link
// that points elsewhere now, and another user's link in a sticky shared folder are refused, and
// nothing is written anywhere.
#include "core/files/ContentHash.h"
#include "core/files/FileAccess.h"
#include "core/files/FileErrorText.h"
#include "core/files/SafeWrite.h"

#include "FileTestSupport.h"
#include "WriteOutcome.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace vq {
namespace {

using namespace vq::test;

const std::string kOld = "[PHP]\nengine=On\n";
const std::string kMine = "[PHP]\nengine=Off\n";

KnownFile Loaded(const std::string& path) {
    BytesResult read = ReadFileBytes(path, 1 << 20);
    EXPECT_TRUE(read.ok) << ReasonText(read.error);
    KnownFile known = read.file;
    known.hash = HashBytes(read.bytes.view());
    return known;
}

std::string LinkTo(const std::string& target, const std::string& at) {
    ::unlink(at.c_str());
    return ::symlink(target.c_str(), at.c_str()) == 0 ? std::string() : "symlink failed";
}

struct LinkChangeCase {
    std::string name;
    std::string open;                               // the path read and saved
    std::function<void(const TempFolder&)> change;  // what happens on disk between
    FileProblem refused;                            // None: the save goes through
    std::string namedLink;                          // the link the refusal names
    std::string written;                            // where the bytes land when saved
};

void PrintTo(const LinkChangeCase& c, std::ostream* os) { *os << c.name; }

class SaveThroughLinksTest : public ::testing::TestWithParam<std::tuple<LinkChangeCase, SaveCheck>> {};

TEST_P(SaveThroughLinksTest, OnlyTheLinksOfTheReadAreFollowed) {
    const auto& [c, check] = GetParam();
    TempFolder folder;
    ASSERT_EQ(::mkdir(folder.at("etc").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(folder.at("other").c_str(), 0755), 0);
    PutBytes(folder.at("etc/php.ini"), kOld);
    PutBytes(folder.at("other/php.ini"), "other\n");
    PutBytes(folder.at("secret.ini"), "secret\n");
    ASSERT_EQ(::symlink("etc/php.ini", folder.at("link.ini").c_str()), 0);
    const std::string path = folder.at(c.open);
    const KnownFile known = Loaded(path);
    c.change(folder);
    auto expected = Snapshot(folder.path());

    const WriteResult result = SaveKnownFile(path, kMine, known, check);
    if (c.refused != FileProblem::None) {
        EXPECT_EQ(result.error, (FileError{c.refused, 0, folder.at(c.namedLink)}));
        EXPECT_NE(SaveErrorMessage(path, result).find(folder.at(c.namedLink)), std::string::npos);
    } else {
        ASSERT_TRUE(result.ok) << Outcome(result);
        expected[c.written] = kMine;
    }
    EXPECT_EQ(Snapshot(folder.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveThroughLinksTest,
                         ::testing::Combine(
                             ::testing::Values(LinkChangeCase{"link_kept", "link.ini", [](const TempFolder&) {},
                                                              FileProblem::None, "", "etc/php.ini"},
                                               LinkChangeCase{
                                                   "link_kept_file_deleted", "link.ini",
                                                   [](const TempFolder& f) { ::unlink(f.at("etc/php.ini").c_str()); },
                                                   FileProblem::None, "", "etc/php.ini"},
                                               LinkChangeCase{"file_replaced_by_a_link", "etc/php.ini",
                                                              [](const TempFolder& f) {
                                                                  LinkTo(f.at("secret.ini"), f.at("etc/php.ini"));
                                                              },
                                                              FileProblem::LinkAdded, "etc/php.ini", ""},
                                               LinkChangeCase{"file_replaced_by_a_dangling_link", "etc/php.ini",
                                                              [](const TempFolder& f) {
                                                                  LinkTo(f.at("made-by-the-save.ini"),
                                                                         f.at("etc/php.ini"));
                                                              },
                                                              FileProblem::LinkAdded, "etc/php.ini", ""},
                                               LinkChangeCase{
                                                   "link_points_elsewhere", "link.ini",
                                                   [](const TempFolder& f) { LinkTo("secret.ini", f.at("link.ini")); },
                                                   FileProblem::LinkChanged, "link.ini", ""},
                                               LinkChangeCase{"folder_replaced_by_a_link", "etc/php.ini",
                                                              [](const TempFolder& f) {
                                                                  std::rename(f.at("etc").c_str(),
                                                                              f.at("etc.old").c_str());
                                                                  LinkTo("other", f.at("etc"));
                                                              },
                                                              FileProblem::LinkAdded, "etc", ""}),
                             ::testing::Values(SaveCheck::IfUnchanged, SaveCheck::Overwrite)),
                         [](const auto& info) {
                             return std::get<0>(info.param).name +
                                    (std::get<1>(info.param) == SaveCheck::Overwrite ? "_overwrite" : "_if_unchanged");
                         });

TEST(ReadThroughLinks, TheLinksOnTheWayAreKnown) {
    TempFolder folder;
    ASSERT_EQ(::mkdir(folder.at("etc").c_str(), 0755), 0);
    PutBytes(folder.at("etc/php.ini"), kOld);
    ASSERT_EQ(::symlink("etc", folder.at("conf").c_str()), 0);
    ASSERT_EQ(::symlink(folder.at("conf/php.ini").c_str(), folder.at("link.ini").c_str()), 0);

    const KnownFile known = Loaded(folder.at("link.ini"));
    const std::vector<PathLink> expected{{folder.at("link.ini"), folder.at("conf/php.ini")},
                                         {folder.at("conf"), "etc"}};
    EXPECT_EQ(known.links, expected);
    EXPECT_EQ(known.stamp, StampOf(StatOf(folder.at("etc/php.ini"))));
}

// ---- Another user's link in a sticky folder anyone may write to (like /tmp) ---------------

// Root has opened a file of nobody's in a shared sticky folder. Nobody swaps it for a link to a
// file of root's (or to a place where root would make a new file). Root's Save must refuse, and
// so must a Save As to that path, and the file of root's stays as it was.
class StickyFolderSwapTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root, which then swaps the file as nobody";
        ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
        ASSERT_EQ(::mkdir(shared.c_str(), 0755), 0);
        ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
        PutBytes(secret, "root only\n");
        ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
        PutBytes(path, kOld);
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNogroup), 0);
        ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
        known = Loaded(path);
        const std::string target = GetParam() ? secret : top.at("made-by-root.ini");
        ASSERT_EQ(RunAs({kNobody, kNogroup, {}}, [&] { return LinkTo(target, path); }), "");
        struct stat link {};
        ASSERT_EQ(::lstat(path.c_str(), &link), 0);
        ASSERT_TRUE(S_ISLNK(link.st_mode) && link.st_uid == kNobody);
        before = Snapshot(top.path());
    }
    TempFolder top;
    std::string shared = top.at("tmp");
    std::string secret = top.at("shadow");
    std::string path = shared + "/php.ini";
    KnownFile known;
    std::map<std::string, std::string> before;
};

TEST_P(StickyFolderSwapTest, RootsSaveRefusesTheLink) {
    for (const SaveCheck check : {SaveCheck::IfUnchanged, SaveCheck::Overwrite}) {
        const WriteResult result = SaveKnownFile(path, kMine, known, check);
        EXPECT_EQ(result.error, (FileError{FileProblem::LinkAdded, 0, path}));
    }
    // Save As to that name: the link is new to it, and it is another user's in a shared folder.
    EXPECT_EQ(WriteFileSafely(path, kMine).error, (FileError{FileProblem::LinkUnsafe, 0, path}));
    EXPECT_EQ(Snapshot(top.path()), before);
    EXPECT_EQ(StatOf(secret).st_mode & 07777, 0600u);
}

INSTANTIATE_TEST_SUITE_P(Targets, StickyFolderSwapTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "roots_file" : "dangling"; });

// The kernel's protected_symlinks rule, whatever the kernel is set to: in a sticky folder anyone
// may write to, a link is followed only by its owner or when it is the folder owner's.
struct StickyRuleCase {
    std::string name;
    uid_t linkOwner;
    uid_t folderOwner;
    mode_t folderMode;
    uid_t saver;
    bool followed;
};

void PrintTo(const StickyRuleCase& c, std::ostream* os) { *os << c.name; }

class StickyRuleTest : public ::testing::TestWithParam<StickyRuleCase> {};

TEST_P(StickyRuleTest, LinkFollowedOnlyWhereTheKernelRuleAllows) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can make links of two users";
    const StickyRuleCase& c = GetParam();
    TempFolder top;
    ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
    const std::string folder = top.at("shared");
    const std::string real = top.at("real.ini");
    const std::string link = folder + "/php.ini";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chown(folder.c_str(), c.folderOwner, c.folderOwner), 0);
    ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);
    PutBytes(real, kOld);
    ASSERT_EQ(::chown(real.c_str(), kNobody, kNogroup), 0);
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);

    const auto save = [&] { return Outcome(WriteFileSafely(link, kMine)); };
    const std::string outcome = c.saver == 0 ? save() : RunAs({c.saver, c.saver, {}}, save);
    if (c.followed) {
        EXPECT_EQ(outcome, "ok");
        EXPECT_EQ(GetBytes(real), kMine);
    } else {
        EXPECT_EQ(outcome, "failed: " + ReasonText({FileProblem::LinkUnsafe, 0, link}));
        EXPECT_EQ(GetBytes(real), kOld);
    }
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(StatOf(link).st_ino, StatOf(real).st_ino);
}

constexpr uid_t kRootUid = 0;
constexpr uid_t kOther = 4321;

INSTANTIATE_TEST_SUITE_P(
    Cases, StickyRuleTest,
    ::testing::Values(StickyRuleCase{"another_users_link", kNobody, kRootUid, 01777, kRootUid, false},
                      StickyRuleCase{"third_users_link_for_nobody", kOther, kRootUid, 01777, kNobody, false},
                      StickyRuleCase{"own_link", kNobody, kRootUid, 01777, kNobody, true},
                      StickyRuleCase{"folder_owners_link", kNobody, kNobody, 01777, kRootUid, true},
                      StickyRuleCase{"not_sticky", kNobody, kRootUid, 0777, kRootUid, true},
                      StickyRuleCase{"not_writable_by_all", kNobody, kRootUid, 01775, kRootUid, true}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vq
