#pragma once

#include "ui/page/editors/EditorParts.h"
#include "ui/page/editors/LineListModel.h"

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace morvane::ui::page {

// An image list ("Add..." asks for an image file, or takes one dropped onto it) or the link list
// ("Add" takes the text of "Enter a link :", and a row click puts the row back there): a list box
// whose rows are the values of one list of the working copy.
class LineListEditor final : public QWidget {
public:
    static LineListEditor* create(const FieldSpec& field, const EditorContext& context);

    void showContent();

private:
    LineListEditor(const FieldSpec& field, const EditorContext& context);
    void add(const QString& value);
    void remove();

    PageContext m_page;
    const FieldBinder& m_binder; // told of every change
    LineListModel m_model;
    QListWidget* m_list = nullptr;
    QLineEdit* m_entry = nullptr; // the link list's "Enter a link :"
};

} // namespace morvane::ui::page
