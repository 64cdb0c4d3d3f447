#pragma once

#include "ui/page/FieldBinder.h"
#include "ui/page/PageContext.h"
#include "ui/page/SectionLayout.h"

#include <QString>

class QWidget;

namespace morvane::ui::page {

// Builds the list editor that `field` names (image list, record list, link list or menu tree)
// for `kind`: its list or tree, its buttons and its entry fields, `width` pixels wide and as
// high as it needs. It edits the lists and trees of `binder` at once, and the binder's load()
// shows them again.
QWidget* buildListEditor(const FieldSpec& field, const QString& kind, const PageContext& page,
                         FieldBinder& binder, QWidget* parent, int width);

} // namespace morvane::ui::page
