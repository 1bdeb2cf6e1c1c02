#include "core/document/LineTests.h"

#include "core/text/Blanks.h"

namespace vq {

bool HasSplitSign(const AnalysisSettings& s, std::string_view line) {
    if (s.splitSign.size() == 1)
        return line.find(s.splitSign.front()) != std::string_view::npos;
    return !s.splitSign.empty() && line.find(s.splitSign) != std::string_view::npos;
}

bool IsSectionHeader(std::string_view line, std::string_view& header) {
    const std::string_view rest = TrimLeftBlanks(line);
    if (rest.empty() || rest.front() != '[')
        return false;
    const std::string_view t = TrimBlanks(rest);
    const size_t close = t.find(']');
    if (close == std::string_view::npos)
        return false;
    header = t.substr(0, close + 1);
    return true;
}

bool MatchesTitleSign(std::string_view line, std::string_view sign) {
    if (sign.empty())
        return IsBlankText(line);
    // Signs are short and most lines differ early: a plain loop beats a call to compare.
    if (line.size() < sign.size())
        return false;
    for (size_t k = 0; k < sign.size(); ++k)
        if (line[k] != sign[k])
            return false;
    return true;
}

namespace {

// Types 2-4 share the way in: a begin sign line makes the pass wait for the title text.
bool AwaitTitleOnBeginSign(const AnalysisSettings& s, std::string_view line, TitleState& state) {
    if (MatchesTitleSign(line, s.titleBeginSign))
        state = TitleState::BeginSeen;
    return false;
}

bool CheckTwoLineTitle(const AnalysisSettings& s, std::string_view line, TitleState& state, std::string_view& title) {
    if (state == TitleState::Idle)
        return AwaitTitleOnBeginSign(s, line, state);
    if (state != TitleState::BeginSeen)
        return false;
    title = TitleTextOf(line);
    state = TitleState::Idle;
    return true;
}

// Types 3 and 4: the title line is taken, then only the very next line may close the title.
bool CheckThreeLineTitle(const AnalysisSettings& s, std::string_view line, TitleState& state, std::string_view& title,
                         std::string_view closingSign) {
    switch (state) {
    case TitleState::Idle: return AwaitTitleOnBeginSign(s, line, state);
    case TitleState::BeginSeen:
        title = TitleTextOf(line);
        state = TitleState::TitleTaken;
        return false;
    case TitleState::TitleTaken: state = TitleState::Idle; return MatchesTitleSign(line, closingSign);
    }
    return false;
}

}  // namespace

bool CheckTitleLineInFull(const AnalysisSettings& s, std::string_view line, TitleState& titleState,
                          std::string_view& title) {
    if (s.omitTitleSignSpace)
        line = TrimBlanks(line);
    if (titleState == TitleState::BeginSeen && IsBlankText(line))
        titleState = TitleState::Idle;  // a blank line cancels an awaited title
    switch (s.titleType) {
    case TitleType::OneLine:
        if (!MatchesTitleSign(line, s.titleBeginSign))
            return false;
        title = TitleTextOf(line);
        return true;
    case TitleType::TwoLines: return CheckTwoLineTitle(s, line, titleState, title);
    case TitleType::SameSignAround: return CheckThreeLineTitle(s, line, titleState, title, s.titleBeginSign);
    case TitleType::BeginEndSigns: return CheckThreeLineTitle(s, line, titleState, title, s.titleEndSign);
    case TitleType::None: return false;
    }
    return false;  // a number outside the menu counts as no titles
}

}  // namespace vq
