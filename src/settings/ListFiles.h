#pragma once

#include "catalog/KeyTable.h"
#include "catalog/Result.h"
#include "settings/WorkingCopy.h"

#include <QString>

namespace morvane::settings {

QString cfgFolder(const QString& appDir);
QString listFilePath(const QString& appDir, const QString& fileName);

// Reads the kind's list files into `copy`, in table order. A missing file is an empty list;
// the shorter lists of a record kind are padded to the length of its counting list.
Result loadListFiles(const QString& appDir, const QString& kind, WorkingCopy& copy);
// Writes the kind's list files from `copy`, creating the cfg folder when it is missing.
Result saveListFiles(const QString& appDir, const QString& kind, const WorkingCopy& copy);

} // namespace morvane::settings
