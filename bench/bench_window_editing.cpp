// The dialog edit of a block of 10,000 selected rows in the real window over a 1,000,000-row
// php.ini-like file: the rows shown in the insert dialog, every line forced to a comment there,
// and the confirmed lines written back into the rows, the target text and the log.
#include "OffscreenBenchmarks.h"
#include "PhpIniLike.h"
#include "WindowBenchSupport.h"

#include "ui/app/TfrmMain.h"
#include "ui/document/TargetTextView.h"
#include "ui/editing/EditingController.h"
#include "ui/editing/TfrmInsert.h"
#include "ui/files/FileController.h"
#include "ui/toolbox/Platform.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLines = 1000000;
constexpr int kBlockStart = 500000;
constexpr int kBlockRows = 10000;
constexpr double kLimitMs = 200;

using vqbench::BenchPlatform;
using vqbench::ProcessUntilIdle;
using vqbench::WaitForListRows;

std::vector<double> g_millis;

void BM_DialogEditInWindow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("php.ini"));
    {
        QFile file(path);
        const std::string bytes = bench::PhpIniLike(kLines);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) < 0) {
            state.SkipWithError("cannot write the test file");
            return;
        }
    }
    BenchPlatform platform;
    vq::TfrmMain window(platform, {path});
    window.show();
    ProcessUntilIdle();
    auto* list = window.findChild<QAbstractItemView*>(QStringLiteral("lvContent"));
    if (!WaitForListRows(list, kLines)) {
        state.SkipWithError("the file did not load");
        return;
    }
    vq::TfrmInsert& dialog = window.editing().insertDialog();
    dialog.findChild<QCheckBox*>(QStringLiteral("chkAllRem"))->setChecked(true);

    for (auto _ : state) {
        state.PauseTiming();
        const QModelIndex top = list->model()->index(kBlockStart, 0);
        const QModelIndex bottom = list->model()->index(kBlockStart + kBlockRows - 1, 1);
        list->selectionModel()->select(QItemSelection(top, bottom), QItemSelectionModel::ClearAndSelect);
        list->selectionModel()->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
        ProcessUntilIdle();
        const size_t logBefore = window.document().log().size();
        // The user confirms the dialog as soon as it is up.
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
        state.ResumeTiming();

        QElapsedTimer timer;
        timer.start();
        window.action(vq::Act::EditLine)->trigger();
        ProcessUntilIdle();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;

        state.PauseTiming();
        if (window.document().log().size() != logBefore + kBlockRows ||
            window.document().caption(kBlockStart + 3).substr(0, 1) != ";") {
            state.SkipWithError("the edit did not reach the document");
            return;
        }
        g_millis.push_back(ms);
        state.ResumeTiming();
    }
    state.counters["rows"] = kBlockRows;
}
BENCHMARK(BM_DialogEditInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (!vqbench::RunOffscreenBenchmarks(argc, argv))
        return 1;
    if (!g_millis.empty()) {
        std::sort(g_millis.begin(), g_millis.end());
        const double median = g_millis[g_millis.size() / 2];
        std::printf("dialog edit of %d rows in a %d-row window: %.0f ms (median of %zu; limit %.0f ms)\n", kBlockRows,
                    kLines, median, g_millis.size(), kLimitMs);
    }
    return 0;
}
