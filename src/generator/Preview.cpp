#include "generator/Preview.h"

#include "generator/NeededFiles.h"
#include "settings/AtomicFile.h"
#include "settings/InsideFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace morvane::generator {

QStringList buildPreviewPage(const QString& kind, const QStringList& htmlLines)
{
    QStringList page{
        u"<html>"_s,
        u"<head>"_s,
        u"<title></title>"_s,
        u"<head>"_s,
        u"<body bgcolor=\"#000000\">"_s,
        u"<h1 align=\"center\"><u><strong><font color=\"#FFFF00\">"_s + kind +
            u" preview</font></strong></u></h1>"_s,
        u"<p><u><strong><font color=\"#FFFF00\">&nbsp;</font></strong></u></p>"_s,
        u"<p align=\"center\">"_s,
    };
    page.append(htmlLines);
    page.append({u"</p>"_s, u"</body>"_s, u"</html>"_s});
    return page;
}

QString testFolder(const QString& appDir)
{
    return QDir(appDir).filePath(u"test"_s);
}

Result clearTestFolder(const QString& folder, const QString& appDir)
{
    const QDir dir(folder);
    if (!dir.exists()) {
        return Result::failure(u"Can't find the folder: "_s + folder);
    }
    // Clearing a folder elsewhere would delete files that are not ours.
    if (Result inside = settings::checkInside(appDir, folder, u"Can't use the folder: "_s);
        !inside) {
        return inside;
    }
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile::remove(dir.filePath(name));
    }
    return Result::success();
}

Outcome<QString> preparePreview(const QString& appDir, const QString& kind,
                                const QStringList& htmlLines, const QStringList& media)
{
    const QString folder = testFolder(appDir);
    if (Result cleared = clearTestFolder(folder, appDir); !cleared) {
        return cleared;
    }

    const int number = static_cast<int>(QRandomGenerator::global()->bounded(10000));
    const QString pageFileName = u"test%1.htm"_s.arg(number);
    const QString pagePath = QDir(folder).filePath(pageFileName);
    if (!settings::writeTextLines(pagePath, buildPreviewPage(kind, htmlLines), {appDir})) {
        return Result::failure(u"Impossible de créer le fichier "_s + pagePath);
    }
    if (const Outcome<QStringList> copied = copyNeededFiles(appDir, kind, media, folder); !copied) {
        return copied.result();
    }
    return pageFileName;
}

} // namespace morvane::generator
