#pragma once

#include <QString>

namespace morvane {

using namespace Qt::StringLiterals;

inline QString versionText()
{
    return u"1.5.4"_s;
}

inline QString releaseDateText()
{
    return u"November 30, 2026"_s;
}

inline QString makerHomePage()
{
    return u"https://www.morvane.net/"_s;
}

} // namespace morvane
