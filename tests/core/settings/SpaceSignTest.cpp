// The space-count form of blank signs.

#include "core/settings/AnalysisSettings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vq {
namespace {

struct EncodeCase {
    std::string name;
    std::string sign;
    std::string encoded;
};

void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.name; }

class SpaceSignEncode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(SpaceSignEncode, WritesByteCount) { EXPECT_EQ(EncodeSpaceSign(GetParam().sign), GetParam().encoded); }

INSTANTIATE_TEST_SUITE_P(Signs, SpaceSignEncode,
                         ::testing::Values(EncodeCase{"Empty", "", "0|_|"}, EncodeCase{"OneSpace", " ", "1|_|"},
                                           EncodeCase{"ThreeSpaces", "   ", "3|_|"}, EncodeCase{"Tabs", "\t\t", "2|_|"},
                                           EncodeCase{"TwelveSpaces", std::string(12, ' '), "12|_|"},
                                           EncodeCase{"DoubleByteCountsBytes", "\xD6\xD0", "2|_|"}),
                         [](const auto& info) { return info.param.name; });

struct DecodeCase {
    std::string name;
    std::string text;
    size_t spaces;  // the result is this many spaces
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class SpaceSignDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(SpaceSignDecode, GivesSpaces) {
    EXPECT_EQ(DecodeSpaceSign(GetParam().text), std::string(GetParam().spaces, ' '));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpaceSignDecode,
    ::testing::Values(DecodeCase{"One", "1|_|", 1}, DecodeCase{"Three", "3|_|", 3},
                      DecodeCase{"TwoDigits", "12|_|", 12}, DecodeCase{"Zero", "0|_|", 0},
                      DecodeCase{"BlanksAround", " \t2|_| ", 2}, DecodeCase{"PlusSign", "+2|_|", 2},
                      DecodeCase{"Negative", "-2|_|", 0}, DecodeCase{"Letter", "x|_|", 0},
                      DecodeCase{"BlankInsideNumber", "2 |_|", 0}, DecodeCase{"SuffixOnly", "|_|", 0},
                      DecodeCase{"Empty", "", 0}, DecodeCase{"ShorterThanSuffix", "12", 0},
                      DecodeCase{"AnyLastThreeDropped", "5abc", 5}, DecodeCase{"TooLargeForInt", "99999999999|_|", 0},
                      DecodeCase{"LargestCount", "255|_|", 255}, DecodeCase{"OneTooMany", "256|_|", 0},
                      DecodeCase{"AbsurdCountIsEmpty", "2000000000|_|", 0}),
    [](const auto& info) { return info.param.name; });

// The length a sign would have, read without making it; what the boxes and the command line
// refuse above kMaxSignBytes.
struct LengthCase {
    std::string name;
    std::string text;
    size_t length;
};

void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.name; }

class SignLengthOf : public ::testing::TestWithParam<LengthCase> {};

TEST_P(SignLengthOf, CountsWithoutMaking) {
    EXPECT_EQ(SignLength(GetParam().text), GetParam().length);
    EXPECT_EQ(IsSignTooLong(GetParam().text), GetParam().length > 255);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SignLengthOf,
    ::testing::Values(LengthCase{"Plain", ";;;", 3}, LengthCase{"Empty", "", 0},
                      LengthCase{"LongestPlain", std::string(255, ';'), 255},
                      LengthCase{"PlainTooLong", std::string(256, ';'), 256},
                      LengthCase{"DoubleByteCountsBytes", "\xE6\xA0\x87", 3}, LengthCase{"SpaceCount", "255|_|", 255},
                      LengthCase{"SpaceCountTooLong", "256|_|", 256},
                      LengthCase{"TwoBillion", "2000000000|_|", 2000000000},
                      LengthCase{"BeyondInt", "99999999999|_|", SIZE_MAX}, LengthCase{"NegativeIsEmpty", "-5|_|", 0},
                      LengthCase{"LetterIsEmpty", "x|_|", 0}, LengthCase{"BlanksBefore", "  7|_|", 7}),
    [](const auto& info) { return info.param.name; });

TEST(SpaceSignRoundTrip, BlankSignsSurvive) {
    for (size_t n : {0u, 1u, 2u, 9u, 10u, 40u}) {
        const std::string sign(n, ' ');
        EXPECT_EQ(DecodeSpaceSign(EncodeSpaceSign(sign)), sign) << n << " spaces";
    }
}

}  // namespace
}  // namespace vq
