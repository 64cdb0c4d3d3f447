#include "audio/ReadFailure.h"

namespace morvane::audio {

Result readFailure(QStringView source, QStringView reason)
{
    if (reason.isEmpty()) {
        return Result::failure(u"Can't read " % source);
    }
    return Result::failure(u"Can't read " % source % u": " % reason % u" !");
}

} // namespace morvane::audio
