#include "core/text/TextLines.h"
#include "core/text/Utf16Text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

namespace vq {
namespace {

// UTF-16 units as bytes of the given order, after the mark.
std::string Utf16(std::u16string_view units, bool littleEndian) {
    std::string bytes;
    std::u16string marked(1, u'\xFEFF');
    marked += units;
    for (const char16_t u : marked) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
    }
    return bytes;
}

std::string Utf8WithMark(std::string_view text) { return std::string(kUtf8Bom) + std::string(text); }

struct DecodeCase {
    std::string name;
    std::string file;
    FileForm form;
    std::string shown;  // what the program works on
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class Utf16DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

// Read as the program works on it, and written back to the very same bytes.
TEST_P(Utf16DecodeTest, ShownAndWrittenBack) {
    const DecodeCase& c = GetParam();
    const ShownText shown = FromFileBytes(c.file);
    EXPECT_EQ(shown.form, c.form);
    EXPECT_EQ(shown.bytes, c.shown);
    EXPECT_EQ(ToFileBytes(shown.bytes, shown.form), c.file);
}

std::string WithOddByte() { return Utf16(u"a=1", true) + "x"; }

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf16DecodeTest,
    ::testing::Values(
        DecodeCase{"little_endian", Utf16(u"[Version]\r\nSignature=\"$Windows NT$\"\r\n", true), FileForm::Utf16LE,
                   Utf8WithMark("[Version]\r\nSignature=\"$Windows NT$\"\r\n")},
        DecodeCase{"big_endian", Utf16(u"[数据库]\n主机=本地", false), FileForm::Utf16BE,
                   Utf8WithMark("[数据库]\n主机=本地")},
        DecodeCase{"surrogate_pair", Utf16(u"emoji=\U0001F600\r\n", true), FileForm::Utf16LE,
                   Utf8WithMark("emoji=\U0001F600\r\n")},
        DecodeCase{"nul_characters", Utf16(std::u16string(u"a\0b", 3), true), FileForm::Utf16LE,
                   Utf8WithMark(std::string("a\0b", 3))},
        DecodeCase{"mark_only", Utf16(u"", true), FileForm::Utf16LE, Utf8WithMark("")},
        DecodeCase{"second_mark_is_text", Utf16(u"\xFEFFx", false), FileForm::Utf16BE, Utf8WithMark("\xEF\xBB\xBFx")},
        // Not UTF-16 after all: the bytes stay as they are.
        DecodeCase{"odd_length", WithOddByte(), FileForm::Bytes, WithOddByte()},
        DecodeCase{"lone_high_surrogate_at_end", Utf16(u"a\xD83D", true), FileForm::Bytes, Utf16(u"a\xD83D", true)},
        DecodeCase{"lone_low_surrogate", Utf16(u"\xDE00z", false), FileForm::Bytes, Utf16(u"\xDE00z", false)},
        DecodeCase{"high_surrogate_then_letter", Utf16(u"\xD83Dz", true), FileForm::Bytes, Utf16(u"\xD83Dz", true)},
        DecodeCase{"utf32_little_endian_mark", std::string("\xFF\xFE\0\0a\0\0\0", 8), FileForm::Bytes,
                   std::string("\xFF\xFE\0\0a\0\0\0", 8)},
        DecodeCase{"no_mark", std::string("a\0=\0", 4), FileForm::Bytes, std::string("a\0=\0", 4)},
        DecodeCase{"utf8", Utf8WithMark("a=1\r\n"), FileForm::Bytes, Utf8WithMark("a=1\r\n")},
        DecodeCase{"empty", "", FileForm::Bytes, ""}),
    [](const auto& info) { return info.param.name; });

// Text the user changed is written in the file's form, with the mark even when the text
// lost it; text that is not UTF-8 cannot be written as UTF-16.
TEST(Utf16Encode, ChangedTextInTheFilesForm) {
    EXPECT_EQ(ToFileBytes(Utf8WithMark("k=值"), FileForm::Utf16LE), Utf16(u"k=值", true));
    EXPECT_EQ(ToFileBytes("k=值", FileForm::Utf16BE), Utf16(u"k=值", false));
    EXPECT_EQ(ToFileBytes("\xD6\xD0", FileForm::Utf16LE), std::nullopt);      // GBK bytes
    EXPECT_EQ(ToFileBytes("\xED\xA0\x80", FileForm::Utf16LE), std::nullopt);  // an encoded surrogate
    EXPECT_EQ(ToFileBytes("\xD6\xD0", FileForm::Bytes), "\xD6\xD0");
}

// Random bytes behind a mark: either valid UTF-16, which comes back byte for byte, or left
// as bytes.
TEST(Utf16Fuzz, RandomUnitsComeBackOrStayBytes) {
    std::mt19937 random(20240607);
    int decoded = 0;
    for (int round = 0; round < 2000; ++round) {
        const bool littleEndian = random() % 2 == 0;
        std::string file = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
        const std::size_t length = random() % 64;
        for (std::size_t i = 0; i < length; ++i) {
            // Surrogates often enough to pair and to miss.
            const unsigned kind = random() % 16;
            const unsigned high = kind == 0 ? 0xD8 + random() % 4 : kind == 1 ? 0xDC + random() % 4 : random() % 256;
            const char bytes[2] = {static_cast<char>(high), static_cast<char>(random() % 256)};
            file += littleEndian ? std::string{bytes[1], bytes[0]} : std::string{bytes[0], bytes[1]};
        }
        const ShownText shown = FromFileBytes(file);
        if (shown.form != FileForm::Bytes) {
            ++decoded;
            EXPECT_TRUE(IsValidUtf8(shown.bytes));
        }
        ASSERT_EQ(ToFileBytes(shown.bytes, shown.form), file) << "round " << round;
    }
    EXPECT_GT(decoded, 100);
    EXPECT_LT(decoded, 1900);
}

}  // namespace
}  // namespace vq
