#pragma once

#include "settings/ValueSet.h"

#include <QList>
#include <QString>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace morvane::ui::page {

class ColorSwatch;

// Line breaks typed or pasted into a one-line field become blanks, a CR LF pair one blank.
QString withLineBreaksAsBlanks(const QString& text);

// Binds controls to the settings of one value set: load() shows the stored values, and every
// change made in a control is written back at once. The value set is looked up on each access,
// since the working copy may move it.
class FieldBinder final {
public:
    using Values = std::function<settings::ValueSet&()>;

    explicit FieldBinder(Values values);
    Q_DISABLE_COPY_MOVE(FieldBinder)

    void bindText(QLineEdit* edit, const QString& key);
    void bindText(QComboBox* comboBox, const QString& key); // an editable drop-down
    void bindFlag(QCheckBox* checkBox, const QString& key);
    void bindColor(ColorSwatch* swatch, const QString& key);
    void bindChoice(QButtonGroup* group, const QString& key); // button ids are the positions
    // For what lives outside the value set, such as the list editors' lists and trees.
    void bindShow(std::function<void()> show);

    void load();

private:
    using Show = std::function<void(const settings::ValueSet&)>;

    Values m_values;
    QList<Show> m_shows;
    bool m_loading = false;
};

} // namespace morvane::ui::page
