#include "settings/UserCopy.h"

#include "settings/AtomicFile.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

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
    const QString profile = root.relativeFilePath(profilePath(shippedDir));
    if (files.removeAll(profile) > 0)
        files.append(profile);
    return files;
}

Result copyWhole(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Result::failure(u"Can't open the file: "_s + source);
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return Result::failure(u"Can't read the file: "_s + source);
    return writeFileAtomically(target, bytes, /*createFolder=*/true);
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
    for (const QString& file : shippedFiles(shippedDir)) {
        const QFileInfo target(user.filePath(file));
        if (target.exists() || target.isSymLink())
            continue;
        update.result = copyWhole(QDir(shippedDir).filePath(file), target.filePath());
        if (!update.result)
            return update;
        update.added.append(file);
    }
    // The preview writes its pages there.
    if (!user.mkpath(u"test"_s))
        update.result = Result::failure(u"Can't create the folder: "_s + user.filePath(u"test"_s));
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
