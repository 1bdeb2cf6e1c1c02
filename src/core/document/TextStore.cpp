#include "core/document/TextStore.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vq {

namespace {
constexpr size_t kMinBlock = 4096;
constexpr size_t kMaxBlock = UINT32_MAX;
}  // namespace

TextId TextStore::newSlot() {
    if (!m_free.empty()) {
        const TextId id = m_free.back();
        m_free.pop_back();
        return id;
    }
    if (m_slots.size() >= UINT32_MAX)
        throw std::length_error("too many texts");
    m_slots.emplace_back();
    return static_cast<TextId>(m_slots.size() - 1);
}

TextId TextStore::add(std::string_view text) {
    if (text.empty())
        return kEmptyText;
    const std::uint32_t offset = append(text);
    const TextId id = newSlot();
    m_slots[id] = Slot{offset, static_cast<std::uint32_t>(text.size()), 1};
    return id;
}

TextId TextStore::replace(TextId id, std::string_view text) {
    if (id == kEmptyText || m_slots[id].refs != 1 || text.empty()) {
        const TextId fresh = add(text);
        release(id);
        return fresh;
    }
    // The old bytes are dead before the new ones go in, so a compaction on the way drops them;
    // a text that is a piece of the old one is copied out first.
    std::string copy;
    if (holds(text)) {
        copy.assign(text);
        text = copy;
    }
    Slot& slot = m_slots[id];
    m_dead += slot.length;
    slot.length = 0;
    const std::uint32_t offset = append(text);
    m_slots[id].offset = offset;
    m_slots[id].length = static_cast<std::uint32_t>(text.size());
    return id;
}

void TextStore::release(TextId id) {
    if (id == kEmptyText)
        return;
    Slot& slot = m_slots[id];
    if (--slot.refs > 0)
        return;
    m_dead += slot.length;
    slot.length = 0;
    m_free.push_back(id);
}

void TextStore::clear() {
    std::vector<char>().swap(m_bytes);
    m_slots.assign(1, Slot{});
    m_free.clear();
    m_dead = 0;
}

std::uint32_t TextStore::append(std::string_view text) {
    std::string copy;
    if (holds(text)) {
        copy.assign(text);
        text = copy;
    }
    makeRoom(text.size());
    const auto offset = static_cast<std::uint32_t>(m_bytes.size());
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return offset;
}

// When the block is full: compact it if a quarter of it is dead, else let it grow. After a
// compaction the block has room for half the live bytes again; when that is filled by texts that
// replace others, a third of the block is dead and it is compacted again, so repeated edits
// settle at one and a half times the live texts instead of growing the block.
void TextStore::makeRoom(size_t bytes) {
    const size_t size = m_bytes.size();
    if (size + bytes <= m_bytes.capacity())
        return;
    const size_t live = size - m_dead;
    if (live + bytes > kMaxBlock)
        throw std::length_error("the texts of the document exceed 4 GB");
    if (m_dead * 4 >= size || size + bytes > kMaxBlock)
        compact(std::min(kMaxBlock, std::max({kMinBlock, live + bytes, live + live / 2})));
    else
        m_bytes.reserve(std::min(kMaxBlock, std::max({kMinBlock, size + bytes, 2 * m_bytes.capacity()})));
}

void TextStore::compact(size_t capacity) {
    std::vector<char> bytes;
    bytes.reserve(capacity);
    for (Slot& slot : m_slots) {
        if (slot.refs == 0 || slot.length == 0)
            continue;
        const auto offset = static_cast<std::uint32_t>(bytes.size());
        bytes.insert(bytes.end(), m_bytes.begin() + slot.offset, m_bytes.begin() + slot.offset + slot.length);
        slot.offset = offset;
    }
    m_bytes.swap(bytes);
    m_dead = 0;
}

}  // namespace vq
