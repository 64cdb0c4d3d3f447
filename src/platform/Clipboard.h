#pragma once

#include <QtGlobal>

class QString;

namespace morvane::platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;

protected:
    Clipboard() = default;
    Q_DISABLE_COPY_MOVE(Clipboard)
};

} // namespace morvane::platform
