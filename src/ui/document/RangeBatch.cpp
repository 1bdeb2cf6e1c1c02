#include "ui/document/RangeBatch.h"

#include <algorithm>

namespace vq {

void RangeBatch::changed(Range r) {
    if (r.count == 0)
        return;
    if (!m_changed.empty()) {
        Range& last = m_changed.back();
        if (r.first <= last.first + last.count && r.first + r.count >= last.first) {
            const size_t first = std::min(last.first, r.first);
            const size_t end = std::max(last.first + last.count, r.first + r.count);
            last = Range{first, end - first};
            return;
        }
    }
    m_changed.push_back(r);
}

std::vector<Range> RangeBatch::takeChanged() {
    std::vector<Range> out;
    out.swap(m_changed);
    if (out.size() <= kMaxChangedRanges)
        return out;
    size_t first = out.front().first;
    size_t end = first;
    for (const Range& r : out) {
        first = std::min(first, r.first);
        end = std::max(end, r.first + r.count);
    }
    return {Range{first, end - first}};
}

}  // namespace vq
