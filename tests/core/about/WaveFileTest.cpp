// Reading WAVE headers, and the game's three sounds as they lie in the repository.
#include "core/about/WaveFile.h"

#include "SourceFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

using namespace vq::about;

namespace {

std::string Le32(uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string Le16(uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }

std::string Format(uint16_t code, uint16_t channels, uint32_t rate, uint16_t bits) {
    return "fmt " + Le32(16) + Le16(code) + Le16(channels) + Le32(rate) + Le32(rate * channels * bits / 8) +
           Le16(static_cast<uint16_t>(channels * bits / 8)) + Le16(bits);
}

std::string Wave(const std::string& chunks) {
    return "RIFF" + Le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(WaveFileTest, ReadsPcmAfterOtherChunks) {
    // An odd-sized chunk before the samples is padded to an even length.
    const std::string bytes = Wave(Format(1, 1, 8000, 8) + "LIST" + Le32(3) + "abc" + std::string(1, '\0') + "data" +
                                   Le32(800) + std::string(800, '\x80'));
    const auto clip = ParseWave(bytes);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->sampleRate, 8000);
    EXPECT_EQ(clip->channels, 1);
    EXPECT_EQ(clip->bitsPerSample, 8);
    EXPECT_EQ(clip->dataOffset, bytes.size() - 800);
    EXPECT_EQ(clip->dataSize, 800u);
    EXPECT_EQ(clip->durationMs(), 100);
}

TEST(WaveFileTest, RefusesWhatItCannotPlay) {
    const std::string samples = "data" + Le32(4) + "\x80\x80\x80\x80";
    struct Bad {
        const char* name;
        std::string bytes;
    };
    const Bad bad[] = {
        {"empty", ""},
        {"not RIFF", "RIFX" + Le32(4) + "WAVE"},
        {"floating point", Wave(Format(3, 1, 8000, 32) + samples)},
        {"samples before the format", Wave(samples + Format(1, 1, 8000, 8))},
        {"no samples", Wave(Format(1, 1, 8000, 8))},
        {"no channels", Wave(Format(1, 0, 8000, 8) + samples)},
        {"chunk longer than the file", Wave("LIST" + Le32(1000) + "ab")},
    };
    for (const Bad& b : bad)
        EXPECT_FALSE(ParseWave(b.bytes)) << b.name;
}

TEST(WaveFileTest, SamplesCutShortArePlayedAsFarAsTheyGo) {
    const auto clip = ParseWave(Wave(Format(1, 1, 1000, 8) + "data" + Le32(500) + std::string(100, '\x80')));
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->dataSize, 100u);
    EXPECT_EQ(clip->durationMs(), 100);
}

// The sounds made by tools/make_sounds.py: 8-bit mono PCM of the lengths the game expects.
TEST(WaveFileTest, TheGamesSounds) {
    struct Sound {
        const char* file;
        int rate;
        int ms;
    };
    const Sound sounds[] = {{"GameOver.wav", 22050, 450}, {"HitBar.wav", 11025, 700}, {"HitBrick.wav", 11025, 720}};
    for (const Sound& s : sounds) {
        const std::string bytes = ReadFile(vq::test::SourceFile(std::string("resources/sounds/") + s.file));
        const auto clip = ParseWave(bytes);
        ASSERT_TRUE(clip) << s.file;
        EXPECT_EQ(clip->sampleRate, s.rate) << s.file;
        EXPECT_EQ(clip->channels, 1) << s.file;
        EXPECT_EQ(clip->bitsPerSample, 8) << s.file;
        EXPECT_NEAR(clip->durationMs(), s.ms, 10) << s.file;
        EXPECT_EQ(clip->dataOffset + clip->dataSize, bytes.size()) << s.file;
    }
}
