#pragma once

#include "audio/BlockReader.h"
#include "audio/WavHeader.h"

#include <QByteArray>

#include <functional>

namespace morvane::audio {

// Told the fraction of the samples done so far, 0 to 1.
using ProgressCallback = std::function<void(double fraction)>;

struct EncodedSamples {
    bool ok = false;
    QByteArray muLaw;
};

// Reads header.frameCount frames from the reader, mixes them to mono, brings them to the AU rate
// and encodes them; only the encoded output is kept. Fails when the samples end early.
EncodedSamples encodeSamples(BlockReader& reader, const WavHeader& header,
                             const ProgressCallback& progress = {});

} // namespace morvane::audio
