// The editing commands on a 1,000,000-row php.ini-like document, in the core: each command as the
// window will call it, one change batch, with a view listening. The window's share (models, text
// view) comes on top.
//
// Figures printed:
//   "select all then comment: N ms"          (window budget 1 s)
//   "uncomment all: N ms"                    (1 s)
//   "restore all: N ms"                      (1 s)
//   "delete every other row: N ms"           (1 s)
//   "dialog edit of a 10000-row block: N ms" (0.2 s)
//   "comment 10000 scattered rows: N ms"     (50 ms)
//   "ten comment/uncomment passes: memory after the tenth / after the first" (at most 1.5)

#include "CoreBenchSupport.h"
#include "HeapAccounting.h"

#include "core/document/DocumentLoading.h"
#include "core/editing/CommentCommands.h"
#include "core/editing/DeleteRestore.h"
#include "core/editing/EditLines.h"
#include "core/editing/InsertLines.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace {

using namespace bench;
constexpr size_t kLines = 1'000'000;
constexpr size_t kBlock = 10'000;

struct Figure {
    double ms = 1e18;
    long notifications = 0;
    size_t changed = 0;
};
Figure g_commentAll, g_uncommentAll, g_restoreAll, g_deleteOther, g_dialogEdit, g_commentScattered;
double g_afterFirstDoc = 0, g_afterTenthDoc = 0, g_afterFirstAll = 0, g_afterTenthAll = 0;

// Runs `command` on a fresh document made ready by `prepare`, timing the command alone.
void Measure(benchmark::State& state, Figure& figure, const std::function<void(vq::Document&)>& prepare,
             const std::function<size_t(vq::Document&)>& command) {
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = OpenedPhpIniLike(static_cast<int>(kLines));
        prepare(*doc);
        CountingView view;
        doc->addListener(&view);
        state.ResumeTiming();
        const auto t0 = Clock::now();
        const size_t changed = command(*doc);
        const double ms = Millis(t0, Clock::now());
        state.SetIterationTime(ms / 1e3);
        if (ms < figure.ms)
            figure = Figure{ms, view.notifications, changed};
        state.PauseTiming();
        doc->removeListener(&view);
        doc.reset();
        state.ResumeTiming();
    }
}

void CommentAll(vq::Document& doc) {
    const auto all = AllRows(doc);
    vq::CommentRows(doc, PhpIniSettings(), all);
}

void BM_SelectAllThenComment(benchmark::State& state) {
    Measure(
        state, g_commentAll, [](vq::Document&) {},
        [](vq::Document& doc) { return vq::CommentRows(doc, PhpIniSettings(), AllRows(doc)); });
}
BENCHMARK(BM_SelectAllThenComment)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_UncommentAll(benchmark::State& state) {
    Measure(state, g_uncommentAll, CommentAll,
            [](vq::Document& doc) { return vq::UncommentRows(doc, PhpIniSettings(), AllRows(doc)); });
}
BENCHMARK(BM_UncommentAll)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Every row commented, and a new row after every hundredth: restore all sets 875,000 rows back
// and removes 10,000.
void BM_RestoreAll(benchmark::State& state) {
    Measure(
        state, g_restoreAll,
        [](vq::Document& doc) {
            CommentAll(doc);
            for (size_t k = 0; k < kBlock; ++k)
                (void)vq::InsertLines(doc, PhpIniSettings(), k * 100 + k, std::vector<std::string>{"new_key = 1"}, "w");
        },
        [](vq::Document& doc) { return vq::RestoreAllRows(doc); });
}
BENCHMARK(BM_RestoreAll)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_DeleteEveryOtherRow(benchmark::State& state) {
    Measure(
        state, g_deleteOther, [](vq::Document&) {},
        [](vq::Document& doc) {
            std::vector<size_t> rows;
            rows.reserve(doc.rowCount() / 2);
            for (size_t i = 0; i < doc.rowCount(); i += 2)
                rows.push_back(i);
            return vq::DeleteRows(doc, rows);
        });
}
BENCHMARK(BM_DeleteEveryOtherRow)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The block's text as the dialog gives it back, every line changed and one line more.
void BM_DialogEditBlock(benchmark::State& state) {
    static std::string text;
    Measure(
        state, g_dialogEdit,
        [](vq::Document& doc) {
            text.clear();
            for (size_t i = 0; i < kBlock; ++i)
                text.append(";").append(doc.caption(500'000 + i)).append("\r\n");
            text.append("added_key = 1\r\n");
        },
        [](vq::Document& doc) {
            std::vector<size_t> selected(kBlock);
            std::iota(selected.begin(), selected.end(), size_t{500'000});
            const auto block = vq::DialogEditBlock(selected, 500'000 + kBlock / 2);
            vq::InsertDialogValues dialog;
            dialog.text = text;
            const auto lines = vq::DialogLines(PhpIniSettings(), dialog);
            (void)vq::ApplyDialogEdit(doc, PhpIniSettings(), *block, lines);
            return lines.size();
        });
}
BENCHMARK(BM_DialogEditBlock)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_CommentScatteredRows(benchmark::State& state) {
    Measure(
        state, g_commentScattered, [](vq::Document&) {},
        [](vq::Document& doc) {
            std::vector<size_t> rows;
            for (size_t k = 0; k < kBlock; ++k)
                rows.push_back(k * (kLines / kBlock) + 7);  // key lines of the generated file
            return vq::CommentRows(doc, PhpIniSettings(), rows);
        });
}
BENCHMARK(BM_CommentScatteredRows)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// Comment all, uncomment all, five times, with every log entry kept, as the window does. The
// document's own memory (rows, lines, texts) is measured apart from the log, which keeps every
// entry by design.
void BM_TenCommentUncommentPasses(benchmark::State& state) {
    for (auto _ : state) {
        const long long before = heap::Live();
        auto doc = OpenedPhpIniLike(static_cast<int>(kLines));
        const auto all = AllRows(*doc);
        const long long selection = heap::Live() - before - static_cast<long long>(doc->memoryBytes());
        for (int pass = 1; pass <= 10; ++pass) {
            if (pass % 2)
                vq::CommentRows(*doc, PhpIniSettings(), all);
            else
                vq::UncommentRows(*doc, PhpIniSettings(), all);
            const long long all = heap::Live() - before;
            const auto document = static_cast<double>(doc->memoryBytes() - doc->log().memoryBytes());
            if (pass == 1) {
                g_afterFirstAll = MB(all);
                g_afterFirstDoc = document / (1024.0 * 1024.0);
            }
            g_afterTenthAll = MB(all);
            g_afterTenthDoc = document / (1024.0 * 1024.0);
            std::printf("  pass %2d: heap %.1f MB, document without log %.1f MB, log %zu entries %.1f MB\n", pass,
                        MB(all), document / (1024.0 * 1024.0), doc->log().size(),
                        MB(static_cast<long long>(doc->log().memoryBytes())));
        }
        (void)selection;
    }
}
BENCHMARK(BM_TenCommentUncommentPasses)->Iterations(1)->Unit(benchmark::kMillisecond);

void Print(const char* what, const Figure& f, double budgetMs) {
    if (f.ms >= 1e18)
        return;
    std::printf("%s: %.2f ms, %zu rows, %ld notifications (window budget %.0f ms)\n", what, f.ms, f.changed,
                f.notifications, budgetMs);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\nOn %zu rows (core only):\n", kLines);
    Print("select all then comment", g_commentAll, 1000);
    Print("uncomment all", g_uncommentAll, 1000);
    Print("restore all", g_restoreAll, 1000);
    Print("delete every other row", g_deleteOther, 1000);
    Print("dialog edit of a 10000-row block", g_dialogEdit, 200);
    Print("comment 10000 scattered rows", g_commentScattered, 50);
    if (g_afterFirstDoc > 0) {
        const double docRatio = g_afterTenthDoc / g_afterFirstDoc;
        const double allRatio = g_afterTenthAll / g_afterFirstAll;
        std::printf(
            "ten comment/uncomment passes, document without its log: %.1f MB after the tenth / %.1f MB after the "
            "first = %.2f (target at most 1.5) %s\n",
            g_afterTenthDoc, g_afterFirstDoc, docRatio, docRatio <= 1.5 ? "ok" : "OVER");
        std::printf(
            "ten comment/uncomment passes, whole heap with the log's entries: %.1f MB / %.1f MB = %.2f (target at "
            "most 1.5) %s\n",
            g_afterTenthAll, g_afterFirstAll, allRatio, allRatio <= 1.5 ? "ok" : "OVER");
    }
    return 0;
}
