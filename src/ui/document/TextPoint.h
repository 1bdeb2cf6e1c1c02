#pragma once

#include <QtGlobal>

#include <compare>

namespace vq {

// A place in a text between two characters: a line (from 0) and a column, the number of
// characters of that line before it (0 .. the line's length).
struct TextPoint {
    qsizetype line = 0;
    qsizetype column = 0;

    friend auto operator<=>(const TextPoint&, const TextPoint&) = default;
};

}  // namespace vq
