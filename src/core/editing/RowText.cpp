#include "core/editing/RowText.h"

#include "core/editing/EditingTexts.h"

namespace vq {

std::string_view EditErrorText(EditError error) {
    switch (error) {
    case EditError::LineBreakInRow: return texts::kLineBreakInRow;
    case EditError::None: break;
    }
    return {};
}

bool HoldsLineBreak(std::string_view text) { return text.find('\n') != std::string_view::npos; }

std::vector<std::string> SplitDialogText(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t brk = text.find('\n', start);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, brk - start));
        start = brk + 1;
    }
    return lines;
}

}  // namespace vq
