#include "core/headless/KeyLine.h"

#include "core/text/Blanks.h"

namespace vq {

std::optional<KeyLineParts> SplitKeyLine(const AnalysisSettings& s, std::string_view line) {
    if (s.splitSign.empty())
        return std::nullopt;
    KeyLineParts p;
    p.nameBegin = line.size() - TrimLeftBlanks(line).size();
    p.splitBegin = line.find(s.splitSign, p.nameBegin);
    if (p.splitBegin == std::string_view::npos)
        return std::nullopt;
    p.nameEnd = p.splitBegin;
    while (p.nameEnd > p.nameBegin && IsBlankByte(line[p.nameEnd - 1]))
        --p.nameEnd;
    if (p.nameEnd == p.nameBegin)
        return std::nullopt;
    p.splitEnd = p.splitBegin + s.splitSign.size();
    p.valueBegin = p.splitEnd;
    while (p.valueBegin < line.size() && IsBlankByte(line[p.valueBegin]))
        ++p.valueBegin;
    p.valueEnd = line.size();
    while (p.valueEnd > p.valueBegin && IsBlankByte(line[p.valueEnd - 1]))
        --p.valueEnd;
    return p;
}

std::string WithValue(std::string_view line, const KeyLineParts& parts, std::string_view value) {
    std::string out(line.substr(0, parts.valueBegin));
    const bool bareSign = parts.valueBegin == parts.valueEnd && parts.valueBegin == parts.splitEnd;
    if (bareSign && !value.empty())
        out.append(line.substr(parts.nameEnd, parts.splitBegin - parts.nameEnd));
    out.append(value);
    out.append(line.substr(parts.valueEnd));
    return out;
}

KeySpacing DefaultSpacing(const AnalysisSettings& s) {
    KeySpacing spacing;
    if (IsBlankText(s.splitSign))
        spacing.beforeSplit = spacing.afterSplit = "";
    return spacing;
}

KeySpacing SpacingOf(const AnalysisSettings& s, std::string_view modelLine, const KeyLineParts& model) {
    KeySpacing spacing = DefaultSpacing(s);
    spacing.indent = modelLine.substr(0, model.nameBegin);
    spacing.beforeSplit = modelLine.substr(model.nameEnd, model.splitBegin - model.nameEnd);
    // A model without a value tells nothing about the blanks after the sign.
    if (model.valueBegin < model.valueEnd)
        spacing.afterSplit = modelLine.substr(model.splitEnd, model.valueBegin - model.splitEnd);
    return spacing;
}

std::string NewKeyLine(const AnalysisSettings& s, const KeySpacing& spacing, std::string_view name,
                       std::string_view value) {
    std::string out = spacing.indent;
    out.append(name).append(spacing.beforeSplit).append(s.splitSign);
    if (!value.empty())  // no blank at the end of a line without a value
        out.append(spacing.afterSplit).append(value);
    return out;
}

}  // namespace vq
