// The content list's own view against Qt's QTableView and QTreeView: 3,400,000 rows of a trivial
// two-column model with a check box in column 0, uniform row heights. Rows are made up when
// painted. The heap is what the view keeps once it shows the rows.
//
// Figures printed:
//   "content list 3400000 rows, ContentListView: attach + first paint N ms, heap +N MB"
//   "content list 3400000 rows, QTableView: attach + first paint N ms, heap +N MB"
//   "content list 3400000 rows, QTreeView: attach + first paint N ms, heap +N MB"
//   "tree / table: time X, heap X"

#include "MemoryUse.h"
#include "OffscreenBenchmarks.h"

#include "ui/document/ContentListView.h"

#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using vqbench::Median;

constexpr int kRows = 3400000;

class TrivialRows : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kRows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole)
            return QStringLiteral("option_%1 = %2").arg(index.row()).arg(index.column());
        if (role == Qt::CheckStateRole && index.column() == 0)
            return index.row() % 3 ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
        return index.column() == 0 ? f | Qt::ItemIsUserCheckable : f;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return section == 0 ? QStringLiteral("after") : QStringLiteral("before");
        return {};
    }
};

// Lets the view run what it posted (delayed layouts, paints) until nothing is left.
void ProcessUntilIdle() {
    for (int round = 0; round < 3; ++round) {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

std::unique_ptr<QAbstractItemView> MakeTree() {
    auto tree = std::make_unique<QTreeView>();
    tree->setUniformRowHeights(true);
    tree->setRootIsDecorated(false);
    tree->setItemsExpandable(false);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    return tree;
}

std::unique_ptr<QAbstractItemView> MakeTable() {
    auto table = std::make_unique<QTableView>();
    QHeaderView* rows = table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(table->fontMetrics().height() + 4);
    rows->hide();
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    return table;
}

std::unique_ptr<QAbstractItemView> MakeList() { return std::make_unique<vq::ContentListView>(); }

struct Figures {
    std::vector<double> millis;
    long long heap = 0;
};
Figures g_list;
Figures g_tree;
Figures g_table;

void Measure(benchmark::State& state, std::unique_ptr<QAbstractItemView> (*make)(), Figures& figures) {
    TrivialRows model;
    for (auto _ : state) {
        state.PauseTiming();
        ProcessUntilIdle();
        const long long before = vqbench::HeapInUse();
        std::unique_ptr<QAbstractItemView> view = make();
        view->resize(600, 400);
        view->show();
        ProcessUntilIdle();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        view->setModel(&model);
        ProcessUntilIdle();
        view->viewport()->repaint();
        figures.millis.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        figures.heap = vqbench::HeapInUse() - before;
        if (view->model()->rowCount() != kRows)
            state.SkipWithError("the model did not reach the view");
        view.reset();
        state.ResumeTiming();
    }
}

void BM_ContentListView(benchmark::State& state) { Measure(state, MakeList, g_list); }
void BM_TreeView(benchmark::State& state) { Measure(state, MakeTree, g_tree); }
void BM_TableView(benchmark::State& state) { Measure(state, MakeTable, g_table); }
BENCHMARK(BM_ContentListView)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_TableView)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_TreeView)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (!vqbench::RunOffscreenBenchmarks(argc, argv))
        return 1;
    std::printf("content list %d rows, ContentListView: attach + first paint %.1f ms (median), heap %+.1f MB\n", kRows,
                Median(g_list.millis), vqbench::Megabytes(g_list.heap));
    const double tree = Median(g_tree.millis);
    const double table = Median(g_table.millis);
    std::printf("content list %d rows, QTreeView: attach + first paint %.1f ms (median), heap %+.1f MB\n", kRows, tree,
                vqbench::Megabytes(g_tree.heap));
    std::printf("content list %d rows, QTableView: attach + first paint %.1f ms (median), heap %+.1f MB\n", kRows,
                table, vqbench::Megabytes(g_table.heap));
    if (tree > 0 && table > 0 && g_table.heap > 0)
        std::printf("tree / table: time %.1fx, heap %.1fx\n", tree / table,
                    static_cast<double>(g_tree.heap) / static_cast<double>(g_table.heap));
    return 0;
}
