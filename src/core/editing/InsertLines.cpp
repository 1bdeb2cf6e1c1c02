#include "core/editing/InsertLines.h"

#include "core/editing/EditingTexts.h"
#include "core/document/Document.h"
#include "core/document/LineTests.h"

#include <stdexcept>

namespace vq {

bool CanInsertLines(InsertWhere where, size_t selectedCount) {
    return selectedCount > 0 || where == InsertWhere::Below;
}

size_t InsertPosition(InsertWhere where, std::optional<size_t> focusedRow) {
    if (!focusedRow)
        return 0;
    return *focusedRow + static_cast<size_t>(where);
}

std::string_view InsertCaption(InsertWhere where) {
    return where == InsertWhere::Above ? texts::kCapInsertUp : texts::kCapInsertDown;
}

std::vector<std::string> BuildTitleLines(const AnalysisSettings& s, int titleTypeIndex, std::string_view title,
                                         bool addRem) {
    const std::string& begin = s.titleBeginSign;
    std::string titleLine(title);
    if (addRem && !IsCommentLine(s, title))
        titleLine.insert(0, s.remSign);
    switch (TitleTypeFromIndex(titleTypeIndex)) {
    case TitleType::None: return {};
    case TitleType::OneLine: return {begin + std::string(title)};
    case TitleType::TwoLines: return {begin, titleLine};
    case TitleType::SameSignAround: return {begin, titleLine, begin};
    case TitleType::BeginEndSigns: return {begin, titleLine, s.titleEndSign};
    }
    return {};
}

void ForceComment(const AnalysisSettings& s, std::vector<std::string>& lines) {
    for (std::string& line : lines)
        if (!IsCommentLine(s, line))
            line.insert(0, s.remSign);
}

std::vector<std::string> DialogLines(const AnalysisSettings& s, const InsertDialogValues& values) {
    if (values.page == InsertPage::Title)
        return BuildTitleLines(s, values.titleTypeIndex, values.title, values.addRem);
    std::vector<std::string> lines = SplitDialogText(values.text);
    if (values.allRem)
        ForceComment(s, lines);
    return lines;
}

EditError InsertLines(Document& doc, const AnalysisSettings& s, size_t position, std::span<const std::string> lines,
                      std::string_view caption) {
    if (position > doc.rowCount())
        throw std::out_of_range("insert position beyond the last row");
    for (const std::string& line : lines)
        if (HoldsLineBreak(line))
            return EditError::LineBreakInRow;
    if (lines.empty())
        return EditError::None;
    std::vector<NewRow> rows;
    rows.reserve(lines.size());
    for (const std::string& line : lines)
        rows.push_back(NewRow{line, !IsCommentLine(s, line)});
    Document::ChangeBatch batch(doc);
    doc.insertRows(position, rows);
    for (size_t i = 0; i < lines.size(); ++i)
        doc.addLogEntry(static_cast<int>(position + i), caption, lines[i]);
    return EditError::None;
}

}  // namespace vq
