#pragma once

// A generated php.ini-like file: sections, framed titles, key lines, commented keys, comments and
// blank lines, about 30 bytes a line on average.

#include <string>

namespace bench {

inline std::string PhpIniLike(int lines) {
    std::string out;
    out.reserve(32u * static_cast<unsigned>(lines));
    int line = 0;
    auto put = [&](const std::string& text) {
        if (line >= lines)
            return;
        out += text;
        out += '\n';
        ++line;
    };
    for (int block = 0; line < lines; ++block) {
        if (block % 5 == 0)
            put("[Section " + std::to_string(block / 5) + "]");
        put(";;;;;;;;;;;;;;;;;;;;");
        put("; Title " + std::to_string(block));
        put(";;;;;;;;;;;;;;;;;;;;");
        for (int j = 0; j < 40 && line < lines; ++j) {
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

}  // namespace bench
