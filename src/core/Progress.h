#pragma once

#include "core/TextFormat.h"

#include <atomic>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vq {

// How a long pass reports progress: a millisecond clock and the Message panel. Either may be
// empty (tests, headless runs); then nothing is shown. A pass run on a worker thread calls both
// on that thread.
struct Progress {
    std::function<std::uint32_t()> tick;
    std::function<void(const std::string&)> show;
    // With each "... line i of n" text: i and n, for a progress bar. May be empty.
    std::function<void(std::size_t done, std::size_t total)> count = {};

    void message(const std::string& text) const {
        if (show)
            show(text);
    }
};

// Progress texts of a long pass come at most this often.
inline constexpr std::uint32_t kProgressIntervalMs = 100;

// Shows "... line i of n" texts at most every 100 milliseconds of a pass. The clock is read
// after every row while it moves between reads; while it stands still the reads thin out to one
// every few hundred rows, so a fast pass does not spend its time asking the clock.
class ProgressPacer {
public:
    ProgressPacer(const Progress& progress, const char* format)
        : m_progress(progress), m_format(format), m_on(progress.tick && progress.show),
          m_last(m_on ? progress.tick() : 0), m_lastRead(m_last) {}

    // Row i of n is being processed.
    void step(size_t i, size_t n) {
        step(i, [n] { return n; });
    }
    // As above, when the number of rows costs something to find out: `total()` is called only
    // when a text is due.
    template <std::invocable Total>
    void step(size_t i, Total&& total) {
        if (!m_on || ++m_skipped < m_stride)
            return;
        m_skipped = 0;
        const std::uint32_t now = m_progress.tick();
        adjustStride(now);
        // Unsigned difference, so a clock that wraps around still paces correctly.
        if (static_cast<std::uint32_t>(now - m_last) > kProgressIntervalMs) {
            const size_t n = total();
            m_progress.show(FormatMessage(m_format, {static_cast<long long>(i + 1), static_cast<long long>(n)}));
            if (m_progress.count)
                m_progress.count(i + 1, n);
            m_last = m_lastRead = m_progress.tick();
        }
    }

private:
    static constexpr std::uint32_t kMaxStride = 512;

    void adjustStride(std::uint32_t now) {
        const auto moved = static_cast<std::uint32_t>(now - m_lastRead);
        m_lastRead = now;
        if (moved == 0 && m_stride < kMaxStride)
            m_stride *= 2;
        else if (moved > 2 && m_stride > 1)
            m_stride /= 2;
    }

    const Progress& m_progress;
    const char* m_format;
    bool m_on;
    std::uint32_t m_last;
    std::uint32_t m_lastRead;
    std::uint32_t m_stride = 1;
    std::uint32_t m_skipped = 0;
};

// Asks whether the user cancelled; a null flag never cancels.
inline bool Cancelled(const std::atomic<bool>* flag) { return flag && flag->load(std::memory_order_relaxed); }

}  // namespace vq
