#include "core/document/TargetText.h"

#include "core/text/ByteBuffer.h"

namespace vq {

std::string TargetText::bytes(std::string_view prefix) const {
    const size_t n = lineCount();
    size_t total = prefix.size();
    for (size_t i = 0; i < n; ++i)
        total += line(i).size() + BreakBytes(lineBreak(i)).size();
    std::string out;
    out.reserve(total);
    AdviseHugePages(out.data(), total);
    out.append(prefix);
    for (size_t i = 0; i < n; ++i) {
        out.append(line(i));
        if (i + 1 < n || endsWithBreak())
            out.append(BreakBytes(lineBreak(i)));
    }
    return out;
}

}  // namespace vq
