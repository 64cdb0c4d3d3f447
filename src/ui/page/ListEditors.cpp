#include "ui/page/ListEditors.h"

#include "ui/page/editors/LineListEditor.h"
#include "ui/page/editors/MenuTreeEditor.h"
#include "ui/page/editors/RecordListEditor.h"

namespace morvane::ui::page {

QWidget* buildListEditor(const FieldSpec& field, const QString& kind, const PageContext& page,
                         FieldBinder& binder, QWidget* parent, int width)
{
    const EditorContext context{kind, page, binder, parent, width};
    QWidget* editor = nullptr;
    switch (field.control) {
    case Control::ImageList:
    case Control::LinkList:
        editor = LineListEditor::create(field, context);
        break;
    case Control::RecordList:
        editor = RecordListEditor::create(field, context);
        break;
    case Control::MenuTree:
        editor = MenuTreeEditor::create(field, context);
        break;
    default:
        break;
    }
    // A section table that names no editor of the kind gets an empty place, not a crash.
    if (!editor) {
        editor = new QWidget(parent);
        editor->resize(width, 0);
    }
    return editor;
}

} // namespace morvane::ui::page
