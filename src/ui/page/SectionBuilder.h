#pragma once

#include "ui/page/FieldBinder.h"
#include "ui/page/PageContext.h"
#include "ui/page/SectionLayout.h"

#include <QString>

namespace morvane::ui::page {

class SectionPanel;

// What a specific section is called where it has no title: "Stars specific parameters".
QString specificSectionCaption(const QString& kind);

// Builds a section from its table: title, fields bound through `binder`, "Browse..." buttons,
// swatches and help icons wired to the page's services. Labels that the table leaves out
// come from `kind`'s key table. A layout without an object name is `kind`'s specific section,
// named after it. The section is at least as high as the table says, and higher
// when the fields need more room at the current font.
SectionPanel* buildSection(const SectionLayout& layout, const QString& title, const QString& kind,
                           const PageContext& context, FieldBinder& binder, QWidget* parent);

} // namespace morvane::ui::page
