#pragma once

#include "base/Result.h"

#include <QString>
#include <QStringList>

namespace morvane::generator {

// The twelve-line page frame around the HTML lines, headed "<kind> preview".
QStringList buildPreviewPage(const QString& kind, const QStringList& htmlLines);

QString testFolder(const QString& appDir);

// Deletes every ordinary, non-hidden file of the folder; files that cannot be deleted stay.
// Fails when the folder does not exist, or when a link leads it outside the installation folder.
Result clearTestFolder(const QString& folder, const QString& appDir);

struct PreparedPreview {
    Result result;
    QString pageFileName; // "test" + N + ".htm", inside the test folder
};

// Clears the test folder, writes the preview page under a random name "test0.htm" ..
// "test9999.htm", and copies the kind's class files and the media files beside it.
// The caller opens the page in the browser when this succeeded.
PreparedPreview preparePreview(const QString& appDir, const QString& kind,
                               const QStringList& htmlLines, const QStringList& media);

} // namespace morvane::generator
