#pragma once

#include "base/Result.h"

#include <QStringView>

namespace morvane::audio {

// How the converter refuses a source whose contents it cannot take: "Can't read SOURCE: REASON !",
// or "Can't read SOURCE" alone when a header field is cut short and no reason is given.
Result readFailure(QStringView source, QStringView reason = {});

// The reason when a source ends early or its chunks do not add up.
inline constexpr QStringView kReadError = u"read error";

} // namespace morvane::audio
