#pragma once

#include "base/Outcome.h"
#include "catalog/KeyTable.h"
#include "settings/SaveJournal.h"
#include "settings/WorkingCopy.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace morvane::settings {

QString cfgFolder(const QString& appDir);
QString listFilePath(const QString& appDir, const QString& fileName);

// Reads the kind's list files into `copy`, in table order. A missing file is an empty list;
// the shorter lists of a record kind are padded to the length of its counting list. Gives what
// the user should know about the lists that loaded: parallel lists of different lengths (the
// shorter padded with empty entries), a tree cut to the deepest level kept. On failure `copy`
// may hold the lists read before it.
Outcome<QStringList> loadListFiles(const QString& appDir, const QString& kind, WorkingCopy& copy);
// The kind's list files as they are saved from `copy`, relative to the installation folder.
std::vector<PendingFile> listFileContents(const QString& kind, const WorkingCopy& copy);

} // namespace morvane::settings
