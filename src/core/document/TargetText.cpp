#include "core/document/TargetText.h"

#include <cstdint>
#include <cstring>

namespace vq {

std::string TargetText::bytes(std::string_view prefix) const {
    const size_t n = lineCount();
    size_t total = prefix.size();
    for (size_t i = 0; i < n; ++i)
        total += line(i).size() + BreakBytes(lineBreak(i)).size();
    // Ordinary pages, as for a file's bytes (ByteBuffer.h): huge pages gained little on small texts
    // and made large ones vary widely from run to run (docs/PERFORMANCE.md).
    std::string out;
    out.reserve(total);
    out.append(prefix);
    for (size_t i = 0; i < n; ++i) {
        out.append(line(i));
        if (writesBreak(i))
            out.append(BreakBytes(lineBreak(i)));
    }
    return out;
}

// A run grows only over bytes that are the next ones to write, so whatever lies where, the pieces
// hold exactly the bytes above.
std::vector<std::string_view> TargetText::pieces(std::string_view prefix) const {
    const std::string_view read = readText();
    const auto readBegin = reinterpret_cast<std::uintptr_t>(read.data());
    const auto readEnd = readBegin + read.size();
    const auto inRead = [&](std::string_view t) {
        const auto p = reinterpret_cast<std::uintptr_t>(t.data());
        return p >= readBegin && p + t.size() <= readEnd;
    };
    std::vector<std::string_view> out;
    if (!prefix.empty())
        out.push_back(prefix);
    const char* runBegin = nullptr;
    const char* runEnd = nullptr;
    const auto flush = [&] {
        if (runBegin != nullptr)
            out.emplace_back(runBegin, static_cast<size_t>(runEnd - runBegin));
        runBegin = runEnd = nullptr;
    };
    const auto put = [&](std::string_view t) {
        if (t.empty())
            return;
        if (runBegin != nullptr && static_cast<size_t>(read.data() + read.size() - runEnd) >= t.size() &&
            (t.data() == runEnd || std::memcmp(runEnd, t.data(), t.size()) == 0)) {
            runEnd += t.size();
            return;
        }
        flush();
        if (inRead(t)) {
            runBegin = t.data();
            runEnd = runBegin + t.size();
        } else {
            out.push_back(t);
        }
    };
    const size_t n = lineCount();
    for (size_t i = 0; i < n; ++i) {
        put(line(i));
        if (writesBreak(i))
            put(BreakBytes(lineBreak(i)));
    }
    flush();
    return out;
}

}  // namespace vq
