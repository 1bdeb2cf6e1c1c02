#include "core/headless/KeyEdit.h"

#include "core/editing/EditingTexts.h"
#include "core/headless/HeadlessTexts.h"
#include "core/document/Document.h"
#include "core/document/LineTests.h"
#include "core/document/TreeBuilder.h"
#include "core/editing/RowText.h"
#include "core/headless/KeyLine.h"
#include "core/headless/KeyLookup.h"
#include "core/text/Blanks.h"

#include <vector>

namespace vq {

namespace {

bool HasBlankEnd(std::string_view text) {
    return !text.empty() && (IsBlankByte(text.front()) || IsBlankByte(text.back()));
}

std::string KeyProblem(const AnalysisSettings& s, std::string_view key, std::string_view shown) {
    if (key.empty())
        return texts::kEditKeyEmpty;
    if (HasBlankEnd(key))
        return FormatMessage(texts::kEditKeyBlankEnds, {shown});
    if (key.find(s.splitSign) != std::string_view::npos)
        return FormatMessage(texts::kEditKeyHasSplit, {shown});
    std::string_view header;
    if (IsCommentLine(s, key) || IsSectionHeader(key, header))
        return FormatMessage(texts::kEditKeyReadsOtherwise, {shown});
    return {};
}

}  // namespace

std::string_view OutcomeWord(EditOutcome outcome) {
    switch (outcome) {
    case EditOutcome::Found: return "found";
    case EditOutcome::Updated: return "updated";
    case EditOutcome::SwitchedOn: return "switched-on";
    case EditOutcome::Added: return "added";
    case EditOutcome::SectionAdded: return "section-added";
    case EditOutcome::Disabled: return "disabled";
    case EditOutcome::Deleted: return "deleted";
    case EditOutcome::Unchanged: return "unchanged";
    case EditOutcome::NotFound: return "not-found";
    case EditOutcome::Refused: return "refused";
    }
    return "unchanged";
}

std::string CheckEditTexts(const AnalysisSettings& s, const KeyEdit& edit, const KeyEdit& shown) {
    // A blank sign makes every line a comment, a longer one makes none.
    if (s.remSign.size() != 1 || IsBlankText(s.remSign))
        return texts::kEditRemSignUnusable;
    if (HoldsLineBreak(edit.section) || HoldsLineBreak(edit.key) || HoldsLineBreak(edit.value))
        return texts::kLineBreakInRow;
    if (SectionName(edit.section).find(']') != std::string_view::npos)
        return FormatMessage(texts::kEditSectionBracket, {shown.section});
    if (std::string problem = KeyProblem(s, edit.key, shown.key); !problem.empty())
        return problem;
    if (edit.action == EditAction::Set && HasBlankEnd(edit.value))
        return FormatMessage(texts::kEditValueBlankEnds, {shown.value});
    return {};
}

KeyEditor::KeyEditor(Document& doc, const AnalysisSettings& s) : m_doc(doc), m_s(s) {}

KeyEditResult KeyEditor::apply(const KeyEdit& edit) {
    if (std::string error = CheckEditTexts(m_s, edit, edit); !error.empty())
        return {EditOutcome::Refused, {}, std::move(error), 0};
    if (m_treeStale) {
        BuildTopicTree(m_doc, m_s, Progress());
        m_treeStale = false;
    }
    KeyEditResult result;
    switch (edit.action) {
    case EditAction::Get: result = get(edit); break;
    case EditAction::Set: result = set(edit); break;
    case EditAction::Disable: result = disable(edit); break;
    case EditAction::Enable: result = enable(edit); break;
    case EditAction::Delete: result = remove(edit); break;
    }
    if (result.changed())
        m_treeStale = true;
    return result;
}

void KeyEditor::setRow(size_t row, std::string_view text) {
    m_doc.setCaption(row, text);
    m_doc.setEdited(row, true);
}

KeyEditResult KeyEditor::get(const KeyEdit& edit) {
    const KeyRows rows = FindKeyRows(m_doc, m_s, edit.section, edit.key);
    if (rows.active.empty())
        return {EditOutcome::NotFound, {}, {}, 0};
    const std::string_view line = m_doc.caption(rows.active.back());
    return {EditOutcome::Found, std::string(SplitKeyLine(m_s, line)->value(line)), {}, 0};
}

std::string KeyEditor::switchedOn(size_t row, std::optional<size_t> model) const {
    const std::string_view line = m_doc.caption(row);
    std::string_view indent = line.substr(0, line.size() - TrimLeftBlanks(line).size());
    if (model) {
        const std::string_view modelLine = m_doc.caption(*model);
        indent = modelLine.substr(0, modelLine.size() - TrimLeftBlanks(modelLine).size());
    }
    return std::string(indent).append(UncommentedKeyText(m_s, line));
}

KeyEditResult KeyEditor::set(const KeyEdit& edit) {
    const KeyRows rows = FindKeyRows(m_doc, m_s, edit.section, edit.key);
    if (!rows.active.empty()) {
        const size_t row = rows.active.back();
        const std::string_view line = m_doc.caption(row);
        const KeyLineParts parts = *SplitKeyLine(m_s, line);
        if (parts.value(line) == edit.value)
            return {EditOutcome::Unchanged, {}, {}, 0};
        setRow(row, WithValue(line, parts, edit.value));
        return {EditOutcome::Updated, {}, {}, 1};
    }
    if (!rows.commented.empty()) {
        // The copy that documents this very value, else the last one.
        size_t row = rows.commented.back();
        for (const size_t r : rows.commented) {
            const std::string_view text = UncommentedKeyText(m_s, m_doc.caption(r));
            if (SplitKeyLine(m_s, text)->value(text) == edit.value)
                row = r;
        }
        const std::string on = switchedOn(row, rows.model);
        setRow(row, WithValue(on, *SplitKeyLine(m_s, on), edit.value));
        return {EditOutcome::SwitchedOn, {}, {}, 1};
    }
    KeySpacing spacing = DefaultSpacing(m_s);
    if (rows.model) {
        const std::string_view modelLine = m_doc.caption(*rows.model);
        spacing = SpacingOf(m_s, modelLine, *SplitKeyLine(m_s, modelLine));
    }
    const std::string line = NewKeyLine(m_s, spacing, edit.key, edit.value);
    if (rows.sectionFound) {
        m_doc.insertRow(rows.insertAt, line, true);
        return {EditOutcome::Added, {}, {}, 1};
    }
    // A new section at the end, set off by a blank line from what comes before it.
    std::string header = "[";
    header.append(SectionName(edit.section)).append("]");
    std::vector<NewRow> added;
    const size_t n = m_doc.rowCount();
    if (n > 0 && !IsBlankText(m_doc.caption(n - 1)))
        added.push_back({"", false});
    added.push_back({header, true});
    added.push_back({line, true});
    m_doc.insertRows(n, added);
    return {EditOutcome::SectionAdded, {}, {}, added.size()};
}

KeyEditResult KeyEditor::disable(const KeyEdit& edit) {
    const KeyRows rows = FindKeyRows(m_doc, m_s, edit.section, edit.key);
    if (rows.active.empty())
        return {EditOutcome::Unchanged, {}, {}, 0};
    Document::ChangeBatch batch(m_doc);
    std::string commented;
    for (const size_t row : rows.active) {
        // As the window comments a line: the sign straight before it, indentation and all.
        commented.assign(m_s.remSign).append(m_doc.caption(row));
        setRow(row, commented);
        m_doc.setChecked(row, false);
    }
    return {EditOutcome::Disabled, {}, {}, rows.active.size()};
}

KeyEditResult KeyEditor::enable(const KeyEdit& edit) {
    const KeyRows rows = FindKeyRows(m_doc, m_s, edit.section, edit.key);
    if (!rows.active.empty())
        return {EditOutcome::Unchanged, {}, {}, 0};
    if (rows.commented.empty())
        return {EditOutcome::NotFound, {}, {}, 0};
    const size_t row = rows.commented.back();
    setRow(row, switchedOn(row, rows.model));
    m_doc.setChecked(row, true);
    return {EditOutcome::SwitchedOn, {}, {}, 1};
}

KeyEditResult KeyEditor::remove(const KeyEdit& edit) {
    const KeyRows rows = FindKeyRows(m_doc, m_s, edit.section, edit.key);
    if (rows.active.empty())
        return {EditOutcome::Unchanged, {}, {}, 0};
    m_doc.removeRows(rows.active);
    return {EditOutcome::Deleted, {}, {}, rows.active.size()};
}

}  // namespace vq
