#pragma once

#include <QtGlobal>

#include <array>
#include <bit>

namespace morvane::audio {

// G.711 mu-law code of a linear sample (-32768..32767), with bias, clipping and the zero trap.
constexpr quint8 muLawEncode(int sample)
{
    constexpr int clip = 32635;
    constexpr int bias = 132;
    int sign = 0;
    if (sample < 0) {
        sign = 0x80;
        sample = -sample;
    }
    if (sample > clip) {
        sample = clip;
    }
    sample += bias;
    const unsigned top = static_cast<unsigned>(sample >> 7) & 0xFFu;
    const int exponent = top <= 1 ? 0 : std::bit_width(top) - 1;
    const int mantissa = (sample >> (exponent + 3)) & 0x0F;
    const auto code = static_cast<quint8>(~(sign | (exponent << 4) | mantissa));
    return code == 0 ? quint8{0x02} : code;
}

// muLawEncode of every 16-bit sample, indexed by sample + 32768: a load instead of the
// data-dependent branches above, in the inner loop.
const std::array<quint8, 65536>& muLawTable();

} // namespace morvane::audio
