#include "generator/Preview.h"

#include "base/FolderWalk.h"
#include "base/PlacedFiles.h"
#include "generator/NeededFiles.h"
#include "settings/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

// What the last preview wrote into the test folder, one name a line: the next one deletes
// these and nothing else the folder holds.
constexpr char kRecordName[] = ".preview-files";

Result folderFailure(const QString& folder, const QString& reason)
{
    return Result::failure(u"Can't use the folder: "_s + folder + u" ("_s + reason + u')');
}

bool isPreviewPage(const QString& name)
{
    static const QRegularExpression page(u"^test(0|[1-9][0-9]{0,3})\\.htm$"_s);
    return page.match(name).hasMatch();
}

// The test folder of the installation, open: a real folder right in it, made when missing.
Outcome<Place> openTestFolder(const QString& folder, const QString& appDir)
{
    const Outcome<FolderWalk> walk = FolderWalk::open(appDir);
    if (!walk) {
        return folderFailure(folder, walk.message());
    }
    const QByteArrayList names{QFile::encodeName(QDir(appDir).relativeFilePath(folder))};
    for (int attempt = 0; attempt < 2; ++attempt) {
        Outcome<Place> place =
            walk->resolve(names, FolderWalk::Leaf::Keep, FolderWalk::Folders::Existing);
        if (!place) {
            return folderFailure(folder, place.message());
        }
        // Clearing a link would clear whatever it leads to, inside the installation or not.
        if (place->isLink()) {
            return folderFailure(folder, u"a link, not a folder"_s);
        }
        if (place->isFolder()) {
            Outcome<Place> entered = enterFolder(*place);
            if (!entered) {
                return folderFailure(folder, entered.message());
            }
            return entered;
        }
        if (place->exists) {
            return folderFailure(folder, u"not a folder"_s);
        }
        if (Result made = makeFolder(*place); !made) {
            return folderFailure(folder, made.message);
        }
    }
    return folderFailure(folder, systemError(ENOENT));
}

// Deletes what earlier previews wrote into the open test folder `test`.
void clearPreviewFiles(const Place& test)
{
    QStringList ours;
    const Place record = lookAt(test.folder, kRecordName);
    if (const Outcome<Descriptor> file = openRegularFile(record); file) {
        const Outcome<QByteArray> bytes = readUpTo(*file, settings::kMaxTextFileSize);
        ours = bytes ? QString::fromUtf8(*bytes).split(u'\n', Qt::SkipEmptyParts) : QStringList();
    }
    const Outcome<QByteArrayList> names = namesIn(test);
    for (const QByteArray& encoded : names.valueOr({})) {
        const QString name = QFile::decodeName(encoded);
        const Place place = lookAt(test.folder, encoded);
        // Removed by name in the folder itself: a link there goes, never what it leads to.
        if (!place.isFolder() && (isPreviewPage(name) || ours.contains(name))) {
            removePlace(place);
        }
    }
    removePlace(record);
}

} // namespace

QStringList buildPreviewPage(const QString& kind, const QStringList& htmlLines)
{
    QStringList page{
        u"<html>"_s,
        u"<head>"_s,
        u"<title></title>"_s,
        u"<head>"_s,
        u"<body bgcolor=\"#000000\">"_s,
        u"<h1 align=\"center\"><u><strong><font color=\"#FFFF00\">"_s + kind +
            u" preview</font></strong></u></h1>"_s,
        u"<p><u><strong><font color=\"#FFFF00\">&nbsp;</font></strong></u></p>"_s,
        u"<p align=\"center\">"_s,
    };
    page.append(htmlLines);
    page.append({u"</p>"_s, u"</body>"_s, u"</html>"_s});
    return page;
}

QString testFolder(const QString& appDir)
{
    return QDir(appDir).filePath(u"test"_s);
}

Result clearTestFolder(const QString& folder, const QString& appDir)
{
    const Outcome<Place> test = openTestFolder(folder, appDir);
    if (!test) {
        return test.result();
    }
    clearPreviewFiles(*test);
    return Result::success();
}

Outcome<QString> preparePreview(const QString& appDir, const QString& kind,
                                const QStringList& htmlLines, const QStringList& media)
{
    const QString folder = testFolder(appDir);
    const Outcome<Place> test = openTestFolder(folder, appDir);
    if (!test) {
        return test.result();
    }
    clearPreviewFiles(*test);

    const int number = static_cast<int>(QRandomGenerator::global()->bounded(10000));
    const QString pageFileName = u"test%1.htm"_s.arg(number);
    // Recorded before anything is written, so that a preview cut short is cleared all the same.
    const QStringList written = neededFileNames(appDir, kind, media) << pageFileName;
    const QString recordPath = QDir(folder).filePath(QString::fromLatin1(kRecordName));
    if (Result recorded = settings::writeText(recordPath, written.join(u'\n'), {appDir});
        !recorded) {
        return recorded;
    }
    const QString pagePath = QDir(folder).filePath(pageFileName);
    if (Result page =
            settings::writeTextLines(pagePath, buildPreviewPage(kind, htmlLines), {appDir});
        !page) {
        // Nothing was written: the folder is left as it was.
        removePlace(lookAt(test->folder, kRecordName));
        return page;
    }
    if (const Outcome<QStringList> copied = copyNeededFiles(appDir, kind, media, folder); !copied) {
        return copied.result();
    }
    return pageFileName;
}

} // namespace morvane::generator
