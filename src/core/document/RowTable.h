#pragma once

#include "core/document/ChunkedArray.h"
#include "core/document/DocumentListener.h"
#include "core/document/TextStore.h"
#include "core/document/TopicTree.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vq {

// The rows of the content list, without their texts: one flag byte per row and the row's stable
// id. A row read from the file is named by its line (and reads its text there) until it gets a
// text of its own; the ids of an untouched file are implied, so they take no memory until the
// first row is inserted or deleted. The text a row was given and its tree node are kept by id.
class RowTable {
public:
    enum Flag : std::uint8_t {
        kChecked = 1,
        kEdited = 2,
        kNewLine = 4,  // inserted by the user; never changes
        kOwnText = 8,  // the caption is ownText(id), not the row's line
    };

    RowTable() = default;
    RowTable(RowTable&&) noexcept = default;
    RowTable& operator=(RowTable&&) noexcept = default;
    RowTable(const RowTable&) = delete;
    RowTable& operator=(const RowTable&) = delete;

    // One row per line read, row i named i.
    void assignLoaded(std::vector<std::uint8_t> flags);

    size_t size() const { return m_flags.size() - m_gapSize; }
    std::uint8_t flags(size_t i) const { return m_flags[physical(i)]; }
    void setFlags(size_t i, std::uint8_t flags) { m_flags[physical(i)] = flags; }
    RowId id(size_t i) const { return m_ids.empty() ? static_cast<RowId>(i) : m_ids[physical(i)]; }
    // Rows with ids below this were read from the file; their line has the same number.
    RowId loadedCount() const { return m_loadedCount; }
    // True while no row was inserted or deleted and none got a text of its own other than the
    // empty one: each row is still its line, or empty.
    bool textsAsLoaded() const { return m_ids.empty() && m_ownText.empty() && size() == m_loadedCount; }
    // Where a row is now; nothing for a deleted row. Immediate while no row was inserted or
    // deleted (the ids are then the indexes), else a table look-up.
    std::optional<size_t> indexOf(RowId id) const {
        if (m_ids.empty())
            return id < size() ? std::optional<size_t>(id) : std::nullopt;
        return indexOfMoved(id);
    }

    TextId ownText(RowId id) const { return id < m_ownText.size() ? m_ownText[id] : kEmptyText; }
    void setOwnText(RowId id, TextId text);
    NodeId node(RowId id) const { return id < m_nodeOfId.size() ? m_nodeOfId[id] : kNoNode; }
    void setNode(RowId id, NodeId node);
    // The nodes of the rows read, by line, as the load made them.
    void assignNodes(ChunkedArray<NodeId>&& nodeOfId) { m_nodeOfId = std::move(nodeOfId); }
    void clearNodes() { m_nodeOfId.clear(); }
    void swapNodes(ChunkedArray<NodeId>& nodeOfId) { std::swap(m_nodeOfId, nodeOfId); }

    // Inserts `count` rows at k with these flags and ids following each other; returns the first.
    RowId insert(size_t k, size_t count, std::uint8_t flags);

    // Removes runs of rows, given by their indexes before the call, ascending and disjoint, in
    // one pass that moves every later row once. For each run, `before(range)` is called while the
    // run is still there and `after(range)` once it is gone, with the indexes of that moment; in
    // between the table reads as if only the runs up to that one had been removed.
    template <typename Before, typename After>
    void remove(std::span<const Range> runs, Before&& before, After&& after);

    // Puts rows that were removed back: runs given by their indexes afterwards, ascending and
    // disjoint, filled in order from `row(j)`, which gives the j-th row's id and flags as a
    // pair. One pass that moves every later row once; `before` and `after` as in remove(), with
    // the table reading as if only the runs up to that one were back.
    template <typename Row, typename Before, typename After>
    void reinsert(std::span<const Range> runs, Row&& row, Before&& before, After&& after);

    size_t memoryBytes() const;

private:
    std::optional<size_t> indexOfMoved(RowId id) const;
    size_t physical(size_t i) const { return i < m_gapStart ? i : i + m_gapSize; }
    void materializeIds();
    // Moves `count` rows from `from` to `to`; the two may overlap.
    void moveRows(size_t from, size_t to, size_t count);
    void closeGap(size_t read, size_t write);

    std::vector<std::uint8_t> m_flags;
    std::vector<RowId> m_ids;  // empty: row i is named i
    std::vector<TextId> m_ownText;
    ChunkedArray<NodeId> m_nodeOfId;  // grows by id; chunked, so a load fills it as it goes
    RowId m_loadedCount = 0;
    RowId m_nextId = 0;
    // While remove() runs, the rows from m_gapStart on lie m_gapSize places further back.
    size_t m_gapStart = SIZE_MAX;
    size_t m_gapSize = 0;
    mutable std::vector<std::uint32_t> m_indexOfId;  // rebuilt when asked after a change
    mutable bool m_indexDirty = true;
};

template <typename Before, typename After>
void RowTable::remove(std::span<const Range> runs, Before&& before, After&& after) {
    if (runs.empty())
        return;
    materializeIds();
    size_t write = runs.front().first;
    size_t read = write;
    size_t removed = 0;
    try {
        for (const Range run : runs) {
            moveRows(read, write, run.first - read);
            write += run.first - read;
            read = run.first;
            m_gapStart = write;
            m_gapSize = removed;
            before(Range{write, run.count});
            removed += run.count;
            read += run.count;
            m_gapSize = removed;
            after(Range{write, run.count});
        }
    } catch (...) {
        closeGap(read, write);
        throw;
    }
    closeGap(read, write);
}

// The rows after the first run move to the end at once, leaving a gap as wide as all the runs;
// then each run's rows go into the front of the gap after the rows that come before it, so the
// gap moves down and closes with the last run.
template <typename Row, typename Before, typename After>
void RowTable::reinsert(std::span<const Range> runs, Row&& row, Before&& before, After&& after) {
    if (runs.empty())
        return;
    size_t total = 0;
    for (const Range run : runs)
        total += run.count;
    if (total >= kNoRow - size())
        throw std::length_error("too many rows");
    materializeIds();
    const size_t oldSize = m_flags.size();
    size_t write = runs.front().first;
    m_flags.resize(oldSize + total);
    m_ids.resize(oldSize + total);
    moveRows(write, write + total, oldSize - write);
    size_t gap = total;
    size_t next = 0;  // the next row to put back
    for (const Range run : runs) {
        moveRows(write + gap, write, run.first - write);
        write = run.first;
        m_gapStart = write;
        m_gapSize = gap;
        before(run);
        for (size_t j = 0; j < run.count; ++j, ++next) {
            const auto [id, flags] = row(next);
            m_ids[write + j] = id;
            m_flags[write + j] = flags;
        }
        write += run.count;
        gap -= run.count;
        m_gapStart = write;
        m_gapSize = gap;
        after(run);
    }
    m_gapStart = SIZE_MAX;
    m_gapSize = 0;
    m_indexDirty = true;
}

}  // namespace vq
