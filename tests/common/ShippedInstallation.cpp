#include "ShippedInstallation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

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
    const QDir data(QString::fromUtf8(MORVANE_DATA_DIR));
    QDirIterator it(data.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        copyFile(file, QDir(appDir).filePath(data.relativeFilePath(file)));
    }
    copyFile(QString::fromUtf8(MORVANE_RUNTIME_FILE),
             QDir(appDir).filePath(u"runtime/morvane-applets.js"_s));
}

} // namespace morvane::test
