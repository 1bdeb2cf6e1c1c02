#pragma once
// What the process holds in memory, for the benchmarks' figures.

#include <malloc.h>
#include <unistd.h>

#include <cstdio>

namespace vqbench {

// Bytes handed out by malloc and not yet freed (Qt's containers included), mapped blocks too.
inline long long HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

// Resident set size of the process.
inline long long ResidentBytes() {
    long long pages = 0;
    long long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%lld %lld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// The kernel's peak resident set of the process starts again from what is resident now.
inline void ResetPeakResident() {
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

// The process's peak resident set since it started or since ResetPeakResident().
inline long long PeakResident() {
    long long kb = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "VmHWM: %lld kB", &kb) == 1)
                break;
        std::fclose(f);
    }
    return kb * 1024;
}

inline double Megabytes(long long bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

}  // namespace vqbench
