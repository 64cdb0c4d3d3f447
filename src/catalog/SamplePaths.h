#pragma once

#include <QString>
#include <QStringList>

namespace morvane::catalog {

// Paths of the shipped samples tree, below the application directory `appDir`.
// Folder names under samples/ are matched without regard to case, so that the tree works the
// same on case-sensitive file systems.

QString samplesFolder(const QString& appDir);
QString allAppletsPage(const QString& appDir); // samples/index.htm
QString sampleFolder(const QString& appDir, const QString& kind);
QString samplePageName(const QString& kind);     // "<kind>.htm", lower-cased
QString sampleHelpPageName(const QString& kind); // "<kind>_help.htm", lower-cased
QString samplePage(const QString& appDir, const QString& kind);
QString sampleHelpPage(const QString& appDir, const QString& kind);
QString classFileFolder(const QString& appDir, const QString& kind);

// The folders a sample page needs served side by side: the samples, and the applet runtime that
// the pages load from beside them ("../../runtime/morvane-applets.js").
QStringList servedSampleFolders(const QString& appDir);
// A page of the samples folder as a path among those folders: "samples/Fade/fade.htm".
QString servedSamplePath(const QString& appDir, const QString& page);

// Every ordinary file of the class-file folder whose extension is exactly ".class",
// as full paths in alphabetical order of their names.
QStringList classFiles(const QString& appDir, const QString& kind);

} // namespace morvane::catalog
