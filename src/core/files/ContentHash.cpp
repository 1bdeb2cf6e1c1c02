#include "core/files/ContentHash.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vq {

namespace {

// Four lanes of multiply-rotate rounds over 32-byte stripes run in parallel in the processor,
// so the hash keeps up with reading from memory; the primes are the usual 64-bit mixing primes.
constexpr std::uint64_t kP1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kP2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kP3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t kP4 = 0x85EBCA77C2B2AE63ULL;
constexpr std::uint64_t kP5 = 0x27D4EB2F165667C5ULL;

std::uint64_t Load64(const unsigned char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap64(v);
    return v;
}

std::uint32_t Load32(const unsigned char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap32(v);
    return v;
}

std::uint64_t Round(std::uint64_t lane, std::uint64_t input) {
    lane += input * kP2;
    lane = std::rotl(lane, 31);
    return lane * kP1;
}

std::uint64_t Merge(std::uint64_t acc, std::uint64_t lane) {
    acc ^= Round(0, lane);
    return acc * kP1 + kP4;
}

}  // namespace

ContentHash::ContentHash() : m_lanes{kP1 + kP2, kP2, 0, 0 - kP1} {}

void ContentHash::addStripes(const unsigned char* p, std::size_t stripes) {
    std::uint64_t a = m_lanes[0], b = m_lanes[1], c = m_lanes[2], d = m_lanes[3];
    for (std::size_t i = 0; i < stripes; ++i, p += kStripe) {
        a = Round(a, Load64(p));
        b = Round(b, Load64(p + 8));
        c = Round(c, Load64(p + 16));
        d = Round(d, Load64(p + 24));
    }
    m_lanes[0] = a, m_lanes[1] = b, m_lanes[2] = c, m_lanes[3] = d;
}

void ContentHash::add(std::string_view bytes) {
    if (bytes.empty())
        return;  // an empty view may have no data at all, which memcpy must not be given
    auto p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t n = bytes.size();
    m_total += n;
    if (m_tailSize > 0) {
        const std::size_t take = std::min(n, kStripe - m_tailSize);
        std::memcpy(m_tail + m_tailSize, p, take);
        m_tailSize += take;
        p += take;
        n -= take;
        if (m_tailSize < kStripe)
            return;
        addStripes(m_tail, 1);
        m_tailSize = 0;
    }
    addStripes(p, n / kStripe);
    p += n / kStripe * kStripe;
    n %= kStripe;
    std::memcpy(m_tail, p, n);
    m_tailSize = n;
}

std::uint64_t ContentHash::value() const {
    std::uint64_t h;
    if (m_total >= kStripe) {
        h = std::rotl(m_lanes[0], 1) + std::rotl(m_lanes[1], 7) + std::rotl(m_lanes[2], 12) + std::rotl(m_lanes[3], 18);
        for (const std::uint64_t lane : m_lanes)
            h = Merge(h, lane);
    } else {
        h = m_lanes[2] + kP5;
    }
    h += m_total;
    const unsigned char* p = m_tail;
    std::size_t n = m_tailSize;
    for (; n >= 8; n -= 8, p += 8)
        h = std::rotl(h ^ Round(0, Load64(p)), 27) * kP1 + kP4;
    if (n >= 4) {
        h = std::rotl(h ^ (std::uint64_t{Load32(p)} * kP1), 23) * kP2 + kP3;
        n -= 4;
        p += 4;
    }
    for (; n > 0; --n, ++p)
        h = std::rotl(h ^ (*p * kP5), 11) * kP1;
    h ^= h >> 33;
    h *= kP2;
    h ^= h >> 29;
    h *= kP3;
    h ^= h >> 32;
    return h;
}

std::uint64_t HashBytes(std::string_view bytes) {
    ContentHash hash;
    hash.add(bytes);
    return hash.value();
}

}  // namespace vq
