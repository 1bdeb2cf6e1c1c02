// The legacy code pages: what each makes of a character it holds, the character it refuses,
// bytes that are no character of it, and the one rule that turns signs into a document's bytes.

#include "core/document/SignEncoding.h"
#include "core/text/LegacyEncoding.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

struct CodePageCase {
    std::string name;
    LegacyCodePage page;
    int charset;
    std::string text;   // UTF-8 the code page holds
    std::string bytes;  // the same in the code page
    std::string alien;  // UTF-8 of a character it does not hold
    char32_t refused;   // that character (U+FFFD: not a character at all)
};

void PrintTo(const CodePageCase& c, std::ostream* os) { *os << c.name; }

class CodePage : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePage, EncodesDecodesAndRefuses) {
    const CodePageCase& c = GetParam();
    EXPECT_EQ(CodePageOfCharset(c.charset), c.page);
    EXPECT_EQ(CharsetOfCodePage(c.page), c.charset);
    EXPECT_EQ(CodePageNamed(CodePageName(c.page)), c.page);

    const LegacyEncoded encoded = EncodeLegacy(c.text, c.page);
    ASSERT_TRUE(encoded.ok);
    EXPECT_EQ(encoded.bytes, c.bytes);
    const LegacyDecoded decoded = DecodeLegacy(c.bytes, c.page);
    EXPECT_TRUE(decoded.whole);
    EXPECT_EQ(decoded.utf8, c.text);

    const LegacyEncoded refused = EncodeLegacy("k" + c.alien + "x", c.page);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.bytes, "");
    EXPECT_EQ(refused.refusedAt, 1u);
    EXPECT_EQ(refused.refused, c.refused);
}

INSTANTIATE_TEST_SUITE_P(Pages, CodePage,
                         ::testing::Values(
                             // 键＝值 and a character GBK lacks, which GB18030 writes in four bytes. It holds every
                             // character: only a lone surrogate, which is none, is refused.
                             CodePageCase{"GB18030", LegacyCodePage::Gb18030, 134,
                                          "\xE9\x94\xAE\xEF\xBC\x9D\xE5\x80\xBC\xF0\xA0\x80\x80",
                                          "\xBC\xFC\xA3\xBD\xD6\xB5\x95\x32\x82\x36", "\xED\xA0\x80", U'\xFFFD'},
                             CodePageCase{"Big5", LegacyCodePage::Big5, 136, "\xE9\x8D\xB5\xEF\xBC\x9D\xE5\x80\xBC",
                                          "\xC1\xE4\xA1\xD7\xAD\xC8", "\xE9\x94\xAE", U'\x952E'},
                             // ＝ and the NEC circled one that Windows' Shift_JIS holds.
                             CodePageCase{"Shift_JIS", LegacyCodePage::ShiftJis, 128, "\xEF\xBC\x9D\xE2\x91\xA0",
                                          "\x81\x81\x87\x40", "\xED\x82\xA4", U'\xD0A4'},
                             CodePageCase{"EUC-KR", LegacyCodePage::EucKr, 129, "\xED\x82\xA4\xEF\xBC\x9D",
                                          "\xC5\xB0\xA3\xBD", "\xE9\x94\xAE", U'\x952E'},
                             CodePageCase{"windows-1252", LegacyCodePage::Windows1252, 0, "caf\xC3\xA9 \xE2\x82\xAC",
                                          "caf\xE9 \x80", "\xEF\xBC\x9D", U'\xFF1D'}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

TEST(CodePage, NamesAndBrokenInput) {
    EXPECT_EQ(CodePageNamed("gbk"), LegacyCodePage::Gb18030);
    EXPECT_EQ(CodePageNamed("SHIFT_JIS"), LegacyCodePage::ShiftJis);
    EXPECT_EQ(CodePageNamed("CP1252"), LegacyCodePage::Windows1252);
    EXPECT_EQ(CodePageNamed("UTF-8"), std::nullopt);
    EXPECT_EQ(CodePageOfCharset(77), LegacyCodePage::Gb18030);

    // Bytes that are not UTF-8 are refused as U+FFFD where they stand.
    const LegacyEncoded notUtf8 = EncodeLegacy("ab\xFF", LegacyCodePage::Gb18030);
    EXPECT_FALSE(notUtf8.ok);
    EXPECT_EQ(notUtf8.refused, U'\xFFFD');
    EXPECT_EQ(notUtf8.refusedAt, 2u);
    EXPECT_TRUE(EncodeLegacy("", LegacyCodePage::Big5).ok);

    // A byte that starts no character, and a character cut off at the end.
    const LegacyDecoded broken = DecodeLegacy(
        "a\xFF"
        "b\xA3",
        LegacyCodePage::Gb18030);
    EXPECT_FALSE(broken.whole);
    EXPECT_EQ(broken.utf8,
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
}

struct SignCase {
    std::string name;
    std::string sign;
    TextEncoding encoding;
    LegacyCodePage page;
    std::string bytes;
};

void PrintTo(const SignCase& c, std::ostream* os) { *os << c.name; }

class SignRule : public ::testing::TestWithParam<SignCase> {};

TEST_P(SignRule, GivesTheDocumentsBytes) {
    const SignCase& c = GetParam();
    EXPECT_EQ(SignForDocument(c.sign, c.encoding, c.page), c.bytes);
    AnalysisSettings typed;
    typed.splitSign = c.sign;
    typed.titleEndSign = c.sign;
    const AnalysisSettings s = SignsForDocument(typed, c.encoding, c.page);
    EXPECT_EQ(s.splitSign, c.bytes);
    EXPECT_EQ(s.titleEndSign, c.bytes);
    EXPECT_EQ(s.remSign, ";");
}

INSTANTIATE_TEST_SUITE_P(
    Signs, SignRule,
    ::testing::Values(SignCase{"utf8_document_as_given", "\xEF\xBC\x9D", TextEncoding::Utf8, LegacyCodePage::Gb18030,
                               "\xEF\xBC\x9D"},
                      SignCase{"gbk", "\xEF\xBC\x9D", TextEncoding::Legacy, LegacyCodePage::Gb18030, "\xA3\xBD"},
                      SignCase{"big5", "\xEF\xBC\x9D", TextEncoding::Legacy, LegacyCodePage::Big5, "\xA1\xD7"},
                      SignCase{"ascii_the_same_everywhere", "=", TextEncoding::Legacy, LegacyCodePage::ShiftJis, "="},
                      SignCase{"not_held_stands_as_given", "\xEF\xBC\x9D", TextEncoding::Legacy,
                               LegacyCodePage::Windows1252, "\xEF\xBC\x9D"},
                      SignCase{"code_page_bytes_stand_as_given", "\xA3\xBD", TextEncoding::Legacy,
                               LegacyCodePage::Gb18030, "\xA3\xBD"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vq
