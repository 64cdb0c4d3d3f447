#include "settings/Options.h"

#include "settings/AtomicFile.h"
#include "settings/ListFiles.h"
#include "settings/OptionKeys.h"
#include "settings/Profile.h"
#include "settings/SaveJournal.h"
#include "settings/SettingsStore.h"
#include "settings/TextCodec.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

struct FlagOption {
    OptionKey key;
    bool Options::*flag;
};

constexpr FlagOption kFlagOptions[] = {
    {OptionKey::HotTrack, &Options::hotTrack},
    {OptionKey::Runtime, &Options::runtime},
};

} // namespace

QString defaultDestinationFolder()
{
#ifdef Q_OS_WIN
    return u"C:\\"_s;
#else
    return QDir::homePath();
#endif
}

QString customColorsPath(const QString& appDir)
{
    return listFilePath(appDir, u"customcolors.txt"_s);
}

Options loadOptions(const QString& appDir, Result* result)
{
    const Result finished = finishInterruptedSave(appDir);
    Result read;
    const Profile profile = Profile::load(profilePath(appDir), appDir, &read);
    Options options;
    options.lastFolder = readOption(profile, OptionKey::LastFolder);
    options.destinationFolder =
        readOption(profile, OptionKey::DestinationFolder, defaultDestinationFolder());
    for (const FlagOption& row : kFlagOptions) {
        options.*row.flag = readFlagOption(profile, row.key);
    }

    const ReadText colors = readTextFile(customColorsPath(appDir), appDir);
    options.customColors = splitLines(colors.text);
    if (read.ok && !colors.ok) {
        read = Result::failure(colors.message);
    }
    // What could not be finished was given up: the options above are the ones now saved.
    if (read.ok && !finished.ok) {
        read = finished;
    }
    if (result) {
        *result = read;
    }
    return options;
}

Result saveOptions(const QString& appDir, const Options& options)
{
    // A save that could not be finished was given up and told by the load.
    finishInterruptedSave(appDir);
    Result read;
    Profile profile = Profile::load(profilePath(appDir), appDir, &read);
    if (!read) {
        return read;
    }
    writeOption(profile, OptionKey::LastFolder, options.lastFolder);
    writeOption(profile, OptionKey::DestinationFolder, options.destinationFolder);
    for (const FlagOption& row : kFlagOptions) {
        writeFlagOption(profile, row.key, options.*row.flag);
    }
    return profile.save(profilePath(appDir), appDir);
}

Result saveCustomColors(const QString& appDir, const QStringList& lines)
{
    return writeTextLines(customColorsPath(appDir), lines, {appDir, /*createFolder=*/true});
}

} // namespace morvane::settings
