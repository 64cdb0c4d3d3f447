#include "settings/ListFiles.h"

#include "settings/AtomicFile.h"
#include "settings/TextCodec.h"

#include <QDir>

namespace morvane::settings {

QString cfgFolder(const QString& appDir)
{
    return QDir(appDir).filePath(QStringLiteral("cfg"));
}

QString listFilePath(const QString& appDir, const QString& fileName)
{
    return QDir(cfgFolder(appDir)).filePath(fileName);
}

Result loadListFiles(const QString& appDir, const QString& kind, WorkingCopy& copy)
{
    const catalog::KindKeys& keys = catalog::kindKeys(kind);
    qsizetype itemCount = -1;
    for (const catalog::ListFileSpec& listFile : keys.lists) {
        const ReadText read = readTextFile(listFilePath(appDir, listFile.name()));
        if (!read.ok)
            return Result::failure(read.message);
        const QStringList lines = splitLines(read.text);
        if (listFile.form == catalog::ListForm::Tree) {
            MenuTree tree = parseTree(lines);
            copy.tree(listFile.name()) = tree.topLevel.empty() ? MenuTree::withRoot() : tree;
            continue;
        }
        copy.list(listFile.name()) = lines;
        if (listFile.countsItems)
            itemCount = lines.size();
    }
    if (itemCount < 0)
        return Result::success();
    for (const catalog::ListFileSpec& listFile : keys.lists) {
        QStringList& list = copy.list(listFile.name());
        while (list.size() < itemCount)
            list.append(QString());
    }
    return Result::success();
}

Result saveListFiles(const QString& appDir, const QString& kind, const WorkingCopy& copy)
{
    for (const catalog::ListFileSpec& listFile : catalog::kindKeys(kind).lists) {
        const QStringList lines = listFile.form == catalog::ListForm::Tree
                                      ? treeLines(copy.tree(listFile.name()))
                                      : copy.list(listFile.name());
        const Result written =
            writeTextLines(listFilePath(appDir, listFile.name()), lines, /*createFolder=*/true);
        if (!written)
            return written;
    }
    return Result::success();
}

} // namespace morvane::settings
