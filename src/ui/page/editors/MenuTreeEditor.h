#pragma once

#include "ui/page/editors/EditorParts.h"
#include "ui/page/editors/MenuTreeModel.h"

#include <QWidget>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace morvane::ui::page {

// A menu tree under "Root", with "Link :" and "Text :" beside it. "Add" puts "text # link"
// under the selected node; a press on a node splits its text back into the two fields.
class MenuTreeEditor final : public QWidget {
public:
    static MenuTreeEditor* create(const FieldSpec& field, const EditorContext& context);

    void showContent();

private:
    MenuTreeEditor(const FieldSpec& field, const EditorContext& context);
    NodePath pathOf(QTreeWidgetItem* item) const;
    QTreeWidgetItem* itemAt(const NodePath& path) const;
    NodePath selectedPath() const;
    void add();
    void remove();
    void fillFields(QTreeWidgetItem* item);
    void renamed(QTreeWidgetItem* item);

    PageContext m_page;
    const FieldBinder& m_binder; // told of every change
    MenuTreeModel m_model;
    bool m_inPlaceEditing = false;
    QTreeWidget* m_tree = nullptr;
    QLineEdit* m_link = nullptr;
    QLineEdit* m_text = nullptr;
};

} // namespace morvane::ui::page
