#include "ui/page/ListEditors.h"

#include <QLabel>

namespace morvane::ui::page {

QWidget* buildListEditor(const FieldSpec& field, const QString& kind, const EditorServices& editors,
                         FieldBinder& binder, QWidget* parent, int width)
{
    Q_UNUSED(kind)
    Q_UNUSED(editors)
    Q_UNUSED(binder)
    auto* placeholder = new QLabel(QString::fromUtf16(field.key), parent);
    placeholder->resize(width, placeholder->sizeHint().height());
    return placeholder;
}

} // namespace morvane::ui::page
