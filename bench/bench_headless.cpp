// The headless edits: --set on a 1,000,000-line php.ini-like file, 200 mixed edits on a
// php.ini-sized file, and what one host costs Ansible against what varnoquil takes of it.
//
// Figures printed (best of the runs; the machine's other work disturbs the wall-clock figures
// more than the processor times):
//   "--set, 1,000,000 lines: N ms wall, N ms processor (goal under 300 ms)"
//   "  peak resident: N MB = X times the file (goal under 2.5); the program's own start; the rest"
//   "  in the core: N ms, peak heap N MB = X times the file"
//   "200 mixed edits, php.ini-sized file: N ms in the core, N ms as a process (goal under 50 ms)"
//   "Ansible: N ms per host for 5 edits; varnoquil's part: N ms (X%)"

#include "HeapAccounting.h"
#include "MemoryUse.h"
#include "PhpIniLike.h"
#include "ProcessRun.h"

#include "core/headless/FileEdit.h"
#include "core/settings/SignPanel.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <malloc.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
constexpr int kMillion = 1'000'000;
constexpr int kPhpIniLines = 2'000;  // php.ini is about 2,000 lines, 70 KB

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

const fs::path& Folder() {
    static const fs::path folder = [] {
        const fs::path f = fs::temp_directory_path() / "vq-bench-headless";
        fs::remove_all(f);
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

std::string Put(const std::string& name, const std::string& bytes) {
    const std::string path = (Folder() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

using Took = vqbench::ProcessRun;

// A child started with posix_spawn shares this process's memory until it runs the program, and
// the kernel counts this process's peak resident memory as the child's: give back what is free
// and bring the peak down to what is resident now, so that the child's figure is its own.
void LowerPeakResident() {
    malloc_trim(0);
    vqbench::ResetPeakResident();
}

// Runs a command with its output and its messages thrown away.
Took TimedRun(const std::vector<std::string>& command) {
    LowerPeakResident();
    return vqbench::RunQuietly(command, false);
}

vq::AnalysisSettings Pattern(int p) {
    vq::SignPanel signs;
    signs.PatternClick(p);
    return signs.settings();
}

struct Figures {
    size_t millionBytes = 0;
    Took setProcess{1e9, 1e9, 0};
    Took startProcess{1e9, 1e9, 0};
    double setCore = 1e9;
    long long setCoreHeap = 0;
    double mixedCore = 1e9;
    double mixedProcess = 1e9;
    size_t mixedEdits = 0;
    double ansiblePerHost = -1;
    double oursPerHost = -1;
    bool failed = false;
};
Figures g;

void Keep(Took& best, const Took& t) {
    best.wall = std::min(best.wall, t.wall);
    best.cpu = std::min(best.cpu, t.cpu);
    best.maxResident = std::max(best.maxResident, t.maxResident);
}

const std::string& MillionFile() {
    static const std::string path = [] {
        const std::string bytes = bench::PhpIniLike(kMillion);
        g.millionBytes = bytes.size();
        return Put("million.ini", bytes);
    }();
    return path;
}

// Every run changes the file: the value goes back and forth.
void BM_SetMillionLinesProcess(benchmark::State& state) {
    const std::string& file = MillionFile();
    const std::string tiny = Put("tiny.ini", "[s]\nk = 1\n");
    int run = 0;
    for (auto _ : state) {
        const Took t =
            TimedRun({VQ_PROGRAM, "--set", "Section 2000", "key_400011", "v" + std::to_string(run++ % 2), file});
        if (t.wall < 0) {
            g.failed = true;
            state.SkipWithError("varnoquil --set failed");
            return;
        }
        Keep(g.setProcess, t);
        Keep(g.startProcess, TimedRun({VQ_PROGRAM, "--set", "s", "k", std::to_string(run % 2), tiny}));
        state.SetIterationTime(t.wall);
    }
}

void BM_SetMillionLinesCore(benchmark::State& state) {
    vq::FileEditRequest request;
    request.path = MillionFile();
    request.settings = Pattern(2);
    int run = 0;
    for (auto _ : state) {
        request.edits = {{vq::EditAction::Set, "Section 2000", "key_400011", "c" + std::to_string(run++ % 2)}};
        const long long before = heap::Live();
        heap::ResetPeak();
        const auto t0 = Clock::now();
        const vq::FileEditResult result = vq::EditFile(request);
        const double took = Seconds(t0, Clock::now());
        if (!result.ok || !result.written) {
            g.failed = true;
            state.SkipWithError(result.error.c_str());
            return;
        }
        g.setCore = std::min(g.setCore, took);
        g.setCoreHeap = std::max(g.setCoreHeap, heap::Peak() - before);
        state.SetIterationTime(took);
    }
}

// 200 edits of every kind over the sections of a php.ini-sized file: values set, new keys
// added, documented keys switched on, keys commented out and deleted, values read.
std::vector<vq::KeyEdit> MixedEdits(const std::string& bytes) {
    struct Section {
        std::string name;
        std::vector<std::string> active, commented;
    };
    std::vector<Section> sections;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("[Section "))
            sections.push_back({line.substr(1, line.size() - 2), {}, {}});
        else if (!sections.empty() && line.starts_with("key_"))
            sections.back().active.push_back(line.substr(0, line.find(' ')));
        else if (!sections.empty() && line.starts_with(";key_"))
            sections.back().commented.push_back(line.substr(1, line.find(' ') - 1));
    }
    std::vector<vq::KeyEdit> edits;
    for (size_t k = 0; edits.size() < 200; ++k) {
        Section& s = sections[k % sections.size()];
        const size_t i = k / sections.size();
        switch (k % 6) {
        case 0:
            edits.push_back({vq::EditAction::Set, s.name, s.active[i % s.active.size()], "x" + std::to_string(k)});
            break;
        case 1: edits.push_back({vq::EditAction::Set, s.name, "new_" + std::to_string(k), "1"}); break;
        case 2: edits.push_back({vq::EditAction::Enable, s.name, s.commented[i % s.commented.size()], {}}); break;
        case 3: edits.push_back({vq::EditAction::Disable, s.name, s.active[(i + 1) % s.active.size()], {}}); break;
        case 4: edits.push_back({vq::EditAction::Delete, s.name, s.active[(i + 2) % s.active.size()], {}}); break;
        default: edits.push_back({vq::EditAction::Get, s.name, s.active.back(), {}}); break;
        }
    }
    return edits;
}

void BM_MixedEdits(benchmark::State& state) {
    const std::string original = bench::PhpIniLike(kPhpIniLines);
    const std::vector<vq::KeyEdit> edits = MixedEdits(original);
    g.mixedEdits = edits.size();
    std::vector<std::string> command = {VQ_PROGRAM, "--pattern", "2"};
    for (const vq::KeyEdit& e : edits) {
        static const char* const kOptions[] = {"--get", "--set", "--disable", "--enable", "--delete"};
        command.push_back(kOptions[static_cast<int>(e.action)]);
        command.push_back(e.section);
        command.push_back(e.key);
        if (e.action == vq::EditAction::Set)
            command.push_back(e.value);
    }
    vq::FileEditRequest request;
    request.settings = Pattern(2);
    request.edits = edits;
    for (auto _ : state) {
        request.path = Put("php.ini", original);
        const auto t0 = Clock::now();
        const vq::FileEditResult result = vq::EditFile(request);
        const double took = Seconds(t0, Clock::now());
        if (!result.ok || !result.written) {
            g.failed = true;
            state.SkipWithError(result.error.c_str());
            return;
        }
        g.mixedCore = std::min(g.mixedCore, took);
        state.SetIterationTime(took);
        command.push_back(Put("php-process.ini", original));
        const Took t = TimedRun(command);
        command.pop_back();
        if (t.wall < 0) {
            g.failed = true;
            state.SkipWithError("varnoquil with 200 edits failed");
            return;
        }
        g.mixedProcess = std::min(g.mixedProcess, t.wall);
    }
}

// One playbook of five edits over four local hosts, one host after the other, against the same
// playbook without tasks; beside it, the five varnoquil runs the module makes for one host.
double PlaybookSeconds(const fs::path& work, const std::string& playbook) {
    const std::string command = "cd '" + work.string() + "' && ANSIBLE_FORKS=1 ANSIBLE_NOCOLOR=1 HOME='" +
                                work.string() + "' ANSIBLE_LOCAL_TEMP='" + work.string() +
                                "/tmp' ANSIBLE_COLLECTIONS_PATH='" + work.string() +
                                "/collections' ansible-playbook -i inventory.ini " + playbook + " > /dev/null 2>&1";
    const auto t0 = Clock::now();
    const int status = std::system(command.c_str());
    return status == 0 ? Seconds(t0, Clock::now()) : -1;
}

void BM_AnsiblePerHost(benchmark::State& state) {
    if (std::system("command -v ansible-playbook > /dev/null 2>&1") != 0) {
        state.SkipWithError("ansible-playbook is not installed");
        return;
    }
    constexpr int kHosts = 4;
    const fs::path work = Folder() / "ansible";
    fs::create_directories(work / "tmp");
    fs::create_directories(work / "collections/ansible_collections/varnoquil");
    fs::create_symlink(fs::path(VQ_SOURCE_DIR) / "ansible/varnoquil",
                       work / "collections/ansible_collections/varnoquil/config");
    std::ofstream inventory(work / "inventory.ini");
    inventory << "[fleet]\n";
    for (int h = 0; h < kHosts; ++h) {
        fs::create_directories(work / ("h" + std::to_string(h)));
        std::ofstream(work / ("h" + std::to_string(h)) / "php.ini") << bench::PhpIniLike(kPhpIniLines);
        inventory << "h" << h << " root=" << (work / ("h" + std::to_string(h))).string() << "\n";
    }
    inventory << "[fleet:vars]\nansible_connection=local\nansible_python_interpreter=/usr/bin/python3\n";
    inventory.close();
    std::string tasks;
    for (int k = 0; k < 5; ++k)
        tasks += "    - varnoquil.config.varnoquil_ini: {path: \"{{ root }}/php.ini\", section: \"Section " +
                 std::to_string(k) + "\", key: key_" + std::to_string(5 + 43 * k) +
                 ", value: \"{{ v }}\", executable: " + VQ_PROGRAM + "}\n";
    std::ofstream(work / "edits.yml") << "- hosts: fleet\n  gather_facts: false\n  tasks:\n" << tasks;
    std::ofstream(work / "empty.yml") << "- hosts: fleet\n  gather_facts: false\n  tasks: []\n";
    const std::string onePhpIni = (work / "h0" / "php.ini").string();
    int run = 0;
    for (auto _ : state) {
        const std::string value = "v" + std::to_string(run++);
        const double empty = PlaybookSeconds(work, "empty.yml");
        const double edits = PlaybookSeconds(work, "edits.yml -e v=" + value);
        if (empty < 0 || edits < 0) {
            g.failed = true;
            state.SkipWithError("ansible-playbook failed");
            return;
        }
        double ours = 0;
        for (int k = 0; k < 5; ++k)
            ours += TimedRun({VQ_PROGRAM, "--json", "--set", "Section " + std::to_string(k),
                              "key_" + std::to_string(5 + 43 * k), value + "x", "--", onePhpIni})
                        .wall;
        const double perHost = (edits - empty) / kHosts;
        if (g.ansiblePerHost < 0 || perHost < g.ansiblePerHost) {
            g.ansiblePerHost = perHost;
            g.oursPerHost = ours;
        }
        state.SetIterationTime(edits);
    }
}

BENCHMARK(BM_SetMillionLinesProcess)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetMillionLinesCore)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixedEdits)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnsiblePerHost)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

double Mb(long long bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(Folder());
    if (g.failed) {
        std::printf("a run failed; no figures\n");
        return 1;
    }
    const double file = static_cast<double>(g.millionBytes);
    if (g.setProcess.maxResident > 0) {
        std::printf("--set, 1,000,000 lines (%.1f MB): %.0f ms wall, %.0f ms processor (goal under 300 ms) %s\n",
                    Mb(static_cast<long long>(file)), g.setProcess.wall * 1e3, g.setProcess.cpu * 1e3,
                    g.setProcess.wall < 0.3 ? "ok" : "OVER");
        const double ratio = static_cast<double>(g.setProcess.maxResident) / file;
        const long long own = g.setProcess.maxResident - g.startProcess.maxResident;
        std::printf(
            "  peak resident: %.1f MB = %.2f times the file (goal under 2.5) %s; the program's own start "
            "(a 10-byte file): %.1f MB, %.0f ms; the rest: %.2f times the file\n",
            Mb(g.setProcess.maxResident), ratio, ratio < 2.5 ? "ok" : "OVER", Mb(g.startProcess.maxResident),
            g.startProcess.wall * 1e3, static_cast<double>(own) / file);
    }
    if (g.setCoreHeap > 0)
        std::printf(
            "  in the core (read, analyse, edit, safe save): %.0f ms, peak heap %.1f MB = %.2f times the file\n",
            g.setCore * 1e3, Mb(g.setCoreHeap), static_cast<double>(g.setCoreHeap) / file);
    if (g.mixedEdits > 0)
        std::printf(
            "%zu mixed edits, php.ini-sized file (%d lines): %.1f ms in the core, %.1f ms as a process "
            "(goal under 50 ms) %s\n",
            g.mixedEdits, kPhpIniLines, g.mixedCore * 1e3, g.mixedProcess * 1e3, g.mixedProcess < 0.05 ? "ok" : "OVER");
    if (g.ansiblePerHost > 0)
        std::printf(
            "Ansible: %.0f ms per host for 5 edits (forks=1, beyond the playbook's own start); varnoquil's "
            "part: %.0f ms (%.1f%%)\n",
            g.ansiblePerHost * 1e3, g.oursPerHost * 1e3, 100.0 * g.oursPerHost / g.ansiblePerHost);
    return 0;
}
