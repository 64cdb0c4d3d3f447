#pragma once

#include "ui/page/EditorServices.h"
#include "ui/page/FieldBinder.h"
#include "ui/page/SectionLayout.h"

#include <QString>

namespace morvane::ui::page {

class SectionPanel;

// Builds a section from its table: title, fields bound through `binder`, "Browse..." buttons,
// swatches and help icons wired to the editors' services. Labels that the table leaves out
// come from `kind`'s key table. The section is at least as high as the table says, and higher
// when the fields need more room at the current font.
SectionPanel* buildSection(const SectionLayout& layout, const QString& title, const QString& kind,
                           const EditorServices& editors, FieldBinder& binder, QWidget* parent);

} // namespace morvane::ui::page
