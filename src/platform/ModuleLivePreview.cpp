#include "platform/ModuleLivePreview.h"

#include <QLabel>
#include <QLibrary>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

using CreatePreview = LivePreview* (*)(QWidget*);

} // namespace

ModuleLivePreview::ModuleLivePreview(QStringList candidates, QWidget* parent)
    : QWidget(parent)
    , m_candidates(std::move(candidates))
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
}

ModuleLivePreview::~ModuleLivePreview() = default;

void ModuleLivePreview::start()
{
    if (m_loaded || m_failure) {
        return;
    }
    QString why;
    for (const QString& path : std::as_const(m_candidates)) {
        QLibrary module(path);
        const auto create =
            reinterpret_cast<CreatePreview>(module.resolve("morvaneCreateLivePreview"));
        if (create) {
            m_loaded = create(this);
            break;
        }
        why = module.errorString();
    }
    if (!m_loaded) {
        m_failure = new QLabel(u"The live preview cannot start: its web engine could not be "
                               "loaded (%1)."_s.arg(why),
                               this);
        m_failure->setObjectName(u"liveFailure"_s);
        m_failure->setWordWrap(true);
        m_failure->setAlignment(Qt::AlignCenter);
        m_layout->addWidget(m_failure);
        return;
    }
    m_layout->addWidget(m_loaded->widget());
    m_loaded->start();
    if (!m_address.isEmpty()) {
        m_loaded->showPage(m_address);
    }
    if (!m_message.isEmpty()) {
        m_loaded->showMessage(m_message);
    }
}

void ModuleLivePreview::showPage(const QString& address)
{
    m_address = address;
    m_message.clear();
    if (m_loaded) {
        m_loaded->showPage(address);
    }
}

void ModuleLivePreview::showMessage(const QString& text)
{
    m_message = text;
    if (m_loaded) {
        m_loaded->showMessage(text);
    }
}

QString ModuleLivePreview::failure() const
{
    return m_failure ? m_failure->text() : QString();
}

LivePreviewFactory moduleLivePreviewFactory(const QStringList& candidates)
{
    return [candidates](QWidget* parent) -> LivePreview* {
        return new ModuleLivePreview(candidates, parent);
    };
}

} // namespace morvane::platform
