// The command line on a 1,000,000-line php.ini-like file, each run a process of the built
// program as a script would start it, output to /dev/null. Beside it: `wc -l` on the same file,
// and Python 3's configparser reading it (strict off, no interpolation, ";" and "#" comments,
// no inline comments).
//
// Figures printed, for the wall-clock time and for the processor time (user + system, which
// other work on the machine disturbs less):
//   "--outline: N ms = X times wc -l; configparser / --outline: R (goal at least 25)"
//   the same for "--extract checked"

#include "PhpIniLike.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

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
    std::string file;
    std::string script;
};

const Paths& Files() {
    static const Paths paths = [] {
        Paths p;
        p.folder = std::filesystem::temp_directory_path() / "vq-bench-cli";
        std::filesystem::create_directories(p.folder);
        p.file = (p.folder / "php.ini").string();
        p.script = (p.folder / "read.py").string();
        std::ofstream(p.file, std::ios::binary) << bench::PhpIniLike(kLines);
        std::ofstream(p.script, std::ios::binary) << kConfigParser;
        return p;
    }();
    return paths;
}

struct Took {
    double wall = -1;  // seconds; negative when the command did not end with status 0
    double cpu = -1;   // user + system seconds of the process
};

// Runs the command (looked up on PATH) with its output thrown away.
Took TimedRun(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    std::vector<std::string> copy = command;
    for (std::string& s : copy)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto t0 = Clock::now();
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {wall, seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

struct Best {
    double wall = 1e9, cpu = 1e9;
};
struct Figures {
    Best wc, outline, extract, python;
    bool failed = false;
};
Figures g;

void Measure(benchmark::State& state, const std::vector<std::string>& command, Best& best) {
    for (auto _ : state) {
        const Took t = TimedRun(command);
        if (t.wall < 0) {
            g.failed = true;
            state.SkipWithError("the command failed");
            return;
        }
        best.wall = std::min(best.wall, t.wall);
        best.cpu = std::min(best.cpu, t.cpu);
        state.SetIterationTime(t.wall);
    }
}

void BM_WcL(benchmark::State& state) { Measure(state, {"wc", "-l", Files().file}, g.wc); }
void BM_Outline(benchmark::State& state) { Measure(state, {VQ_PROGRAM, "--outline", Files().file}, g.outline); }
void BM_ExtractChecked(benchmark::State& state) {
    Measure(state, {VQ_PROGRAM, "--extract", "checked", Files().file}, g.extract);
}
void BM_ConfigParser(benchmark::State& state) { Measure(state, {"python3", Files().script, Files().file}, g.python); }

BENCHMARK(BM_WcL)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Outline)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractChecked)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfigParser)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

void PrintFigures(const char* kind, double Best::*time) {
    std::printf("%s time:\n", kind);
    std::printf("  wc -l: %.1f ms; python3 configparser: %.1f ms\n", g.wc.*time * 1e3, g.python.*time * 1e3);
    for (const auto& [what, best] :
         {std::pair<const char*, const Best&>{"--outline", g.outline}, {"--extract checked", g.extract}}) {
        const double ratio = g.python.*time / best.*time;
        std::printf("  %s: %.1f ms = %.1f times wc -l; configparser / %s: %.1f (goal at least 25) %s\n", what,
                    best.*time * 1e3, best.*time / g.wc.*time, what, ratio, ratio >= 25 ? "ok" : "UNDER");
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto bytes = std::filesystem::file_size(Files().file);
    std::filesystem::remove_all(Files().folder);
    if (g.failed) {
        std::printf("a command failed; no figures\n");
        return 1;
    }
    std::printf("file: %d lines, %.1f MB, in the page cache; best of several runs, output to /dev/null\n", kLines,
                static_cast<double>(bytes) / (1024.0 * 1024.0));
    PrintFigures("wall-clock", &Best::wall);
    PrintFigures("processor (user + system)", &Best::cpu);
    return 0;
}
