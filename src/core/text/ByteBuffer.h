#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace vq {

// A file's bytes in one block that is allocated without being zero-filled first: a file is read
// straight into it, so a 100 MB file is written to memory once, not twice. Move-only.
//
// The block takes the system's ordinary pages, not huge ones: filling fresh huge pages made a
// large read's cost vary several times over while the kernel compacted memory (the figures are in
// docs/PERFORMANCE.md).
class ByteBuffer {
public:
    ByteBuffer() = default;
    ByteBuffer(ByteBuffer&& other) noexcept { *this = std::move(other); }
    ByteBuffer& operator=(ByteBuffer&& other) noexcept {
        m_data = std::move(other.m_data);
        m_string = std::move(other.m_string);
        m_bytes = other.m_bytes;
        m_size = other.m_size;
        m_capacity = other.m_capacity;
        other.m_bytes = nullptr;
        other.m_size = other.m_capacity = 0;
        return *this;
    }
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    // Room for `capacity` bytes whose content is undefined until written; size() is 0.
    static ByteBuffer withCapacity(size_t capacity) {
        ByteBuffer b;
        if (capacity > 0)
            b.m_data = std::make_unique_for_overwrite<char[]>(capacity);
        b.m_bytes = b.m_data.get();
        b.m_capacity = capacity;
        return b;
    }
    static ByteBuffer copyOf(std::string_view bytes) {
        ByteBuffer b = withCapacity(bytes.size());
        if (!bytes.empty())
            std::memcpy(b.m_bytes, bytes.data(), bytes.size());
        b.m_size = bytes.size();
        return b;
    }
    // Takes over a string's bytes without copying them.
    static ByteBuffer adopt(std::string&& bytes) {
        ByteBuffer b;
        b.m_string = std::make_unique<std::string>(std::move(bytes));
        b.m_bytes = b.m_string->data();
        b.m_size = b.m_capacity = b.m_string->size();
        return b;
    }

    // The bytes stay where they are when the buffer is moved.
    char* data() { return m_bytes; }
    const char* data() const { return m_bytes; }
    size_t size() const { return m_size; }
    size_t capacity() const { return m_capacity; }
    bool empty() const { return m_size == 0; }
    std::string_view view() const { return {m_bytes, m_size}; }

    // The first `size` bytes (at most the capacity) are now the content.
    void setSize(size_t size) { m_size = size < m_capacity ? size : m_capacity; }
    // Moves the content into a larger block; the bytes beyond the content stay undefined.
    void grow(size_t capacity) {
        if (capacity <= m_capacity)
            return;
        ByteBuffer bigger = withCapacity(capacity);
        if (m_size > 0)
            std::memcpy(bigger.m_bytes, m_bytes, m_size);
        bigger.m_size = m_size;
        *this = std::move(bigger);
    }

private:
    std::unique_ptr<char[]> m_data;
    std::unique_ptr<std::string> m_string;  // a string taken over; it never moves on the heap
    char* m_bytes = nullptr;
    size_t m_size = 0;
    size_t m_capacity = 0;
};

}  // namespace vq
