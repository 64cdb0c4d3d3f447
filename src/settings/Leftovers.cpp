#include "settings/Leftovers.h"

#include "base/FolderWalk.h"
#include "base/PlacedFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace morvane::settings {

int removeLeftovers(const QString& appDir)
{
    const Outcome<FolderWalk> walk = FolderWalk::open(appDir);
    if (!walk) {
        return 0;
    }
    int removed = 0;
    const QDir root(appDir);
    QDirIterator files(appDir, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        if (!isStagingName(files.fileName())) {
            continue;
        }
        const QString folder = root.relativeFilePath(files.fileInfo().path());
        const Outcome<Place> place =
            walk->resolve(QFile::encodeName(folder).split('/'), FolderWalk::Leaf::Keep,
                          FolderWalk::Folders::Existing);
        if (!place || !place->isFolder()) {
            continue;
        }
        const Outcome<Place> entered = enterFolder(*place);
        if (!entered) {
            continue;
        }
        const Place file = lookAt(entered->folder, QFile::encodeName(files.fileName()));
        if (file.isRegularFile() && removePlace(file)) {
            ++removed;
        }
    }
    return removed;
}

} // namespace morvane::settings
