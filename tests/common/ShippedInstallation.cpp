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
    // The runtime's core and its kinds' files, as the build joined them.
    const QDir runtime(QString::fromUtf8(MORVANE_RUNTIME_DIR));
    for (const QString& name :
         runtime.entryList({u"morvane-applets*.js"_s, u"morvane-applets.css"_s}, QDir::Files)) {
        copyFile(runtime.filePath(name), QDir(appDir).filePath(u"runtime/"_s + name));
    }
}

} // namespace morvane::test
