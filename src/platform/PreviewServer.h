#pragma once

#include <QtGlobal>

class QString;

namespace morvane::platform {

// Serves the preview's folder to the user's browser: a page opened from the disk may not read
// the data files beside it, a page from a server may.
class PreviewServer {
public:
    virtual ~PreviewServer() = default;
    // The web address of fileName inside folder, which is served from now on; an empty text
    // when nothing can serve it, and the caller opens the file itself.
    virtual QString addressOf(const QString& folder, const QString& fileName) = 0;

protected:
    PreviewServer() = default;
    Q_DISABLE_COPY_MOVE(PreviewServer)
};

} // namespace morvane::platform
