#include "audio/DestinationName.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace morvane::audio {

namespace {

const QString kAuExtension = u".au"_s;
constexpr qsizetype kReplacedLength = 4;

bool hasExtension(const QString& path)
{
    qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
#ifdef Q_OS_WIN
    separator = std::max(separator, path.lastIndexOf(u':'));
#endif
    const qsizetype nameStart = separator + 1;
    return path.indexOf(u'.', nameStart) >= 0;
}

} // namespace

QString proposedDestinationName(const QString& sourcePath)
{
    if (!hasExtension(sourcePath)) {
        return {};
    }
    return sourcePath.left(std::max<qsizetype>(0, sourcePath.size() - kReplacedLength)) +
           kAuExtension;
}

QString destinationWithAuExtension(const QString& chosenName)
{
    if (chosenName.contains(kAuExtension)) {
        return chosenName;
    }
    return chosenName + kAuExtension;
}

} // namespace morvane::audio
