#include "settings/FolderLock.h"
#include "settings/UserCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace morvane::settings;
using namespace Qt::StringLiterals;

namespace {

using State = FolderLock::State;

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A second lock on one folder fails while the first holds it, from this process or another,
// and a lock whose program was killed is taken over, as a crashed program's is.
TEST(FolderLock, OneHolderAtATimeAndAKilledHoldersLockIsTakenOver)
{
    QTemporaryDir folder;
    {
        FolderLock first(folder.path());
        ASSERT_EQ(first.tryLock(), State::Taken);
        FolderLock second(folder.path());
        EXPECT_EQ(second.tryLock(), State::InUse);
        first.release();
        EXPECT_EQ(second.tryLock(), State::Taken);
    }
    EXPECT_FALSE(QFileInfo::exists(folderLockPath(folder.path())));

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        FolderLock lock(folder.path());
        const char taken = lock.tryLock() == State::Taken ? 'y' : 'n';
        (void)!::write(ready[1], &taken, 1);
        ::pause();
        ::_exit(0);
    }
    char taken = 0;
    ASSERT_EQ(::read(ready[0], &taken, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(taken, 'y');
    FolderLock mine(folder.path());
    EXPECT_EQ(mine.tryLock(), State::InUse);

    ::kill(holder, SIGKILL);
    ASSERT_EQ(::waitpid(holder, nullptr, 0), holder);
    ASSERT_TRUE(QFileInfo::exists(folderLockPath(folder.path())));
    EXPECT_EQ(mine.tryLock(), State::Taken);
}

// What stands in the lock's place in a shared folder is never read, followed or blocked on:
// the lock is made in its stead, and what a link leads to is untouched.
TEST(FolderLock, WhatStandsInTheLocksPlaceIsNeverFollowed)
{
    const struct {
        const char* name;
        void (*plant)(const QString& lock, const QString& decoy);
    } kPlants[] = {
        {"link to a file",
         [](const QString& lock, const QString& decoy) { QFile::link(decoy, lock); }},
        {"dangling link",
         [](const QString& lock, const QString& decoy) { QFile::link(decoy + u".gone"_s, lock); }},
        {"pipe", [](const QString& lock,
                    const QString&) { ::mkfifo(QFile::encodeName(lock).constData(), 0600); }},
        {"folder", [](const QString& lock, const QString&) { QDir().mkdir(lock); }},
        {"large file",
         [](const QString& lock, const QString&) { write(lock, QByteArray(1 << 20, '7')); }},
    };
    for (const auto& plant : kPlants) {
        SCOPED_TRACE(plant.name);
        QTemporaryDir outside;
        QTemporaryDir folder;
        const QString decoy = QDir(outside.path()).filePath(u"decoy"_s);
        write(decoy, "123\nmorvane\n");
        plant.plant(folderLockPath(folder.path()), decoy);

        FolderLock lock(folder.path());
        EXPECT_EQ(lock.tryLock(), State::Taken);
        EXPECT_TRUE(QFileInfo(folderLockPath(folder.path())).isFile());
        EXPECT_FALSE(QFileInfo(folderLockPath(folder.path())).isSymLink());
        EXPECT_EQ(read(decoy), "123\nmorvane\n");
    }
}

// Which folder is told without touching it, and the lock left in shipped data by a program once
// started there is no file of the user's copy: copied, it would replace the copy's own lock.
TEST(FolderLock, LocatingTouchesNothingAndTheLockIsNeverShipped)
{
    QTemporaryDir root;
    const QString shipped = root.filePath(u"share/morvane"_s);
    const QString copy = root.filePath(u"data/morvane"_s);
    write(shipped + u"/morvane.ini"_s, "[options]\r\nfirst=yes\r\n");
    write(folderLockPath(shipped), "4242\nmorvane\nhost\n");
    QDir().mkpath(root.filePath(u"home"_s));
    const Surroundings where{root.filePath(u"home"_s), shipped, QString(), root.filePath(u"data"_s),
                             root.filePath(u"home"_s)};

    const AppDirPlace place = locateAppDir(where);
    EXPECT_EQ(place.appDir, copy);
    EXPECT_FALSE(QFileInfo::exists(root.filePath(u"data"_s)));

    QDir().mkpath(copy);
    FolderLock lock(copy);
    ASSERT_EQ(lock.tryLock(), State::Taken);
    const QByteArray mine = read(folderLockPath(copy));
    const AppDirChoice prepared = prepareAppDir(place);
    ASSERT_TRUE(prepared.result) << prepared.result.message.toStdString();
    EXPECT_EQ(prepared.update.added, QStringList{u"morvane.ini"_s});
    EXPECT_EQ(read(folderLockPath(copy)), mine);
}

} // namespace
