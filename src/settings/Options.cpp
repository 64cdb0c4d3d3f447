#include "settings/Options.h"

#include "catalog/Kinds.h"
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
    {OptionKey::LivePreview, &Options::livePreview},
    {OptionKey::LivePreviewBelow, &Options::livePreviewBelow},
    {OptionKey::ReopenLast, &Options::reopenLastApplet},
};

struct NumberListOption {
    OptionKey key;
    QList<int> Options::*numbers;
    qsizetype count;
};

constexpr NumberListOption kNumberListOptions[] = {
    {OptionKey::WindowGeometry, &Options::windowGeometry, 4},
    {OptionKey::SplitterSizes, &Options::splitterSizes, 2},
    {OptionKey::LivePreviewSize, &Options::livePreviewSize, 2},
};

// A list edited by hand into something else is as good as missing: the window then opens as
// it would without it.
QList<int> numbersOf(const QString& text, qsizetype count)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != count) {
        return {};
    }
    QList<int> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const int number = part.trimmed().toInt(&ok);
        if (!ok) {
            return {};
        }
        numbers.append(number);
    }
    return numbers;
}

QString textOf(const QList<int>& numbers)
{
    QStringList parts;
    for (int number : numbers) {
        parts.append(QString::number(number));
    }
    return parts.join(u',');
}

// A list edited by hand keeps what still names a kind.
QStringList recentKindsOf(const QString& text)
{
    QStringList recent;
    for (const QString& name : text.split(u',', Qt::SkipEmptyParts)) {
        const QString kind = name.trimmed();
        if (catalog::isKind(kind) && !recent.contains(kind) && recent.size() < kMaxRecentKinds) {
            recent.append(kind);
        }
    }
    return recent;
}

Options optionsOf(const Profile& profile)
{
    Options options;
    options.lastFolder = readOption(profile, OptionKey::LastFolder);
    options.destinationFolder =
        readOption(profile, OptionKey::DestinationFolder, defaultDestinationFolder());
    for (const FlagOption& row : kFlagOptions) {
        options.*row.flag = readFlagOption(profile, row.key);
    }
    for (const NumberListOption& row : kNumberListOptions) {
        options.*row.numbers = numbersOf(readOption(profile, row.key), row.count);
    }
    options.windowMaximized = readFlagOption(profile, OptionKey::WindowMaximized);

    // A value edited by hand into something unknown writes the code every browser page had.
    options.markup = markupNamed(readOption(profile, OptionKey::Markup)).value_or(Markup::Applet);
    options.recentKinds = recentKindsOf(readOption(profile, OptionKey::RecentKinds));
    return options;
}

} // namespace

QStringList withRecentKind(QStringList recent, const QString& kind)
{
    recent.removeAll(kind);
    recent.prepend(kind);
    return recent.mid(0, kMaxRecentKinds);
}

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

Outcome<Options> loadOptions(const QString& appDir)
{
    const Outcome<Profile> read = Profile::load(profilePath(appDir), appDir);
    if (!read) {
        return read.result();
    }
    return optionsOf(read.value());
}

Options defaultOptions()
{
    return optionsOf(Profile());
}

Outcome<QStringList> loadCustomColors(const QString& appDir)
{
    const Outcome<QString> read = readTextFile(customColorsPath(appDir), appDir);
    if (!read) {
        return read.result();
    }
    return splitLines(read.value());
}

Result saveOptions(const QString& appDir, const Options& options)
{
    // A save that could not be finished was given up and told by the load.
    finishInterruptedSave(appDir);
    Outcome<Profile> read = Profile::load(profilePath(appDir), appDir);
    if (!read) {
        return read.result();
    }
    Profile& profile = read.value();
    writeOption(profile, OptionKey::LastFolder, options.lastFolder);
    writeOption(profile, OptionKey::DestinationFolder, options.destinationFolder);
    for (const FlagOption& row : kFlagOptions) {
        writeFlagOption(profile, row.key, options.*row.flag);
    }
    for (const NumberListOption& row : kNumberListOptions) {
        if (!(options.*row.numbers).isEmpty()) {
            writeOption(profile, row.key, textOf(options.*row.numbers));
        }
    }
    // Kept with the place it belongs to: a window never shown leaves both as they were.
    if (!options.windowGeometry.isEmpty()) {
        writeFlagOption(profile, OptionKey::WindowMaximized, options.windowMaximized);
    }

    writeOption(profile, OptionKey::Markup, markupName(options.markup));
    writeOption(profile, OptionKey::RecentKinds, options.recentKinds.join(u','));
    return profile.save(profilePath(appDir), appDir);
}

Result saveCustomColors(const QString& appDir, const QStringList& lines)
{
    return writeTextLines(customColorsPath(appDir), lines, {appDir, /*createFolder=*/true});
}

} // namespace morvane::settings
