#pragma once

#include <QtGlobal>

class QString;

namespace morvane::platform {

// Asks the desktop to open a document or address with its associated program.
// The outcome is deliberately not reported.
class Shell {
public:
    virtual ~Shell() = default;
    // fileName is taken relative to workingFolder unless it is absolute.
    virtual void openFile(const QString& fileName, const QString& workingFolder) = 0;
    virtual void openUrl(const QString& address) = 0;

protected:
    Shell() = default;
    Q_DISABLE_COPY_MOVE(Shell)
};

} // namespace morvane::platform
