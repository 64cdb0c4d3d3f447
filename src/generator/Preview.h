#pragma once

#include "base/Outcome.h"
#include "base/Result.h"

#include <QString>
#include <QStringList>

namespace morvane::generator {

// The twelve-line page frame around the HTML lines, headed "<kind> preview".
QStringList buildPreviewPage(const QString& kind, const QStringList& htmlLines);

QString testFolder(const QString& appDir);

// Deletes what earlier previews wrote into the test folder (their pages and the files they
// copied), and nothing else it holds; files that cannot be deleted stay. A missing folder is
// made; one that is a link, wherever it leads, is refused with a message naming it.
Result clearTestFolder(const QString& folder, const QString& appDir);

// Clears the test folder, records what it will write there, writes the preview page under a random
// name "test0.htm" .. "test9999.htm", and copies the kind's class files and the media files beside
// it. Gives the page's file name, inside the test folder, which the caller opens in the browser.
Outcome<QString> preparePreview(const QString& appDir, const QString& kind,
                                const QStringList& htmlLines, const QStringList& media);

} // namespace morvane::generator
