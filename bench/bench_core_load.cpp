// Loading and analysing a million-line file in the core, measured against the plain cost of
// finding its line breaks, and the memory the core needs for it. Two files: the regular
// php.ini-like one and a realistic mix (RealisticIni.h).
//
// Figures printed, per file:
//   "load+analyse / memchr ratio: X"  (goal: at most 4; median of the rounds, each round's load
//                                      against the memchr count run right before it; in
//                                      wall-clock time, and in the loading thread's processor
//                                      time, which a busy machine disturbs less)
//   "peak heap: N MB = X times the file size"  (goal: at most 1.8)
//   "hash of the bytes: N ms" (the change check's, made in the load's pass beside the split)

#include "HeapAccounting.h"
#include "PhpIniLike.h"
#include "RealisticIni.h"

#include "core/document/DocumentLoading.h"
#include "core/files/ContentHash.h"
#include "core/settings/SignPanel.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLines = 1'000'000;
constexpr double kRatioGoal = 4.0;
constexpr double kPeakGoal = 1.8;

size_t CountLinesWithMemchr(const std::string& bytes) {
    size_t count = 0;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p))))) {
        ++count;
        ++p;
    }
    return count;
}

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double Median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Figures {
    const char* name = "";
    std::vector<double> memchr, load, ratio, read, cpuRatio, hash;
    long long peakBytes = 0;
    size_t fileBytes = 0;
    size_t nodes = 0;
};
Figures g_files[2];

const std::string& File(int which) {
    static const std::string files[2] = {bench::PhpIniLike(kLines), bench::RealisticIni(kLines)};
    return files[which];
}

vq::AnalysisSettings PhpIniSettings() {
    vq::SignPanel signs;
    signs.PatternClick(2);
    return signs.settings();
}

// The memchr count and the load take turns, so both see the same state of the machine.
void BM_LoadAndAnalyse(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    Figures& f = g_files[which];
    f.name = which == 0 ? "php.ini-like" : "realistic";
    const std::string& file = File(which);
    const vq::AnalysisSettings settings = PhpIniSettings();
    vq::LoadOptions options;
    options.analysis = &settings;
    f.fileBytes = file.size();

    for (auto _ : state) {
        double memchr = 1e9, memchrCpu = 1e9;
        for (int k = 0; k < 3; ++k) {
            const double c0 = ThreadSeconds();
            const auto t0 = Clock::now();
            benchmark::DoNotOptimize(CountLinesWithMemchr(file));
            memchr = std::min(memchr, Seconds(t0, Clock::now()));
            memchrCpu = std::min(memchrCpu, ThreadSeconds() - c0);
        }
        const auto h0 = Clock::now();
        benchmark::DoNotOptimize(vq::HashBytes(file));
        f.hash.push_back(Seconds(h0, Clock::now()));

        const long long before = heap::Live();
        heap::ResetPeak();
        vq::ByteBuffer bytes = vq::ByteBuffer::copyOf(file);  // what reading the file gives
        const double c0 = ThreadSeconds();
        const auto t0 = Clock::now();
        vq::LoadResult loaded = vq::OpenBytesIntoDocument(std::move(bytes), options);
        const double took = Seconds(t0, Clock::now());
        f.cpuRatio.push_back((ThreadSeconds() - c0) / memchrCpu);

        f.peakBytes = std::max(f.peakBytes, heap::Peak() - before);
        f.memchr.push_back(memchr);
        f.load.push_back(took);
        f.ratio.push_back(took / memchr);
        state.SetIterationTime(took);
        if (loaded.status != vq::LoadStatus::Loaded || loaded.document->rowCount() != kLines) {
            state.SkipWithError("the document did not load whole");
            return;
        }
        f.nodes = loaded.document->tree().nodeCount();
        loaded.document.reset();  // unloading is not part of the measured load
    }
    state.counters["ratio"] = Median(f.ratio);
    state.counters["peak_x_file"] = static_cast<double>(f.peakBytes) / static_cast<double>(file.size());
}
BENCHMARK(BM_LoadAndAnalyse)->Arg(0)->Arg(1)->UseManualTime()->Iterations(11)->Unit(benchmark::kMillisecond);

// The same from the file on disk (in the page cache): reading is part of the time.
void BM_ReadAndAnalyse(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const auto path = std::filesystem::temp_directory_path() / "vq-bench-load.ini";
    {
        std::ofstream out(path, std::ios::binary);
        out << File(which);
    }
    const vq::AnalysisSettings settings = PhpIniSettings();
    vq::LoadOptions options;
    options.analysis = &settings;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        vq::LoadResult loaded = vq::ReadFileIntoDocument(path.string(), options);
        const double took = Seconds(t0, Clock::now());
        g_files[which].read.push_back(took);
        state.SetIterationTime(took);
        if (loaded.status != vq::LoadStatus::Loaded)
            state.SkipWithError("the file did not load");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadAndAnalyse)->Arg(0)->Arg(1)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    double load[1] = {0};
    if (getloadavg(load, 1) == 1)
        std::printf("the machine's load average at the end: %.2f\n", load[0]);
    for (const Figures& f : g_files) {
        if (f.fileBytes == 0)
            continue;
        const double ratio = Median(f.ratio);
        const double peak = static_cast<double>(f.peakBytes) / static_cast<double>(f.fileBytes);
        std::printf("%s file: %d lines, %.1f MB, %zu tree nodes\n", f.name, kLines,
                    static_cast<double>(f.fileBytes) / (1024.0 * 1024.0), f.nodes);
        std::printf(
            "  medians of %zu rounds: memchr line count %.2f ms; load+analyse %.2f ms; read+load+analyse "
            "from the page cache %.2f ms\n",
            f.ratio.size(), Median(f.memchr) * 1e3, Median(f.load) * 1e3, Median(f.read) * 1e3);
        std::printf(
            "  load+analyse / memchr ratio: %.1f (goal at most %.0f) %s; in the loading thread's processor "
            "time: %.1f %s\n",
            ratio, kRatioGoal, ratio <= kRatioGoal ? "ok" : "OVER", Median(f.cpuRatio),
            Median(f.cpuRatio) <= kRatioGoal ? "ok" : "OVER");
        std::printf("  hash of the bytes: %.2f ms, in the load's pass beside the split\n", Median(f.hash) * 1e3);
        std::printf("  peak heap: %.1f MB = %.2f times the file size (goal at most %.1f) %s\n",
                    static_cast<double>(f.peakBytes) / (1024.0 * 1024.0), peak, kPeakGoal,
                    peak <= kPeakGoal ? "ok" : "OVER");
    }
    return 0;
}
