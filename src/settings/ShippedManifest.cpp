#include "settings/ShippedManifest.h"

#include "settings/AtomicFile.h"
#include "settings/TextCodec.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace morvane::settings {
namespace {

using namespace Qt::StringLiterals;

constexpr qsizetype kHexDigits = 64;

bool isHexDigest(QStringView text)
{
    if (text.size() != kHexDigits)
        return false;
    for (const QChar c : text) {
        if (!(c.isDigit() || (c >= u'a' && c <= u'f')))
            return false;
    }
    return true;
}

} // namespace

QString shippedManifestPath(const QString& userDir)
{
    return QDir(userDir).filePath(u".shipped"_s);
}

// One line a file: digest, size and path, separated by single blanks; the path is the rest of
// the line, blanks included.
ShippedManifest readShippedManifest(const QString& userDir)
{
    ShippedManifest manifest;
    const ReadText read = readTextFile(shippedManifestPath(userDir), userDir);
    if (!read.ok)
        return manifest;
    for (const QString& line : splitLines(read.text)) {
        const qsizetype sizeStart = kHexDigits + 1;
        const qsizetype pathStart = line.indexOf(u' ', sizeStart) + 1;
        if (pathStart <= sizeStart || pathStart == line.size() || line.at(kHexDigits) != u' ' ||
            !isHexDigest(QStringView(line).left(kHexDigits)))
            continue;
        bool isNumber = false;
        const qint64 size =
            QStringView(line).mid(sizeStart, pathStart - 1 - sizeStart).toLongLong(&isNumber);
        if (!isNumber || size < 0)
            continue;
        manifest.insert(line.mid(pathStart), {line.left(kHexDigits).toLatin1(), size});
    }
    return manifest;
}

Result writeShippedManifest(const QString& userDir, const ShippedManifest& manifest)
{
    QStringList lines;
    lines.reserve(manifest.size());
    for (auto it = manifest.cbegin(); it != manifest.cend(); ++it)
        lines.append(QString::fromLatin1(it->sha256) + u' ' + QString::number(it->size) + u' ' +
                     it.key());
    return writeTextLines(shippedManifestPath(userDir), lines, {userDir});
}

ShippedRecord recordOf(const QByteArray& bytes)
{
    return {QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(), bytes.size()};
}

std::optional<ShippedRecord> recordOfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return ShippedRecord{hash.result().toHex(), file.pos()};
}

} // namespace morvane::settings
