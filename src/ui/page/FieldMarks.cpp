#include "ui/page/FieldMarks.h"

#include "ui/page/SectionPanel.h"

#include <QLabel>
#include <QSet>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

const char* const kPlainToolTip = "plainToolTip";

// The note lies over what follows the field, as a tooltip would, and lets clicks through.
QLabel* newNote(QWidget* field)
{
    QWidget* section = field->parentWidget();
    while (section->parentWidget() && !qobject_cast<SectionPanel*>(section)) {
        section = section->parentWidget();
    }
    auto* note = new QLabel(section);
    note->setObjectName(field->objectName() + u"Problem"_s);
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    note->setStyleSheet(
        u"color: #b00000; background: #fff4f4; border: 1px solid #d00000; padding: 0 2px;"_s);
    return note;
}

} // namespace

FieldMarks::~FieldMarks()
{
    for (const QPointer<QLabel>& note : std::as_const(m_marked)) {
        delete note.data();
    }
}

void FieldMarks::update(const std::vector<generator::PageFieldRule>& rules,
                        const settings::ValueSet& common, const settings::ValueSet& specific,
                        const QString& appDir, const FindField& find)
{
    QSet<QWidget*> failing;
    for (const generator::PageFieldRule& fieldRule : rules) {
        const settings::ValueSet& values = fieldRule.common ? common : specific;
        QWidget* field = find(fieldRule);
        if (!field || failing.contains(field) || !generator::ruleApplies(fieldRule, values)) {
            continue;
        }
        const QString failure = generator::valueFailure(fieldRule.rule, values.text(fieldRule.key),
                                                        fieldRule.message, appDir);
        if (!failure.isEmpty()) {
            failing.insert(field);
            mark(field, failure, generator::allowedText(fieldRule.rule));
        }
    }
    for (QWidget* field : m_marked.keys()) {
        if (!failing.contains(field)) {
            unmark(field);
        }
    }
}

void FieldMarks::mark(QWidget* field, const QString& failure, const QString& allowed)
{
    if (!m_marked.contains(field)) {
        field->setProperty(kPlainToolTip, field->toolTip());
        field->setStyleSheet(u"border: 2px solid #d00000;"_s);
        field->setProperty("invalid", true);
        m_marked.insert(field, newNote(field));
        QObject::connect(field, &QObject::destroyed, field,
                         [this, field] { delete m_marked.take(field).data(); });
    }
    field->setToolTip(failure);
    field->setAccessibleDescription(allowed);
    QLabel* note = m_marked.value(field);
    if (!note) {
        return;
    }
    note->setText(allowed);
    note->adjustSize();
    note->move(field->mapTo(note->parentWidget(), QPoint(0, field->height())));
    note->show();
    note->raise();
}

void FieldMarks::unmark(QWidget* field)
{
    field->setStyleSheet(QString());
    field->setProperty("invalid", false);
    field->setToolTip(field->property(kPlainToolTip).toString());
    field->setAccessibleDescription(QString());
    delete m_marked.take(field).data();
}

} // namespace morvane::ui::page
