#include "generator/NeededFiles.h"

#include "settings/AtomicFile.h"
#include "settings/InsideFolder.h"

#include "catalog/SamplePaths.h"
#include "generator/FileProbe.h"
#include "generator/Html.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

constexpr qint64 kBlockSize = 64 * 1024;

QString openFailure(const QString& path)
{
    return u"Impossible d'ouvrir le fichier "_s + path;
}

QString createFailure(const QString& path)
{
    return u"Impossible de créer le fichier "_s + path;
}

// A place named inside the installation folder must really lie there: the folder is data that
// users share, and what is copied from it is published.
QString boundOf(const QString& path, const QString& appDir)
{
    return settings::isUnder(appDir, path) ? appDir : QString();
}

} // namespace

QStringList neededFileNames(const QString& appDir, const QString& kind, const QStringList& media)
{
    QStringList names;
    for (const QString& classFile : catalog::classFiles(appDir, kind)) {
        names.append(QFileInfo(classFile).fileName());
    }
    for (const QString& path : media) {
        names.append(fileNamePart(path));
    }
    return names;
}

Result copyFileIntoFolder(const QString& file, const QString& folder, const QString& appDir)
{
    const QString source = resolvePath(file, appDir);
    const QString target = QDir(resolvePath(folder, appDir)).filePath(fileNamePart(file));

    if (Result inside =
            settings::checkInside(boundOf(source, appDir), source, openFailure(QString()));
        !inside) {
        return inside;
    }
    // A pipe would never end.
    if (QFileInfo info(source); info.exists() && !info.isFile()) {
        return Result::failure(openFailure(source));
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return Result::failure(openFailure(source));
    }
    // Replacing a file by itself would empty it on platforms that truncate before reading.
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        return Result::failure(createFailure(target));
    }

    QSaveFile out(target);
    if (!settings::openForReplacing(out, {boundOf(target, appDir)})) {
        return Result::failure(createFailure(target));
    }
    QByteArray block;
    while (!(block = in.read(kBlockSize)).isEmpty()) {
        if (out.write(block) != block.size()) {
            out.cancelWriting();
            return Result::failure(createFailure(target));
        }
    }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return Result::failure(openFailure(source));
    }
    if (!settings::commitWhole(out)) {
        return Result::failure(createFailure(target));
    }
    return Result::success();
}

Outcome<QStringList> copyNeededFiles(const QString& appDir, const QString& kind,
                                     const QStringList& media, const QString& folder)
{
    QStringList names;
    QStringList files = catalog::classFiles(appDir, kind);
    files.append(media);
    for (const QString& file : files) {
        if (Result copied = copyFileIntoFolder(file, folder, appDir); !copied) {
            return copied;
        }
        names.append(fileNamePart(file));
    }
    return names;
}

QString copiedFilesMessage(const QStringList& names, const QString& folder)
{
    QStringList quoted;
    for (const QString& name : names) {
        quoted.append(QLatin1Char('"') + name + QLatin1Char('"'));
    }
    const QString list = quoted.join(u", "_s);
    const QString verb =
        list.contains(QLatin1Char(',')) ? u" were copied into "_s : u" was copied into "_s;
    return list + verb + folder;
}

} // namespace morvane::generator
