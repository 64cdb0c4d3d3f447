#include "ui/page/ParameterPage.h"

namespace morvane::ui {

struct ParameterPage::Private {
    explicit Private(const PageContext& pageContext)
        : context(pageContext)
    {}
    PageContext context;
    QString kind;
};

ParameterPage::ParameterPage(const PageContext& context, QWidget* parent)
    : QScrollArea(parent)
    , d(std::make_unique<Private>(context))
{}

ParameterPage::~ParameterPage() = default;

void ParameterPage::loadFromCopy(const QString&) {}

void ParameterPage::assemble(const QString& kind, const catalog::Support&)
{
    d->kind = kind;
}

void ParameterPage::scrollToTop() {}

void ParameterPage::scrollToCommonSection(catalog::CommonParameter) {}

void ParameterPage::scrollToSpecificSection() {}

QString ParameterPage::assembledKind() const
{
    return d->kind;
}

} // namespace morvane::ui
