#include "settings/AtomicFile.h"

#include "settings/TextCodec.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <limits>

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

QString withReason(const QString& failure, const QString& path, const QString& reason)
{
    return failure + path + u" ("_s + reason + u')';
}

Result readFailure(const QString& path, const QString& reason)
{
    return Result::failure(withReason(u"Can't read the file: "_s, path, reason));
}

Result writeFailure(const QString& path, const QString& reason)
{
    return Result::failure(withReason(u"Can't write the file: "_s, path, reason));
}

QString tooLarge()
{
    return u"larger than %1 MB"_s.arg(kMaxTextFileSize >> 20);
}

} // namespace

QString createFailure(const QString& path, const QString& reason)
{
    return withReason(u"Can't create the file: "_s, path, reason);
}

QString openFailure(const QString& path, const QString& reason)
{
    return withReason(u"Can't open the file: "_s, path, reason);
}

Outcome<Place> locate(const QString& path, const Placement& placement, const QString& failure)
{
    const WalkPlan plan = planWalk(placement.within, path);
    const Outcome<FolderWalk> walk = FolderWalk::open(plan.root);
    if (!walk) {
        return Result::failure(withReason(failure, path, walk.message()));
    }
    Outcome<Place> place = walk->resolve(plan.names, FolderWalk::Leaf::Follow,
                                         placement.createFolder ? FolderWalk::Folders::Create
                                                                : FolderWalk::Folders::Existing);
    if (!place) {
        return Result::failure(withReason(failure, path, place.message()));
    }
    return place;
}

bool commitWhole(QSaveFile& file)
{
    // A save file buffers small writes and flushes them only inside commit(), which then
    // replaces the destination even when that last flush failed.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

Result checkTextSize(const QString& path, const QByteArray& bytes)
{
    if (bytes.size() <= kMaxTextFileSize) {
        return Result::success();
    }
    return writeFailure(path, tooLarge());
}

Outcome<StagedFile> stageFile(const QString& path, const Placement& placement)
{
    const Outcome<Place> place = locate(path, placement, u"Can't create the file: "_s);
    if (!place) {
        return place.result();
    }
    Outcome<StagedFile> staged = StagedFile::create(*place);
    if (!staged) {
        return Result::failure(createFailure(path, staged.message()));
    }
    return staged;
}

Result writeFileAtomically(const QString& path, const QByteArray& bytes, const Placement& placement)
{
    Outcome<StagedFile> file = stageFile(path, placement);
    if (!file) {
        return file.result();
    }
    if (Result written = file->write(bytes); !written) {
        return writeFailure(path, written.message);
    }
    if (Result committed = file->commit(); !committed) {
        return writeFailure(path, committed.message);
    }
    return Result::success();
}

Result writeText(const QString& path, const QString& text, const Placement& placement)
{
    const QByteArray bytes = encodeText(text);
    if (Result fits = checkTextSize(path, bytes); !fits) {
        return fits;
    }
    return writeFileAtomically(path, bytes, placement);
}

Result writeTextLines(const QString& path, const QStringList& lines, const Placement& placement)
{
    return writeText(path, joinLines(lines), placement);
}

Outcome<Descriptor> openForReading(const QString& path, const QString& within)
{
    const Outcome<Place> place = locate(path, {within}, u"Can't read the file: "_s);
    if (!place) {
        return place.result();
    }
    if (!place->exists) {
        return Descriptor();
    }
    if (!place->isRegularFile()) {
        return readFailure(path, u"not a regular file"_s);
    }
    Outcome<Descriptor> file = openRegularFile(*place);
    if (!file) {
        return Result::failure(openFailure(path, file.message()));
    }
    return file;
}

Outcome<QByteArray> readWholeFile(const QString& path, const QString& within)
{
    const Outcome<Descriptor> file = openForReading(path, within);
    if (!file) {
        return file.result();
    }
    if (!file->isOpen()) {
        return Result::failure(openFailure(path, systemError(ENOENT)));
    }
    Outcome<QByteArray> bytes = readUpTo(*file, std::numeric_limits<qint64>::max());
    if (!bytes) {
        return readFailure(path, bytes.message());
    }
    return bytes;
}

Outcome<QString> readTextFile(const QString& path, const QString& within)
{
    const Outcome<Descriptor> file = openForReading(path, within);
    if (!file) {
        return file.result();
    }
    if (!file->isOpen()) {
        return QString();
    }
    // Read one byte past the limit: the file may grow while it is read.
    const Outcome<QByteArray> bytes = readUpTo(*file, kMaxTextFileSize + 1);
    if (!bytes) {
        return readFailure(path, bytes.message());
    }
    if (bytes->size() > kMaxTextFileSize) {
        return readFailure(path, tooLarge());
    }
    return decodeText(*bytes);
}

} // namespace morvane::settings
