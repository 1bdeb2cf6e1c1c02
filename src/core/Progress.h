#pragma once

#include "Texts.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vq {

// How a long pass reports progress: a millisecond clock and the Message panel. Either may be
// empty (tests, headless runs); then nothing is shown.
struct Progress {
    std::function<std::uint32_t()> tick;
    std::function<void(const std::string&)> show;

    void message(const std::string& text) const {
        if (show)
            show(text);
    }
};

// Shows "... line i of n" texts at most every 100 milliseconds of a pass.
class ProgressPacer {
public:
    ProgressPacer(const Progress& progress, const char* format)
        : m_progress(progress), m_format(format), m_last(progress.tick ? progress.tick() : 0) {}

    void step(size_t i, size_t n) {
        if (!m_progress.tick || !m_progress.show)
            return;
        // Unsigned difference, so a clock that wraps around still paces correctly.
        if (static_cast<std::uint32_t>(m_progress.tick() - m_last) > 100) {
            m_progress.show(FormatMessage(m_format, {static_cast<long long>(i + 1), static_cast<long long>(n)}));
            m_last = m_progress.tick();
        }
    }

private:
    const Progress& m_progress;
    const char* m_format;
    std::uint32_t m_last;
};

}  // namespace vq
