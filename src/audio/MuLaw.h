#pragma once

#include <QtGlobal>

namespace morvane::audio {

// G.711 mu-law code of a linear sample (-32768..32767), with bias, clipping and the zero trap.
quint8 muLawEncode(int sample);

} // namespace morvane::audio
