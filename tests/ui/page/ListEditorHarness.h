#pragma once

#include "platform/fakes/FakeServices.h"
#include "settings/Options.h"
#include "settings/WorkingCopy.h"
#include "ui/page/FieldBinder.h"
#include "ui/page/ListEditors.h"

#include <QAbstractItemView>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

#include <memory>

namespace morvane::ui::page {

using namespace Qt::StringLiterals;

// One list editor built as the section builder builds it, in a shown window of its own, with
// the desktop faked.
class EditorHarness {
public:
    explicit EditorHarness(const QString& appDir = QString())
        : context{copy, fakes.services(), options, appDir}
    {
        window.resize(417, 300);
        window.show();
    }

    QWidget* build(const FieldSpec& field, const QString& kind)
    {
        binders.push_back(std::make_unique<FieldBinder>(copy, kind));
        editor = buildListEditor(field, kind, context, *binders.back(), &window, 397);
        editor->show();
        return editor;
    }
    void load() { binders.back()->load(); }

    template <typename T = QWidget> T* child(const QString& name) const
    {
        return editor->findChild<T*>(name);
    }
    void click(const QString& button) const;
    QStringList rows() const;
    void clickRow(int row) const;
    void pressNode(QTreeWidgetItem* item) const;

    platform::FakeServices fakes;
    settings::Options options;
    settings::WorkingCopy copy;
    PageContext context;
    QWidget window;
    QWidget* editor = nullptr;
    std::vector<std::unique_ptr<FieldBinder>> binders;
};

inline void EditorHarness::click(const QString& button) const
{
    QTest::mouseClick(child(button), Qt::LeftButton);
}

inline QStringList EditorHarness::rows() const
{
    QStringList lines;
    auto* list = child<QListWidget>(u"list"_s);
    for (int row = 0; row < list->count(); ++row) {
        lines.append(list->item(row)->text());
    }
    return lines;
}

inline void EditorHarness::clickRow(int row) const
{
    auto* list = child<QListWidget>(u"list"_s);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

inline void EditorHarness::pressNode(QTreeWidgetItem* item) const
{
    auto* tree = child<QTreeWidget>(u"tree"_s);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

} // namespace morvane::ui::page
