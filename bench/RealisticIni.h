#pragma once

// A generated configuration file as people write them, less regular than PhpIniLike: sections
// of varying length, titles framed by sign lines, explanations over several comment lines,
// commented-out keys, indented keys, keys without a value, blank lines, and blocks with CR LF
// breaks among blocks with LF breaks (a file edited on two systems). About 30 bytes a line.

#include <cstdint>
#include <string>

namespace bench {

inline std::string RealisticIni(int lines) {
    std::string out;
    out.reserve(34u * static_cast<unsigned>(lines));
    std::uint32_t seed = 12345;
    auto next = [&seed](std::uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    const char* const words[] = {"memory", "limit", "cache", "path", "session", "timeout", "log", "level",
                                 "user",   "max",   "size",  "mode", "enable",  "buffer",  "dir", "file"};
    auto word = [&] { return std::string(words[next(16)]); };
    int line = 0;
    const char* lineBreak = "\n";
    auto put = [&](const std::string& text) {
        if (line >= lines)
            return;
        out += text;
        out += lineBreak;
        ++line;
    };
    for (int block = 0; line < lines; ++block) {
        lineBreak = next(3) == 0 ? "\r\n" : "\n";
        if (block % 4 == 0)
            put("[" + word() + "_" + std::to_string(block / 4) + "]");
        if (next(3) == 0) {
            put(";;;;;;;;;;;;;;;;;;;;;;");
            put("; " + word() + " " + word() + " settings");
            put(";;;;;;;;;;;;;;;;;;;;;;");
            put("");
        }
        const int keys = 3 + static_cast<int>(next(20));
        for (int k = 0; k < keys && line < lines; ++k) {
            const std::string key = word() + "." + word() + "_" + std::to_string(line % 1000);
            switch (next(10)) {
            case 0: put(""); break;
            case 1:
                put("; " + word() + " sets how the " + word() + " " + word() + " behaves when it is not given.");
                put("; Default: " + std::to_string(next(4096)));
                break;
            case 2:
            case 3: put(";" + key + " = " + std::to_string(next(100000))); break;
            case 4: put("    " + key + "=" + word()); break;
            case 5: put(key + " ="); break;
            default: put(key + " = " + word() + "_" + word() + "_" + std::to_string(next(100))); break;
            }
        }
    }
    return out;
}

}  // namespace bench
