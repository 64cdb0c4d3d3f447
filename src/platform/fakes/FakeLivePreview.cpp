#include "platform/fakes/FakeLivePreview.h"

using namespace Qt::StringLiterals;

namespace morvane::platform {

FakeLivePreview::FakeLivePreview(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(u"livePreview"_s);
    setMinimumSize(160, 120);
}

void FakeLivePreview::showPage(const QString& address)
{
    m_shown.append(u"page "_s + address);
    setText(address);
}

void FakeLivePreview::showMessage(const QString& text)
{
    m_shown.append(u"message "_s + text);
    setText(text);
}

} // namespace morvane::platform
