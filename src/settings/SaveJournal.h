#pragma once

#include "catalog/Result.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace morvane::settings {

// One file of a save: its path relative to the installation folder ("morvane.ini",
// "cfg/ListBox4.txt") and its whole new content.
struct PendingFile {
    QString relativePath;
    QByteArray bytes;
};

// Writes the files so that a crash at any moment leaves either all old or all new contents:
// the whole save is first committed to one journal file, then each file is replaced, then the
// journal is removed. A save cut before the journal was whole never happened; one cut after it
// is finished by finishInterruptedSave().
Result writeFilesTogether(const QString& appDir, const std::vector<PendingFile>& files);

// The first step of writeFilesTogether: the whole save in the journal, nothing replaced yet.
Result commitJournal(const QString& appDir, const std::vector<PendingFile>& files);

// Completes a save that a crash interrupted, if any. Every reader and writer of the settings
// calls it first. A journal that is not whole is dropped: the old save stands.
Result finishInterruptedSave(const QString& appDir);

QString journalPath(const QString& appDir);

} // namespace morvane::settings
