#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace morvane::settings {

// One file of a save: its path relative to the installation folder ("morvane.ini",
// "cfg/ListBox4.txt") and its whole new content.
struct PendingFile {
    QString relativePath;
    QByteArray bytes;

    friend bool operator==(const PendingFile&, const PendingFile&) = default;
};

// Writes the files so that a crash at any moment leaves either all old or all new contents:
// each new content is first written beside its file, then the whole save is committed to one
// journal file, then each file is replaced, then the journal is removed. A save cut before the
// journal was whole never happened; one cut after it is finished by finishInterruptedSave(). A
// save that fails leaves no journal behind: what it reports as failed is never applied later.
Result writeFilesTogether(const QString& appDir, const std::vector<PendingFile>& files);

// The first step of writeFilesTogether: the whole save in the journal, nothing replaced yet.
Result commitJournal(const QString& appDir, const std::vector<PendingFile>& files);

// Completes a save that a crash interrupted, if any. Every reader and writer of the settings
// calls it first (the options' reads leave it to their caller). A journal that is not whole is
// dropped: the old save stands. One that cannot be finished is dropped too, and the failure says
// so; the folder stays usable either way, so callers tell the user and go on.
Result finishInterruptedSave(const QString& appDir);

QByteArray encodeJournal(const std::vector<PendingFile>& files);
// The files of a journal's bytes; nullopt unless the journal is whole and names only settings
// files.
std::optional<std::vector<PendingFile>> decodeJournal(const QByteArray& bytes);

QString journalPath(const QString& appDir);

} // namespace morvane::settings
