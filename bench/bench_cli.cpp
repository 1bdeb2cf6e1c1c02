// The command line on a 1,000,000-line file, the php.ini-like one and the realistic mix, each run
// a process of the built program as a script would start it, output to /dev/null. Beside it, in
// the same rounds: `wc -l` on the same file, and Python 3's configparser reading it (strict off,
// no interpolation, ";" and "#" comments, no inline comments); and `--version`, the start-up
// every script call pays.
//
// Figures printed, medians of the rounds, for the wall-clock time and for the processor time
// (user + system, which other work on the machine disturbs less):
//   "--outline: N ms = X times wc -l; configparser / --outline: R (goal at least 60)"
//   the same for "--extract checked"; "--version: N ms (goal under 3)"

#include "PhpIniLike.h"
#include "ProcessRun.h"
#include "RealisticIni.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLines = 1'000'000;

const char* const kConfigParser =
    "import configparser, sys\n"
    "p = configparser.ConfigParser(strict=False, interpolation=None, comment_prefixes=(';', '#'),\n"
    "                              inline_comment_prefixes=None)\n"
    "with open(sys.argv[1], encoding='utf-8') as f:\n"
    "    p.read_file(f)\n"
    "print(len(p.sections()), sum(len(p[s]) for s in p.sections()))\n";

struct Paths {
    std::filesystem::path folder;
    std::string files[2];
    std::string script;
};
const char* const kFileNames[2] = {"php.ini-like", "realistic"};

const Paths& Files() {
    static const Paths paths = [] {
        Paths p;
        p.folder = std::filesystem::temp_directory_path() / "vq-bench-cli";
        std::filesystem::create_directories(p.folder);
        p.files[0] = (p.folder / "php.ini").string();
        p.files[1] = (p.folder / "realistic.ini").string();
        p.script = (p.folder / "read.py").string();
        std::ofstream(p.files[0], std::ios::binary) << bench::PhpIniLike(kLines);
        std::ofstream(p.files[1], std::ios::binary) << bench::RealisticIni(kLines);
        std::ofstream(p.script, std::ios::binary) << kConfigParser;
        return p;
    }();
    return paths;
}

using Took = vqbench::ProcessRun;

// Runs the command (looked up on PATH) with its output thrown away.
Took TimedRun(const std::vector<std::string>& command) { return vqbench::RunQuietly(command); }

struct Series {
    std::vector<double> wall, cpu;
    void add(const Took& t) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
};
double Median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
struct FileFigures {
    Series wc, outline, extract, python;
    std::vector<double> outlineRatio, extractRatio;  // configparser / command, round by round (wall)
};
struct Figures {
    FileFigures files[2];
    Series version;
    bool failed = false;
};
Figures g;
constexpr double kRatioGoal = 60;
constexpr double kVersionGoalMs = 3;

bool Run(const std::vector<std::string>& command, Series& series, Took* took = nullptr) {
    const Took t = TimedRun(command);
    if (t.wall < 0)
        return false;
    series.add(t);
    if (took)
        *took = t;
    return true;
}

// One round runs every command once on each file, so the ratios compare runs made side by side.
void BM_Rounds(benchmark::State& state) {
    for (auto _ : state) {
        for (int k = 0; k < 20; ++k)
            if (!Run({VQ_PROGRAM, "--version"}, g.version))
                g.failed = true;
        for (int f = 0; f < 2; ++f) {
            FileFigures& ff = g.files[f];
            const std::string& file = Files().files[f];
            Took outline, extract, python;
            const bool ok = Run({"wc", "-l", file}, ff.wc) &&
                            Run({VQ_PROGRAM, "--outline", file}, ff.outline, &outline) &&
                            Run({VQ_PROGRAM, "--extract", "checked", file}, ff.extract, &extract) &&
                            Run({"python3", Files().script, file}, ff.python, &python);
            if (!ok) {
                g.failed = true;
                state.SkipWithError("a command failed");
                return;
            }
            ff.outlineRatio.push_back(python.wall / outline.wall);
            ff.extractRatio.push_back(python.wall / extract.wall);
        }
    }
}
BENCHMARK(BM_Rounds)->Iterations(5)->Unit(benchmark::kSecond);

void PrintFile(int f) {
    const FileFigures& ff = g.files[f];
    std::printf("%s file: medians of %zu rounds\n", kFileNames[f], ff.outlineRatio.size());
    for (const auto& [kind, pick] : {std::pair<const char*, std::vector<double> Series::*>{"wall-clock", &Series::wall},
                                     {"processor (user + system)", &Series::cpu}}) {
        const double wc = Median(ff.wc.*pick), python = Median(ff.python.*pick);
        std::printf("  %s time: wc -l %.1f ms; python3 configparser %.0f ms\n", kind, wc * 1e3, python * 1e3);
        for (const auto& [what, series] :
             {std::pair<const char*, const Series&>{"--outline", ff.outline}, {"--extract checked", ff.extract}}) {
            const double t = Median(series.*pick);
            const double ratio = python / t;
            std::printf("    %s: %.1f ms = %.1f times wc -l; configparser / %s: %.1f (goal at least %.0f) %s\n", what,
                        t * 1e3, t / wc, what, ratio, kRatioGoal, ratio >= kRatioGoal ? "ok" : "UNDER");
        }
    }
    std::printf(
        "  side by side, round by round (wall-clock): configparser / --outline median %.1f, "
        "configparser / --extract checked median %.1f\n",
        Median(ff.outlineRatio), Median(ff.extractRatio));
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Files().folder);
    if (g.failed) {
        std::printf("a command failed; no figures\n");
        return 1;
    }
    if (g.version.wall.empty())
        return 0;
    double load[3] = {0, 0, 0};
    if (getloadavg(load, 3) < 0)
        load[0] = -1;
    std::printf("in the page cache, output to /dev/null; the machine's load average at the end: %.2f\n", load[0]);
    for (int f = 0; f < 2; ++f)
        PrintFile(f);
    const double version = Median(g.version.wall) * 1e3;
    std::printf("--version: %.2f ms wall-clock, %.2f ms processor (goal under %.0f) %s\n", version,
                Median(g.version.cpu) * 1e3, kVersionGoalMs, version < kVersionGoalMs ? "ok" : "OVER");
    return 0;
}
