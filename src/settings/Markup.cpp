#include "settings/Markup.h"

#include <array>

namespace morvane::settings {
namespace {

struct MarkupRow {
    Markup markup;
    const char16_t* name;
};

constexpr std::array kMarkups{
    MarkupRow{Markup::Applet, u"applet"},
    MarkupRow{Markup::Modern, u"modern"},
};
static_assert(kMarkups[static_cast<size_t>(Markup::Modern)].markup == Markup::Modern);

} // namespace

QString markupName(Markup markup)
{
    return QString::fromUtf16(kMarkups[static_cast<size_t>(markup)].name);
}

std::optional<Markup> markupNamed(const QString& name)
{
    for (const MarkupRow& row : kMarkups) {
        if (name == QStringView(row.name)) {
            return row.markup;
        }
    }
    return std::nullopt;
}

} // namespace morvane::settings
