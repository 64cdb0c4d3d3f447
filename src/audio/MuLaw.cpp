#include "audio/MuLaw.h"

#include <bit>

namespace morvane::audio {

namespace {
constexpr int kClip = 32635;
constexpr int kBias = 132;
} // namespace

quint8 muLawEncode(int sample)
{
    int sign = 0;
    if (sample < 0) {
        sign = 0x80;
        sample = -sample;
    }
    if (sample > kClip)
        sample = kClip;
    sample += kBias;
    const unsigned top = static_cast<unsigned>(sample >> 7) & 0xFFu;
    const int exponent = top <= 1 ? 0 : std::bit_width(top) - 1;
    const int mantissa = (sample >> (exponent + 3)) & 0x0F;
    const auto code = static_cast<quint8>(~(sign | (exponent << 4) | mantissa));
    return code == 0 ? quint8{0x02} : code;
}

} // namespace morvane::audio
