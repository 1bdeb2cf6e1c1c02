#include "document/TargetText.h"

namespace vq {

std::string TargetText::bytes() const {
    const size_t n = lineCount();
    size_t total = 0;
    for (size_t i = 0; i < n; ++i)
        total += line(i).size() + BreakBytes(lineBreak(i)).size();
    std::string out;
    out.reserve(total);
    for (size_t i = 0; i < n; ++i) {
        out.append(line(i));
        if (i + 1 < n || endsWithBreak())
            out.append(BreakBytes(lineBreak(i)));
    }
    return out;
}

}  // namespace vq
