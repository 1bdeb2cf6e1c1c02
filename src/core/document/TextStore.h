#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vq {

// Names a text kept in a TextStore; 0 is the empty text, which takes no room.
using TextId = std::uint32_t;
inline constexpr TextId kEmptyText = 0;

// The texts given to rows and lines after the file was read: copy on edit. Texts are appended to
// one block and counted by reference; a text nobody refers to any more is dead, and a full block
// with a quarter of it dead is compacted instead of grown, so editing the same rows again and
// again does not grow memory without bound. An id stays valid until its last
// reference is released; a view from view() only until the next add() or replace().
class TextStore {
public:
    TextStore() = default;
    TextStore(TextStore&&) noexcept = default;
    TextStore& operator=(TextStore&&) noexcept = default;
    TextStore(const TextStore&) = delete;
    TextStore& operator=(const TextStore&) = delete;

    // A new text with one reference. The view may point into this store.
    TextId add(std::string_view text);
    // Gives `id` (holding one reference, or the empty text) new content: the same id when only
    // this reference holds it, else a new id and the old one released.
    TextId replace(TextId id, std::string_view text);
    void retain(TextId id) {
        if (id != kEmptyText)
            ++m_slots[id].refs;
    }
    void release(TextId id);
    std::string_view view(TextId id) const {
        if (id == kEmptyText)
            return {};
        const Slot& s = m_slots[id];
        return {m_bytes.data() + s.offset, s.length};
    }
    void clear();
    // True when the text lies in this store's block (so adding texts may move it).
    bool holds(std::string_view s) const {
        const auto p = reinterpret_cast<std::uintptr_t>(s.data());
        const auto b = reinterpret_cast<std::uintptr_t>(m_bytes.data());
        return !s.empty() && p >= b && p < b + m_bytes.size();
    }

    // For memory accounting and tests.
    size_t liveBytes() const { return m_bytes.size() - m_dead; }
    size_t deadBytes() const { return m_dead; }
    size_t memoryBytes() const {
        return m_bytes.capacity() + m_slots.capacity() * sizeof(Slot) + m_free.capacity() * sizeof(TextId);
    }

private:
    struct Slot {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
        std::uint32_t refs = 0;
    };

    TextId newSlot();
    // Appends the bytes and returns their offset; may compact or move the block first.
    std::uint32_t append(std::string_view text);
    void makeRoom(size_t bytes);
    void compact(size_t capacity);

    std::vector<char> m_bytes;
    std::vector<Slot> m_slots{Slot{}};  // slot 0 is the empty text
    std::vector<TextId> m_free;         // released slots, reused first
    size_t m_dead = 0;
};

}  // namespace vq
