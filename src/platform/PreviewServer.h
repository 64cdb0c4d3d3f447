#pragma once

#include "base/Outcome.h"

#include <QString>
#include <QStringList>

namespace morvane::platform {

// Serves folders to the user's browser: a page opened from the disk may not read the data files
// beside it, a page from a server may. Each set of folders keeps its own address for as long as
// the program runs, so the pages of several sets may stay open side by side, and each has an
// origin of its own, so that none of them reads another's files.
class PreviewServer {
public:
    struct Site {
        // One folder is served whole. Several are served side by side under their own names,
        // and nothing else of the folder that holds them: "samples/Fade/fade.htm" among the
        // folders samples and runtime.
        QStringList folders;
        // The installation folder the folders lie in, which they must be reached from through
        // no link; empty for a folder of the program's own elsewhere, which must itself be no
        // link.
        QString installation;
    };

    virtual ~PreviewServer() = default;
    // The web address of fileName, a path among the site's folders, which are served from now
    // on; a failure says for the user why nothing serves it, and the caller opens the file
    // itself.
    virtual Outcome<QString> addressOf(const Site& site, const QString& fileName) = 0;

protected:
    PreviewServer() = default;
    Q_DISABLE_COPY_MOVE(PreviewServer)
};

} // namespace morvane::platform
