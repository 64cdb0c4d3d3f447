#include "settings/AtomicFile.h"

#include "settings/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace morvane::settings {
namespace {

ReadText readFailure(const QString& path, const QString& reason)
{
    ReadText result;
    result.ok = false;
    result.message = QStringLiteral("Can't read the file: ") + path + u" (" + reason + u')';
    return result;
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

Result writeFileAtomically(const QString& path, const QByteArray& bytes, bool createFolder)
{
    const QString failure = QStringLiteral("Can't create the file: ") + path;
    if (createFolder && !QDir().mkpath(QFileInfo(path).absolutePath()))
        return Result::failure(failure);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(failure);
    if (file.write(bytes) != bytes.size() || !commitWhole(file)) {
        file.cancelWriting();
        return Result::failure(QStringLiteral("Can't write the file: ") + path);
    }
    return Result::success();
}

Result writeTextLines(const QString& path, const QStringList& lines, bool createFolder)
{
    return writeFileAtomically(path, encodeText(joinLines(lines)), createFolder);
}

ReadText readTextFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        ReadText missing;
        missing.exists = false;
        return missing;
    }
    // A device or a pipe would never end or never answer.
    if (!info.isFile())
        return readFailure(path, QStringLiteral("not a regular file"));
    if (info.size() > kMaxTextFileSize)
        return readFailure(path, QStringLiteral("larger than %1 MB").arg(kMaxTextFileSize >> 20));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReadText result;
        result.ok = false;
        result.message = QStringLiteral("Can't open the file: ") + path;
        return result;
    }
    // The file may grow between the check and the read.
    const QByteArray bytes = file.read(kMaxTextFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return readFailure(path, file.errorString());
    if (bytes.size() > kMaxTextFileSize)
        return readFailure(path, QStringLiteral("larger than %1 MB").arg(kMaxTextFileSize >> 20));
    ReadText result;
    result.text = decodeText(bytes);
    return result;
}

} // namespace morvane::settings
