#include "ShippedInstallation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace morvane::test {
namespace {

void copyFile(const QString& source, const QString& target)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::copy(source, target);
}

} // namespace

void stageShippedInstallation(const QString& appDir)
{
    const QDir data(QStringLiteral(MORVANE_DATA_DIR));
    QDirIterator it(data.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        copyFile(file, QDir(appDir).filePath(data.relativeFilePath(file)));
    }
    copyFile(QStringLiteral(MORVANE_RUNTIME_FILE),
             QDir(appDir).filePath(QStringLiteral("runtime/morvane-applets.js")));
}

} // namespace morvane::test
