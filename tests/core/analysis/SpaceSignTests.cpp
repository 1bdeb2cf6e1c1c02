// The space-count form of blank signs.

#include "settings/AnalysisSettings.h"

#include <gtest/gtest.h>

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

TEST_P(SpaceSignEncode, WritesByteCount) {
    EXPECT_EQ(EncodeSpaceSign(GetParam().sign), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(Signs, SpaceSignEncode, ::testing::Values(
    EncodeCase{"Empty", "", "0|_|"},
    EncodeCase{"OneSpace", " ", "1|_|"},
    EncodeCase{"ThreeSpaces", "   ", "3|_|"},
    EncodeCase{"Tabs", "\t\t", "2|_|"},
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

INSTANTIATE_TEST_SUITE_P(Texts, SpaceSignDecode, ::testing::Values(
    DecodeCase{"One", "1|_|", 1},
    DecodeCase{"Three", "3|_|", 3},
    DecodeCase{"TwoDigits", "12|_|", 12},
    DecodeCase{"Zero", "0|_|", 0},
    DecodeCase{"BlanksAround", " \t2|_| ", 2},
    DecodeCase{"PlusSign", "+2|_|", 2},
    DecodeCase{"Negative", "-2|_|", 0},
    DecodeCase{"Letter", "x|_|", 0},
    DecodeCase{"BlankInsideNumber", "2 |_|", 0},
    DecodeCase{"SuffixOnly", "|_|", 0},
    DecodeCase{"Empty", "", 0},
    DecodeCase{"ShorterThanSuffix", "12", 0},
    DecodeCase{"AnyLastThreeDropped", "5abc", 5},
    DecodeCase{"TooLargeForInt", "99999999999|_|", 0},
    DecodeCase{"LargestCount", "4096|_|", 4096},
    DecodeCase{"AbsurdCountIsEmpty", "2000000000|_|", 0}),
    [](const auto& info) { return info.param.name; });

TEST(SpaceSignRoundTrip, BlankSignsSurvive) {
    for (size_t n : {0u, 1u, 2u, 9u, 10u, 40u}) {
        const std::string sign(n, ' ');
        EXPECT_EQ(DecodeSpaceSign(EncodeSpaceSign(sign)), sign) << n << " spaces";
    }
}

}  // namespace
}  // namespace vq
