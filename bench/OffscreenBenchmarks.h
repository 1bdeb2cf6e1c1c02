#pragma once
// The main of a benchmark program that builds widgets: the registered benchmarks run in an
// application on Qt's offscreen platform, so no display is needed.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <algorithm>
#include <vector>

namespace vqbench {

// Runs every registered benchmark the arguments select; false when they were not understood.
inline bool RunOffscreenBenchmarks(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return true;
}

// The middle value, -1 for none.
inline double Median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace vqbench
