#include "settings/SaveJournal.h"

#include "settings/AtomicFile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace morvane::settings {
namespace {

const QByteArray kMagic = QByteArrayLiteral("MORVANE-SAVE-1\n");
constexpr auto kDigest = QCryptographicHash::Sha256;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

QByteArray encodeJournal(const std::vector<PendingFile>& files)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << static_cast<quint32>(files.size());
    for (const PendingFile& file : files)
        out << file.relativePath << file.bytes;
    return kMagic + body + QCryptographicHash::hash(body, kDigest);
}

// A journal's paths come from a file a user could edit: only the settings file and files
// directly in cfg/ are accepted.
bool isSettingsPath(const QString& relativePath)
{
    if (relativePath == u"morvane.ini")
        return true;
    const QString prefix = QStringLiteral("cfg/");
    if (!relativePath.startsWith(prefix))
        return false;
    const QString name = relativePath.mid(prefix.size());
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QChar(0));
}

std::optional<std::vector<PendingFile>> decodeJournal(const QByteArray& bytes)
{
    const qsizetype digestSize = QCryptographicHash::hashLength(kDigest);
    if (!bytes.startsWith(kMagic) || bytes.size() < kMagic.size() + digestSize)
        return std::nullopt;
    const QByteArray body = bytes.mid(kMagic.size(), bytes.size() - kMagic.size() - digestSize);
    if (QCryptographicHash::hash(body, kDigest) != bytes.right(digestSize))
        return std::nullopt;
    QDataStream in(body);
    in.setVersion(kStreamVersion);
    quint32 count = 0;
    in >> count;
    std::vector<PendingFile> files;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        PendingFile file;
        in >> file.relativePath >> file.bytes;
        if (!isSettingsPath(file.relativePath))
            return std::nullopt;
        files.push_back(std::move(file));
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return files;
}

Result applyFiles(const QString& appDir, const std::vector<PendingFile>& files)
{
    const QDir dir(appDir);
    for (const PendingFile& file : files) {
        const Result written =
            writeFileAtomically(dir.filePath(file.relativePath), file.bytes, true);
        if (!written)
            return written;
    }
    return Result::success();
}

Result removeJournal(const QString& path)
{
    if (QFile::exists(path) && !QFile::remove(path))
        return Result::failure(QStringLiteral("Can't delete the file: ") + path);
    return Result::success();
}

} // namespace

QString journalPath(const QString& appDir)
{
    return QDir(appDir).filePath(QStringLiteral("morvane.ini.pending"));
}

Result commitJournal(const QString& appDir, const std::vector<PendingFile>& files)
{
    return writeFileAtomically(journalPath(appDir), encodeJournal(files));
}

Result writeFilesTogether(const QString& appDir, const std::vector<PendingFile>& files)
{
    // One file is replaced whole by itself.
    if (files.size() == 1)
        return applyFiles(appDir, files);
    if (Result written = commitJournal(appDir, files); !written)
        return written;
    if (Result applied = applyFiles(appDir, files); !applied)
        return applied;
    return removeJournal(journalPath(appDir));
}

Result finishInterruptedSave(const QString& appDir)
{
    const QString journal = journalPath(appDir);
    const QFileInfo info(journal);
    if (!info.exists())
        return Result::success();
    if (!info.isFile())
        return Result::failure(QStringLiteral("Can't read the file: ") + journal +
                               QStringLiteral(" (not a regular file)"));
    // Larger than any whole save could be: not one of ours.
    if (info.size() > 4 * kMaxTextFileSize)
        return removeJournal(journal);
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(QStringLiteral("Can't open the file: ") + journal);
    const QByteArray bytes = file.readAll();
    file.close();
    if (const auto files = decodeJournal(bytes)) {
        if (Result applied = applyFiles(appDir, *files); !applied)
            return applied;
    }
    return removeJournal(journal);
}

} // namespace morvane::settings
