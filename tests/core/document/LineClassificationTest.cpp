// The single-line tests: comment, split sign, section header and title sign.

#include "core/document/LineTests.h"

#include <gtest/gtest.h>

#include <string>

namespace vq {
namespace {

AnalysisSettings Signs(std::string rem = ";", std::string split = "=") {
    AnalysisSettings s;
    s.remSign = std::move(rem);
    s.splitSign = std::move(split);
    s.titleEndSign = "######";
    return s;
}

std::string CaseName(const std::string& name) { return name; }

// --- IsCommentLine ------------------------------------------------------------------------------

struct CommentCase {
    std::string name;
    std::string remSign;
    std::string line;
    bool comment;
};

void PrintTo(const CommentCase& c, std::ostream* os) { *os << c.name; }

class CommentLine : public ::testing::TestWithParam<CommentCase> {};

TEST_P(CommentLine, Classifies) {
    const auto& c = GetParam();
    EXPECT_EQ(IsCommentLine(Signs(c.remSign), c.line), c.comment) << "line [" << c.line << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommentLine,
    ::testing::Values(
        CommentCase{"LeadingBlanksSkipped", ";", "   ; key=1", true},
        CommentCase{"LeadingTabSkipped", ";", "\t;key=1", true}, CommentCase{"SignAlone", ";", ";", true},
        CommentCase{"SignLaterInLine", ";", "key=1 ; note", false}, CommentCase{"EmptyLine", ";", "", false},
        CommentCase{"BlankLine", ";", "  \t ", false}, CommentCase{"OtherSign", "#", "; x", false},
        CommentCase{"HashSign", "#", "  #Listen 80", true}, CommentCase{"LongerSignMatchesNothing", ";;", ";;x", false},
        CommentCase{"HighByteIsNotBlank", ";", "\xA1\xA1;x", false},
        CommentCase{"SpaceSignKeyLine", " ", "key=1", true}, CommentCase{"SpaceSignEmptyLine", " ", "", true},
        CommentCase{"SpaceSignBlankLine", " ", "   ", true}, CommentCase{"EmptySignKeyLine", "", "[Section]", true},
        CommentCase{"EmptySignEmptyLine", "", "", true}, CommentCase{"TabSignAnyLine", "\t", "x", true}),
    [](const auto& info) { return CaseName(info.param.name); });

// --- HasSplitSign -------------------------------------------------------------------------------

struct SplitCase {
    std::string name;
    std::string splitSign;
    std::string line;
    bool found;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitSign : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitSign, Finds) {
    const auto& c = GetParam();
    EXPECT_EQ(HasSplitSign(Signs(";", c.splitSign), c.line), c.found) << "line [" << c.line << "]";
}

INSTANTIATE_TEST_SUITE_P(Lines, SplitSign,
                         ::testing::Values(SplitCase{"CommentedKey", "=", ";key=1", true},
                                           SplitCase{"AtStart", "=", "=1", true},
                                           SplitCase{"NoSign", "=", "key", false},
                                           SplitCase{"EmptySign", "", "key=1", false},
                                           SplitCase{"EmptySignEmptyLine", "", "", false},
                                           SplitCase{"SpaceSignInLine", " ", "Listen 80", true},
                                           SplitCase{"SpaceSignTrailing", " ", "key ", true},
                                           SplitCase{"SpaceSignNoSpace", " ", "key=1", false},
                                           SplitCase{"TwoByteSignWhole", "==", "a==b", true},
                                           SplitCase{"TwoByteSignPartOnly", "==", "a=b", false}),
                         [](const auto& info) { return CaseName(info.param.name); });

// --- IsSectionHeader ----------------------------------------------------------------------------

struct HeaderCase {
    std::string name;
    std::string line;
    bool header;
    std::string text;  // the header text when it is one
};

void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }

class SectionHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(SectionHeader, Recognises) {
    const auto& c = GetParam();
    std::string_view text = "untouched";
    ASSERT_EQ(IsSectionHeader(c.line, text), c.header) << "line [" << c.line << "]";
    if (!c.header) {
        EXPECT_EQ(text, "untouched");
        return;
    }
    EXPECT_EQ(text, c.text);
    // The header text is part of the line itself, not a copy.
    EXPECT_GE(text.data(), c.line.data());
    EXPECT_LE(text.data() + text.size(), c.line.data() + c.line.size());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SectionHeader,
    ::testing::Values(HeaderCase{"BlanksAndComment", "  [Database] ; main", true, "[Database]"},
                      HeaderCase{"FirstCloseEnds", "[a]b]", true, "[a]"}, HeaderCase{"EmptyBrackets", "[]", true, "[]"},
                      HeaderCase{"TabsAround", "\t[S]\t", true, "[S]"}, HeaderCase{"TextBefore", "x[a]", false, ""},
                      HeaderCase{"Unclosed", "[abc", false, ""}, HeaderCase{"CloseOnly", "]", false, ""},
                      HeaderCase{"OpenOnly", "[", false, ""}, HeaderCase{"CloseBeforeOpen", "][", false, ""},
                      HeaderCase{"Empty", "", false, ""}, HeaderCase{"Blank", "   ", false, ""}),
    [](const auto& info) { return CaseName(info.param.name); });

// --- MatchesTitleSign ---------------------------------------------------------------------------

struct SignCase {
    std::string name;
    std::string line;
    std::string sign;
    bool match;
};

void PrintTo(const SignCase& c, std::ostream* os) { *os << c.name; }

class TitleSign : public ::testing::TestWithParam<SignCase> {};

TEST_P(TitleSign, Matches) {
    const auto& c = GetParam();
    EXPECT_EQ(MatchesTitleSign(c.line, c.sign), c.match) << "line [" << c.line << "] sign [" << c.sign << "]";
}

INSTANTIATE_TEST_SUITE_P(Lines, TitleSign,
                         ::testing::Values(SignCase{"BeginsWithSign", ";;;;;; Paths", ";;;;;;", true},
                                           SignCase{"SignAlone", "###", "###", true},
                                           SignCase{"LeadingBlanksPreventMatch", "  ;;;;;;", ";;;;;;", false},
                                           SignCase{"ShorterThanSign", ";;;", ";;;;;;", false},
                                           SignCase{"SignLater", "x;;;;;;", ";;;;;;", false},
                                           SignCase{"EmptySignEmptyLine", "", "", true},
                                           SignCase{"EmptySignBlankLine", " \t", "", true},
                                           SignCase{"EmptySignText", "x", "", false},
                                           SignCase{"SpaceSign", "   x", "   ", true}),
                         [](const auto& info) { return CaseName(info.param.name); });

}  // namespace
}  // namespace vq
