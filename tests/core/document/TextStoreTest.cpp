// The store of texts given after loading: references, copy on edit, and reclaiming dead texts.

#include "core/document/TextStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vq {
namespace {

TEST(TextStore, KeepsTextsWhileReferenced) {
    TextStore store;
    EXPECT_EQ(store.add(""), kEmptyText);
    const TextId a = store.add("alpha");
    const TextId b = store.add("beta");
    store.retain(a);
    store.release(a);
    EXPECT_EQ(store.view(a), "alpha");
    EXPECT_EQ(store.view(b), "beta");
    store.release(a);
    EXPECT_EQ(store.liveBytes(), 4u);
    EXPECT_EQ(store.deadBytes(), 5u);
    EXPECT_EQ(store.add("gamma"), a);  // the released id is taken again
}

// A text held once is changed in place under the same id; one held twice is copied on edit, and
// the other holder keeps the old text.
TEST(TextStore, ReplaceCopiesOnlyWhatIsShared) {
    TextStore store;
    const TextId own = store.add("one");
    EXPECT_EQ(store.replace(own, "two"), own);
    EXPECT_EQ(store.view(own), "two");

    store.retain(own);
    const TextId copy = store.replace(own, "three");
    EXPECT_NE(copy, own);
    EXPECT_EQ(store.view(own), "two");
    EXPECT_EQ(store.view(copy), "three");

    EXPECT_EQ(store.replace(copy, store.view(copy).substr(2)), copy);  // a piece of itself
    EXPECT_EQ(store.view(copy), "ree");
    EXPECT_EQ(store.replace(copy, ""), kEmptyText);
}

// Replacing every text again and again settles at a block about one and a half times the live
// texts, whatever the number of rounds.
TEST(TextStore, DeadTextsAreReclaimed) {
    TextStore store;
    std::vector<TextId> ids;
    for (int i = 0; i < 5000; ++i)
        ids.push_back(store.add("text number " + std::to_string(i)));
    size_t largest = 0;
    for (int round = 0; round < 50; ++round) {
        for (size_t i = 0; i < ids.size(); ++i)
            ids[i] = store.replace(ids[i], "round " + std::to_string(round) + " text " + std::to_string(i));
        largest = std::max(largest, store.memoryBytes());
    }
    for (size_t i = 0; i < ids.size(); ++i)
        ASSERT_EQ(store.view(ids[i]), "round 49 text " + std::to_string(i));
    const size_t live = store.liveBytes();
    EXPECT_LE(store.deadBytes(), live);
    EXPECT_LE(largest, 2 * live + 5000 * 16 + 4096);
}

}  // namespace
}  // namespace vq
