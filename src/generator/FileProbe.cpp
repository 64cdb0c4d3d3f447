#include "generator/FileProbe.h"

#include <QDir>
#include <QFileInfo>

namespace morvane::generator {
namespace {

constexpr qsizetype kLongestPath = 4096;

} // namespace

QString resolvePath(const QString& path, const QString& baseDir)
{
    QString native = path;
#ifndef Q_OS_WIN
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return QDir(baseDir).filePath(native);
}

FileState probeFile(const QString& path, const QString& baseDir)
{
    if (path.contains(QChar(u'\0')) || path.size() > kLongestPath) {
        return FileState::Invalid;
    }
    const QFileInfo info(resolvePath(path, baseDir));
    return info.isFile() ? FileState::Exists : FileState::Missing;
}

} // namespace morvane::generator
