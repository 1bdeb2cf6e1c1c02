#pragma once

// A fast 64-bit hash of a file's bytes, to tell whether a file still holds what was read from
// it. Not a defence against someone who crafts a collision: who can write the file can change
// it openly, and then the stat already differs.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vq {

// Fed piece by piece; the same bytes give the same value however they are cut into pieces.
class ContentHash {
public:
    ContentHash();
    void add(std::string_view bytes);
    std::uint64_t value() const;

private:
    static constexpr std::size_t kStripe = 32;
    void addStripes(const unsigned char* p, std::size_t stripes);

    std::uint64_t m_lanes[4];
    unsigned char m_tail[kStripe];
    std::size_t m_tailSize = 0;
    std::uint64_t m_total = 0;
};

std::uint64_t HashBytes(std::string_view bytes);

}  // namespace vq
