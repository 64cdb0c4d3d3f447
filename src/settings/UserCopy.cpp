#include "settings/UserCopy.h"

#include "settings/AtomicFile.h"
#include "settings/InsideFolder.h"
#include "settings/SettingsStore.h"
#include "settings/ShippedManifest.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <optional>

#ifndef MORVANE_DATA_FROM_PROGRAM
#define MORVANE_DATA_FROM_PROGRAM "../share/morvane"
#endif

namespace morvane::settings {
namespace {

using namespace Qt::StringLiterals;

bool holdsInstallation(const QString& dir)
{
    return QFileInfo(profilePath(dir)).isFile();
}

bool sameFolder(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

QString userCopyDir(const Surroundings& where)
{
    if (!where.installDirVariable.isEmpty())
        return QDir::cleanPath(QDir(where.currentDir).absoluteFilePath(where.installDirVariable));
    // A relative data home is invalid and ignored, as the base directory rules say.
    const QString dataHome = QDir::isAbsolutePath(where.dataHome)
                                 ? where.dataHome
                                 : QDir(where.homeDir).filePath(u".local/share"_s);
    return QDir::cleanPath(QDir(dataHome).filePath(u"morvane"_s));
}

// Relative paths in a stable order, the profile last.
QStringList shippedFiles(const QString& shippedDir)
{
    const QDir root(shippedDir);
    QStringList files;
    QDirIterator it(shippedDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(root.relativeFilePath(it.next()));
    files.sort();
    files.removeAll(root.relativeFilePath(shippedManifestPath(shippedDir)));
    const QString profile = root.relativeFilePath(profilePath(shippedDir));
    if (files.removeAll(profile) > 0)
        files.append(profile);
    return files;
}

// The user's settings and lists: only ever added, never replaced, whatever a newer version ships.
bool isUsersOwn(const QString& file, const QString& profile)
{
    return file == profile || file.startsWith(u"cfg/"_s);
}

struct Copied {
    Result result;
    ShippedRecord record; // of the bytes written
};

Copied copyWhole(const QString& shippedDir, const QString& source, const QString& userDir,
                 const QString& target)
{
    const ReadBytes read = readWholeFile(source, shippedDir);
    if (!read.result)
        return {read.result, {}};
    return {writeFileAtomically(target, read.bytes, {userDir, /*createFolder=*/true}),
            recordOf(read.bytes)};
}

// The size first: most files the user changed are told apart without reading them.
bool holds(const QFileInfo& file, const ShippedRecord& record)
{
    return file.size() == record.size && recordOfFile(file.filePath()) == record;
}

// Replaces a present shipped file with the newer shipped one when it still holds what was
// copied there before; returns the record it keeps, none when it was never the shipped data's.
struct Folders {
    QString shipped;
    QString user;
};

std::optional<ShippedRecord> refreshPresent(const Folders& folders, const QString& file,
                                            const QString& source, const QFileInfo& target,
                                            std::optional<ShippedRecord> old, CopyUpdate& update)
{
    const std::optional<ShippedRecord> shipped = recordOfFile(source);
    if (!shipped) {
        update.warnings.append(u"Can't read the file: "_s + source);
        return old;
    }
    if (old == shipped)
        return old;
    if (old && holds(target, *old)) {
        const Copied copied = copyWhole(folders.shipped, source, folders.user, target.filePath());
        if (!copied.result) {
            update.warnings.append(copied.result.message);
            return old;
        }
        update.refreshed.append(file);
        return copied.record;
    }
    // A copy made before records were kept, or a refresh cut off before its record was written.
    if (holds(target, *shipped))
        return shipped;
    return old;
}

} // namespace

Surroundings surroundingsOf(const QString& programDir)
{
    const QString shipped =
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(MORVANE_DATA_FROM_PROGRAM)));
    return {QDir::currentPath(), holdsInstallation(shipped) ? shipped : QString(),
            qEnvironmentVariable("MORVANE_INSTALL_DIR"), qEnvironmentVariable("XDG_DATA_HOME"),
            QDir::homePath()};
}

CopyUpdate updateUserCopy(const QString& shippedDir, const QString& userDir)
{
    CopyUpdate update;
    update.created = !holdsInstallation(userDir);
    const QDir user(userDir);
    if (!QDir().mkpath(userDir)) {
        update.result = Result::failure(u"Can't create the folder: "_s + userDir);
        return update;
    }
    const ShippedManifest recorded = readShippedManifest(userDir);
    ShippedManifest manifest;
    const QString profile = user.relativeFilePath(profilePath(userDir));
    const Folders folders{shippedDir, userDir};
    for (const QString& file : shippedFiles(shippedDir)) {
        const QString source = QDir(shippedDir).filePath(file);
        const QFileInfo target(user.filePath(file));
        // A folder of the copy that leads elsewhere is neither looked into nor written through.
        if (Result inside = checkInside(userDir, target.filePath(), u"Can't create the file: "_s);
            !inside) {
            update.warnings.append(inside.message);
            continue;
        }
        if (!target.exists() && !target.isSymLink()) {
            const Copied copied = copyWhole(shippedDir, source, userDir, target.filePath());
            // The old manifest stays: the next start records what this one copied.
            update.result = copied.result;
            if (!update.result)
                return update;
            update.added.append(file);
            if (!isUsersOwn(file, profile))
                manifest.insert(file, copied.record);
            continue;
        }
        if (isUsersOwn(file, profile) || target.isSymLink() || !target.isFile())
            continue;
        const auto old = recorded.constFind(file);
        const std::optional<ShippedRecord> kept =
            refreshPresent(folders, file, source, target,
                           old == recorded.cend() ? std::nullopt : std::optional(*old), update);
        if (kept)
            manifest.insert(file, *kept);
    }
    // The preview writes its pages there.
    if (!user.mkpath(u"test"_s))
        update.result = Result::failure(u"Can't create the folder: "_s + user.filePath(u"test"_s));
    if (manifest != recorded) {
        if (const Result written = writeShippedManifest(userDir, manifest); !written)
            update.warnings.append(written.message);
    }
    return update;
}

AppDirChoice chooseAppDir(const Surroundings& where)
{
    AppDirChoice choice;
    const bool installed = !where.shippedDataDir.isEmpty();
    // The shipped data is read-only: started there, the program works in the user's copy.
    if (holdsInstallation(where.currentDir) &&
        !(installed && sameFolder(where.currentDir, where.shippedDataDir))) {
        choice.appDir = where.currentDir;
        return choice;
    }
    if (!installed && where.installDirVariable.isEmpty()) {
        choice.appDir = where.currentDir;
        return choice;
    }
    choice.userCopy = true;
    choice.appDir = userCopyDir(where);
    if (!installed) {
        if (!holdsInstallation(choice.appDir))
            choice.result =
                Result::failure(u"Can't find the file: "_s + profilePath(choice.appDir));
        return choice;
    }
    choice.update = updateUserCopy(where.shippedDataDir, choice.appDir);
    choice.result = choice.update.result;
    return choice;
}

} // namespace morvane::settings
