// Editing a 1,000,000-row document in the core, as the editing commands will: every command in
// one change batch, as a listener (a view) would receive it.
//
// Figures printed (the core's share; the window has 50 ms for each command in all):
//   "comment 10000 scattered rows: N ms"
//   "delete 10000 selected rows: N ms"
//   "10000 log entries: N ms"
//   "memory after ten edit passes / after the first: X"  (target: at most 1.5)

#include "CoreBenchSupport.h"
#include "HeapAccounting.h"

#include "core/document/DocumentTexts.h"
#include "core/document/DocumentLoading.h"
#include "core/document/LineTests.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace bench;
constexpr int kLines = 1'000'000;
constexpr int kChanged = 10'000;

std::vector<size_t> ScatteredRows() {
    std::vector<size_t> rows;
    for (size_t k = 0; k < kChanged; ++k)
        rows.push_back(k * (kLines / kChanged) + 7);
    return rows;
}

struct Figures {
    double comment = 1e9, erase = 1e9, log = 1e9;
    long commentNotes = 0, eraseNotes = 0, logNotes = 0;
    double passRatio = 0;
    double afterFirstMB = 0, afterTenthMB = 0;
};
Figures g;

constexpr const char* kComment = "注释选定行(&R)";
constexpr const char* kDelete = "删除选定行(&T)";

void BM_CommentScatteredRows(benchmark::State& state) {
    auto doc = OpenedPhpIniLike(static_cast<int>(kLines));
    CountingView view;
    doc->addListener(&view);
    const auto rows = ScatteredRows();
    const vq::AnalysisSettings& s = PhpIniSettings();
    for (auto _ : state) {
        view.notifications = 0;
        const auto t0 = Clock::now();
        {
            vq::Document::ChangeBatch batch(*doc);
            doc->addLogEntry(vq::kLogMarker, kComment, vq::texts::kOpStart, {});
            int changed = 0;
            for (size_t i : rows) {
                if (!vq::IsCommentLine(s, doc->caption(i))) {
                    const std::string old(doc->caption(i));
                    doc->setCaption(i, s.remSign + old);
                    doc->setEdited(i, true);
                    doc->addLogEntry(static_cast<int>(i), kComment, old);
                    ++changed;
                }
                doc->setChecked(i, false);
            }
            doc->addLogEntry(vq::kLogSummary,
                             vq::FormatMessage("<<选择 %d 行，%S %d 行>>", {kChanged, "注释", changed}), "");
            doc->addLogEntry(vq::kLogMarker, kComment, vq::texts::kOpEnd, {});
        }
        const double ms = Millis(t0, Clock::now());
        g.comment = std::min(g.comment, ms);
        g.commentNotes = view.notifications;
        state.SetIterationTime(ms / 1e3);

        state.PauseTiming();  // back to the text at load for the next round
        {
            vq::Document::ChangeBatch batch(*doc);
            for (size_t i : rows) {
                doc->setCaption(i, doc->original(i));
                doc->setEdited(i, false);
            }
            doc->clearLog();
        }
        state.ResumeTiming();
    }
    doc->removeListener(&view);
}
BENCHMARK(BM_CommentScatteredRows)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_DeleteSelectedRows(benchmark::State& state) {
    const auto rows = ScatteredRows();
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = OpenedPhpIniLike(static_cast<int>(kLines));
        CountingView view;
        doc->addListener(&view);
        state.ResumeTiming();

        const auto t0 = Clock::now();
        {
            vq::Document::ChangeBatch batch(*doc);
            doc->addLogEntry(vq::kLogMarker, kDelete, vq::texts::kOpStart, {});
            std::vector<std::string> removed;
            removed.reserve(rows.size());
            for (size_t i : rows)
                removed.emplace_back(doc->caption(i));
            doc->removeRows(rows);
            for (size_t k = 0; k < rows.size(); ++k)
                doc->addLogEntry(static_cast<int>(rows[k]), kDelete, removed[k]);
            doc->addLogEntry(vq::kLogSummary,
                             vq::FormatMessage("<<选择 %d 行，%S %d 行>>", {kChanged, "删除", kChanged}), "");
            doc->addLogEntry(vq::kLogMarker, kDelete, vq::texts::kOpEnd, {});
        }
        const double ms = Millis(t0, Clock::now());
        g.erase = std::min(g.erase, ms);
        g.eraseNotes = view.notifications;
        state.SetIterationTime(ms / 1e3);
        if (doc->rowCount() != kLines - kChanged)
            state.SkipWithError("wrong number of rows left");

        state.PauseTiming();
        doc->removeListener(&view);
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteSelectedRows)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_LogEntries(benchmark::State& state) {
    auto doc = OpenedPhpIniLike(static_cast<int>(kLines));
    CountingView view;
    doc->addListener(&view);
    for (auto _ : state) {
        view.notifications = 0;
        const auto t0 = Clock::now();
        {
            vq::Document::ChangeBatch batch(*doc);
            for (int k = 0; k < kChanged; ++k)
                doc->addLogEntry(k * 100, "恢复", "key_12345 = value 12345 ; default");
        }
        const double ms = Millis(t0, Clock::now());
        g.log = std::min(g.log, ms);
        g.logNotes = view.notifications;
        state.SetIterationTime(ms / 1e3);
        state.PauseTiming();
        doc->clearLog();
        state.ResumeTiming();
    }
    doc->removeListener(&view);
}
BENCHMARK(BM_LogEntries)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// Every row gets a new text in every pass (commented with ";" or "#" in turn): the texts of one
// pass replace those of the one before. The log is left out; it keeps every entry by design.
void BM_TenEditPasses(benchmark::State& state) {
    for (auto _ : state) {
        const long long before = heap::Live();
        auto doc = OpenedPhpIniLike(static_cast<int>(kLines));
        long long afterFirst = 0;
        for (int pass = 1; pass <= 10; ++pass) {
            const std::string sign = pass % 2 ? ";" : "#";
            {
                vq::Document::ChangeBatch batch(*doc);
                for (size_t i = 0; i < doc->rowCount(); ++i) {
                    doc->setCaption(i, sign + std::string(doc->original(i)));
                    doc->setEdited(i, true);
                }
            }
            if (pass == 1)
                afterFirst = heap::Live() - before;
        }
        const long long afterTenth = heap::Live() - before;
        g.afterFirstMB = static_cast<double>(afterFirst) / (1024.0 * 1024.0);
        g.afterTenthMB = static_cast<double>(afterTenth) / (1024.0 * 1024.0);
        g.passRatio = static_cast<double>(afterTenth) / static_cast<double>(afterFirst);
        state.counters["ratio"] = g.passRatio;
    }
}
BENCHMARK(BM_TenEditPasses)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g.comment < 1e9)
        std::printf("comment %d scattered rows of %d: %.2f ms, %ld notifications (window budget 50 ms)\n", kChanged,
                    kLines, g.comment, g.commentNotes);
    if (g.erase < 1e9)
        std::printf("delete %d selected rows of %d in one command: %.2f ms, %ld notifications (window budget 50 ms)\n",
                    kChanged, kLines, g.erase, g.eraseNotes);
    if (g.log < 1e9)
        std::printf("%d log entries: %.2f ms, %ld notification (window budget 50 ms)\n", kChanged, g.log, g.logNotes);
    if (g.passRatio > 0)
        std::printf(
            "memory after ten edit passes / after the first: %.1f MB / %.1f MB = %.2f (target at most 1.5) %s\n",
            g.afterTenthMB, g.afterFirstMB, g.passRatio, g.passRatio <= 1.5 ? "ok" : "OVER");
    return 0;
}
