// The recent-file list: order, duplicates compared exactly, and its length limits.

#include "core/settings/RecentFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vq {
namespace {

using Paths = std::vector<std::string>;

Paths Numbered(int n) {
    Paths p;
    for (int i = 0; i < n; ++i)
        p.push_back("/f" + std::to_string(i));
    return p;
}

struct RecentCase {
    std::string name;
    int count;
    Paths stored;  // as read from the settings file
    Paths added;   // opened one after another
    Paths want;
};

void PrintTo(const RecentCase& c, std::ostream* os) { *os << c.name; }

class RecentList : public ::testing::TestWithParam<RecentCase> {};

TEST_P(RecentList, KeepsOrderAndLength) {
    const auto& c = GetParam();
    RecentFiles recent;
    recent.setCount(c.count);
    recent.assign(c.stored);
    for (const auto& path : c.added)
        recent.AddRecentFile(path);
    EXPECT_EQ(recent.paths(), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Opens, RecentList,
    ::testing::Values(
        RecentCase{"FirstFile", 5, {}, {"/a.ini"}, {"/a.ini"}},
        RecentCase{"NewestFirst", 5, {"/a", "/b"}, {"/c"}, {"/c", "/a", "/b"}},
        RecentCase{"ReopenMovesToFront", 5, {"/a", "/b", "/c"}, {"/c"}, {"/c", "/a", "/b"}},
        RecentCase{"ReopenFirstStays", 5, {"/a", "/b"}, {"/a"}, {"/a", "/b"}},
        RecentCase{
            "OtherCaseIsAnotherFile", 5, {"/b", "/Cfg/A.INI"}, {"/cfg/a.ini"}, {"/cfg/a.ini", "/b", "/Cfg/A.INI"}},
        RecentCase{"SameSpellingMovesToFront", 5, {"/b", "/Cfg/A.INI"}, {"/Cfg/A.INI"}, {"/Cfg/A.INI", "/b"}},
        RecentCase{
            "NonAsciiCaseIsAnotherFile", 5, {"/\xC3\x89.ini"}, {"/\xC3\xA9.ini"}, {"/\xC3\xA9.ini", "/\xC3\x89.ini"}},
        RecentCase{"TrimmedToCount", 3, {}, {"/a", "/b", "/c", "/d"}, {"/d", "/c", "/b"}},
        RecentCase{"StoredLongerKeptUntilAdd", 3, Numbered(5), {}, Numbered(5)},
        RecentCase{"StoredLongerTrimmedOnAdd", 3, Numbered(5), {"/new"}, {"/new", "/f0", "/f1"}},
        RecentCase{"CountZeroStaysEmpty", 0, {}, {"/a", "/b"}, {}},
        RecentCase{"NegativeCountStaysEmpty", -4, {}, {"/a"}, {}},
        RecentCase{"StoredBeyondTenCut", 5, Numbered(12), {}, Numbered(10)},
        RecentCase{"StoredTwiceKeptOnce", 5, {"/a", "/b", "/a", "/c"}, {}, {"/a", "/b", "/c"}},
        RecentCase{"CountBeyondTenOffersTen",
                   15,
                   Numbered(10),
                   {"/new"},
                   [] {
                       Paths p = Numbered(9);
                       p.insert(p.begin(), "/new");
                       return p;
                   }()}),
    [](const auto& info) { return info.param.name; });

TEST(RecentListEdits, TrimRemoveAndClear) {
    RecentFiles recent;
    recent.assign(Numbered(5));
    recent.setCount(2);
    EXPECT_EQ(recent.paths(), Numbered(5));  // a new count alone trims nothing
    recent.TrimRecentFiles();
    EXPECT_EQ(recent.paths(), Numbered(2));
    recent.remove(7);  // no such entry: nothing happens
    EXPECT_EQ(recent.paths(), Numbered(2));
    recent.remove(0);
    EXPECT_EQ(recent.paths(), Paths{"/f1"});
    recent.clear();
    EXPECT_TRUE(recent.paths().empty());
    EXPECT_EQ(recent.count(), 2);
}

}  // namespace
}  // namespace vq
