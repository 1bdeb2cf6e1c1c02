#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
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
    ChunkedArray(ChunkedArray&& other) noexcept { *this = std::move(other); }
    ChunkedArray& operator=(ChunkedArray&& other) noexcept {
        m_chunks = std::move(other.m_chunks);
        m_size = other.m_size;
        m_tail = other.m_tail;
        m_tailLeft = other.m_tailLeft;
        other.m_chunks.clear();
        other.m_size = 0;
        other.m_tail = nullptr;
        other.m_tailLeft = 0;
        return *this;
    }
    ChunkedArray(const ChunkedArray&) = delete;
    ChunkedArray& operator=(const ChunkedArray&) = delete;

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const T& operator[](size_t i) const { return m_chunks[i >> ChunkBits][i & (kChunk - 1)]; }
    T& operator[](size_t i) { return m_chunks[i >> ChunkBits][i & (kChunk - 1)]; }
    const T& back() const { return (*this)[m_size - 1]; }

    void push_back(const T& value) {
        if (m_tailLeft == 0)
            addChunk();
        *m_tail++ = value;
        --m_tailLeft;
        ++m_size;
    }
    // Drops the last value.
    void pop_back() {
        --m_size;
        --m_tail;
        if (++m_tailLeft == kChunk) {
            m_chunks.pop_back();
            m_tail = m_chunks.empty() ? nullptr : m_chunks.back().get() + kChunk;
            m_tailLeft = 0;
        }
    }
    void clear() {
        m_chunks.clear();
        m_size = 0;
        m_tail = nullptr;
        m_tailLeft = 0;
    }
    // The values in chunk c, for loops that walk the whole array.
    std::span<const T> chunk(size_t c) const {
        const size_t begin = c << ChunkBits;
        return {m_chunks[c].get(), std::min(kChunk, m_size - begin)};
    }
    size_t chunkCount() const { return (m_size + kChunk - 1) >> ChunkBits; }
    // Bytes held, for memory accounting.
    size_t capacityBytes() const { return m_chunks.size() * kChunk * sizeof(T) + m_chunks.capacity() * sizeof(void*); }

private:
    void addChunk() {
        m_chunks.push_back(std::make_unique_for_overwrite<T[]>(kChunk));
        m_tail = m_chunks.back().get();
        m_tailLeft = kChunk;
    }

    std::vector<std::unique_ptr<T[]>> m_chunks;
    size_t m_size = 0;
    T* m_tail = nullptr;  // where the next value goes
    size_t m_tailLeft = 0;
};

}  // namespace vq
