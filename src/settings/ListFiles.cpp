#include "settings/ListFiles.h"

#include "settings/AtomicFile.h"
#include "settings/TextCodec.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::settings {

QString cfgFolder(const QString& appDir)
{
    return QDir(appDir).filePath(u"cfg"_s);
}

QString listFilePath(const QString& appDir, const QString& fileName)
{
    return QDir(cfgFolder(appDir)).filePath(fileName);
}

namespace {

QString lengthsNotice(const QString& kind, const std::vector<catalog::ListFileSpec>& lists,
                      const WorkingCopy& copy)
{
    QStringList lengths;
    for (const catalog::ListFileSpec& listFile : lists) {
        lengths.append(listFile.name() + u": "_s + QString::number(copy.list(listFile.id).size()));
    }
    return u"The item lists of "_s + kind + u" do not have the same length ("_s +
           lengths.join(u", "_s) +
           u"). The missing entries are shown empty; check the items before "
           "generating the HTML code."_s;
}

QString flattenedNotice(const QString& fileName)
{
    return u"The menu tree in "_s + fileName +
           u" is nested deeper than %1 levels; its deepest items were kept at "
           "level %1."_s.arg(kMaxTreeDepth);
}

} // namespace

Outcome<QStringList> loadListFiles(const QString& appDir, const QString& kind, WorkingCopy& copy)
{
    QStringList notices;
    const catalog::KindKeys& keys = catalog::kindKeys(kind);
    std::vector<catalog::ListFileSpec> parallel;
    qsizetype itemCount = -1;
    for (const catalog::ListFileSpec& listFile : keys.lists) {
        const Outcome<QString> read = readTextFile(listFilePath(appDir, listFile.name()), appDir);
        if (!read) {
            return read.result();
        }
        const QStringList lines = splitLines(read.value());
        if (listFile.form == catalog::ListForm::Tree) {
            const ParsedTree parsed = parseTree(lines);
            copy.tree(listFile.id) =
                parsed.tree.topLevel.empty() ? MenuTree::withRoot() : parsed.tree;
            if (parsed.flattened) {
                notices.append(flattenedNotice(listFile.name()));
            }
            continue;
        }
        copy.list(listFile.id) = lines;
        parallel.push_back(listFile);
        if (listFile.countsItems) {
            itemCount = lines.size();
        }
    }
    if (itemCount < 0) {
        return notices;
    }
    bool padded = false;
    for (const catalog::ListFileSpec& listFile : parallel) {
        padded = padded || copy.list(listFile.id).size() != itemCount;
    }
    if (padded) {
        notices.append(lengthsNotice(kind, parallel, copy));
    }
    for (const catalog::ListFileSpec& listFile : parallel) {
        QStringList& list = copy.list(listFile.id);
        while (list.size() < itemCount) {
            list.append(QString());
        }
    }
    return notices;
}

std::vector<PendingFile> listFileContents(const QString& kind, const WorkingCopy& copy)
{
    std::vector<PendingFile> files;
    for (const catalog::ListFileSpec& listFile : catalog::kindKeys(kind).lists) {
        const QStringList lines = listFile.form == catalog::ListForm::Tree
                                      ? treeLines(copy.tree(listFile.id))
                                      : copy.list(listFile.id);
        files.push_back({u"cfg/"_s + listFile.name(), encodeText(joinLines(lines))});
    }
    return files;
}

} // namespace morvane::settings
