#include "platform/PathRules.h"

namespace morvane::platform {

namespace {

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

} // namespace

QString appendExtensionIfMissing(const QString& name, const QString& extension)
{
    return name.contains(extension, Qt::CaseSensitive) ? name : name + extension;
}

QString folderOfChosenFile(const QString& path)
{
    qsizetype end = path.size();
    while (end > 0 && !isSeparator(path.at(end - 1))) {
        --end;
    }
    if (end == 0) {
        return {};
    }
    const QChar rootSeparator = path.at(end - 1);
    while (end > 0 && isSeparator(path.at(end - 1))) {
        --end;
    }
    const QString folder = path.left(end);
    if (folder.isEmpty() || folder.endsWith(u':')) {
        return folder + rootSeparator;
    }
    return folder;
}

} // namespace morvane::platform
