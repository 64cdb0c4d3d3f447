// A helper process saves LoginBox in a loop and is killed at random moments; after each kill the
// next load must find one whole save, every file of it from the same save.
#include "LoginBoxSaves.h"
#include "settings/SaveJournal.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <iostream>
#include <random>

using namespace morvane::settings;
using namespace Qt::StringLiterals;

namespace {

// Short in the test run; tools/crash-saves.sh sets a long run.
int killCount()
{
    const int fromEnvironment = qEnvironmentVariableIntValue("MORVANE_CRASH_KILLS");
    return fromEnvironment > 0 ? fromEnvironment : 50;
}

TEST(SaveCrash, EveryKillLeavesAWholeOldOrNewSave)
{
    QTemporaryDir app;
    WorkingCopy first;
    saves::fillSave(first, 0);
    ASSERT_TRUE(saveKind(app.path(), saves::kLoginBox, first).ok);

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delayMicroseconds(0, 300000);
    int lastSeen = 0;
    int journalsLeft = 0;
    int newSaves = 0;
    const int kills = killCount();
    for (int kill = 0; kill < kills; ++kill) {
        QProcess saver;
        saver.start(QString::fromUtf8(MORVANE_SAVE_CRASHER),
                    {app.path(), QString::number(lastSeen + 1)});
        ASSERT_TRUE(saver.waitForReadyRead(60000)); // started: the kill lands among the saves
        QThread::usleep(static_cast<unsigned long>(delayMicroseconds(random)));
        saver.kill();
        saver.waitForFinished();
        ASSERT_FALSE(saver.readAllStandardError().contains("failed"));
        journalsLeft += QFile::exists(journalPath(app.path())) ? 1 : 0;

        WorkingCopy loaded;
        const morvane::Outcome<KindLoad> load = loadKind(app.path(), saves::kLoginBox, loaded);
        ASSERT_TRUE(load.ok()) << load.message().toStdString();
        EXPECT_TRUE(load->notice.isEmpty()) << "after kill " << kill;
        const int number = saves::wholeSaveNumber(loaded);
        ASSERT_GE(number, lastSeen) << "after kill " << kill << ": mixed or older files";
        newSaves += number > lastSeen ? 1 : 0;
        lastSeen = number;
    }
    std::cout << kills << " kills: " << journalsLeft << " left a save to finish, " << newSaves
              << " found a newer save, last save number " << lastSeen << '\n';
}

} // namespace
