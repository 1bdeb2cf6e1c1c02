#pragma once

#include "core/document/DocumentListener.h"

#include <cstddef>
#include <vector>

namespace vq {

// What one command changed, collected for an item model so that it tells its views in few
// signals: changed ranges joined when adjacent and, past a limit, as the one range around them
// all; and, when a command inserts or removes rows in more runs than the views can follow one by
// one at a fair cost, a single reset instead.
class RangeBatch {
public:
    // Past this many changed ranges one range around them all is cheaper for a view than each.
    static constexpr size_t kMaxChangedRanges = 1000;
    // A view's work for one inserted or removed run grows with the rows it shows (header,
    // selection, persistent indexes); past this many rows times runs one reset costs less.
    static constexpr size_t kMaxRunWork = 1'000'000;
    static constexpr size_t kMaxRuns = 1000;

    void begin() { m_open = true; }
    bool open() const { return m_open; }
    // Ends the command; the caller sends what takeChanged() gives and ends any reset.
    void end() {
        m_open = false;
        m_runs = 0;
    }

    void changed(Range r);
    // The changed ranges collected so far, to send now: each, or one around them all.
    std::vector<Range> takeChanged();

    // An insert or removal of a run in a model of `rows` rows: true when the views should rather
    // be reset from here to the end of the command.
    bool runTooCostly(size_t rows) {
        ++m_runs;
        return m_open && tooCostly(m_runs, rows);
    }
    // As many runs are announced at once: true when the views should be reset for them.
    bool runsTooCostly(size_t runs, size_t rows) const { return m_open && tooCostly(m_runs + runs, rows); }

private:
    static bool tooCostly(size_t runs, size_t rows) { return runs > kMaxRuns || runs * rows > kMaxRunWork; }

    bool m_open = false;
    size_t m_runs = 0;
    std::vector<Range> m_changed;
};

}  // namespace vq
