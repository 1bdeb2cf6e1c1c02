// Title recognition: lines fed one after another through CheckTitleLine from state 0.

#include "core/document/LineTests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vq {
namespace {

struct TitleCase {
    std::string name;
    int titleType;
    bool omitSpaces;
    std::vector<std::string> lines;
    int completedAt;    // index of the line that completes a title; -1 for none
    std::string title;  // the title text when one is completed
    int finalState;
    std::string beginSign = ";;;;;;";
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

// What the feed produced, as one comparable value.
struct Outcome {
    int completedAt = -1;
    std::string title;
    int finalState = 0;
    int completions = 0;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "{completedAt " << o.completedAt << ", title [" << o.title << "], state " << o.finalState << ", completions "
        << o.completions << "}";
}

bool PointsInto(std::string_view view, const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        if (view.data() >= line.data() && view.data() + view.size() <= line.data() + line.size())
            return true;
    return view.empty();
}

class TitleRecognition : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleRecognition, FeedsLinesInOrder) {
    const auto& c = GetParam();
    AnalysisSettings s;
    s.titleType = static_cast<TitleType>(c.titleType);  // 7 stands for a number outside the menu
    s.omitTitleSignSpace = c.omitSpaces;
    s.titleBeginSign = c.beginSign;
    s.titleEndSign = "######";

    Outcome got;
    std::string_view title;
    TitleState state = TitleState::Idle;
    for (size_t i = 0; i < c.lines.size(); ++i) {
        const bool completed = CheckTitleLine(s, c.lines[i], state, title);
        got.finalState = static_cast<int>(state);
        if (!completed)
            continue;
        ++got.completions;
        got.completedAt = static_cast<int>(i);
        got.title = std::string(title);
        EXPECT_TRUE(PointsInto(title, c.lines)) << "the title text must be a view into a line";
    }
    const Outcome want{c.completedAt, c.title, c.finalState, c.completedAt >= 0 ? 1 : 0};
    EXPECT_EQ(got, want);
}

INSTANTIATE_TEST_SUITE_P(
    Types, TitleRecognition,
    ::testing::Values(TitleCase{"OneLine", 1, false, {";;;;;; Paths"}, 0, ";;;;;; Paths", 0},
                      TitleCase{"OneLineTrimsTitle", 1, false, {";;;;;; Paths \t"}, 0, ";;;;;; Paths", 0},
                      TitleCase{"OneLineIndentedNoOmit", 1, false, {"  ;;;;;; Paths"}, -1, "", 0},
                      TitleCase{"OneLineIndentedOmit", 1, true, {"  ;;;;;; Paths  "}, 0, ";;;;;; Paths", 0},
                      TitleCase{"OneLineEmptySignBlankLine", 1, false, {"x", "  "}, 1, "", 0, ""},
                      TitleCase{"TwoLines", 2, false, {";;;;;;", "; Paths"}, 1, "; Paths", 0},
                      TitleCase{"TwoLinesTitleTrimmed", 2, false, {";;;;;;", "  Paths \t"}, 1, "Paths", 0},
                      TitleCase{"TwoLinesBlankCancels", 2, false, {";;;;;;", "", "; Paths"}, -1, "", 0},
                      TitleCase{"TwoLinesEmptySign", 2, false, {"x", "", "Title"}, 2, "Title", 0, ""},
                      TitleCase{"ThreeSame", 3, false, {";;;;;;", "; Paths", ";;;;;;"}, 2, "; Paths", 0},
                      TitleCase{"ThreeSameOmitSpaces", 3, true, {"  ;;;;;;  ", " T ", " ;;;;;; "}, 2, "T", 0},
                      TitleCase{"ThreeSameIndentedCloseNoOmit", 3, false, {";;;;;;", "T", " ;;;;;;"}, -1, "", 0},
                      TitleCase{"ThreeSameWrongClose", 3, false, {";;;;;;", "; Paths", "x"}, -1, "", 0},
                      TitleCase{"ThreeSameAwaitingClose", 3, false, {";;;;;;", "; Paths"}, -1, "", 2},
                      TitleCase{"ThreeSameBlankCancels", 3, false, {";;;;;;", "", "T", ";;;;;;"}, -1, "", 1},
                      TitleCase{"ThreeSameTitleAnyText", 3, false, {";;;;;;", ";;;;;;", ";;;;;;"}, 2, ";;;;;;", 0},
                      TitleCase{"ThreeDifferent", 4, false, {";;;;;;", "; Paths", "######"}, 2, "; Paths", 0},
                      TitleCase{"ThreeDifferentBeginAsClose", 4, false, {";;;;;;", "; Paths", ";;;;;;"}, -1, "", 0},
                      // A failed close drops back to idle; that line is not taken as a new begin sign.
                      TitleCase{"FailedCloseIsNoBegin", 4, false, {";;;;;;", "T", ";;;;;;", "U", "######"}, -1, "", 0},
                      TitleCase{"NoTitles", 0, false, {";;;;;; Paths", ";;;;;;", "x", ";;;;;;"}, -1, "", 0},
                      TitleCase{"UnknownType", 7, false, {";;;;;; Paths", ";;;;;;", "x", ";;;;;;"}, -1, "", 0}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vq
