#include "settings/AtomicFile.h"

#include "settings/InsideFolder.h"
#include "settings/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

Result readFailure(const QString& path, const QString& reason)
{
    return Result::failure(u"Can't read the file: "_s + path + u" (" + reason + u')');
}

} // namespace

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
    return Result::failure(u"Can't write the file: "_s + path +
                           u" (larger than %1 MB)"_s.arg(kMaxTextFileSize >> 20));
}

Result openForReplacing(QSaveFile& file, const Placement& placement)
{
    const QString path = file.fileName();
    const QString failure = u"Can't create the file: "_s + path;
    if (Result inside = checkInside(placement.within, path, u"Can't create the file: "_s);
        !inside) {
        return inside;
    }
    // A save file would put a regular file in place of a device or a pipe.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) {
        return Result::failure(failure + u" (not a regular file)"_s);
    }
    if (placement.createFolder && !QDir().mkpath(existing.absolutePath())) {
        return Result::failure(failure);
    }
    if (!file.open(QIODevice::WriteOnly)) {
        return Result::failure(failure);
    }
    return Result::success();
}

Result writeFileAtomically(const QString& path, const QByteArray& bytes, const Placement& placement)
{
    QSaveFile file(path);
    if (Result opened = openForReplacing(file, placement); !opened) {
        return opened;
    }
    if (file.write(bytes) != bytes.size() || !commitWhole(file)) {
        file.cancelWriting();
        return Result::failure(u"Can't write the file: "_s + path);
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

Result checkReadable(const QString& path, const QString& within)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return Result::success();
    }
    if (Result inside = checkInside(within, path, u"Can't read the file: "_s); !inside) {
        return inside;
    }
    if (info.exists() && !info.isFile()) {
        return readFailure(path, u"not a regular file"_s);
    }
    return Result::success();
}

Outcome<QByteArray> readWholeFile(const QString& path, const QString& within)
{
    if (Result readable = checkReadable(path, within); !readable) {
        return readable;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        return Result::failure(u"Can't open the file: "_s + path);
    }
    QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        return Result::failure(u"Can't read the file: "_s + path);
    }
    return bytes;
}

Outcome<QString> readTextFile(const QString& path, const QString& within)
{
    if (Result readable = checkReadable(path, within); !readable) {
        return readable;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return QString();
    }
    if (info.size() > kMaxTextFileSize) {
        return readFailure(path, u"larger than %1 MB"_s.arg(kMaxTextFileSize >> 20));
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result::failure(u"Can't open the file: "_s + path);
    }
    // The file may grow between the check and the read.
    const QByteArray bytes = file.read(kMaxTextFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return readFailure(path, file.errorString());
    }
    if (bytes.size() > kMaxTextFileSize) {
        return readFailure(path, u"larger than %1 MB"_s.arg(kMaxTextFileSize >> 20));
    }
    return decodeText(bytes);
}

} // namespace morvane::settings
