#pragma once

#include <QString>

namespace morvane::catalog {

using namespace Qt::StringLiterals;

// Read access to the settings file, as the catalog needs it. The settings layer provides it.
class ProfileReader {
public:
    virtual ~ProfileReader() = default;
    // The stored value, or `defaultValue` when the section or the key is missing.
    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue) const = 0;
    // Whether a common key counts as present: it exists and does not hold the marker "n".
    virtual bool isPresent(const QString& section, const QString& key) const
    {
        return read(section, key, u"n"_s) != u"n"_s;
    }
};

} // namespace morvane::catalog
