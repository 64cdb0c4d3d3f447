#include "settings/AtomicFile.h"

#include "settings/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace morvane::settings {

Result writeFileAtomically(const QString& path, const QByteArray& bytes, bool createFolder)
{
    const QString failure = QStringLiteral("Can't create the file: ") + path;
    if (createFolder && !QDir().mkpath(QFileInfo(path).absolutePath()))
        return Result::failure(failure);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(failure);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return Result::failure(QStringLiteral("Can't write the file: ") + path);
    }
    if (!file.commit())
        return Result::failure(QStringLiteral("Can't write the file: ") + path);
    return Result::success();
}

Result writeTextLines(const QString& path, const QStringList& lines, bool createFolder)
{
    return writeFileAtomically(path, encodeText(joinLines(lines)), createFolder);
}

ReadText readTextFile(const QString& path)
{
    ReadText result;
    QFile file(path);
    if (!file.exists()) {
        result.exists = false;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.ok = false;
        result.message = QStringLiteral("Can't open the file: ") + path;
        return result;
    }
    result.text = decodeText(file.readAll());
    if (file.error() != QFileDevice::NoError) {
        result.ok = false;
        result.message = QStringLiteral("Can't read the file: ") + path;
        result.text.clear();
    }
    return result;
}

} // namespace morvane::settings
