#include "ui/page/ControlFactory.h"

#include "catalog/KeyTable.h"
#include "ui/page/ColorSwatch.h"
#include "ui/page/ListEditors.h"
#include "ui/page/TextWrap.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

constexpr int kDropDownWidth = 100;
// Narrower than this, a free-width edit takes the row below its label.
constexpr int kMinimumEditWidth = 120;

QStringList targetChoices()
{
    return {u"_self"_s, u"_blank"_s, u"_parent"_s, u"_top"_s, u"frame name"_s};
}

// A list editor goes by its list file's name.
QString keyOf(const FieldSpec& field)
{
    if (field.list) {
        return catalog::listFileName(*field.list);
    }
    return field.key ? QString::fromUtf16(field.key) : QString();
}

} // namespace

QString spokenName(QString text)
{
    while (!text.isEmpty() && (text.back() == u':' || text.back().isSpace())) {
        text.chop(1);
    }
    return text;
}

ControlFactory::ControlFactory(const QString& kind, const PageContext& context, FieldBinder& binder,
                               QWidget* panel)
    : m_kind(kind)
    , m_context(context)
    , m_binder(binder)
    , m_panel(panel)
{}

int ControlFactory::minimumWidth(const FieldSpec& field) const
{
    switch (field.control) {
    case Control::Edit:
        return field.width > 0 ? field.width : kMinimumEditWidth;
    case Control::ColorSwatch:
        return ColorSwatch::kWidth;
    case Control::TargetDropDown:
        return field.width > 0 ? field.width : kDropDownWidth;
    default:
        return 0;
    }
}

MadeControl ControlFactory::make(const FieldSpec& field, const QString& label, int room,
                                 std::span<const FieldSpec> besideItems, int itemsAt) const
{
    const QString key = keyOf(field);
    MadeControl made;
    switch (field.control) {
    case Control::Edit: {
        auto* edit = new QLineEdit(m_panel);
        m_binder.bindText(edit, key);
        edit->resize(editWidth(field, room), edit->sizeHint().height());
        made.control = edit;
        break;
    }
    case Control::PathEdit:
        made = makePathEdit(field, key, room);
        break;
    case Control::ColorSwatch:
        made.control = makeSwatch(key);
        break;
    case Control::CheckBox: {
        auto* box = new QCheckBox(label, m_panel);
        m_binder.bindFlag(box, key);
        box->adjustSize();
        made.control = box;
        break;
    }
    case Control::TargetDropDown: {
        auto* combo = new QComboBox(m_panel);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(targetChoices());
        m_binder.bindText(combo, key);
        combo->resize(std::min(field.width > 0 ? field.width : kDropDownWidth, room),
                      combo->sizeHint().height());
        made.control = combo;
        break;
    }
    case Control::RadioGroup:
        made.control = makeRadioGroup(field, label, key, room, besideItems, itemsAt);
        break;
    case Control::Note: {
        auto* note = new QLabel(wrapAtBlanks(label, m_panel->fontMetrics(), room), m_panel);
        note->adjustSize();
        made.control = note;
        break;
    }
    case Control::Group:
        break; // a frame the section draws around the rows that follow
    case Control::ImageList:
    case Control::RecordList:
    case Control::LinkList:
    case Control::MenuTree:
        made.control = buildListEditor(field, m_kind, m_context, m_binder, m_panel,
                                       field.width > 0 ? field.width : room);
        break;
    }
    if (made.control) {
        made.control->setObjectName(key);
    }
    return made;
}

// The rest of the row, less the room of the hint, unless the table gives a narrower one. A
// long hint wraps rather than squeeze the edit below its usual narrowest width.
int ControlFactory::editWidth(const FieldSpec& field, int room) const
{
    int hint = 0;
    int hintWord = 0;
    if (field.hint && field.width <= 0) {
        const QString text = QString::fromUtf16(field.hint);
        hint = textWidth(text, m_panel->fontMetrics()) + kSpace;
        hintWord = widestWord(text, m_panel->fontMetrics()) + kSpace;
    }
    const int rest = std::max({40, room - hint, std::min(kMinimumEditWidth, room - hintWord)});
    return field.width > 0 ? std::min(field.width, rest) : rest;
}

QWidget* ControlFactory::makeSwatch(const QString& key) const
{
    auto* swatch = new ColorSwatch(m_panel);
    m_binder.bindColor(swatch, key);
    QObject::connect(swatch, &ColorSwatch::clicked, swatch, [context = m_context, swatch] {
        if (const auto color = chooseColor(context, swatch->window(), swatch->color())) {
            swatch->pick(*color);
        }
    });
    return swatch;
}

// The edit first, so that Tab reaches it before its button.
MadeControl ControlFactory::makePathEdit(const FieldSpec& field, const QString& key, int room) const
{
    auto* edit = new QLineEdit(m_panel);
    m_binder.bindText(edit, key);
    auto* browse = new QPushButton(u"Browse..."_s, m_panel);
    browse->setObjectName(key + u"Browse"_s);
    browse->resize(browse->sizeHint());
    const int rest = room - kSpace - browse->width();
    const int width = field.width > 0 ? std::min(field.width, rest) : std::max(60, rest);
    edit->resize(width, edit->sizeHint().height());
    QObject::connect(browse, &QPushButton::clicked, edit,
                     pickFiles(m_context, edit, field.files,
                               [edit](const QString& path) { edit->setText(path); }));
    return {edit, browse};
}

QWidget* ControlFactory::makeRadioGroup(const FieldSpec& field, const QString& caption,
                                        const QString& key, int room,
                                        std::span<const FieldSpec> besideItems, int itemsAt) const
{
    const QFontMetrics metrics = m_panel->fontMetrics();
    const int width = field.width > 0 ? std::min(field.width, room) : room;
    auto* box = new QGroupBox(m_panel);
    box->setAccessibleName(spokenName(caption));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(6, 2, 6, 2);
    column->setSpacing(2);
    // A caption wider than the frame is written inside it, wrapped.
    if (textWidth(caption, metrics) + 24 <= width) {
        box->setTitle(caption);
    } else {
        column->addWidget(new QLabel(wrapAtBlanks(caption, metrics, width - 14), box));
    }
    auto* group = new QButtonGroup(box);
    const catalog::SettingKey* setting = catalog::findSpecificKey(m_kind, key);
    const QStringList captions = setting ? setting->choiceCaptions() : QStringList();
    QList<QRadioButton*> buttons;
    QList<QWidget*> itemEdits;
    int buttonsWidth = 0;
    // Each item's edit right after the item, so that Tab goes from one to the other.
    for (int index = 0; index < captions.size(); ++index) {
        auto* button = new QRadioButton(captions[index], box);
        group->addButton(button, index);
        buttons.append(button);
        buttonsWidth += button->sizeHint().width() + 12;
        if (size_t(index) < besideItems.size()) {
            itemEdits.append(makeItemEdit(besideItems[size_t(index)], button->text(), box));
        }
    }
    QGridLayout* grid = nullptr;
    if (!itemEdits.isEmpty()) {
        grid = new QGridLayout;
        grid->setHorizontalSpacing(kSpace);
        grid->setVerticalSpacing(2);
        for (int index = 0; index < buttons.size(); ++index) {
            grid->addWidget(buttons[index], index, 0, Qt::AlignLeft);
            if (index >= itemEdits.size()) {
                continue;
            }
            grid->addWidget(itemEdits[index], index, 1);
            const char16_t* hint = besideItems[size_t(index)].hint;
            if (hint) {
                grid->addWidget(new QLabel(QString::fromUtf16(hint), box), index, 2);
            }
        }
        grid->setColumnStretch(3, 1);
        column->addLayout(grid);
    } else if (buttonsWidth + 12 <= width) {
        auto* line = new QHBoxLayout;
        for (QRadioButton* button : buttons) {
            line->addWidget(button);
        }
        line->addStretch();
        column->addLayout(line);
    } else {
        for (QRadioButton* button : buttons) {
            column->addWidget(button, 0, Qt::AlignLeft);
        }
    }
    m_binder.bindChoice(group, key);
    box->resize(width, box->sizeHint().height());
    if (grid && itemsAt > 0) {
        column->activate();
        const int gap = itemsAt - itemEdits.front()->x();
        if (gap > 0) {
            grid->setColumnMinimumWidth(0, grid->cellRect(0, 0).width() + gap);
            box->resize(width, box->sizeHint().height());
            column->activate();
        }
    }
    return box;
}

// An edit beside a radio item is named by the item, whose caption is its label.
QLineEdit* ControlFactory::makeItemEdit(const FieldSpec& field, const QString& item,
                                        QGroupBox* box) const
{
    auto* edit = new QLineEdit(box);
    const QString key = keyOf(field);
    edit->setObjectName(key);
    m_binder.bindText(edit, key);
    edit->setFixedWidth(field.width > 0 ? field.width : 50);
    edit->setAccessibleName(spokenName(item));
    return edit;
}

} // namespace morvane::ui::page
