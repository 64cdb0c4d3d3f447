#include "audio/SampleDecoding.h"

namespace morvane::audio {

namespace {

// G.711: the codes are stored with their bits inverted (mu-law) or every other bit inverted
// (A-law), and hold a sign, a three-bit segment and a four-bit step within it.
constexpr qint16 muLawDecode(quint8 code)
{
    const int bits = ~code & 0xFF;
    const int segment = (bits >> 4) & 0x07;
    const int magnitude = ((((bits & 0x0F) << 3) + 0x84) << segment) - 0x84;
    return static_cast<qint16>((bits & 0x80) != 0 ? -magnitude : magnitude);
}

constexpr qint16 aLawDecode(quint8 code)
{
    const int bits = code ^ 0x55;
    const int segment = (bits >> 4) & 0x07;
    int magnitude = (bits & 0x0F) << 4;
    magnitude = segment == 0 ? magnitude + 8 : (magnitude + 0x108) << (segment - 1);
    return static_cast<qint16>((bits & 0x80) != 0 ? magnitude : -magnitude);
}

template <qint16 (*Decode)(quint8)> constexpr std::array<qint16, 256> decodeTable()
{
    std::array<qint16, 256> table{};
    for (int code = 0; code < 256; ++code) {
        table[static_cast<size_t>(code)] = Decode(static_cast<quint8>(code));
    }
    return table;
}

constexpr std::array<qint16, 256> kMuLaw = decodeTable<muLawDecode>();
constexpr std::array<qint16, 256> kALaw = decodeTable<aLawDecode>();

static_assert(kMuLaw[0x00] == -32124 && kMuLaw[0x80] == 32124 && kMuLaw[0xFF] == 0);
static_assert(kALaw[0xD5] == 8 && kALaw[0x55] == -8 && kALaw[0xAA] == 32256);

} // namespace

const std::array<qint16, 256>& muLawDecodeTable()
{
    return kMuLaw;
}

const std::array<qint16, 256>& aLawDecodeTable()
{
    return kALaw;
}

} // namespace morvane::audio
