#include "ui/page/PageContext.h"

#include "platform/CustomColors.h"
#include "platform/FileFilters.h"
#include "platform/PathRules.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

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

// Takes a drop of one file the dialog would offer; other drops, such as text dragged onto an
// edit, go on to the target.
class FileDrops final : public QObject {
public:
    FileDrops(FileKind files, std::function<void(const QString&)> take, QObject* parent)
        : QObject(parent)
        , m_files(files)
        , m_take(std::move(take))
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (dropped(drag->mimeData()).isEmpty()) {
                return false;
            }
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = dropped(drop->mimeData());
            if (path.isEmpty()) {
                return false;
            }
            drop->acceptProposedAction();
            m_take(path);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    QString dropped(const QMimeData* data) const
    {
        const QList<QUrl> urls = data->urls();
        if (urls.size() != 1 || !urls.front().isLocalFile()) {
            return {};
        }
        const QFileInfo file(urls.front().toLocalFile());
        if (!file.isFile() || !platform::filterOffers(filterFor(m_files), file.fileName())) {
            return {};
        }
        return file.filePath();
    }

    FileKind m_files;
    std::function<void(const QString&)> m_take;
};

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

std::function<void()> pickFiles(const PageContext& context, QWidget* target, FileKind files,
                                std::function<void(const QString&)> take)
{
    const auto picked = [options = &context.options, take](const QString& path) {
        options->lastFolder = platform::folderOfChosenFile(path);
        take(path);
    };
    target->setAcceptDrops(true);
    target->installEventFilter(new FileDrops(files, picked, target));
    return [context, target, files, picked] {
        const QString chosen = context.services.files.getOpenFileName(
            target, u"Open"_s, initialFolder(context), filterFor(files));
        if (!chosen.isEmpty()) {
            picked(chosen);
        }
    };
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
