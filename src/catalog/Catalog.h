#pragma once

#include "catalog/CommonParameters.h"
#include "catalog/ProfileReader.h"

#include <QString>

#include <bitset>

namespace morvane::catalog {

// Which common parameters a kind supports, as its marks in the settings file say.
class Support {
public:
    bool has(CommonParameter parameter) const
    {
        return m_bits.test(static_cast<size_t>(parameter));
    }
    void set(CommonParameter parameter, bool on = true)
    {
        m_bits.set(static_cast<size_t>(parameter), on);
    }
    static Support all();
    friend bool operator==(const Support&, const Support&) = default;

private:
    std::bitset<kCommonParameterCount> m_bits;
};

// True when the kind's section holds `markKey` with any value other than "n".
bool supports(const ProfileReader& profile, const QString& kind, const QString& markKey);
Support supportOf(const ProfileReader& profile, const QString& kind);

// The one-line description of the kind, "none" when missing.
QString description(const ProfileReader& profile, const QString& kind);

} // namespace morvane::catalog
