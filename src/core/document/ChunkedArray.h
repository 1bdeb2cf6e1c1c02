#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

namespace vq {

// An append-only array of plain values in fixed-size chunks. Growing never moves what is there,
// so a pass that appends a million entries neither copies them again nor holds two copies at the
// peak, and at most one chunk is partly unused. Indexing costs one extra load over a vector.
template <typename T, unsigned ChunkBits = 14>
class ChunkedArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    static constexpr size_t kChunk = size_t{1} << ChunkBits;

    ChunkedArray() = default;
    ChunkedArray(ChunkedArray&&) noexcept = default;
    ChunkedArray& operator=(ChunkedArray&&) noexcept = default;
    ChunkedArray(const ChunkedArray&) = delete;
    ChunkedArray& operator=(const ChunkedArray&) = delete;

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const T& operator[](size_t i) const { return m_chunks[i >> ChunkBits][i & (kChunk - 1)]; }
    T& operator[](size_t i) { return m_chunks[i >> ChunkBits][i & (kChunk - 1)]; }
    const T& back() const { return (*this)[m_size - 1]; }

    void push_back(const T& value) {
        if ((m_size & (kChunk - 1)) == 0 && (m_size >> ChunkBits) == m_chunks.size())
            m_chunks.push_back(std::make_unique_for_overwrite<T[]>(kChunk));
        (*this)[m_size++] = value;
    }
    void clear() {
        m_chunks.clear();
        m_size = 0;
    }
    // Bytes held, for memory accounting.
    size_t capacityBytes() const { return m_chunks.size() * kChunk * sizeof(T) + m_chunks.capacity() * sizeof(void*); }

private:
    std::vector<std::unique_ptr<T[]>> m_chunks;
    size_t m_size = 0;
};

}  // namespace vq
