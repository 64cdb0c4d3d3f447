#pragma once

#include "settings/ValueSet.h"
#include "settings/WorkingCopy.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QWidget;

namespace morvane::ui::page {

class ColorSwatch;

// Line breaks typed or pasted into a one-line field become blanks, a CR LF pair one blank.
QString withLineBreaksAsBlanks(const QString& text);

// Fills a one-line field with the cursor at its start, so that a value longer than the field
// shows its beginning.
void showFromStart(QLineEdit* edit, const QString& text);

// Binds a section's controls to the working copy: fields to the settings of one value set, list
// editors to the copy's lists and trees. load() shows what is stored, and every change made in a
// control is written back at once and told to the change handler (never what load() shows). The
// value set is looked up on each access, since the working copy may move it.
class FieldBinder final {
public:
    using Values = std::function<settings::ValueSet&()>;

    // The values of `kind` in the working copy, or its common values when `kind` is empty.
    FieldBinder(settings::WorkingCopy& copy, const QString& kind);
    // A value set on its own, with no lists or trees beside it: no list editor can be bound.
    explicit FieldBinder(Values values);
    Q_DISABLE_COPY_MOVE(FieldBinder)

    void bindText(QLineEdit* edit, const QString& key);
    void bindText(QComboBox* comboBox, const QString& key); // an editable drop-down
    void bindFlag(QCheckBox* checkBox, const QString& key);
    void bindColor(ColorSwatch* swatch, const QString& key);
    void bindChoice(QButtonGroup* group, const QString& key); // button ids are the positions
    // A list editor edits the lists and trees of lists() in place, since no one signal says
    // what it changed; `show` shows them again at every load.
    void bindLists(std::function<void()> show);
    settings::WorkingCopy& lists();

    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }
    // The values a reset puts back, and what runs before a reset replaces any value.
    void setDefaults(std::function<settings::ValueSet()> defaults,
                     std::function<void()> beforeReset);
    // Puts back the default of each of the bound `keys` (all when empty), shows them and tells
    // the change handler once; nothing without defaults.
    void resetToDefaults(const QStringList& keys = {});
    bool hasDefaults() const { return bool(m_defaults); }
    // The keys bound to fields, in binding order.
    QStringList keys() const;
    // For the list editors, after they changed the lists or trees.
    void notifyChanged() const;

    void load();

private:
    using Show = std::function<void(const settings::ValueSet&)>;
    enum class Form { Text, Flag, Color, Choice };

    void addResetMenu(QWidget* control, const QString& key, QLineEdit* edit = nullptr);

    Values m_values;
    QList<std::pair<QString, Form>> m_forms;
    std::function<settings::ValueSet()> m_defaults;
    std::function<void()> m_beforeReset;
    settings::WorkingCopy* m_copy = nullptr;
    QList<Show> m_shows;
    std::function<void()> m_changed;
    bool m_loading = false;
};

} // namespace morvane::ui::page
