#pragma once

#include <QString>
#include <QStringList>

namespace morvane::platform {

// Serves folders to the user's browser: a page opened from the disk may not read the data files
// beside it, a page from a server may. Each folder keeps its own address for as long as the
// program runs, so the pages of several folders may stay open side by side.
class PreviewServer {
public:
    virtual ~PreviewServer() = default;
    // The web address of fileName inside folder, which is served from now on; an empty text
    // when nothing can serve it, and the caller opens the file itself.
    virtual QString addressOf(const QString& folder, const QString& fileName) = 0;
    // The same for a page that reaches files beside its own folder: the folders are served side
    // by side under their own names, and fileName is the page's path among them, such as
    // "samples/Fade/fade.htm" among the folders samples and runtime. Nothing else of the folder
    // that holds them is served.
    virtual QString addressOf(const QStringList& folders, const QString& fileName) = 0;

protected:
    PreviewServer() = default;
    Q_DISABLE_COPY_MOVE(PreviewServer)
};

} // namespace morvane::platform
