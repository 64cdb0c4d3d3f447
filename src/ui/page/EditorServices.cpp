#include "ui/page/EditorServices.h"

#include "platform/CustomColors.h"
#include "platform/FileFilters.h"
#include "platform/PathRules.h"

#include <QDir>

namespace morvane::ui::page {
namespace {

QString initialFolder(const EditorServices& editors)
{
    const QString& last = editors.options.lastFolder;
    if (editors.appDir.isEmpty() || last.isEmpty() || !QDir::isRelativePath(last))
        return last;
    return QDir(editors.appDir).filePath(last);
}

} // namespace

QString filterFor(FileKind files)
{
    switch (files) {
    case FileKind::Images:
        return platform::imagesFilter;
    case FileKind::Sounds:
        return platform::soundsFilter;
    case FileKind::AllFiles:
        break;
    }
    return platform::allFilesFilter;
}

QString browseForFile(const EditorServices& editors, QWidget* parent, FileKind files)
{
    const QString chosen = editors.services.files.getOpenFileName(
        parent, QStringLiteral("Open"), initialFolder(editors), filterFor(files));
    if (!chosen.isEmpty())
        editors.options.lastFolder = platform::folderOfChosenFile(chosen);
    return chosen;
}

std::optional<settings::ColorRef> chooseColor(const EditorServices& editors, QWidget* parent)
{
    platform::CustomColors customs = platform::customColorsFromLines(editors.options.customColors);
    const std::optional<quint32> color = editors.services.colors.chooseColor(parent, 0, customs);
    if (color)
        editors.options.customColors = platform::linesFromCustomColors(customs);
    return color;
}

} // namespace morvane::ui::page
