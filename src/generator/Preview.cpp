#include "generator/Preview.h"

#include "generator/NeededFiles.h"
#include "settings/AtomicFile.h"
#include "settings/InsideFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace morvane::generator {

QStringList buildPreviewPage(const QString& kind, const QStringList& htmlLines)
{
    QStringList page{
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title></title>"),
        QStringLiteral("<head>"),
        QStringLiteral("<body bgcolor=\"#000000\">"),
        QStringLiteral("<h1 align=\"center\"><u><strong><font color=\"#FFFF00\">") + kind +
            QStringLiteral(" preview</font></strong></u></h1>"),
        QStringLiteral("<p><u><strong><font color=\"#FFFF00\">&nbsp;</font></strong></u></p>"),
        QStringLiteral("<p align=\"center\">"),
    };
    page.append(htmlLines);
    page.append({QStringLiteral("</p>"), QStringLiteral("</body>"), QStringLiteral("</html>")});
    return page;
}

QString testFolder(const QString& appDir)
{
    return QDir(appDir).filePath(QStringLiteral("test"));
}

Result clearTestFolder(const QString& folder, const QString& appDir)
{
    const QDir dir(folder);
    if (!dir.exists())
        return Result::failure(QStringLiteral("Can't find the folder: ") + folder);
    // Clearing a folder elsewhere would delete files that are not ours.
    if (Result inside =
            settings::checkInside(appDir, folder, QStringLiteral("Can't use the folder: "));
        !inside)
        return inside;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        QFile::remove(dir.filePath(name));
    return Result::success();
}

PreparedPreview preparePreview(const QString& appDir, const QString& kind,
                               const QStringList& htmlLines, const QStringList& media)
{
    PreparedPreview preview;
    const QString folder = testFolder(appDir);
    preview.result = clearTestFolder(folder, appDir);
    if (!preview.result)
        return preview;

    const int number = static_cast<int>(QRandomGenerator::global()->bounded(10000));
    preview.pageFileName = QStringLiteral("test%1.htm").arg(number);
    const QString pagePath = QDir(folder).filePath(preview.pageFileName);
    if (!settings::writeTextLines(pagePath, buildPreviewPage(kind, htmlLines), {appDir})) {
        preview.result =
            Result::failure(QStringLiteral("Impossible de créer le fichier ") + pagePath);
        return preview;
    }
    preview.result = copyNeededFiles(appDir, kind, media, folder).result;
    return preview;
}

} // namespace morvane::generator
