#include "core/files/ContentHash.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

namespace vq {
namespace {

std::string RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(n, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

// A load hashes a file in the pieces it happens to read; a later check reads other pieces.
TEST(ContentHash, SameValueHoweverTheBytesAreCut) {
    for (const std::size_t size : {0, 1, 7, 31, 32, 33, 64, 100, 4097}) {
        const std::string bytes = RandomBytes(size, static_cast<unsigned>(size));
        const std::uint64_t whole = HashBytes(bytes);
        for (const std::size_t piece : {1, 3, 8, 31, 32, 33, 1000}) {
            ContentHash hash;
            for (std::size_t at = 0; at < bytes.size(); at += piece)
                hash.add(std::string_view(bytes).substr(at, piece));
            EXPECT_EQ(hash.value(), whole) << size << " bytes in pieces of " << piece;
        }
    }
}

// Every one-byte change, a byte more or less, and bytes swapped tell a different file.
TEST(ContentHash, AnyChangeGivesAnotherValue) {
    for (const std::size_t size : {1, 5, 31, 32, 33, 95, 200}) {
        const std::string bytes = RandomBytes(size, 7);
        std::set<std::string> changed{bytes + '\0', bytes.substr(1), bytes.substr(0, size - 1)};
        for (std::size_t i = 0; i < size; ++i) {
            std::string one = bytes;
            one[i] = static_cast<char>(one[i] ^ 0x01);
            changed.insert(one);
        }
        if (size >= 16)
            changed.insert(bytes.substr(8, 8) + bytes.substr(0, 8) + bytes.substr(16));
        changed.erase(bytes);
        std::set<std::uint64_t> seen{HashBytes(bytes)};
        for (const std::string& other : changed)
            EXPECT_TRUE(seen.insert(HashBytes(other)).second) << size << " bytes";
    }
    EXPECT_NE(HashBytes(""), HashBytes(std::string(1, '\0')));
}

}  // namespace
}  // namespace vq
