#include "ui/page/PageContext.h"

#include "platform/CustomColors.h"
#include "platform/FileFilters.h"
#include "platform/PathRules.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

QString initialFolder(const PageContext& context)
{
    const QString& last = context.options.lastFolder;
    if (context.appDir.isEmpty() || last.isEmpty() || !QDir::isRelativePath(last)) {
        return last;
    }
    return QDir(context.appDir).filePath(last);
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

QString browseForFile(const PageContext& context, QWidget* parent, FileKind files)
{
    const QString chosen = context.services.files.getOpenFileName(
        parent, u"Open"_s, initialFolder(context), filterFor(files));
    if (!chosen.isEmpty()) {
        context.options.lastFolder = platform::folderOfChosenFile(chosen);
    }
    return chosen;
}

std::optional<ColorRef> chooseColor(const PageContext& context, QWidget* parent, ColorRef initial)
{
    platform::CustomColors customs = platform::customColorsFromLines(context.options.customColors);
    const std::optional<ColorRef> color =
        context.services.colors.chooseColor(parent, initial, customs);
    if (color) {
        context.options.customColors = platform::linesFromCustomColors(customs);
    }
    return color;
}

} // namespace morvane::ui::page
