#include "platform/QtServices.h"

#include <QClipboard>
#include <QGuiApplication>

namespace morvane::platform {

void QtClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace morvane::platform
