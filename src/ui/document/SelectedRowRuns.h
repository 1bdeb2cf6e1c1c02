#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

class QItemSelectionModel;

namespace vq {

// The rows selected in a view, read from its selection ranges as runs of consecutive rows, so a
// selection of every row of a million costs one range, not a million indexes.
class SelectedRowRuns {
public:
    explicit SelectedRowRuns(const QItemSelectionModel* selection);

    bool empty() const { return m_runs.empty(); }
    size_t count() const { return m_count; }
    std::optional<size_t> first() const;
    // The first `n` selected rows, or all of them when there are fewer.
    std::vector<size_t> front(size_t n) const;
    // Every selected row, ascending, as the editing commands take them.
    std::vector<size_t> indexes() const { return front(m_count); }

private:
    std::vector<std::pair<size_t, size_t>> m_runs;  // first and last row, ascending, disjoint
    size_t m_count = 0;
};

}  // namespace vq
