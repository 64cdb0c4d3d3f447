#pragma once

#include <QtEndian>
#include <QtGlobal>

#include <array>
#include <bit>
#include <cmath>

namespace morvane::audio {

// How one sample of one channel is stored. Every encoding is read into the form of a 16-bit
// linear sample (-32768..32767), the one the mixer, the rate converters and the mu-law encoder
// work on.
enum class SampleEncoding {
    Unsigned8,
    Signed16,
    Signed24,
    Signed32,
    Float32,
    Float64,
    MuLaw,
    ALaw
};

inline constexpr int kSampleEncodingCount = 8;

constexpr int sampleBytes(SampleEncoding encoding)
{
    switch (encoding) {
    case SampleEncoding::Signed16:
        return 2;
    case SampleEncoding::Signed24:
        return 3;
    case SampleEncoding::Signed32:
    case SampleEncoding::Float32:
        return 4;
    case SampleEncoding::Float64:
        return 8;
    case SampleEncoding::Unsigned8:
    case SampleEncoding::MuLaw:
    case SampleEncoding::ALaw:
        return 1;
    }
    return 1;
}

// The linear value of every G.711 code, indexed by the code.
const std::array<qint16, 256>& muLawDecodeTable();
const std::array<qint16, 256>& aLawDecodeTable();

// Full scale is -1..1; anything past it (infinities too) is clipped, and a NaN is silence.
// The fraction is cut toward zero, as the mixer cuts.
inline int linearFromFloat(double value)
{
    const double scaled = value * 32768.0;
    if (scaled >= 32767.0) {
        return 32767;
    }
    if (scaled <= -32768.0) {
        return -32768;
    }
    return std::isnan(scaled) ? 0 : static_cast<int>(scaled);
}

// Wider integers keep their top 16 bits: the shift rounds toward minus infinity, so a full-scale
// negative sample stays full scale.
template <SampleEncoding Encoding> int decodeSample(const char* bytes)
{
    const auto byte = [bytes](int index) { return static_cast<unsigned char>(bytes[index]); };
    if constexpr (Encoding == SampleEncoding::Unsigned8) {
        return byte(0) * 256 - 32768;
    } else if constexpr (Encoding == SampleEncoding::Signed16) {
        return qFromLittleEndian<qint16>(bytes);
    } else if constexpr (Encoding == SampleEncoding::Signed24) {
        return static_cast<qint16>(static_cast<quint16>(byte(2) << 8 | byte(1)));
    } else if constexpr (Encoding == SampleEncoding::Signed32) {
        return qFromLittleEndian<qint16>(bytes + 2);
    } else if constexpr (Encoding == SampleEncoding::Float32) {
        return linearFromFloat(std::bit_cast<float>(qFromLittleEndian<quint32>(bytes)));
    } else if constexpr (Encoding == SampleEncoding::Float64) {
        return linearFromFloat(std::bit_cast<double>(qFromLittleEndian<quint64>(bytes)));
    } else if constexpr (Encoding == SampleEncoding::MuLaw) {
        return muLawDecodeTable()[byte(0)];
    } else {
        return aLawDecodeTable()[byte(0)];
    }
}

} // namespace morvane::audio
