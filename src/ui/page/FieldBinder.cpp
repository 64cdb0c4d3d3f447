#include "ui/page/FieldBinder.h"

#include "ui/page/ColorSwatch.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>

#include <limits>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

// Replaces the text of a one-line field that holds line breaks; the change comes back through
// the field's change signal with the clean text.
bool cleanLineBreaks(QLineEdit* edit, const QString& text)
{
    if (!hasLineBreak(text)) {
        return false;
    }
    const int cursor = edit->cursorPosition();
    const QString clean = withLineBreaksAsBlanks(text);
    edit->setText(clean);
    edit->setCursorPosition(std::min<int>(cursor, int(clean.size())));
    return true;
}

// A one-line edit cuts longer texts silently; a stored value must come back whole.
void allowAnyLength(QLineEdit* edit)
{
    edit->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace

void showFromStart(QLineEdit* edit, const QString& text)
{
    edit->setText(text);
    edit->setCursorPosition(0);
}

QString withLineBreaksAsBlanks(const QString& text)
{
    if (!hasLineBreak(text)) {
        return text;
    }
    static const QRegularExpression lineBreak(u"\r\n|\r|\n"_s);
    QString clean = text;
    clean.replace(lineBreak, u" "_s);
    return clean;
}

FieldBinder::FieldBinder(settings::WorkingCopy& copy, const QString& kind)
    : m_values([&copy, kind]() -> settings::ValueSet& {
        return kind.isEmpty() ? copy.common() : copy.specific(kind);
    })
    , m_copy(&copy)
{}

FieldBinder::FieldBinder(Values values)
    : m_values(std::move(values))
{}

void FieldBinder::bindText(QLineEdit* edit, const QString& key)
{
    allowAnyLength(edit);
    m_forms.append({key, Form::Text});
    addResetMenu(edit, key, edit);
    m_shows.append([edit, key](const settings::ValueSet& values) {
        showFromStart(edit, withLineBreaksAsBlanks(values.text(key)));
    });
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this, edit, key](const QString& text) {
        if (m_loading || cleanLineBreaks(edit, text)) {
            return;
        }
        m_values().setText(key, text);
        notifyChanged();
    });
}

void FieldBinder::bindText(QComboBox* comboBox, const QString& key)
{
    if (QLineEdit* edit = comboBox->lineEdit()) {
        allowAnyLength(edit);
        addResetMenu(edit, key, edit);
    }
    m_forms.append({key, Form::Text});
    m_shows.append([comboBox, key](const settings::ValueSet& values) {
        comboBox->setEditText(withLineBreaksAsBlanks(values.text(key)));
        if (QLineEdit* edit = comboBox->lineEdit()) {
            edit->setCursorPosition(0);
        }
    });
    QObject::connect(comboBox, &QComboBox::editTextChanged, comboBox,
                     [this, comboBox, key](const QString& text) {
                         if (m_loading) {
                             return;
                         }
                         QLineEdit* edit = comboBox->lineEdit();
                         if (edit && cleanLineBreaks(edit, text)) {
                             return;
                         }
                         m_values().setText(key, text);
                         notifyChanged();
                     });
}

void FieldBinder::bindFlag(QCheckBox* checkBox, const QString& key)
{
    m_forms.append({key, Form::Flag});
    addResetMenu(checkBox, key);
    m_shows.append([checkBox, key](const settings::ValueSet& values) {
        checkBox->setChecked(values.flag(key));
    });
    QObject::connect(checkBox, &QCheckBox::toggled, checkBox, [this, key](bool checked) {
        if (!m_loading) {
            m_values().setFlag(key, checked);
            notifyChanged();
        }
    });
}

void FieldBinder::bindColor(ColorSwatch* swatch, const QString& key)
{
    m_forms.append({key, Form::Color});
    addResetMenu(swatch, key);
    m_shows.append(
        [swatch, key](const settings::ValueSet& values) { swatch->setColor(values.color(key)); });
    QObject::connect(swatch, &ColorSwatch::colorPicked, swatch, [this, key](ColorRef color) {
        if (!m_loading) {
            m_values().setColor(key, color);
            notifyChanged();
        }
    });
}

void FieldBinder::bindChoice(QButtonGroup* group, const QString& key)
{
    m_forms.append({key, Form::Choice});
    for (QAbstractButton* button : group->buttons()) {
        addResetMenu(button, key);
    }
    m_shows.append([group, key](const settings::ValueSet& values) {
        const int index = values.choice(key);
        QAbstractButton* chosen = group->button(index);
        if (chosen) {
            chosen->setChecked(true);
            return;
        }
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons()) {
            button->setChecked(false);
        }
        group->setExclusive(true);
    });
    QObject::connect(group, &QButtonGroup::idToggled, group, [this, key](int id, bool checked) {
        if (!m_loading && checked) {
            m_values().setChoice(key, id);
            notifyChanged();
        }
    });
}

void FieldBinder::bindLists(std::function<void()> show)
{
    Q_ASSERT(m_copy);
    m_shows.append([show = std::move(show)](const settings::ValueSet&) { show(); });
}

void FieldBinder::notifyChanged() const
{
    if (m_changed) {
        m_changed();
    }
}

settings::WorkingCopy& FieldBinder::lists()
{
    Q_ASSERT(m_copy);
    return *m_copy;
}

void FieldBinder::addResetMenu(QWidget* control, const QString& key, QLineEdit* edit)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, control,
                     [this, control, key, edit](QPoint at) {
                         QMenu* menu = edit ? edit->createStandardContextMenu() : new QMenu;
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         if (edit) {
                             menu->addSeparator();
                         }
                         QAction* reset = menu->addAction(u"Reset to default"_s,
                                                          [this, key] { resetToDefaults({key}); });
                         reset->setObjectName(u"resetField"_s);
                         reset->setEnabled(hasDefaults());
                         menu->popup(control->mapToGlobal(at));
                     });
}

void FieldBinder::setDefaults(std::function<settings::ValueSet()> defaults,
                              std::function<void()> beforeReset)
{
    m_defaults = std::move(defaults);
    m_beforeReset = std::move(beforeReset);
}

QStringList FieldBinder::keys() const
{
    QStringList bound;
    for (const auto& [key, form] : m_forms) {
        bound.append(key);
    }
    return bound;
}

void FieldBinder::resetToDefaults(const QStringList& keys)
{
    if (!m_defaults) {
        return;
    }
    if (m_beforeReset) {
        m_beforeReset();
    }
    const settings::ValueSet defaults = m_defaults();
    settings::ValueSet& values = m_values();
    for (const auto& [key, form] : std::as_const(m_forms)) {
        if (!keys.isEmpty() && !keys.contains(key)) {
            continue;
        }
        switch (form) {
        case Form::Text:
            values.setText(key, defaults.text(key));
            break;
        case Form::Flag:
            values.setFlag(key, defaults.flag(key));
            break;
        case Form::Color:
            values.setColor(key, defaults.color(key));
            break;
        case Form::Choice:
            values.setChoice(key, defaults.choice(key));
            break;
        }
    }
    load();
    notifyChanged();
}

void FieldBinder::load()
{
    m_loading = true;
    const settings::ValueSet& values = m_values();
    for (const Show& show : std::as_const(m_shows)) {
        show(values);
    }
    m_loading = false;
}

} // namespace morvane::ui::page
