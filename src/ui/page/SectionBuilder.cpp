#include "ui/page/SectionBuilder.h"

#include "catalog/KeyTable.h"
#include "ui/page/ColorSwatch.h"
#include "ui/page/ControlFactory.h"
#include "ui/page/HelpIcon.h"
#include "ui/page/KindSections.h"
#include "ui/page/SectionPanel.h"
#include "ui/page/TextWrap.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

constexpr int kLeft = 10;
constexpr int kTop = 4;
constexpr int kRight = SectionPanel::kWidth - 22; // the help icons' column stays clear
constexpr int kIconLeft = SectionPanel::kWidth - 8 - HelpIcon::kSize;
constexpr int kBottomMargin = 5;
constexpr int kLabelSpace = ControlFactory::kSpace;
constexpr int kFieldSpace = 10;
constexpr int kRowSpace = 3;
constexpr int kLabelColumnLimit = 200;
constexpr int kGroupInset = 8;
constexpr int kGroupSpace = 6;

bool labelIsCaption(const FieldSpec& field)
{
    return field.control == Control::CheckBox || field.control == Control::RadioGroup ||
           field.control == Control::Note || field.control == Control::Group ||
           isListEditor(field.control);
}

// Lays a section out row by row from its table: labels, the controls the factory makes, hints,
// framed groups and help icons.
class Builder {
public:
    Builder(const SectionLayout& layout, const QString& caption, const QString& kind,
            const PageContext& context, FieldBinder& binder, SectionPanel* panel)
        : m_layout(layout)
        , m_caption(caption)
        , m_kind(kind)
        , m_context(context)
        , m_controls(kind, context, binder, panel)
        , m_panel(panel)
    {}

    int build(const QString& title)
    {
        m_y = kTop;
        if (!title.isEmpty()) {
            auto* label = new QLabel(title, m_panel);
            label->adjustSize();
            label->move(kLeft, m_y);
            label->setObjectName(u"title"_s);
            m_y += label->height() + kRowSpace;
        }
        planLabels();
        const auto& fields = m_layout.fields;
        for (size_t first = 0; first < fields.size();) {
            if (fields[first].control == Control::Group) {
                openGroup(fields[first]);
                ++first;
                continue;
            }
            size_t end = first + 1;
            while (end < fields.size() && (fields[end].placement == Placement::SameRow ||
                                           fields[end].placement == Placement::BesideItem)) {
                ++end;
            }
            buildRow(fields.subspan(first, end - first), first);
            first = end;
        }
        closeGroup();
        return std::max(m_layout.height, m_y - kRowSpace + kBottomMargin);
    }

    // The first icon without a place of its own stands near the bottom-right corner.
    void addHelpIcons(int panelHeight)
    {
        int number = 0;
        for (const HelpSpec& help : m_layout.help) {
            ++number;
            if (help.beside) {
                continue; // placed with its field or group
            }
            addHelpIcon(help, number, panelHeight - 8 - HelpIcon::kSize);
        }
    }

private:
    QString keyOf(const FieldSpec& field) const
    {
        return field.key ? QString::fromUtf16(field.key) : QString();
    }

    QString keyLabel(const FieldSpec& field) const
    {
        const catalog::SettingKey* key = catalog::findSpecificKey(m_kind, keyOf(field));
        return key ? key->labelText() : QString();
    }

    QString labelOf(const FieldSpec& field) const
    {
        return field.label ? QString::fromUtf16(field.label) : keyLabel(field);
    }

    // An unlabelled control is named by its key's label, else by its section.
    QString accessibleNameOf(const FieldSpec& field, const QString& label) const
    {
        if (field.spoken) {
            return QString::fromUtf16(field.spoken);
        }
        if (!label.isEmpty()) {
            return spokenName(label);
        }
        const QString fromKey = keyLabel(field);
        if (!fromKey.isEmpty()) {
            return spokenName(fromKey);
        }
        return spokenName(m_groupCaption.isEmpty() ? m_caption : m_groupCaption);
    }

    // A label in the section's column: beside its control, not a caption, not a path's.
    bool inColumn(const FieldSpec& field) const
    {
        return field.placement == Placement::NewRow && !labelIsCaption(field) &&
               field.control != Control::PathEdit && !labelOf(field).isEmpty();
    }

    // The control's narrowest width and the widest word of its hint, which may wrap.
    int minimumControlWidth(const FieldSpec& field) const
    {
        int width = m_controls.minimumWidth(field);
        if (field.hint) {
            width +=
                kLabelSpace + widestWord(QString::fromUtf16(field.hint), m_panel->fontMetrics());
        }
        return width;
    }

    // One way of placing labels for the whole section, so that its fields line up: the
    // controls after left labels share one column across groups, a label too long for the
    // column wraps onto two lines rather than pushing its control out of line, and when one
    // control would not keep its room beside its label, every label goes above its control.
    void planLabels()
    {
        const QFontMetrics metrics = m_panel->fontMetrics();
        const auto& fields = m_layout.fields;
        std::vector<int> lefts(fields.size(), kLeft);
        bool grouped = false;
        int shortColumn = 0;
        for (size_t index = 0; index < fields.size(); ++index) {
            grouped = grouped || fields[index].control == Control::Group;
            lefts[index] = grouped ? kLeft + kGroupInset : kLeft;
            const int width = textWidth(labelOf(fields[index]), metrics);
            if (inColumn(fields[index]) && width <= kLabelColumnLimit) {
                shortColumn = std::max(shortColumn, lefts[index] + width + kLabelSpace);
            }
        }
        m_shownLabels.assign(fields.size(), QString());
        m_column = shortColumn;
        for (size_t index = 0; index < fields.size(); ++index) {
            QString shown = labelOf(fields[index]);
            const int width = textWidth(shown, metrics);
            if (inColumn(fields[index]) && width > kLabelColumnLimit) {
                int room = std::max(shortColumn - lefts[index] - kLabelSpace, (width + 1) / 2);
                while (wrapAtBlanks(shown, metrics, room).count(u'\n') > 1) {
                    room += metrics.averageCharWidth();
                }
                shown = wrapAtBlanks(shown, metrics, room);
                m_column = std::max(m_column, lefts[index] + labelWidth(shown) + kLabelSpace);
            }
            m_shownLabels[index] = shown;
        }
        m_labelsAbove = false;
        for (size_t index = 0; index < fields.size(); ++index) {
            const FieldSpec& field = fields[index];
            if (inColumn(field) &&
                m_column + minimumControlWidth(field) > kRight - (lefts[index] - kLeft)) {
                m_labelsAbove = true;
            }
        }
        if (m_labelsAbove) {
            m_column = 0;
            for (size_t index = 0; index < fields.size(); ++index) {
                m_shownLabels[index] = labelOf(fields[index]);
            }
        }
    }

    int labelWidth(const QString& text) const
    {
        QLabel probe(text, m_panel); // measures as the labels will
        probe.hide();
        probe.adjustSize();
        return probe.width();
    }

    // A path field keeps the row for its edit, so that a whole path shows.
    bool labelGoesAbove(const FieldSpec& field, const QString& label) const
    {
        if (field.placement == Placement::LabelAbove) {
            return true;
        }
        if (field.placement != Placement::NewRow || label.isEmpty() || labelIsCaption(field)) {
            return false;
        }
        return field.control == Control::PathEdit || m_labelsAbove;
    }

    void openGroup(const FieldSpec& field)
    {
        closeGroup();
        m_groupCaption = labelOf(field);
        m_group = new QGroupBox(m_groupCaption, m_panel);
        m_group->setObjectName(u"group"_s);
        m_group->setAccessibleName(spokenName(m_groupCaption));
        m_group->setFocusPolicy(Qt::NoFocus);
        m_groupTop = m_y;
        m_left = kLeft + kGroupInset;
        m_right = kRight - kGroupInset;
        placeBesideIcons(m_groupCaption, m_y);
        m_y += m_panel->fontMetrics().height() + kRowSpace + 2;
    }

    void closeGroup()
    {
        if (!m_group) {
            return;
        }
        m_group->setGeometry(kLeft - 3, m_groupTop, kRight - kLeft + 3, m_y - m_groupTop + 2);
        m_group->lower();
        m_panel->follow(m_group, SectionPanel::Follow::Widen);
        m_y += kGroupSpace;
        m_group = nullptr;
        m_groupCaption.clear();
        m_left = kLeft;
        m_right = kRight;
    }

    QLabel* addWrappedLabel(const QString& text, int x, int width)
    {
        auto* label = new QLabel(wrapAtBlanks(text, m_panel->fontMetrics(), width), m_panel);
        label->adjustSize();
        label->move(x, m_y);
        return label;
    }

    struct Placed {
        QWidget* widget;
        int x;
    };

    void buildRow(std::span<const FieldSpec> row, size_t first)
    {
        QList<Placed> placed;
        int x = m_left;
        const int rowTop = m_y;
        for (size_t index = 0; index < row.size(); ++index) {
            const FieldSpec& field = row[index];
            const QString label = labelOf(field);
            const QString& shown = m_shownLabels[first + index];
            QLabel* left = nullptr;
            if (labelGoesAbove(field, label) || (isListEditor(field.control) && !label.isEmpty())) {
                QLabel* above = addWrappedLabel(label, m_left, m_right - m_left);
                m_y += above->height() + 2;
                left = above;
            } else if (!label.isEmpty() && !labelIsCaption(field)) {
                left = new QLabel(shown, m_panel);
                left->adjustSize();
                placed.append({left, x});
                x += left->width() + kLabelSpace;
                if (index == 0 && inColumn(field)) {
                    x = std::max(x, m_column);
                }
            }
            size_t items = 0;
            if (field.control == Control::RadioGroup) {
                while (index + 1 + items < row.size() &&
                       row[index + 1 + items].placement == Placement::BesideItem) {
                    ++items;
                }
            }
            QWidget* control = addControl(field, label, x, placed, row.subspan(index + 1, items));
            index += items;
            if (!placed.isEmpty()) {
                x = placed.back().x + placed.back().widget->width() + kFieldSpace;
            }
            if (left && control && !labelIsCaption(field)) {
                left->setBuddy(control);
            }
        }
        int height = 0;
        for (const Placed& item : placed) {
            height = std::max(height, item.widget->height());
        }
        for (const Placed& item : placed) {
            item.widget->move(item.x, m_y + (height - item.widget->height()) / 2);
        }
        m_y += height + kRowSpace;
        for (const FieldSpec& field : row) {
            if (field.key) {
                placeBesideIcons(keyOf(field), rowTop);
            }
        }
    }

    QWidget* addControl(const FieldSpec& field, const QString& label, int x, QList<Placed>& placed,
                        std::span<const FieldSpec> besideItems)
    {
        const MadeControl made = m_controls.make(field, label, m_right - x, besideItems,
                                                 m_column > x ? m_column - x : 0);
        QWidget* control = made.control;
        if (!control) {
            return nullptr;
        }
        placed.append({control, x});
        if (made.browse) {
            placed.append({made.browse, x + control->width() + kLabelSpace});
        }
        if (auto* swatch = qobject_cast<ColorSwatch*>(control)) {
            swatch->setLabel(accessibleNameOf(field, label));
        } else if (field.control != Control::Note && field.control != Control::CheckBox &&
                   control->accessibleName().isEmpty()) {
            control->setAccessibleName(accessibleNameOf(field, label));
        }
        // A section with several files reads each "Browse..." with its field.
        if (made.browse) {
            made.browse->setAccessibleName(u"Browse "_s + control->accessibleName());
        }
        followRowEnd(field, made, x);
        if (isListEditor(field.control)) {
            m_panel->growWith(made.control);
        }
        if (field.hint) {
            const int hintLeft = placed.back().x + placed.back().widget->width() + kLabelSpace;
            placed.append({addHint(QString::fromUtf16(field.hint), hintLeft), hintLeft});
        }
        return control;
    }

    // A control that takes the rest of its row keeps taking it in a wider section; its
    // "Browse..." stays at the row's end.
    void followRowEnd(const FieldSpec& field, const MadeControl& made, int x)
    {
        const bool stretches = field.control == Control::Edit ||
                               field.control == Control::PathEdit ||
                               field.control == Control::RadioGroup || isListEditor(field.control);
        const int end = made.browse ? x + made.control->width() + kLabelSpace + made.browse->width()
                                    : x + made.control->width();
        if (!stretches || field.hint || end < m_right - 1) {
            return;
        }
        m_panel->follow(made.control, SectionPanel::Follow::Widen);
        if (made.browse) {
            m_panel->follow(made.browse, SectionPanel::Follow::Move);
        }
    }

    // A hint too long for the rest of the row wraps at its blanks, never inside a word.
    QLabel* addHint(const QString& text, int x)
    {
        const QFontMetrics metrics = m_panel->fontMetrics();
        const int room = std::max(widestWord(text, metrics), m_right - x);
        auto* hint = new QLabel(wrapAtBlanks(text, metrics, room), m_panel);
        hint->adjustSize();
        return hint;
    }

    void placeBesideIcons(const QString& anchor, int top)
    {
        int number = 0;
        for (const HelpSpec& help : m_layout.help) {
            ++number;
            if (help.beside && anchor == QStringView(help.beside)) {
                addHelpIcon(help, number, top);
            }
        }
    }

    void addHelpIcon(const HelpSpec& help, int number, int top)
    {
        auto* icon = new HelpIcon(QString::fromUtf16(help.text), m_panel);
        icon->setObjectName(number == 1 ? u"help"_s : u"help%1"_s.arg(number));
        QString name = u"Help: "_s + spokenName(m_caption);
        if (help.beside) {
            const catalog::SettingKey* key =
                catalog::findSpecificKey(m_kind, QString::fromUtf16(help.beside));
            name += u", "_s + spokenName(key ? key->labelText() : QString::fromUtf16(help.beside));
        }
        icon->setAccessibleName(name);
        icon->move(kIconLeft, top);
        m_panel->follow(icon, SectionPanel::Follow::Move);
        QObject::connect(icon, &HelpIcon::clicked, icon,
                         [messages = &m_context.services.messages, icon] {
                             messages->showInformation(icon->window(), icon->helpText());
                         });
    }

    const SectionLayout& m_layout;
    QString m_caption; // the section's title, or its kind's caption
    const QString& m_kind;
    const PageContext& m_context;
    ControlFactory m_controls;
    SectionPanel* m_panel;
    int m_y = 0;
    int m_left = kLeft;
    int m_right = kRight;
    int m_column = 0; // where the controls after left labels start
    bool m_labelsAbove = false;
    std::vector<QString> m_shownLabels; // parallel to the table's fields
    QGroupBox* m_group = nullptr;
    QString m_groupCaption;
    int m_groupTop = 0;
};

// The section's own fields go back to their defaults together; the list editors keep their
// lists, which have no shipped value to return to.
void addSectionResetMenu(const SectionLayout& layout, FieldBinder& binder, SectionPanel* panel)
{
    QStringList keys;
    for (const FieldSpec& field : layout.fields) {
        if (field.key && !isListEditor(field.control)) {
            keys.append(QString::fromUtf16(field.key));
        }
    }
    if (keys.isEmpty()) {
        return;
    }
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        panel, &QWidget::customContextMenuRequested, panel, [&binder, panel, keys](QPoint at) {
            auto* menu = new QMenu;
            menu->setAttribute(Qt::WA_DeleteOnClose);
            QAction* reset = menu->addAction(u"Reset this section to default"_s,
                                             [&binder, keys] { binder.resetToDefaults(keys); });
            reset->setObjectName(u"resetSection"_s);
            reset->setEnabled(binder.hasDefaults());
            menu->popup(panel->mapToGlobal(at));
        });
}

} // namespace

QString specificSectionCaption(const QString& kind)
{
    return kind + u" specific parameters"_s;
}

SectionPanel* buildSection(const SectionLayout& layout, const QString& title, const QString& kind,
                           const PageContext& context, FieldBinder& binder, QWidget* parent)
{
    auto* panel = new SectionPanel(parent);
    const bool specific = layout.objectName == nullptr;
    panel->setObjectName(specific ? specificSectionName(kind) : layout.name());
    const QString caption = specific ? specificSectionCaption(kind) : title;
    panel->setAccessibleName(spokenName(caption));
    Builder builder(layout, caption, kind, context, binder, panel);
    panel->resize(SectionPanel::kWidth, builder.build(title));
    builder.addHelpIcons(panel->height());
    addSectionResetMenu(layout, binder, panel);
    return panel;
}

} // namespace morvane::ui::page
