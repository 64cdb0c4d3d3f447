#pragma once

#include "audio/SampleDecoding.h"
#include "base/Outcome.h"

#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>

namespace morvane::audio {

class BlockReader;

struct WavFormat {
    quint16 formatTag = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;
    // The sub-format of an extensible format ("fmt " chunks of 40 bytes or more), as stored.
    std::optional<std::array<char, 16>> subFormat;
    // Set by readWavHeader once the format is accepted.
    SampleEncoding encoding = SampleEncoding::Signed16;

    int bytesPerFrame() const { return channels * (bitsPerSample / 8); }
};

struct WavHeader {
    WavFormat format;
    qint64 frameCount = 0;
};

inline constexpr int kMaxChannels = 8;
// The slowest source taken: brought up to the AU rate, a source grows by the ratio of the rates,
// and a header alone must not make a small file ask for gigabytes.
inline constexpr quint32 kMinSampleRate = 1000;

// Walks the RIFF chunks up to the "data" chunk and leaves the reader at its first sample.
// On success the format is one the sample encoder handles, its encoding is set, and frameCount
// whole frames are in the file; a failure's message names the source as `sourceName`.
Outcome<WavHeader> readWavHeader(BlockReader& reader, QStringView sourceName);

} // namespace morvane::audio
