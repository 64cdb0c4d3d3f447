#pragma once

#include "generator/FieldRules.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <vector>

class QLabel;
class QWidget;

namespace morvane::ui::page {

// The red frames of the fields and list editors whose value the generator would refuse, each
// with what it allows in a note under it. The generator's own rules decide, so the page and the
// HTML window never disagree.
class FieldMarks final {
public:
    FieldMarks() = default;
    Q_DISABLE_COPY_MOVE(FieldMarks)
    ~FieldMarks();

    // A field for each rule's key, as its section holds it; nullptr where none is shown.
    using FindField = std::function<QWidget*(const generator::PageFieldRule&)>;

    // Marks exactly the fields among `rules` that fail with the values and lists of `kind`.
    void update(const std::vector<generator::PageFieldRule>& rules,
                const settings::WorkingCopy& copy, const QString& kind, const QString& appDir,
                const FindField& find);

    // The field of `section` that shows the rule's setting or, for a list rule, the editor of
    // the list in `kind`; nullptr when the section shows neither.
    static QWidget* fieldIn(const QWidget* section, const generator::PageFieldRule& fieldRule,
                            const QString& kind);

private:
    void mark(QWidget* field, const QString& failure, const QString& allowed);
    void unmark(QWidget* field);

    QHash<QWidget*, QPointer<QLabel>> m_marked;
};

} // namespace morvane::ui::page
