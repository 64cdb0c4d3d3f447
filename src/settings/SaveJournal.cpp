#include "settings/SaveJournal.h"

#include "settings/AtomicFile.h"
#include "settings/InsideFolder.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

const QByteArray kMagic = QByteArrayLiteral("MORVANE-SAVE-1\n");
constexpr auto kDigest = QCryptographicHash::Sha256;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
// A save holds the settings file and a kind's list files, each a text file of at most
// kMaxTextFileSize bytes: no kind has more than a few lists.
constexpr qint64 kMaxJournalSize = 8 * (kMaxTextFileSize + 4096);

// A journal's paths come from a file a user could edit: only the settings file and files
// directly in cfg/ are accepted.
bool isSettingsPath(const QString& relativePath)
{
    if (relativePath == u"morvane.ini") {
        return true;
    }
    const QString prefix = u"cfg/"_s;
    if (!relativePath.startsWith(prefix)) {
        return false;
    }
    const QString name = relativePath.mid(prefix.size());
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QChar(0));
}

} // namespace

QByteArray encodeJournal(const std::vector<PendingFile>& files)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << static_cast<quint32>(files.size());
    for (const PendingFile& file : files) {
        out << file.relativePath << file.bytes;
    }
    return kMagic + body + QCryptographicHash::hash(body, kDigest);
}

std::optional<std::vector<PendingFile>> decodeJournal(const QByteArray& bytes)
{
    const qsizetype digestSize = QCryptographicHash::hashLength(kDigest);
    if (!bytes.startsWith(kMagic) || bytes.size() < kMagic.size() + digestSize) {
        return std::nullopt;
    }
    const QByteArray body = bytes.mid(kMagic.size(), bytes.size() - kMagic.size() - digestSize);
    if (QCryptographicHash::hash(body, kDigest) != bytes.right(digestSize)) {
        return std::nullopt;
    }
    QDataStream in(body);
    in.setVersion(kStreamVersion);
    quint32 count = 0;
    in >> count;
    std::vector<PendingFile> files;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        PendingFile file;
        in >> file.relativePath >> file.bytes;
        if (!isSettingsPath(file.relativePath)) {
            return std::nullopt;
        }
        files.push_back(std::move(file));
    }
    if (in.status() != QDataStream::Ok || !in.atEnd()) {
        return std::nullopt;
    }
    return files;
}

namespace {

Placement settingsPlacement(const QString& appDir)
{
    return {appDir, /*createFolder=*/true};
}

Result removeJournal(const QString& path)
{
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !QFile::remove(path)) {
        return Result::failure(u"Can't delete the file: "_s + path);
    }
    return Result::success();
}

// Every new content written beside its file, nothing replaced yet: what can fail (a full disk, a
// read-only file, a link leading out, a file too large to read back) fails here, while the folder
// is still as it was.
struct Staged {
    QString path;
    StagedFile file;
};
using StagedFiles = std::vector<Staged>;

Result stageFiles(const QString& appDir, const std::vector<PendingFile>& files, StagedFiles& staged)
{
    const QDir dir(appDir);
    for (const PendingFile& file : files) {
        const QString path = dir.filePath(file.relativePath);
        if (Result fits = checkTextSize(path, file.bytes); !fits) {
            return fits;
        }
        Outcome<StagedFile> saveFile = stageFile(path, settingsPlacement(appDir));
        if (!saveFile) {
            return saveFile.result();
        }
        if (Result written = saveFile->write(file.bytes); !written) {
            return Result::failure(u"Can't write the file: "_s + path + u" ("_s + written.message +
                                   u')');
        }
        staged.push_back({path, std::move(saveFile).value()});
    }
    return Result::success();
}

Result commitStaged(StagedFiles& staged)
{
    for (Staged& file : staged) {
        if (Result committed = file.file.commit(); !committed) {
            return Result::failure(u"Can't write the file: "_s + file.path + u" ("_s +
                                   committed.message + u')');
        }
    }
    return Result::success();
}

// All the files replaced, or (when anything fails before the first rename) none.
Result replaceFiles(const QString& appDir, const std::vector<PendingFile>& files)
{
    StagedFiles staged;
    if (Result written = stageFiles(appDir, files, staged); !written) {
        return written;
    }
    return commitStaged(staged);
}

} // namespace

QString journalPath(const QString& appDir)
{
    return QDir(appDir).filePath(u"morvane.ini.pending"_s);
}

Result commitJournal(const QString& appDir, const std::vector<PendingFile>& files)
{
    return writeFileAtomically(journalPath(appDir), encodeJournal(files), {appDir});
}

Result writeFilesTogether(const QString& appDir, const std::vector<PendingFile>& files)
{
    StagedFiles staged;
    if (Result written = stageFiles(appDir, files, staged); !written) {
        return written;
    }
    // One file is replaced whole by itself.
    if (files.size() == 1) {
        return commitStaged(staged);
    }
    if (Result written = commitJournal(appDir, files); !written) {
        return written;
    }
    if (commitStaged(staged)) {
        return removeJournal(journalPath(appDir));
    }
    // Only renames were left, and one failed: the journal finishes the save now, or it is given
    // up so that no later load applies a save reported as failed.
    const Result finished = replaceFiles(appDir, files);
    removeJournal(journalPath(appDir));
    return finished;
}

Result finishInterruptedSave(const QString& appDir)
{
    const QString journal = journalPath(appDir);
    const QFileInfo info(journal);
    if (!info.exists() && !info.isSymLink()) {
        return Result::success();
    }
    // Whatever stands in the journal's place and is not one of ours is dropped unread.
    if (info.isSymLink() || !info.isFile() || info.size() > kMaxJournalSize) {
        return removeJournal(journal);
    }
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result::failure(u"Can't open the file: "_s + journal);
    }
    const QByteArray bytes = file.read(kMaxJournalSize + 1);
    file.close();
    const std::optional<std::vector<PendingFile>> files = decodeJournal(bytes);
    const Result applied = files ? replaceFiles(appDir, *files) : Result::success();
    if (Result removed = removeJournal(journal); !removed) {
        return removed;
    }
    if (!applied) {
        return Result::failure(applied.message + u"\nThe last save was cut short and could not "
                                                 "be finished; it has been given up."_s);
    }
    return Result::success();
}

} // namespace morvane::settings
