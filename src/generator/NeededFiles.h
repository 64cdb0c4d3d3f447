#pragma once

#include "base/Outcome.h"
#include "base/Result.h"

#include <QString>
#include <QStringList>

namespace morvane::generator {

// The needed files' names as the HTML window lists them: the kind's class files, then the
// media files, each without its folder.
QStringList neededFileNames(const QString& appDir, const QString& kind, const QStringList& media);

// Copies `file` (relative paths taken from `appDir`) into `folder` under its own name,
// replacing a file of that name. A file is never copied onto itself: that is refused with the
// create-error message and the source stays intact.
// Messages: "Can't open the file: PATH (reason)", "Can't create the file: PATH (reason)".
Result copyFileIntoFolder(const QString& file, const QString& folder, const QString& appDir);

// Copies the kind's class files, then every media file, into `folder`; gives the names copied,
// in order. Stops at the first failure, the files before it copied.
Outcome<QStringList> copyNeededFiles(const QString& appDir, const QString& kind,
                                     const QStringList& media, const QString& folder);

// "\"a.class\", \"b.gif\" were copied into " + folder (" was copied into " without a comma).
QString copiedFilesMessage(const QStringList& names, const QString& folder);

} // namespace morvane::generator
