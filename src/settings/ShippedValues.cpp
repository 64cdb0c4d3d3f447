#include "settings/ShippedValues.h"

#include "settings/Profile.h"
#include "settings/SettingsStore.h"
#include "settings/TextCodec.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

const Profile& shippedProfile()
{
    static const Profile profile = [] {
        QFile file(u":/shipped/morvane.ini"_s);
        const bool opened = file.open(QIODevice::ReadOnly);
        Q_ASSERT(opened);
        return Profile::fromText(opened ? decodeText(file.readAll()) : QString());
    }();
    return profile;
}

} // namespace

WorkingCopy shippedValues(const QString& kind)
{
    WorkingCopy copy;
    readKindValues(shippedProfile(), kind, copy);
    return copy;
}

} // namespace morvane::settings
