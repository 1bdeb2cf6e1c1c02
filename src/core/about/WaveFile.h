#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace vq::about {

// Where the samples of a PCM WAVE file lie and how they are laid out.
struct WaveClip {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    size_t dataOffset = 0;  // of the first sample byte in the file
    size_t dataSize = 0;    // bytes of samples
    // The playing time, rounded up to whole milliseconds.
    int durationMs() const;
};

// Reads the header of a RIFF WAVE file holding uncompressed PCM; nothing for anything else or a
// file cut short (a data chunk longer than the file is cut to what is there).
std::optional<WaveClip> ParseWave(std::string_view bytes);

}  // namespace vq::about
