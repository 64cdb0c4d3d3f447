#pragma once

#include "ui/page/FieldBinder.h"
#include "ui/page/PageContext.h"
#include "ui/page/SectionLayout.h"

#include <QString>

#include <span>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace morvane::ui::page {

// "Image location :" reads "Image location" to a screen reader.
QString spokenName(QString text);

// A control of a section table as the factory made it: bound to its setting, named after its
// key and sized for the room it was given. A path edit comes with its "Browse..." button.
struct MadeControl {
    QWidget* control = nullptr; // nothing for a group, which the section draws itself
    QPushButton* browse = nullptr;
};

// Makes the controls of one section: bound through the section's binder, their buttons and
// swatches wired to the page's dialogs, their choices and labels from `kind`'s key table.
// Where they stand is the section's business.
class ControlFactory {
public:
    // Between a control and what belongs to it: its label, its hint, its button.
    static constexpr int kSpace = 4;

    ControlFactory(const QString& kind, const PageContext& context, FieldBinder& binder,
                   QWidget* panel);

    // How narrow the control may become beside its label, its hint left out.
    int minimumWidth(const FieldSpec& field) const;

    // `room`: from the control's left to the end of its row. `label`: the caption of a check
    // box, radio group or note. `besideItems`: the edits beside a radio group's items, which
    // start `itemsAt` from the control's left when the items leave room for that (0: right
    // after the items), so that they line up with the section's other fields.
    MadeControl make(const FieldSpec& field, const QString& label, int room,
                     std::span<const FieldSpec> besideItems, int itemsAt = 0) const;

private:
    int editWidth(const FieldSpec& field, int room) const;
    QWidget* makeSwatch(const QString& key) const;
    MadeControl makePathEdit(const FieldSpec& field, const QString& key, int room) const;
    QWidget* makeRadioGroup(const FieldSpec& field, const QString& caption, const QString& key,
                            int room, std::span<const FieldSpec> besideItems, int itemsAt) const;
    QLineEdit* makeItemEdit(const FieldSpec& field, const QString& item, QGroupBox* box) const;

    QString m_kind;
    const PageContext& m_context;
    FieldBinder& m_binder;
    QWidget* m_panel;
};

} // namespace morvane::ui::page
