// The target text view on a text of 3,400,000 lines read from a source that keeps nothing: the
// view's own cost, apart from the document's.
//
// Figures printed:
//   "text view 3400000 lines: attach + first paint N ms"
//   "text view 3400000 lines: scroll to the end + paint N ms"
//   "text view 3400000 lines: position of the last line, first time N ms (X times the source's own
//    pass over the line lengths)"
//   "text view 3400000 lines: find a missing word over all lines N ms (X times that pass)"
//   "text view 3400000 lines: heap +N KB after attach and paint, +N KB after the end is shown"

#include "MemoryUse.h"
#include "OffscreenBenchmarks.h"

#include "ui/document/TargetTextView.h"
#include "ui/document/TextLineSource.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using vqbench::Median;

constexpr qsizetype kLines = 3400000;

// php.ini-like lines made up on demand: sections, comments, keys, blanks, tabs and Chinese.
class GeneratedIni : public vq::TextLineSource {
public:
    qsizetype lineCount() const override { return kLines; }
    QString lineText(qsizetype i) const override {
        switch (i % 8) {
        case 0: return QStringLiteral("[Section%1]").arg(i / 8);
        case 1: return QStringLiteral("; 中文注释：第 %1 行的说明").arg(i + 1);
        case 2: return QStringLiteral("key_%1\t= value\t; tab separated").arg(i);
        case 3: return QStringLiteral(";commented_key_%1 = Off").arg(i);
        case 4: return QString();
        default: return QStringLiteral("option_%1 = %2").arg(i).arg(i * 17);
        }
    }
    qsizetype maxLineLengthHint() const override { return 40; }
};

std::map<std::string, std::vector<double>> g_millis;
long long g_heapAttached = 0;
long long g_heapAtEnd = 0;

struct ShownView {
    GeneratedIni source;
    vq::TargetTextView view;
    ShownView() {
        view.resize(800, 600);
        view.show();
        QApplication::processEvents();
    }
    void paint() { view.viewport()->repaint(); }
};

double Elapsed(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

void BM_AttachAndFirstPaint(benchmark::State& state) {
    ShownView shown;
    for (auto _ : state) {
        state.PauseTiming();
        shown.view.setSource(nullptr);
        shown.paint();
        const long long before = vqbench::HeapInUse();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        shown.view.setSource(&shown.source);
        shown.paint();
        g_millis["attach"].push_back(Elapsed(timer));
        state.PauseTiming();
        g_heapAttached = vqbench::HeapInUse() - before;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AttachAndFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ScrollToEndAndPaint(benchmark::State& state) {
    ShownView shown;
    for (auto _ : state) {
        state.PauseTiming();
        shown.view.setSource(nullptr);
        shown.paint();
        const long long before = vqbench::HeapInUse();
        shown.view.setSource(&shown.source);
        shown.paint();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
        QApplication::sendEvent(&shown.view, &end);
        shown.paint();
        g_millis["end"].push_back(Elapsed(timer));
        state.PauseTiming();
        g_heapAtEnd = vqbench::HeapInUse() - before;
        if (shown.view.caret().line != kLines - 1 || shown.view.topLine() == 0)
            state.SkipWithError("the caret did not reach the end");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ScrollToEndAndPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

// The floor for anything that needs every line: the source making each line once.
void BM_SourceAlone(benchmark::State& state) {
    GeneratedIni source;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        qsizetype total = 0;
        for (qsizetype i = 0; i < kLines; ++i)
            total += source.lineLength(i);
        benchmark::DoNotOptimize(total);
        g_millis["source"].push_back(Elapsed(timer));
    }
}
BENCHMARK(BM_SourceAlone)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PositionOfLastLine(benchmark::State& state) {
    GeneratedIni source;
    vq::TargetTextView view;
    for (auto _ : state) {
        state.PauseTiming();
        view.setSource(&source);  // forgets every position worked out before
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(view.positionOfLine(kLines - 1));
        g_millis["position"].push_back(Elapsed(timer));
    }
}
BENCHMARK(BM_PositionOfLastLine)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FindMissing(benchmark::State& state) {
    GeneratedIni source;
    vq::TargetTextView view;
    view.setSource(&source);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const qsizetype at = view.find(QStringLiteral("no_such_key"), 0, false, false);
        g_millis["find"].push_back(Elapsed(timer));
        if (at != -1)
            state.SkipWithError("found what is not there");
    }
}
BENCHMARK(BM_FindMissing)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (!vqbench::RunOffscreenBenchmarks(argc, argv))
        return 1;
    const long long lines = kLines;
    std::printf("text view %lld lines: attach + first paint %.2f ms (median)\n", lines, Median(g_millis["attach"]));
    std::printf("text view %lld lines: scroll to the end + paint %.2f ms (median)\n", lines, Median(g_millis["end"]));
    const double source = Median(g_millis["source"]);
    std::printf(
        "text view %lld lines: position of the last line, first time %.0f ms (median; %.2f times the "
        "source's own pass over the line lengths, %.0f ms)\n",
        lines, Median(g_millis["position"]), Median(g_millis["position"]) / source, source);
    std::printf("text view %lld lines: find a missing word over all lines %.0f ms (median; %.2f times that pass)\n",
                lines, Median(g_millis["find"]), Median(g_millis["find"]) / source);
    std::printf("text view %lld lines: heap %+lld KB after attach and paint, %+lld KB after the end is shown\n", lines,
                g_heapAttached / 1024, g_heapAtEnd / 1024);
    return 0;
}
