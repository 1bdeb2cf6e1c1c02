// Loading and analysing a million-line file, measured against the plain cost of finding its
// line breaks, and the heap the core needs for it.
//
// Figures printed:
//   "load+analyse / memchr ratio: X"  (target: at most 30)
//   "peak heap: N MB = X times the file size"  (target: under 12)

#include "Progress.h"
#include "document/Document.h"
#include "document/TreeBuilder.h"
#include "settings/SignPanel.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>

// --- heap accounting ------------------------------------------------------------------------
// Every operator new and delete of the program goes through here, the core's included, so the
// live byte count is exact for what the C++ code allocates.

namespace {

std::atomic<long long> g_liveBytes{0};
std::atomic<long long> g_peakBytes{0};

void* Allocate(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    const auto bytes = static_cast<long long>(malloc_usable_size(p));
    const long long live = g_liveBytes.fetch_add(bytes, std::memory_order_relaxed) + bytes;
    long long peak = g_peakBytes.load(std::memory_order_relaxed);
    while (live > peak && !g_peakBytes.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
    }
    return p;
}

void Release(void* p) noexcept {
    if (!p)
        return;
    g_liveBytes.fetch_sub(static_cast<long long>(malloc_usable_size(p)), std::memory_order_relaxed);
    std::free(p);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLines = 1'000'000;

// A php.ini-like file: sections, framed titles, key lines, commented keys, comments and blank
// lines, about 30 bytes a line on average.
std::string MakeFile() {
    std::string out;
    out.reserve(32u * kLines);
    int line = 0;
    auto put = [&](const std::string& text) {
        out += text;
        out += '\n';
        ++line;
    };
    for (int block = 0; line < kLines; ++block) {
        if (block % 5 == 0)
            put("[Section " + std::to_string(block / 5) + "]");
        put(";;;;;;;;;;;;;;;;;;;;");
        put("; Title " + std::to_string(block));
        put(";;;;;;;;;;;;;;;;;;;;");
        for (int j = 0; j < 40 && line < kLines; ++j) {
            const std::string n = std::to_string(line);
            switch (j % 8) {
            case 0: put(""); break;
            case 1: put("; explains what setting " + n + " does here"); break;
            case 2: put(";key_" + n + " = off ; disabled now"); break;
            default: put("key_" + n + " = value " + n + " ; default"); break;
            }
        }
    }
    return out;
}

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

struct Figures {
    double bestMemchr = 1e9;
    double bestLoad = 1e9;
    long long peakBytes = 0;
    size_t fileBytes = 0;
};
Figures g_figures;

double TimeMemchr(const std::string& file) {
    double best = 1e9;
    for (int k = 0; k < 5; ++k) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(CountLinesWithMemchr(file));
        best = std::min(best, Seconds(t0, Clock::now()));
    }
    return best;
}

void BM_LoadAndAnalyse(benchmark::State& state) {
    static const std::string file = MakeFile();
    vq::SignPanel signs;
    signs.PatternClick(2);  // php.ini
    g_figures.fileBytes = file.size();

    for (auto _ : state) {
        g_figures.bestMemchr = std::min(g_figures.bestMemchr, TimeMemchr(file));

        const long long before = g_liveBytes.load();
        g_peakBytes.store(before);
        std::string bytes = file;  // what reading the file gives the document
        auto doc = std::make_unique<vq::Document>();

        const auto t0 = Clock::now();
        doc->load(std::move(bytes), vq::Progress{});
        const bool ok = vq::BuildTopicTree(*doc, signs.settings(), vq::Progress{});
        const double took = Seconds(t0, Clock::now());

        g_figures.peakBytes = std::max(g_figures.peakBytes, g_peakBytes.load() - before);
        g_figures.bestLoad = std::min(g_figures.bestLoad, took);
        state.SetIterationTime(took);
        if (!ok || doc->rowCount() != kLines)
            state.SkipWithError("the document did not load whole");
        benchmark::DoNotOptimize(doc->tree().nodeCount());
        doc.reset();  // unloading is not part of the measured load
    }
    state.counters["ratio"] = g_figures.bestLoad / g_figures.bestMemchr;
    state.counters["memchr_ms"] = g_figures.bestMemchr * 1e3;
    state.counters["peak_MB"] = static_cast<double>(g_figures.peakBytes) / (1024.0 * 1024.0);
    state.counters["peak_x_file"] = static_cast<double>(g_figures.peakBytes) / static_cast<double>(file.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_LoadAndAnalyse)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_figures.fileBytes == 0)
        return 0;
    std::printf("file: %d lines, %.1f MB\n", kLines, static_cast<double>(g_figures.fileBytes) / (1024.0 * 1024.0));
    std::printf("memchr line count: %.2f ms; load+analyse: %.2f ms\n", g_figures.bestMemchr * 1e3,
                g_figures.bestLoad * 1e3);
    std::printf("load+analyse / memchr ratio: %.1f\n", g_figures.bestLoad / g_figures.bestMemchr);
    std::printf("peak heap: %.1f MB = %.2f times the file size\n",
                static_cast<double>(g_figures.peakBytes) / (1024.0 * 1024.0),
                static_cast<double>(g_figures.peakBytes) / static_cast<double>(g_figures.fileBytes));
    return 0;
}
