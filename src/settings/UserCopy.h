#pragma once

#include "base/Result.h"

#include <QString>
#include <QStringList>

namespace morvane::settings {

// What decides which installation folder a program works in.
struct Surroundings {
    QString currentDir;
    QString shippedDataDir;     // read-only data of an installed program; empty when not installed
    QString installDirVariable; // MORVANE_INSTALL_DIR
    QString dataHome;           // XDG_DATA_HOME
    QString homeDir;
};

// The surroundings of a program whose executable lies in `programDir`, read from the process's
// current directory and environment.
Surroundings surroundingsOf(const QString& programDir);

// What an update of the user's copy did. Unlike a read's Outcome, it is told whether the update
// went through or not: a failed one still lists what it did before the failure, and the
// command line's --verbose shows that list before the failure's message.
struct CopyUpdate {
    Result result;           // fails when a missing file could not be added
    bool created = false;    // the folder held no installation before
    QStringList added;       // paths relative to the folder, in copy order
    QStringList refreshed;   // likewise: replaced by a newer shipped version
    QStringList warnings;    // refreshes that failed, each leaving the old file whole: the copy
                             // stays usable
    QStringList contentRead; // files whose content was read, shipped or the user's, as paths: a
                             // start that finds no file changed since the last one reads none
};

// Copies into `userDir` every shipped file it lacks, and replaces the shipped files that the
// user never changed with a newer version's: a record of what was copied (the manifest) tells
// which. The user's settings and lists are only ever added, and no other file the user changed
// is replaced. The profile is copied last: a folder whose creation failed half-way is not yet an
// installation and is completed on the next start.
CopyUpdate updateUserCopy(const QString& shippedDir, const QString& userDir);

// Where a program works, told from the surroundings alone: nothing of the folder is read or
// written yet, so that the folder's lock (FolderLock) comes first.
struct AppDirPlace {
    QString appDir;
    bool userCopy = false; // false: the current folder is the installation
    QString shippedDir;    // the shipped data the copy is brought up to date from; empty: none
};

AppDirPlace locateAppDir(const Surroundings& where);

// The folder a program works in, kept like CopyUpdate on failure too: --verbose names the folder
// and what was done to it before the failure's message.
struct AppDirChoice {
    Result result;
    QString appDir;
    bool userCopy = false; // false: the current folder is the installation
    CopyUpdate update;
};

// Makes the located folder ready: a user's copy is brought up to date from the shipped data, a
// folder named by MORVANE_INSTALL_DIR must hold an installation.
AppDirChoice prepareAppDir(const AppDirPlace& place);

// The current folder when it holds an installation (other than the shipped data itself);
// otherwise the folder named by MORVANE_INSTALL_DIR or, for an installed program, the user's
// copy in the data home, brought up to date from the shipped data. A program that is neither
// installed nor pointed elsewhere keeps working in the current folder. Locating and preparing
// in one, for callers that hold the folder's lock already or need none.
AppDirChoice chooseAppDir(const Surroundings& where);

} // namespace morvane::settings
