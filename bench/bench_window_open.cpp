// Opening a 100,000-line php.ini-like file in the real main window, from OpenDocument until the
// rows, the topic tree and the target text are on screen.
//
// Figure printed:
//   "open 100000 lines in window: N ms"  (target: under 1000)

#include "WindowBenchSupport.h"

#include "app/Platform.h"
#include "app/TfrmMain.h"
#include "document/TargetTextView.h"
#include "files/FileController.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLines = 100000;

// Sections of keys, commented keys, plain comments, blank lines and framed titles, as php.ini has.
QByteArray PhpIniLike(int lines) {
    QByteArray out;
    out.reserve(lines * 32);
    int n = 0;
    auto add = [&](const QByteArray& line) {
        if (n < lines) {
            out += line;
            out += "\r\n";
            ++n;
        }
    };
    for (int section = 0; n < lines; ++section) {
        add("[Section" + QByteArray::number(section) + "]");
        for (int block = 0; block < 4 && n < lines; ++block) {
            add(";;;;;;");
            add("; Part " + QByteArray::number(block) + " of section " + QByteArray::number(section));
            add(";;;;;;");
            for (int k = 0; k < 6; ++k) {
                const QByteArray key = "option_" + QByteArray::number(section) + "_" + QByteArray::number(block * 10 + k);
                add("; " + key + " sets how the engine behaves");
                add((k % 3 == 0 ? ";" : "") + key + " = " + QByteArray::number(k * 17) + "");
            }
            add("");
        }
    }
    return out;
}

std::vector<double> g_millis;

void BM_OpenInWindow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("php.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(PhpIniLike(kLines)) < 0) {
            state.SkipWithError("cannot write the test file");
            return;
        }
    }
    vqbench::BenchPlatform platform;
    vq::TfrmMain window(platform, {});
    window.show();
    vqbench::ProcessUntilIdle();
    auto* list = window.findChild<QTableView*>(QStringLiteral("lvContent"));
    auto* tree = window.findChild<QTreeView*>(QStringLiteral("tvTopic"));
    auto* text = window.findChild<vq::TargetTextView*>(QStringLiteral("reContent"));

    for (auto _ : state) {
        state.PauseTiming();
        window.files().NewDocument();
        vqbench::ProcessUntilIdle();
        state.ResumeTiming();

        QElapsedTimer timer;
        timer.start();
        window.files().OpenDocument(path);
        vqbench::ProcessUntilIdle();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;

        state.PauseTiming();
        if (list->model()->rowCount() != kLines || tree->model()->rowCount() == 0 ||
            text->lineCount() < kLines) {
            state.SkipWithError("the file did not reach the views");
            return;
        }
        g_millis.push_back(ms);
        state.ResumeTiming();
    }
    state.counters["lines"] = kLines;
}
BENCHMARK(BM_OpenInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!g_millis.empty()) {
        std::sort(g_millis.begin(), g_millis.end());
        const double median = g_millis[g_millis.size() / 2];
        std::printf("open %d lines in window: %.0f ms (median of %zu; fastest %.0f ms, slowest %.0f ms)\n", kLines,
                    median, g_millis.size(), g_millis.front(), g_millis.back());
    }
    return 0;
}
