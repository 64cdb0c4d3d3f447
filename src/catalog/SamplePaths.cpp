#include "catalog/SamplePaths.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace morvane::catalog {
namespace {

// The entry of `parent` named `name` without regard to case; an exact match wins.
QString resolveFolder(const QString& parent, const QString& name)
{
    const QDir dir(parent);
    if (dir.exists(name)) {
        return dir.filePath(name);
    }
    const QStringList entries = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return dir.filePath(name);
}

} // namespace

QString samplesFolder(const QString& appDir)
{
    return resolveFolder(appDir, u"samples"_s);
}

QString allAppletsPage(const QString& appDir)
{
    return QDir(samplesFolder(appDir)).filePath(u"index.htm"_s);
}

QString sampleFolder(const QString& appDir, const QString& kind)
{
    return resolveFolder(samplesFolder(appDir), kind);
}

QString samplePageName(const QString& kind)
{
    return kind.toLower() + u".htm"_s;
}

QString sampleHelpPageName(const QString& kind)
{
    return kind.toLower() + u"_help.htm"_s;
}

QString samplePage(const QString& appDir, const QString& kind)
{
    return QDir(sampleFolder(appDir, kind)).filePath(samplePageName(kind));
}

QString sampleHelpPage(const QString& appDir, const QString& kind)
{
    return QDir(sampleFolder(appDir, kind)).filePath(sampleHelpPageName(kind));
}

QString classFileFolder(const QString& appDir, const QString& kind)
{
    return resolveFolder(samplesFolder(appDir), kind.toLower());
}

QStringList servedSampleFolders(const QString& appDir)
{
    return {samplesFolder(appDir), QDir(appDir).filePath(u"runtime"_s)};
}

QString servedSamplePath(const QString& appDir, const QString& page)
{
    return QDir(appDir).relativeFilePath(page);
}

QStringList classFiles(const QString& appDir, const QString& kind)
{
    const QDir folder(classFileFolder(appDir, kind));
    const QFileInfoList entries = folder.entryInfoList(QDir::Files, QDir::Name);
    QStringList files;
    for (const QFileInfo& entry : entries) {
        if (entry.fileName().endsWith(u".class"_s, Qt::CaseSensitive)) {
            files.append(entry.filePath());
        }
    }
    return files;
}

} // namespace morvane::catalog
