#include "audio/MuLaw.h"

namespace morvane::audio {

const std::array<quint8, 65536>& muLawTable()
{
    static const std::array<quint8, 65536> table = [] {
        std::array<quint8, 65536> codes{};
        for (int sample = -32768; sample <= 32767; ++sample) {
            codes[static_cast<size_t>(sample + 32768)] = muLawEncode(sample);
        }
        return codes;
    }();
    return table;
}

} // namespace morvane::audio
