#include "core/editing/RowText.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

struct SplitCase {
    const char* name;
    std::string_view text;
    std::vector<std::string> lines;
};

class DialogText : public ::testing::TestWithParam<SplitCase> {};

TEST_P(DialogText, SplitsIntoRows) {
    const SplitCase& c = GetParam();
    const auto lines = SplitDialogText(c.text);
    EXPECT_EQ(lines, c.lines);
    for (const auto& line : lines)
        EXPECT_FALSE(HoldsLineBreak(line));
}

INSTANTIATE_TEST_SUITE_P(Editing, DialogText,
                         ::testing::Values(SplitCase{"Empty", "", {}}, SplitCase{"OneLine", "a", {"a"}},
                                           SplitCase{"FinalBreakStartsNoLine", "a\n", {"a"}},
                                           SplitCase{"OnlyABreak", "\n", {""}},
                                           SplitCase{"EmptyLinesKept", "\n\nb\n", {"", "", "b"}},
                                           SplitCase{"CrStaysInItsLine", "a\rb\nc\r", {"a\rb", "c\r"}},
                                           SplitCase{"CrBeforeTheBreakStays", "a\r\nb", {"a\r", "b"}},
                                           SplitCase{"BlanksKept", "  x \t\n\t", {"  x \t", "\t"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RowText, LineBreaks) {
    EXPECT_FALSE(HoldsLineBreak(""));
    EXPECT_FALSE(HoldsLineBreak("a b\t\x01"));
    EXPECT_FALSE(HoldsLineBreak("a\rb\r"));
    EXPECT_TRUE(HoldsLineBreak("\n"));
    EXPECT_TRUE(HoldsLineBreak("a\r\nb"));
    EXPECT_FALSE(EditErrorText(EditError::LineBreakInRow).empty());
    EXPECT_TRUE(EditErrorText(EditError::None).empty());
}

}  // namespace
}  // namespace vq
