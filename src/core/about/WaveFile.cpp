#include "core/about/WaveFile.h"

#include <cstdint>

namespace vq::about {

static uint32_t Le32(std::string_view b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

static uint16_t Le16(std::string_view b, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

int WaveClip::durationMs() const {
    const long long bytesPerSecond = static_cast<long long>(sampleRate) * channels * (bitsPerSample / 8);
    if (bytesPerSecond <= 0)
        return 0;
    return static_cast<int>((static_cast<long long>(dataSize) * 1000 + bytesPerSecond - 1) / bytesPerSecond);
}

std::optional<WaveClip> ParseWave(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    WaveClip clip;
    bool haveFormat = false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const size_t size = Le32(bytes, at + 4);
        const size_t body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size() || Le16(bytes, body) != 1)  // 1: PCM
                return std::nullopt;
            clip.channels = Le16(bytes, body + 2);
            clip.sampleRate = static_cast<int>(Le32(bytes, body + 4));
            clip.bitsPerSample = Le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            clip.dataOffset = body;
            clip.dataSize = size < bytes.size() - body ? size : bytes.size() - body;
            const bool usable =
                clip.channels > 0 && clip.sampleRate > 0 && (clip.bitsPerSample == 8 || clip.bitsPerSample == 16);
            return usable ? std::optional<WaveClip>(clip) : std::nullopt;
        }
        if (size > bytes.size() - body)
            return std::nullopt;
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return std::nullopt;
}

}  // namespace vq::about
