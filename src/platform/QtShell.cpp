#include "platform/QtServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace morvane::platform {

void QtShell::openFile(const QString& fileName, const QString& workingFolder)
{
    const QString path = QDir(workingFolder).absoluteFilePath(fileName);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtShell::openUrl(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

} // namespace morvane::platform
