#include "catalog/Catalog.h"

using namespace Qt::StringLiterals;

namespace morvane::catalog {

Support Support::all()
{
    Support support;
    support.m_bits.set();
    return support;
}

bool supports(const ProfileReader& profile, const QString& kind, const QString& markKey)
{
    return profile.isPresent(kind, markKey);
}

Support supportOf(const ProfileReader& profile, const QString& kind)
{
    Support support;
    for (const CommonParameterInfo& parameter : commonParameters()) {
        support.set(parameter.id,
                    parameter.alwaysSupported() || supports(profile, kind, parameter.mark()));
    }
    return support;
}

QString description(const ProfileReader& profile, const QString& kind)
{
    return profile.read(u"descriptions"_s, kind, u"none"_s);
}

} // namespace morvane::catalog
