#include "settings/ValueSet.h"

namespace morvane::settings {

QString ValueSet::text(const QString& key) const
{
    const QString* value = find<QString>(key);
    return value ? *value : QString();
}

ColorRef ValueSet::color(const QString& key) const
{
    const Color* value = find<Color>(key);
    return value ? value->value : 0;
}

int ValueSet::choice(const QString& key) const
{
    const Choice* value = find<Choice>(key);
    return value ? value->index : kNoChoice;
}

bool ValueSet::flag(const QString& key) const
{
    const bool* value = find<bool>(key);
    return value && *value;
}

} // namespace morvane::settings
