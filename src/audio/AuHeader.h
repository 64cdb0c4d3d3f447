#pragma once

#include <QByteArray>

namespace morvane::audio {

inline constexpr int kAuHeaderSize = 28;
inline constexpr int kAuSampleRate = 8012;

// The 28-byte big-endian header of a mono 8-bit mu-law AU file holding `sampleCount` samples.
QByteArray auHeader(quint32 sampleCount);

} // namespace morvane::audio
