#include "core/text/TextLines.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace vq {
namespace {

constexpr LineBreak LF = LineBreak::LF;
constexpr LineBreak CRLF = LineBreak::CRLF;

// ---- SplitIntoLines -------------------------------------------------------------------

struct SplitCase {
    std::string name;
    std::string input;
    LineBreak fallback;
    std::vector<std::string> texts;
    std::vector<LineBreak> breaks;
    bool endsWithBreak;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

std::vector<SplitCase> SplitCases() {
    const std::string longLine(1 << 20, 'x');
    return {
        {"crlf", "[PHP]\r\nengine=On\r\n", LF, {"[PHP]", "engine=On"}, {CRLF, CRLF}, true},
        {"lf", "[PHP]\nengine=On\n", CRLF, {"[PHP]", "engine=On"}, {LF, LF}, true},
        {"mixed", "a\r\nb\nc\r\n", LF, {"a", "b", "c"}, {CRLF, LF, CRLF}, true},
        {"lone_cr_in_line", "a\rb\nc\r\n", LF, {"a\rb", "c"}, {LF, CRLF}, true},
        {"cr_before_crlf", "a\r\r\n", LF, {"a\r"}, {CRLF}, true},
        {"lone_cr_at_end", "a\r", LF, {"a\r"}, {LF}, false},
        {"no_final_break_crlf_fallback", "a\nb", CRLF, {"a", "b"}, {LF, CRLF}, false},
        {"no_final_break_lf_fallback", "a\r\nb", LF, {"a", "b"}, {CRLF, LF}, false},
        {"single_line_no_break", "x", CRLF, {"x"}, {CRLF}, false},
        {"only_lf", "\n", CRLF, {""}, {LF}, true},
        {"only_crlf_twice", "\r\n\r\n", LF, {"", ""}, {CRLF, CRLF}, true},
        {"empty_lines_between", "a\n\n\r\nb\n", CRLF, {"a", "", "", "b"}, {LF, LF, CRLF, LF}, true},
        {"empty_input", "", CRLF, {}, {}, true},
        {"nul_bytes", "a\0b\nc\0\r\n\0"s, LF, {"a\0b"s, "c\0"s, "\0"s}, {LF, CRLF, LF}, false},
        {"long_line_with_break", longLine + "\r\n", LF, {longLine}, {CRLF}, true},
        {"long_line_without_break", longLine, LF, {longLine}, {LF}, false},
    };
}

// The lines put back together: each text with its break, the last break only when the input
// ended with one.
std::string Rejoined(const SplitText& split) {
    std::string out;
    for (std::size_t i = 0; i < split.texts.size(); ++i) {
        out.append(split.texts[i]);
        if (i + 1 < split.texts.size() || split.endsWithBreak)
            out.append(BreakBytes(split.breaks[i]));
    }
    return out;
}

class SplitIntoLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitIntoLinesTest, GivesLinesBreaksAndFinalBreak) {
    const SplitCase& c = GetParam();
    const SplitText split = SplitIntoLines(c.input, c.fallback);

    ASSERT_EQ(split.texts.size(), c.texts.size());
    for (std::size_t i = 0; i < c.texts.size(); ++i) {
        EXPECT_EQ(std::string(split.texts[i]), c.texts[i]) << "line " << i;
    }
    EXPECT_EQ(split.breaks, c.breaks);
    EXPECT_EQ(split.endsWithBreak, c.endsWithBreak);
}

TEST_P(SplitIntoLinesTest, TextsAreViewsIntoTheInput) {
    const SplitCase& c = GetParam();
    const SplitText split = SplitIntoLines(c.input, c.fallback);
    const char* first = c.input.data();
    const char* last = first + c.input.size();
    for (std::string_view text : split.texts) {
        EXPECT_TRUE(text.data() >= first && text.data() + text.size() <= last);
    }
}

TEST_P(SplitIntoLinesTest, LosesNoByte) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(Rejoined(SplitIntoLines(c.input, c.fallback)), c.input);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitIntoLinesTest, ::testing::ValuesIn(SplitCases()),
                         [](const auto& info) { return info.param.name; });

TEST(SplitIntoLinesManyLines, KeepsEveryLineInOrder) {
    std::string input;
    const int count = 200000;
    for (int i = 0; i < count; ++i) {
        input += "key" + std::to_string(i) + "=v" + (i % 3 == 0 ? "\r\n" : "\n");
    }
    const SplitText split = SplitIntoLines(input, CRLF);
    ASSERT_EQ(split.texts.size(), static_cast<std::size_t>(count));
    for (int i : {0, 1, 2, 3, 99999, count - 1}) {
        EXPECT_EQ(split.texts[i], "key" + std::to_string(i) + "=v");
        EXPECT_EQ(split.breaks[i], i % 3 == 0 ? CRLF : LF);
    }
    // Not EXPECT_EQ: printing a diff of 200,000 lines would take longer than the test.
    EXPECT_TRUE(Rejoined(split) == input);
}

// ---- FirstBreak ------------------------------------------------------------------------

struct FirstBreakCase {
    std::string name;
    std::string input;
    std::optional<LineBreak> fallback;  // nullopt: use the default
    LineBreak expected;
};

void PrintTo(const FirstBreakCase& c, std::ostream* os) { *os << c.name; }

class FirstBreakTest : public ::testing::TestWithParam<FirstBreakCase> {};

TEST_P(FirstBreakTest, FindsTheDocumentsBreak) {
    const FirstBreakCase& c = GetParam();
    const LineBreak got = c.fallback ? FirstBreak(c.input, *c.fallback) : FirstBreak(c.input);
    EXPECT_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FirstBreakTest,
                         ::testing::Values(FirstBreakCase{"crlf_first", "a\r\nb\n", LF, CRLF},
                                           FirstBreakCase{"lf_first", "a\nb\r\n", CRLF, LF},
                                           FirstBreakCase{"only_lf", "\n", CRLF, LF},
                                           FirstBreakCase{"only_crlf", "\r\n", LF, CRLF},
                                           FirstBreakCase{"crlf_after_lone_cr", "a\r\r\n", LF, CRLF},
                                           FirstBreakCase{"lone_cr_is_no_break", "a\rb", LF, LF},
                                           FirstBreakCase{"no_break_lf_fallback", "abc", LF, LF},
                                           FirstBreakCase{"no_break_crlf_fallback", "abc", CRLF, CRLF},
                                           FirstBreakCase{"empty_default_is_crlf", "", std::nullopt, CRLF},
                                           FirstBreakCase{"no_break_default_is_crlf", "x=1", std::nullopt, CRLF},
                                           FirstBreakCase{"lf_with_default", "x=1\ny\r\n", std::nullopt, LF}),
                         [](const auto& info) { return info.param.name; });

// ---- Byte-order mark and UTF-8 ---------------------------------------------------------

struct BytesCase {
    std::string name;
    std::string bytes;
    bool expected;
};

void PrintTo(const BytesCase& c, std::ostream* os) { *os << c.name; }

class StartsWithUtf8BomTest : public ::testing::TestWithParam<BytesCase> {};

TEST_P(StartsWithUtf8BomTest, RecognisesTheMark) {
    EXPECT_EQ(StartsWithUtf8Bom(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartsWithUtf8BomTest,
                         ::testing::Values(BytesCase{"bom_then_text", "\xEF\xBB\xBF[a]", true},
                                           BytesCase{"bom_only", "\xEF\xBB\xBF", true},
                                           BytesCase{"cut_bom", "\xEF\xBB", false},
                                           BytesCase{"wrong_last_byte", "\xEF\xBB\xBE", false},
                                           BytesCase{"bom_not_at_start", "a\xEF\xBB\xBF", false},
                                           BytesCase{"plain", "[a]", false}, BytesCase{"empty", "", false}),
                         [](const auto& info) { return info.param.name; });

class IsValidUtf8Test : public ::testing::TestWithParam<BytesCase> {};

TEST_P(IsValidUtf8Test, AcceptsOnlyWellFormedUtf8) { EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().expected); }

// Several cases put the interesting bytes after eight ASCII bytes, or across an eight-byte
// boundary, so that they are reached both with and without the ASCII shortcut.
INSTANTIATE_TEST_SUITE_P(
    Cases, IsValidUtf8Test,
    ::testing::Values(
        BytesCase{"empty", "", true}, BytesCase{"ascii", "extension=mysqli\r\n", true},
        BytesCase{"nul_bytes", "a\0b"s, true}, BytesCase{"chinese", "name=\xE4\xB8\xAD\xE6\x96\x87", true},
        BytesCase{"bom", "\xEF\xBB\xBF[a]", true}, BytesCase{"two_byte_after_ascii", "12345678\xC3\xA9", true},
        BytesCase{"two_byte_across_word", "1234567\xC3\xA9zzzzzzz", true},
        BytesCase{"four_byte", "\xF0\x9F\x98\x80", true}, BytesCase{"highest_code_point", "\xF4\x8F\xBF\xBF", true},
        BytesCase{"just_below_surrogates", "\xED\x9F\xBF", true},
        BytesCase{"just_above_surrogates", "\xEE\x80\x80", true}, BytesCase{"gbk", "\xD6\xD0\xCE\xC4", false},
        BytesCase{"gbk_after_ascii", "name=abc\xD6\xD0\xCE\xC4", false},
        BytesCase{"overlong_two_byte", "\xC0\xAF", false}, BytesCase{"overlong_c1", "\xC1\xBF", false},
        BytesCase{"overlong_three_byte", "\xE0\x80\xAF", false},
        BytesCase{"overlong_four_byte", "\xF0\x80\x80\xAF", false}, BytesCase{"surrogate", "\xED\xA0\x80", false},
        BytesCase{"surrogate_after_ascii", "12345678\xED\xBF\xBF", false},
        BytesCase{"above_highest", "\xF4\x90\x80\x80", false}, BytesCase{"lead_f5", "\xF5\x80\x80\x80", false},
        BytesCase{"lead_ff", "\xFF", false}, BytesCase{"lone_continuation", "a\x80", false},
        BytesCase{"truncated_three_byte", "\xE4\xB8", false}, BytesCase{"truncated_after_ascii", "12345678\xE4", false},
        BytesCase{"bad_second_byte", "\xE4\x41\xAD", false}, BytesCase{"bad_third_byte", "\xE4\xB8\x41", false},
        BytesCase{"bad_fourth_byte", "\xF0\x9F\x98\x41", false},
        BytesCase{"overlong_across_word", "1234567\xC0\xAFzzzzzz", false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vq
