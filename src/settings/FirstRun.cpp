#include "settings/FirstRun.h"

#include "catalog/SamplePaths.h"
#include "settings/AtomicFile.h"
#include "settings/OptionKeys.h"
#include "settings/Profile.h"
#include "settings/SaveJournal.h"
#include "settings/SettingsStore.h"

#include <QDir>

namespace morvane::settings {
namespace {

using namespace Qt::StringLiterals;

const QStringList kThreeViews{u"chrismas.jpg"_s, u"river.jpg"_s, u"capitole.jpg"_s};

// clang-format off
const SampleMedia kSampleMedia[] = {
    {u"CropImages", kThreeViews},
    {u"CropImages2", kThreeViews},
    {u"DateText", {u"sphinx.gif"_s}},
    {u"Deformation", {u"Fish3.gif"_s, u"backfish1.jpg"_s}},
    {u"Fade", kThreeViews},
    {u"Flickering", {u"backegypt1.jpg"_s}},
    {u"ImageAxisRotation", {u"chrismas2.jpg"_s}},
    {u"ImageConvex", {u"chrismas2.jpg"_s}},
    {u"ImageExtend", {u"chrismas2.jpg"_s}},
    {u"ImageLight", {u"chrismas2.jpg"_s}},
    {u"ImageStream", kThreeViews},
    {u"ImageWhirl", {u"chrismas2.jpg"_s}},
    {u"IPViewer", {u"background.gif"_s}},
    {u"Navigation", {u"button11.gif"_s, u"button12.gif"_s, u"button13.gif"_s, u"button21.gif"_s,
                     u"button22.gif"_s, u"button23.gif"_s}},
    {u"Protect", kThreeViews},
    {u"Puzzle", {u"Cascade.jpg"_s}},
    {u"RandomImage", kThreeViews},
    {u"RandomLink", {u"chrismas.jpg"_s}},
    {u"ScanImage", {u"Cascade2.jpg"_s}},
    {u"Scrolling", {u"backegypt1.jpg"_s}},
    {u"StarsText", {u"Fish3.gif"_s}},
    {u"StarsText2", {u"Fish3.gif"_s}},
    {u"TextStream", {u"egypt1.gif"_s}},
    {u"TicTacToe", {u"circle.gif"_s, u"cross.gif"_s}},
    {u"WaveText", {u"backegypt1.jpg"_s}},
    {u"Zoom", kThreeViews},
    {u"ImageConvex2", {u"chrismas2.jpg"_s}},
    {u"ImageLight2", {u"chrismas2.jpg"_s}},
    {u"ImagePointer", {u"backfish1.jpg"_s, u"Fish3.gif"_s}},
    {u"ImageViewer", {u"chrismas.jpg"_s, u"river.jpg"_s, u"capitole.jpg"_s, u"back.gif"_s}},
    {u"SoundPlayer", {u"back.gif"_s, u"spacemusic.au"_s, u"glass.au"_s, u"explosion.au"_s}},
    {u"FontImageScrolling", {u"letters.gif"_s}},
    {u"Graph", {u"data.dat"_s}},
    {u"Table", {u"data.txt"_s}},
    {u"Memory", {u"capitole_small.jpg"_s, u"chrismas_small.jpg"_s, u"river_small.jpg"_s}},
};
// clang-format on

// A sample's media are published with it: a link must not bring in a file from elsewhere.
Result copyMedia(const QString& appDir, const QString& source, const QString& target)
{
    const Outcome<QByteArray> read = readWholeFile(source, appDir);
    if (!read) {
        return read.result();
    }
    return writeFileAtomically(target, read.value(), {appDir, /*createFolder=*/true});
}

} // namespace

std::span<const SampleMedia> sampleMediaTable()
{
    return kSampleMedia;
}

Outcome<FirstRun> runFirstRun(const QString& appDir)
{
    const QString ini = profilePath(appDir);
    // The options' load has told what could not be finished.
    finishInterruptedSave(appDir);
    Outcome<Profile> read = Profile::load(ini, appDir);
    if (!read) {
        return read.result();
    }
    Profile& profile = read.value();
    if (!readFlagOption(profile, OptionKey::FirstRun)) {
        return FirstRun{false};
    }

    const QDir media(QDir(appDir).filePath(u"images&sounds"_s));
    for (const SampleMedia& row : kSampleMedia) {
        const QDir target(catalog::sampleFolder(appDir, QString::fromUtf16(row.kind)));
        for (const QString& file : row.files) {
            if (Result copied = copyMedia(appDir, media.filePath(file), target.filePath(file));
                !copied) {
                return copied;
            }
        }
    }
    writeFlagOption(profile, OptionKey::FirstRun, false);
    if (Result saved = profile.save(ini, appDir); !saved) {
        return saved;
    }
    return FirstRun{true};
}

} // namespace morvane::settings
