// Undo and redo of a 1,000,000-row php.ini-like file in the real main window: the commands run
// through the window's actions as the keys run them (编辑 → 注释选定行, Ctrl+Z, Ctrl+Y), so rows,
// tree, log and target text follow, and the time runs until the window has finished what the
// command posted (layouts, paints).
//
// Figures printed, each with its limit:
//   "select all, then comment: N ms"                     (limit 1000 ms)
//   "undo of that: N ms", "redo of that: N ms"           (limit 1000 ms each)
//   "undo of a 10000-row scattered comment: N ms"        (limit 50 ms), and its redo
//   "delete every other row", its undo and redo          (limit 1000 ms each)
//   "memory after 20 select-all comment/undo/redo cycles / after the first: X"   (limit 1.5)

#include "MemoryUse.h"
#include "PhpIniLike.h"
#include "WindowBenchSupport.h"

#include "core/editing/EditingTexts.h"
#include "core/editing/DeleteRestore.h"
#include "core/editing/UndoHistory.h"
#include "ui/app/TfrmMain.h"
#include "ui/files/FileController.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int kLines = 1'000'000;
constexpr int kScattered = 10'000;
constexpr int kCycles = 20;

struct Window : vqbench::OpenedPhpIniWindow {
    bool open() { return OpenedPhpIniWindow::open(kLines); }
    // Runs a command as its keys or menu item do; false when it was disabled.
    bool trigger(vq::Act act) {
        QAction* action = window->action(act);
        if (!action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    void select(const std::vector<int>& rows) {
        QItemSelection selection;
        const QAbstractItemModel* model = list->model();
        for (const int row : rows)
            selection.select(model->index(row, 0), model->index(row, model->columnCount() - 1));
        list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        vqbench::ProcessUntilIdle();
    }
};

double g_commandMs = 0;  // of the last Timed(): the command alone, models and views included
bool g_failed = false;

// Milliseconds from the command's start until the window is idle again.
double Timed(const std::function<bool()>& command) {
    QElapsedTimer timer;
    timer.start();
    if (!command())
        g_failed = true;
    g_commandMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    vqbench::ProcessUntilIdle();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

bool g_over = false;

void Print(const char* what, double figure, double limit, const char* unit = "ms") {
    const bool ok = figure <= limit;
    g_over = g_over || !ok;
    std::printf("%-66s %9.2f %s (limit %g %s) %s", what, figure, unit, limit, unit, ok ? "ok" : "OVER");
    if (std::strcmp(unit, "ms") == 0)
        std::printf("  [command until it returns %.2f ms]", g_commandMs);
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Window w;
    if (!w.open()) {
        std::fprintf(stderr, "the file did not open\n");
        return 1;
    }
    vq::Document& doc = w.doc();
    const vq::UndoHistory& history = w.window->session().history();
    const auto limits = history.limits();
    std::printf("%d rows; the history keeps at most %zu steps and %zu MB\n", kLines, limits.steps, limits.bytes >> 20);

    std::vector<int> scattered;
    for (int k = 0; k < kScattered; ++k)
        scattered.push_back(k * (kLines / kScattered) + 7);  // key lines of the generated file
    w.select(scattered);
    Print("comment 10000 scattered rows:", Timed([&] { return w.trigger(vq::Act::RemLine); }), 50);
    Print("undo of that (Ctrl+Z):", Timed([&] { return w.trigger(vq::Act::Undo); }), 50);
    Print("redo of that (Ctrl+Y):", Timed([&] { return w.trigger(vq::Act::Redo); }), 50);
    Timed([&] { return w.trigger(vq::Act::Undo); });

    w.list->selectAll();
    vqbench::ProcessUntilIdle();
    Print("select all, then comment:", Timed([&] { return w.trigger(vq::Act::RemLine); }), 1000);
    std::printf("(the step keeps %.1f MB)\n", vqbench::Megabytes(static_cast<long long>(history.memoryBytes())));
    Print("undo of that (Ctrl+Z):", Timed([&] { return w.trigger(vq::Act::Undo); }), 1000);
    Print("redo of that (Ctrl+Y):", Timed([&] { return w.trigger(vq::Act::Redo); }), 1000);

    // Half a million runs of rows come back in one pass. (The command runs without the list's
    // selection of half a million ranges, which Qt's selection model takes long to build.)
    std::vector<size_t> everyOther;
    for (size_t row = 0; row < static_cast<size_t>(kLines); row += 2)
        everyOther.push_back(row);
    Print("delete every other row:", Timed([&] {
              vq::UndoHistory::Step step(w.window->session().history(), vq::texts::kCapDelLine);
              return vq::DeleteRows(doc, everyOther) == everyOther.size();
          }),
          1000);
    Print("undo of that (Ctrl+Z):", Timed([&] { return w.trigger(vq::Act::Undo); }), 1000);
    Print("redo of that (Ctrl+Y):", Timed([&] { return w.trigger(vq::Act::Redo); }), 1000);
    Timed([&] { return w.trigger(vq::Act::Undo); });

    // Twenty cycles of select all, comment, undo and redo, the log keeping every entry as a
    // user would see it: the figure is what rows, texts, history, log and views hold.
    long long afterFirst = 0, afterLast = 0, residentFirst = 0, residentLast = 0;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        w.list->selectAll();
        vqbench::ProcessUntilIdle();
        w.trigger(vq::Act::RemLine);
        vqbench::ProcessUntilIdle();
        w.trigger(vq::Act::Undo);
        vqbench::ProcessUntilIdle();
        w.trigger(vq::Act::Redo);
        vqbench::ProcessUntilIdle();
        const long long now = vqbench::HeapInUse();
        if (cycle == 1) {
            afterFirst = now;
            residentFirst = vqbench::ResidentBytes();
        }
        afterLast = now;
        residentLast = vqbench::ResidentBytes();
    }
    std::printf(
        "(log entries %zu in %.1f MB; history %zu steps, %.1f MB; heap in use after the first cycle %.1f MB, "
        "after the twentieth %.1f MB; resident %.1f MB, %.1f MB)\n",
        doc.log().size(), vqbench::Megabytes(static_cast<long long>(doc.log().memoryBytes())), history.undoCount(),
        vqbench::Megabytes(static_cast<long long>(history.memoryBytes())), vqbench::Megabytes(afterFirst),
        vqbench::Megabytes(afterLast), vqbench::Megabytes(residentFirst), vqbench::Megabytes(residentLast));
    Print("memory after 20 select-all comment/undo/redo cycles / after the first:",
          static_cast<double>(std::max(afterLast, 1LL)) / static_cast<double>(std::max(afterFirst, 1LL)), 1.5, "x");
    if (g_failed)
        std::printf("a command was disabled when it was needed\n");
    return g_over || g_failed ? 1 : 0;
}
