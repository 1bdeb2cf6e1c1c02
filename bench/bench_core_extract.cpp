// The three extractions on a 1,000,000-row document in the core: choosing the lines and giving
// the target text them, then the bytes Save would write. The window adds its own repaint.
//
// Figures printed:
//   "core extract checked: N ms, tree: N ms, all: N ms"
//   "save bytes after each: N ms, N ms, N ms"

#include "PhpIniLike.h"

#include "core/document/DocumentLoading.h"
#include "core/extraction/Extraction.h"
#include "core/settings/SignPanel.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLines = 1'000'000;

double Millis(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

std::unique_ptr<vq::Document> OpenedDocument() {
    static const std::string file = bench::PhpIniLike(kLines);
    vq::SignPanel signs;
    signs.PatternClick(2);
    const vq::AnalysisSettings settings = signs.settings();
    vq::LoadOptions options;
    options.analysis = &settings;
    vq::LoadResult loaded = vq::OpenBytesIntoDocument(vq::ByteBuffer::copyOf(file), options);
    return std::move(loaded.document);
}

struct Figure {
    double extract = 1e9;
    double save = 1e9;
    size_t lines = 0;
    size_t bytes = 0;
};
Figure g_figures[3];

constexpr const char* kNames[3] = {"checked", "tree", "all"};

// Each round starts from the document as opened, mirroring, as the window has it.
void BM_Extract(benchmark::State& state) {
    const auto kind = static_cast<vq::ExtractionKind>(state.range(0));
    Figure& f = g_figures[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = OpenedDocument();
        state.ResumeTiming();
        const auto t0 = Clock::now();
        const vq::ExtractionOutcome outcome = vq::ExtractLines(*doc, kind);
        const auto t1 = Clock::now();
        const std::string bytes = doc->saveBytes();
        const auto t2 = Clock::now();
        f.extract = std::min(f.extract, Millis(t0, t1));
        f.save = std::min(f.save, Millis(t1, t2));
        f.lines = outcome.lines;
        f.bytes = bytes.size();
        state.SetIterationTime(Millis(t0, t1) / 1e3);
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetLabel(kNames[state.range(0)]);
}
BENCHMARK(BM_Extract)->Arg(0)->Arg(1)->Arg(2)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("document: %d rows (php.ini-like, pattern php.ini)\n", kLines);
    for (int k = 0; k < 3; ++k)
        std::printf("  extract %-7s %zu lines, %.1f MB: extraction %.2f ms, save bytes %.2f ms\n", kNames[k],
                    g_figures[k].lines, static_cast<double>(g_figures[k].bytes) / (1024.0 * 1024.0),
                    g_figures[k].extract, g_figures[k].save);
    std::printf("core extract checked: %.2f ms, tree: %.2f ms, all: %.2f ms\n", g_figures[0].extract,
                g_figures[1].extract, g_figures[2].extract);
    return 0;
}
