// Undo and redo on a 1,000,000-row php.ini-like document, in the core: each command run as the
// window runs it, as one step of the history, with a view listening. The window's share (models,
// text view) comes on top (bench_window_undo).
//
// Figures printed:
//   "select all then comment / undo / redo: N ms"               (window budget 1 s each)
//   "undo / redo of a 10000-row scattered comment: N ms"        (50 ms)
//   "20 select-all comment/undo/redo cycles: memory after the twentieth / after the first"
//                                                               (at most 1.5)
//   the same with comment and uncomment taking turns, so that every cycle keeps a step of a
//   million rows and the history's bound on bytes drops the oldest

#include "CoreBenchSupport.h"
#include "HeapAccounting.h"

#include "core/document/DocumentLoading.h"
#include "core/editing/CommentCommands.h"
#include "core/editing/UndoHistory.h"

#include "core/editing/EditingTexts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

namespace {

using namespace bench;
constexpr size_t kLines = 1'000'000;
constexpr size_t kScattered = 10'000;
constexpr int kCycles = 20;

template <typename F>
double Timed(F&& f) {
    const auto t0 = Clock::now();
    f();
    return Millis(t0, Clock::now());
}

struct Best {
    double command = 1e18, undo = 1e18, redo = 1e18;
    size_t rows = 0;
    size_t stepBytes = 0;
    void take(double c, double u, double r) {
        command = std::min(command, c);
        undo = std::min(undo, u);
        redo = std::min(redo, r);
    }
};
Best g_all, g_scattered;

void Measure(benchmark::State& state, Best& best, const std::function<std::vector<size_t>(const vq::Document&)>& rows) {
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = OpenedPhpIniLike(static_cast<int>(kLines));
        vq::UndoHistory history(*doc);
        CountingView view;
        doc->addListener(&view);
        const std::vector<size_t> selected = rows(*doc);
        state.ResumeTiming();
        const double command = Timed([&] {
            vq::UndoHistory::Step step(history, vq::texts::kCapRemLine);
            best.rows = vq::CommentRows(*doc, PhpIniSettings(), selected);
        });
        best.stepBytes = history.memoryBytes();
        const double undo = Timed([&] { history.undo(); });
        const double redo = Timed([&] { history.redo(); });
        state.SetIterationTime((command + undo + redo) / 1e3);
        best.take(command, undo, redo);
        state.PauseTiming();
        doc->removeListener(&view);
        state.ResumeTiming();
    }
}

void BM_SelectAllCommentUndoRedo(benchmark::State& state) { Measure(state, g_all, AllRows); }
BENCHMARK(BM_SelectAllCommentUndoRedo)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ScatteredCommentUndoRedo(benchmark::State& state) {
    Measure(state, g_scattered, [](const vq::Document&) {
        std::vector<size_t> rows;
        for (size_t k = 0; k < kScattered; ++k)
            rows.push_back(k * (kLines / kScattered) + 7);  // key lines of the generated file
        return rows;
    });
}
BENCHMARK(BM_ScatteredCommentUndoRedo)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

struct Cycles {
    double firstHeap = 0, lastHeap = 0;  // the whole heap: document, log, history
    double firstKept = 0, lastKept = 0;  // the same without the log, which keeps every entry by design
    size_t steps = 0;
    double historyMB = 0;
};
Cycles g_same, g_turns;

// Select all, comment (or uncomment, taking turns), undo, redo: twenty times.
void RunCycles(Cycles& figures, bool takeTurns) {
    OpenedPhpIniLike(static_cast<int>(kLines));  // the generated file is made once, outside the figures
    const long long before = heap::Live();
    auto doc = OpenedPhpIniLike(static_cast<int>(kLines));
    vq::UndoHistory history(*doc);
    const auto all = AllRows(*doc);
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        {
            vq::UndoHistory::Step step(history, vq::texts::kCapRemLine);
            if (takeTurns && cycle % 2 == 0)
                vq::UncommentRows(*doc, PhpIniSettings(), all);
            else
                vq::CommentRows(*doc, PhpIniSettings(), all);
        }
        history.undo();
        history.redo();
        const long long heap = heap::Live() - before;
        const long long kept = heap - static_cast<long long>(doc->log().memoryBytes());
        if (cycle == 1) {
            figures.firstHeap = MB(heap);
            figures.firstKept = MB(kept);
        }
        figures.lastHeap = MB(heap);
        figures.lastKept = MB(kept);
        std::printf(
            "  cycle %2d: heap %.1f MB, without the log %.1f MB, history %zu steps %.1f MB, log %zu entries, doc %.1f "
            "MB\n",
            cycle, MB(heap), MB(kept), history.undoCount(), MB(static_cast<long long>(history.memoryBytes())),
            doc->log().size(), MB(doc->memoryBytes() - doc->log().memoryBytes()));
    }
    figures.steps = history.undoCount();
    figures.historyMB = MB(static_cast<long long>(history.memoryBytes()));
}

void BM_TwentyCycles(benchmark::State& state) {
    for (auto _ : state)
        RunCycles(g_same, false);
}
BENCHMARK(BM_TwentyCycles)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_TwentyCyclesTakingTurns(benchmark::State& state) {
    for (auto _ : state)
        RunCycles(g_turns, true);
}
BENCHMARK(BM_TwentyCyclesTakingTurns)->Iterations(1)->Unit(benchmark::kMillisecond);

void Print(const char* what, const Best& b, double budget) {
    if (b.command >= 1e18)
        return;
    std::printf(
        "%s (%zu rows changed, the step %.1f MB): command %.1f ms, undo %.1f ms, redo %.1f ms (window budget "
        "%.0f ms each)\n",
        what, b.rows, MB(static_cast<long long>(b.stepBytes)), b.command, b.undo, b.redo, budget);
}

// The target holds for the whole heap when the cycles repeat one step; when every cycle keeps a
// step of its own, the log grows by millions of entries a cycle by design, and the target holds
// for the document and its history.
void PrintCycles(const char* what, const Cycles& c, bool withLog) {
    if (c.firstHeap <= 0)
        return;
    const double heapRatio = c.lastHeap / c.firstHeap;
    const double keptRatio = c.lastKept / c.firstKept;
    const double ratio = withLog ? heapRatio : keptRatio;
    std::printf(
        "%s: heap %.1f MB after the twentieth / %.1f MB after the first = %.2f; without the log %.1f / "
        "%.1f = %.2f; history %zu steps, %.1f MB (target at most 1.5 %s) %s\n",
        what, c.lastHeap, c.firstHeap, heapRatio, c.lastKept, c.firstKept, keptRatio, c.steps, c.historyMB,
        withLog ? "with the log" : "without the log", ratio <= 1.5 ? "ok" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const vq::UndoHistory::Limits limits = vq::UndoHistory::kLimits;
    std::printf("\nOn %zu rows (core only; history bounded at %zu steps and %zu MB):\n", kLines, limits.steps,
                limits.bytes >> 20);
    Print("select all then comment", g_all, 1000);
    Print("comment 10000 scattered rows", g_scattered, 50);
    PrintCycles("20 select-all comment/undo/redo cycles", g_same, true);
    PrintCycles("20 cycles, comment and uncomment taking turns", g_turns, false);
    return 0;
}
