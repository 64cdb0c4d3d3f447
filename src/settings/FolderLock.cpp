#include "settings/FolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <csignal>

namespace morvane::settings {
namespace {

using namespace Qt::StringLiterals;

// A lock of ours holds a process id, an application and a host name, a few dozen bytes.
constexpr qint64 kMaxLockSize = 4096;

// The lock file of a live program is read to tell whether it still runs: whatever stands in its
// place and is not a lock of ours (a link, a pipe, a folder, a large file) is taken away
// unread, so that the start never reads through it, blocks on it or takes it for a holder.
void clearForeignEntry(const QString& path)
{
    const QFileInfo entry(path);
    if (!entry.exists() && !entry.isSymLink()) {
        return;
    }
    if (entry.isSymLink() || !entry.isFile() || entry.size() > kMaxLockSize) {
        if (entry.isDir() && !entry.isSymLink()) {
            QDir().rmdir(path);
        } else {
            QFile::remove(path);
        }
    }
}

} // namespace

QString folderLockName()
{
    return u".morvane.lock"_s;
}

QString folderLockPath(const QString& folder)
{
    return QDir(folder).filePath(folderLockName());
}

bool isFolderLockFile(const QString& relativePath)
{
    return relativePath == folderLockName() || relativePath == folderLockName() + u".rmlock"_s;
}

FolderLock::FolderLock(QString folder)
    : m_folder(std::move(folder))
{}

FolderLock::~FolderLock() = default;

FolderLock::State FolderLock::tryLock()
{
    if (isTaken()) {
        return State::Taken;
    }
    const QString path = folderLockPath(m_folder);
    clearForeignEntry(path);
    auto file = std::make_unique<QLockFile>(path);
    // A program keeps its folder for hours: a lock is stale only when the process that made it
    // is gone, never because of its age.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        m_file = std::move(file);
        return State::Taken;
    }
    return file->error() == QLockFile::LockFailedError ? State::InUse : State::Unavailable;
}

bool FolderLock::isTaken() const
{
    return m_file && m_file->isLocked();
}

void FolderLock::release()
{
    m_file.reset();
}

bool heldByAnotherProgram(const QString& folder)
{
    const QString path = folderLockPath(folder);
    const QFileInfo entry(path);
    if (entry.isSymLink() || !entry.isFile() || entry.size() > kMaxLockSize) {
        return false;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (!QLockFile(path).getLockInfo(&pid, &host, &application) || pid <= 0 ||
        pid == QCoreApplication::applicationPid()) {
        return false;
    }
    // A holder that is gone holds nothing; one we may not signal still runs.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

QString folderInUseMessage(const QString& folder)
{
    return u"Another Morvane program is working in the folder "_s +
           QDir::toNativeSeparators(folder) + u"; try again once it has closed."_s;
}

} // namespace morvane::settings
