#pragma once

#include <QString>

namespace morvane {

inline QString versionText()
{
    return QStringLiteral("1.5.4");
}

inline QString releaseDateText()
{
    return QStringLiteral("November 30, 2026");
}

inline QString makerHomePage()
{
    return QStringLiteral("https://www.morvane.net/");
}

} // namespace morvane
