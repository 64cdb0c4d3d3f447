#include "ui/page/SectionBuilder.h"

#include "catalog/KeyTable.h"
#include "ui/page/ColorSwatch.h"
#include "ui/page/HelpIcon.h"
#include "ui/page/ListEditors.h"
#include "ui/page/SectionPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace morvane::ui::page {
namespace {

constexpr int kLeft = 10;
constexpr int kTop = 4;
constexpr int kRight = SectionPanel::kWidth - 22; // the help icons' column stays clear
constexpr int kIconLeft = SectionPanel::kWidth - 8 - HelpIcon::kSize;
constexpr int kBottomMargin = 5;
constexpr int kLabelSpace = 4;
constexpr int kFieldSpace = 10;
constexpr int kRowSpace = 3;
constexpr int kLabelColumnLimit = 230;

QStringList targetChoices()
{
    return {QStringLiteral("_self"), QStringLiteral("_blank"), QStringLiteral("_parent"),
            QStringLiteral("_top"), QStringLiteral("frame name")};
}

class Builder {
public:
    Builder(const SectionLayout& layout, const QString& kind, const EditorServices& editors,
            FieldBinder& binder, SectionPanel* panel)
        : m_layout(layout)
        , m_kind(kind)
        , m_editors(editors)
        , m_binder(binder)
        , m_panel(panel)
    {}

    int build(const QString& title)
    {
        m_y = kTop;
        if (!title.isEmpty()) {
            QLabel* label = addLabel(title, kLeft);
            label->setObjectName(QStringLiteral("title"));
            m_y += label->height() + kRowSpace;
        }
        m_labelColumn = labelColumn();
        const auto& fields = m_layout.fields;
        for (size_t first = 0; first < fields.size();) {
            size_t end = first + 1;
            while (end < fields.size() && fields[end].placement == Placement::SameRow)
                ++end;
            buildRow(fields.subspan(first, end - first));
            first = end;
        }
        return std::max(m_layout.height, m_y - kRowSpace + kBottomMargin);
    }

private:
    QString keyOf(const FieldSpec& field) const
    {
        return field.key ? QString::fromUtf16(field.key) : QString();
    }

    QString labelOf(const FieldSpec& field) const
    {
        if (field.label)
            return QString::fromUtf16(field.label);
        const catalog::SettingKey* key = catalog::findSpecificKey(m_kind, keyOf(field));
        return key ? key->labelText() : QString();
    }

    static bool labelIsCaption(const FieldSpec& field)
    {
        return field.control == Control::CheckBox || field.control == Control::RadioGroup ||
               field.control == Control::Note || field.control == Control::Group ||
               isListEditor(field.control);
    }

    // Controls after a left label line up, unless their label is too long for the column.
    int labelColumn() const
    {
        int widest = 0;
        for (const FieldSpec& field : m_layout.fields) {
            if (field.placement != Placement::NewRow || labelIsCaption(field))
                continue;
            const QString text = labelOf(field);
            if (text.isEmpty())
                continue;
            const int width = m_panel->fontMetrics().horizontalAdvance(text);
            if (width <= kLabelColumnLimit)
                widest = std::max(widest, width);
        }
        return widest == 0 ? kLeft : kLeft + widest + kLabelSpace;
    }

    QLabel* addLabel(const QString& text, int x)
    {
        auto* label = new QLabel(text, m_panel);
        label->adjustSize();
        label->move(x, m_y);
        return label;
    }

    struct Placed {
        QWidget* widget;
        int x;
    };

    void buildRow(std::span<const FieldSpec> row)
    {
        QList<Placed> placed;
        int x = kLeft;
        for (const FieldSpec& field : row) {
            const QString label = labelOf(field);
            if (field.placement == Placement::LabelAbove) {
                auto* above = new QLabel(label, m_panel);
                above->setWordWrap(true);
                above->setFixedWidth(kRight - kLeft);
                above->setFixedHeight(above->heightForWidth(kRight - kLeft));
                above->move(kLeft, m_y);
                m_y += above->height() + 2;
            } else if (!label.isEmpty() && !labelIsCaption(field)) {
                auto* left = new QLabel(label, m_panel);
                left->adjustSize();
                placed.append({left, x});
                x += left->width() + kLabelSpace;
                if (&field == &row.front())
                    x = std::max(x, m_labelColumn);
            }
            x = addControl(field, label, x, placed) + kFieldSpace;
        }
        int height = 0;
        for (const Placed& item : placed)
            height = std::max(height, item.widget->height());
        for (const Placed& item : placed)
            item.widget->move(item.x, m_y + (height - item.widget->height()) / 2);
        m_y += height + kRowSpace;
    }

    // Returns the right edge of what it placed.
    int addControl(const FieldSpec& field, const QString& label, int x, QList<Placed>& placed)
    {
        const QString key = keyOf(field);
        QWidget* control = nullptr;
        switch (field.control) {
        case Control::Edit: {
            auto* edit = new QLineEdit(m_panel);
            m_binder.bindText(edit, key);
            edit->resize(editWidth(field, x), edit->sizeHint().height());
            control = edit;
            break;
        }
        case Control::PathEdit:
            return addPathEdit(field, key, x, placed);
        case Control::ColorSwatch: {
            auto* swatch = new ColorSwatch(m_panel);
            m_binder.bindColor(swatch, key);
            QObject::connect(swatch, &ColorSwatch::clicked, swatch, [editors = m_editors, swatch] {
                if (const auto color = chooseColor(editors, swatch->window()))
                    swatch->pick(*color);
            });
            control = swatch;
            break;
        }
        case Control::CheckBox: {
            auto* box = new QCheckBox(label, m_panel);
            m_binder.bindFlag(box, key);
            box->adjustSize();
            control = box;
            break;
        }
        case Control::TargetDropDown: {
            auto* combo = new QComboBox(m_panel);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->addItems(targetChoices());
            m_binder.bindText(combo, key);
            combo->resize(field.width > 0 ? field.width : 100, combo->sizeHint().height());
            control = combo;
            break;
        }
        case Control::RadioGroup:
            control = addRadioGroup(field, label, key, x);
            break;
        case Control::Note:
        case Control::Group: {
            auto* note = new QLabel(label, m_panel);
            note->adjustSize();
            control = note;
            break;
        }
        case Control::ImageList:
        case Control::RecordList:
        case Control::LinkList:
        case Control::MenuTree:
            control = buildListEditor(field, m_kind, m_editors, m_binder, m_panel,
                                      field.width > 0 ? field.width : kRight - x);
            break;
        }
        control->setObjectName(key);
        placed.append({control, x});
        x += control->width();
        if (field.hint) {
            QLabel* hint = addHint(QString::fromUtf16(field.hint), x + kLabelSpace);
            placed.append({hint, x + kLabelSpace});
            x += kLabelSpace + hint->width();
        }
        return x;
    }

    // A hint too long for the rest of the row wraps onto a second line.
    QLabel* addHint(const QString& text, int x)
    {
        auto* hint = new QLabel(text, m_panel);
        hint->adjustSize();
        const int room = std::max(60, kRight - x);
        if (hint->width() > room) {
            hint->setWordWrap(true);
            hint->setFixedWidth(room);
            hint->setFixedHeight(hint->heightForWidth(room));
        }
        return hint;
    }

    // The rest of the row, less the room of the hint, unless the table gives a narrower one.
    int editWidth(const FieldSpec& field, int x) const
    {
        int hint = 0;
        if (field.hint && field.width <= 0)
            hint = m_panel->fontMetrics().horizontalAdvance(QString::fromUtf16(field.hint)) +
                   kLabelSpace;
        const int rest = std::max(40, kRight - x - hint);
        return field.width > 0 ? std::min(field.width, rest) : rest;
    }

    int addPathEdit(const FieldSpec& field, const QString& key, int x, QList<Placed>& placed)
    {
        auto* browse = new QPushButton(QStringLiteral("Browse..."), m_panel);
        browse->setObjectName(key + QStringLiteral("Browse"));
        browse->resize(browse->sizeHint());
        auto* edit = new QLineEdit(m_panel);
        edit->setObjectName(key);
        m_binder.bindText(edit, key);
        const int width = field.width > 0
                              ? field.width
                              : std::max(60, kRight - x - kLabelSpace - browse->width());
        edit->resize(width, edit->sizeHint().height());
        QObject::connect(browse, &QPushButton::clicked, edit,
                         [editors = m_editors, edit, files = field.files] {
                             const QString chosen = browseForFile(editors, edit->window(), files);
                             if (!chosen.isEmpty())
                                 edit->setText(chosen);
                         });
        placed.append({edit, x});
        placed.append({browse, x + width + kLabelSpace});
        return x + width + kLabelSpace + browse->width();
    }

    QWidget* addRadioGroup(const FieldSpec& field, const QString& caption, const QString& key,
                           int x)
    {
        auto* box = new QGroupBox(caption, m_panel);
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(6, 2, 6, 2);
        auto* group = new QButtonGroup(box);
        const catalog::SettingKey* setting = catalog::findSpecificKey(m_kind, key);
        const QStringList captions = setting ? setting->choiceCaptions() : QStringList();
        for (int index = 0; index < captions.size(); ++index) {
            auto* button = new QRadioButton(captions[index], box);
            group->addButton(button, index);
            layout->addWidget(button);
        }
        layout->addStretch();
        m_binder.bindChoice(group, key);
        box->resize(field.width > 0 ? field.width : kRight - x, box->sizeHint().height());
        return box;
    }

    const SectionLayout& m_layout;
    const QString& m_kind;
    const EditorServices& m_editors;
    FieldBinder& m_binder;
    SectionPanel* m_panel;
    int m_y = 0;
    int m_labelColumn = kLeft;
};

void addHelpIcons(const SectionLayout& layout, const EditorServices& editors, SectionPanel* panel)
{
    int number = 0;
    for (const HelpSpec& help : layout.help) {
        auto* icon = new HelpIcon(QString::fromUtf16(help.text), panel);
        icon->setObjectName(number == 0 ? QStringLiteral("help")
                                        : QStringLiteral("help%1").arg(number + 1));
        const int top = help.top >= 0 ? help.top : panel->height() - 8 - HelpIcon::kSize;
        icon->move(kIconLeft, top);
        QObject::connect(icon, &HelpIcon::clicked, icon,
                         [messages = &editors.services.messages, icon] {
                             messages->showInformation(icon->window(), icon->helpText());
                         });
        ++number;
    }
}

} // namespace

SectionPanel* buildSection(const SectionLayout& layout, const QString& title, const QString& kind,
                           const EditorServices& editors, FieldBinder& binder, QWidget* parent)
{
    auto* panel = new SectionPanel(parent);
    panel->setObjectName(layout.name());
    Builder builder(layout, kind, editors, binder, panel);
    panel->resize(SectionPanel::kWidth, builder.build(title));
    addHelpIcons(layout, editors, panel);
    return panel;
}

} // namespace morvane::ui::page
