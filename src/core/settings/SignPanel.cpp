#include "core/settings/SignPanel.h"

#include "core/settings/SettingsTexts.h"
#include "core/text/Blanks.h"
#include "core/text/TextCompare.h"

#include <algorithm>

namespace vq {

namespace {

template <size_t N>
std::vector<std::string> Items(const std::array<std::string_view, N>& builtin) {
    return {builtin.begin(), builtin.end()};
}

int ValidPattern(int pattern) { return pattern >= 0 && pattern < kPatternCount ? pattern : kFallbackPattern; }

// A box text in the space-count form stands for the blanks it counts.
std::string Decoded(const std::string& text) { return EndsWithSpaceSignSuffix(text) ? DecodeSpaceSign(text) : text; }

}  // namespace

SignPanel::SignPanel() {
    const AnalysisSettings initial;
    m_boxes[0] = {initial.remSign, Items(kBuiltinRemSigns)};
    m_boxes[1] = {initial.splitSign, Items(kBuiltinSplitSigns)};
    m_boxes[2] = {initial.titleBeginSign, Items(kBuiltinTitleSigns)};
    m_titleSignHint = FormatMessage(texts::kTitleSignHint, {initial.titleBeginSign.size()});
}

void SignPanel::setSignLength(SignLength length) {
    m_signLength = std::move(length);
    titleSignChanged();
}

void SignPanel::PatternClick(int pattern) {
    m_pattern = ValidPattern(pattern);
    ApplyPattern(m_pattern);
}

void SignPanel::ApplyPattern(int pattern) {
    const Pattern& p = kPatterns[static_cast<size_t>(ValidPattern(pattern))];
    SetTitleType(p.titleType);
    boxOf(SignBox::Rem).text = p.remText;
    boxOf(SignBox::Split).text = p.splitText;
    boxOf(SignBox::TitleSign).text = p.titleSign;
    m_settings.omitTitleSignSpace = p.omitTitleSignSpace;
    // The raw box texts first; the change handlers then turn "1|_|" into the blank sign.
    m_settings.remSign = text(SignBox::Rem);
    m_settings.splitSign = text(SignBox::Split);
    m_settings.titleBeginSign = m_settings.titleEndSign = text(SignBox::TitleSign);
    titleSignChanged();
    remChanged();
    splitChanged();
}

void SignPanel::SetTitleType(TitleType type) {
    m_titleSignEnabled = true;
    m_titleSignColour = BoxColour::White;
    m_signBeginEnabled = true;
    m_signEndEnabled = false;
    m_signEndMarked = false;
    m_settings.titleType = type;
    if (type == TitleType::None) {
        m_titleSignEnabled = false;
        m_titleSignColour = BoxColour::Silver;
        m_signBeginEnabled = false;
    } else if (type == TitleType::BeginEndSigns) {
        m_signEndEnabled = true;
    }
    // The box text stays as it is, even when it showed the end sign.
}

bool SignPanel::cboRemChange(std::string_view text) {
    if (IsSignTooLong(text))
        return false;
    boxOf(SignBox::Rem).text = text;
    remChanged();
    return true;
}

bool SignPanel::cboSplitChange(std::string_view text) {
    if (IsSignTooLong(text))
        return false;
    boxOf(SignBox::Split).text = text;
    splitChanged();
    return true;
}

bool SignPanel::cboTitleSignChange(std::string_view text) {
    if (IsSignTooLong(text))
        return false;
    boxOf(SignBox::TitleSign).text = text;
    titleSignChanged();
    return true;
}

void SignPanel::remChanged() {
    const std::string t = Decoded(text(SignBox::Rem));
    m_settings.remSign = IsBlankText(t) ? " " : t;
}

// Unlike the comment box, only the empty text (not any blank text) stands for the blank sign.
void SignPanel::splitChanged() {
    const std::string t = Decoded(text(SignBox::Split));
    m_settings.splitSign = t.empty() ? " " : t;
}

void SignPanel::titleSignChanged() {
    std::string t = Decoded(text(SignBox::TitleSign));
    m_titleSignHint = FormatMessage(texts::kTitleSignHint, {m_signLength ? m_signLength(t) : t.size()});
    // The end sign is edited only under type 4 with the end item marked.
    if (!m_signEndMarked || m_settings.titleType != TitleType::BeginEndSigns)
        m_settings.titleBeginSign = std::move(t);
    else
        m_settings.titleEndSign = std::move(t);
}

void SignPanel::popSignClick(int tag) {
    m_signEndMarked = tag != 0;
    boxOf(SignBox::TitleSign).text = m_signEndMarked ? m_settings.titleEndSign : m_settings.titleBeginSign;
    titleSignChanged();
}

void SignPanel::actAdd2ComboBoxExecute(SignBox box) {
    Box& b = boxOf(box);
    const std::string t = IsBlankText(b.text) ? EncodeSpaceSign(b.text) : b.text;
    const bool known = std::any_of(b.history.begin(), b.history.end(),
                                   [&](const std::string& item) { return EqualsIgnoringCase(item, t); });
    if (!known)
        b.history.push_back(t);
}

}  // namespace vq
