#pragma once

// What the core's editing benchmarks share: the php.ini pattern's settings, a generated
// php.ini-like document opened as the window opens it, and a view that counts what it hears.

#include "PhpIniLike.h"

#include "core/document/DocumentListener.h"
#include "core/document/DocumentLoading.h"
#include "core/settings/SignPanel.h"

#include <chrono>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Millis(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

inline double MB(long long bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

inline const vq::AnalysisSettings& PhpIniSettings() {
    static const vq::AnalysisSettings settings = [] {
        vq::SignPanel signs;
        signs.PatternClick(2);  // php.ini
        return signs.settings();
    }();
    return settings;
}

// What a view hears, counted.
struct CountingView : vq::DocumentListener {
    long notifications = 0;
    void rowsChanged(vq::Range) override { ++notifications; }
    void rowsInserted(vq::Range) override { ++notifications; }
    void rowsRemoved(vq::Range) override { ++notifications; }
    void targetLinesReplaced(vq::Range) override { ++notifications; }
    void targetLinesInserted(vq::Range) override { ++notifications; }
    void targetLinesRemoved(vq::Range) override { ++notifications; }
    void logAppended(vq::Range) override { ++notifications; }
};

// A fresh document of the same generated file each time (the file is made once).
inline std::unique_ptr<vq::Document> OpenedPhpIniLike(int lines) {
    static const std::string file = PhpIniLike(lines);
    vq::LoadOptions options;
    options.analysis = &PhpIniSettings();
    vq::LoadResult loaded = vq::OpenBytesIntoDocument(vq::ByteBuffer::copyOf(file), options);
    loaded.document->setFileName("/tmp/php.ini");
    return std::move(loaded.document);
}

inline std::vector<size_t> AllRows(const vq::Document& doc) {
    std::vector<size_t> rows(doc.rowCount());
    std::iota(rows.begin(), rows.end(), size_t{0});
    return rows;
}

}  // namespace bench
