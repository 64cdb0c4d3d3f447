#include "settings/OptionKeys.h"

#include <array>

namespace morvane::settings {
namespace {

using namespace Qt::StringLiterals;

// clang-format off
constexpr std::array kOptionKeys{
    OptionKeyInfo{OptionKey::LastFolder,        u"directories", u"last",        u"images&sounds"},
    OptionKeyInfo{OptionKey::DestinationFolder, u"directories", u"destination", nullptr},
    OptionKeyInfo{OptionKey::HotTrack,          u"options",     u"hottrack",    u"yes"},
    OptionKeyInfo{OptionKey::Runtime,           u"options",     u"runtime",     u"yes"},
    OptionKeyInfo{OptionKey::FirstRun,          u"options",     u"first",       u"no"},
    OptionKeyInfo{OptionKey::WindowGeometry,    u"options",     u"windowgeometry", u""},
    OptionKeyInfo{OptionKey::SplitterSizes,     u"options",     u"splittersizes",  u""},
    OptionKeyInfo{OptionKey::WindowMaximized,   u"options",     u"windowmaximized", u"no"},
    OptionKeyInfo{OptionKey::LivePreview,       u"options",     u"livepreview",      u"yes"},
    OptionKeyInfo{OptionKey::LivePreviewBelow,  u"options",     u"livepreviewbelow", u"no"},
    OptionKeyInfo{OptionKey::LivePreviewSize,   u"options",     u"livepreviewsize",  u""},
    OptionKeyInfo{OptionKey::Markup,            u"options",     u"markup",      u"applet"},
    OptionKeyInfo{OptionKey::RecentKinds,       u"options",     u"recent",      u""},
    OptionKeyInfo{OptionKey::ReopenLast,        u"options",     u"reopenlast",  u"no"},
};
// clang-format on

// Rows are found by their key's number: a row out of place would answer for another key.
constexpr bool rowsInKeyOrder()
{
    for (size_t i = 0; i < kOptionKeys.size(); ++i) {
        if (static_cast<size_t>(kOptionKeys[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInKeyOrder(), "kOptionKeys must list the keys in OptionKey's order");

} // namespace

const OptionKeyInfo& optionKeyInfo(OptionKey id)
{
    return kOptionKeys[static_cast<size_t>(id)];
}

QString readOption(const Profile& profile, OptionKey id, const QString& missing)
{
    const OptionKeyInfo& info = optionKeyInfo(id);
    const QString fallback = info.missing ? QString::fromUtf16(info.missing) : missing;
    return profile.read(QString::fromUtf16(info.section), QString::fromUtf16(info.key), fallback);
}

void writeOption(Profile& profile, OptionKey id, const QString& value)
{
    const OptionKeyInfo& info = optionKeyInfo(id);
    profile.write(QString::fromUtf16(info.section), QString::fromUtf16(info.key), value);
}

bool readFlagOption(const Profile& profile, OptionKey id)
{
    return readOption(profile, id) == u"yes";
}

void writeFlagOption(Profile& profile, OptionKey id, bool on)
{
    writeOption(profile, id, on ? u"yes"_s : u"no"_s);
}

} // namespace morvane::settings
