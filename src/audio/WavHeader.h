#pragma once

#include "base/Outcome.h"

#include <QStringView>
#include <QtGlobal>

namespace morvane::audio {

class BlockReader;

struct WavFormat {
    quint16 formatTag = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;

    int bytesPerFrame() const { return channels * (bitsPerSample / 8); }
};

struct WavHeader {
    WavFormat format;
    qint64 frameCount = 0;
};

// Walks the RIFF chunks up to the "data" chunk and leaves the reader at its first sample.
// On success the format is one the sample encoder handles and frameCount whole frames are in
// the file; a failure's message names the source as `sourceName`.
Outcome<WavHeader> readWavHeader(BlockReader& reader, QStringView sourceName);

} // namespace morvane::audio
