#pragma once

#include "audio/BlockReader.h"
#include "audio/WavHeader.h"

#include <QByteArray>

#include <functional>

namespace morvane::audio {

// Told the fraction of the samples done so far, 0 to 1.
using ProgressCallback = std::function<void(double fraction)>;

// Reads header.frameCount frames from the reader, mixes them to mono, brings them to the AU rate
// and encodes them; only the encoded output is kept. Fails when the samples end early, with a
// message that names the source as `sourceName`.
Outcome<QByteArray> encodeSamples(BlockReader& reader, const WavHeader& header,
                                  QStringView sourceName, const ProgressCallback& progress = {});

} // namespace morvane::audio
