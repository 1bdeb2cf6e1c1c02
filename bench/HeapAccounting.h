#pragma once

// Counts every byte the program allocates through operator new, the core's included, so the live
// and peak figures are exact for what the C++ code holds. Include in exactly one file of a
// benchmark program: it replaces the global operators.

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace heap {

inline std::atomic<long long> g_live{0};
inline std::atomic<long long> g_peak{0};

inline long long Live() { return g_live.load(); }
inline long long Peak() { return g_peak.load(); }
// Starts a new peak measurement from what is live now.
inline void ResetPeak() { g_peak.store(g_live.load()); }

inline void* Allocate(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    const auto bytes = static_cast<long long>(malloc_usable_size(p));
    const long long live = g_live.fetch_add(bytes, std::memory_order_relaxed) + bytes;
    long long peak = g_peak.load(std::memory_order_relaxed);
    while (live > peak && !g_peak.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
    }
    return p;
}

inline void Release(void* p) noexcept {
    if (!p)
        return;
    g_live.fetch_sub(static_cast<long long>(malloc_usable_size(p)), std::memory_order_relaxed);
    std::free(p);
}

}  // namespace heap

void* operator new(std::size_t size) { return heap::Allocate(size); }
void* operator new[](std::size_t size) { return heap::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return heap::Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { heap::Release(p); }
void operator delete[](void* p) noexcept { heap::Release(p); }
void operator delete(void* p, std::size_t) noexcept { heap::Release(p); }
void operator delete[](void* p, std::size_t) noexcept { heap::Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { heap::Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { heap::Release(p); }
