#include "ui/document/SelectedRowRuns.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace vq {

SelectedRowRuns::SelectedRowRuns(const QItemSelectionModel* selection) {
    if (!selection)
        return;
    // Ranges of a row selection may cover the columns apart, or touch and overlap after toggles:
    // sorted and joined, they are the rows.
    const QItemSelection ranges = selection->selection();
    std::vector<std::pair<size_t, size_t>> spans;
    spans.reserve(static_cast<size_t>(ranges.size()));
    for (const QItemSelectionRange& range : ranges)
        if (range.isValid() && !range.parent().isValid())
            spans.emplace_back(static_cast<size_t>(range.top()), static_cast<size_t>(range.bottom()));
    std::sort(spans.begin(), spans.end());
    for (const auto& span : spans) {
        if (!m_runs.empty() && span.first <= m_runs.back().second + 1)
            m_runs.back().second = std::max(m_runs.back().second, span.second);
        else
            m_runs.push_back(span);
    }
    for (const auto& [top, bottom] : m_runs)
        m_count += bottom - top + 1;
}

std::optional<size_t> SelectedRowRuns::first() const {
    if (m_runs.empty())
        return std::nullopt;
    return m_runs.front().first;
}

std::vector<size_t> SelectedRowRuns::front(size_t n) const {
    std::vector<size_t> rows;
    rows.reserve(std::min(n, m_count));
    for (const auto& [top, bottom] : m_runs)
        for (size_t row = top; row <= bottom && rows.size() < n; ++row)
            rows.push_back(row);
    return rows;
}

}  // namespace vq
