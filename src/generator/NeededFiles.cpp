#include "generator/NeededFiles.h"

#include "base/PlacedFiles.h"
#include "settings/AtomicFile.h"
#include "settings/InsideFolder.h"

#include "catalog/SamplePaths.h"
#include "generator/FileProbe.h"
#include "generator/Html.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

constexpr qint64 kBlockSize = 64 * 1024;

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

    const Outcome<Place> from =
        settings::locate(source, {boundOf(source, appDir)}, u"Can't open the file: "_s);
    if (!from) {
        return from.result();
    }
    // A pipe would never end.
    const Outcome<Descriptor> in = openRegularFile(*from);
    if (!in) {
        return Result::failure(settings::openFailure(source, in.message()));
    }
    const Outcome<Place> to =
        settings::locate(target, {boundOf(target, appDir)}, u"Can't create the file: "_s);
    if (!to) {
        return to.result();
    }
    // Replacing a file by itself would leave it empty.
    if (to->exists && fileIdOf(*to) == fileIdOf(*from)) {
        return Result::failure(settings::createFailure(target, u"it is the file being copied"_s));
    }
    Outcome<StagedFile> out = StagedFile::create(*to);
    if (!out) {
        return Result::failure(settings::createFailure(target, out.message()));
    }
    for (;;) {
        const Outcome<QByteArray> block = readUpTo(*in, kBlockSize);
        if (!block) {
            return Result::failure(settings::openFailure(source, block.message()));
        }
        if (block->isEmpty()) {
            break;
        }
        if (Result written = out->write(*block); !written) {
            return Result::failure(settings::createFailure(target, written.message));
        }
    }
    if (Result committed = out->commit(); !committed) {
        return Result::failure(settings::createFailure(target, committed.message));
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
