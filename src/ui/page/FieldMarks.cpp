#include "ui/page/FieldMarks.h"

#include "ui/page/SectionPanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

#include <algorithm>

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

// A list editor is framed at its list or tree, where what the rule reads is shown; the frame of
// an edit is its own.
QWidget* framedPart(QWidget* field)
{
    if (qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field)) {
        return field;
    }
    auto* view = field->findChild<QAbstractItemView*>(QString(), Qt::FindDirectChildrenOnly);
    return view ? static_cast<QWidget*>(view) : field;
}

QString frameStyle(const QWidget* framed)
{
    const QString frame = u"border: 2px solid #d00000;"_s;
    // A list's scroll bars would take the frame too.
    return qobject_cast<const QAbstractItemView*>(framed)
               ? u"QAbstractItemView { "_s + frame + u" }"_s
               : frame;
}

} // namespace

QWidget* FieldMarks::fieldIn(const QWidget* section, const generator::PageFieldRule& fieldRule,
                             const QString& kind)
{
    if (!section) {
        return nullptr;
    }
    if (!fieldRule.list) {
        if (auto* edit = section->findChild<QLineEdit*>(fieldRule.key)) {
            return edit;
        }
        return section->findChild<QComboBox*>(fieldRule.key);
    }
    if (auto* editor = section->findChild<QWidget*>(catalog::listFileName(*fieldRule.list))) {
        return editor;
    }
    // A record list's editor goes by the list that counts the items and edits the others too.
    for (const catalog::ListFileSpec& list : catalog::listFilesOf(kind.toStdU16String())) {
        if (list.countsItems) {
            return section->findChild<QWidget*>(list.name());
        }
    }
    return nullptr;
}

FieldMarks::~FieldMarks()
{
    for (const QPointer<QLabel>& note : std::as_const(m_marked)) {
        delete note.data();
    }
}

void FieldMarks::update(const std::vector<generator::PageFieldRule>& rules,
                        const settings::WorkingCopy& copy, const QString& kind,
                        const QString& appDir, const FindField& find)
{
    QSet<QWidget*> failing;
    for (const generator::PageFieldRule& fieldRule : rules) {
        QWidget* field = find(fieldRule);
        if (!field || failing.contains(field)) {
            continue;
        }
        const QString failure = generator::ruleFailure(fieldRule, copy, kind, appDir);
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
    QWidget* framed = framedPart(field);
    if (!m_marked.contains(field)) {
        framed->setProperty(kPlainToolTip, framed->toolTip());
        framed->setStyleSheet(frameStyle(framed));
        framed->setProperty("invalid", true);
        m_marked.insert(field, newNote(field));
        QObject::connect(field, &QObject::destroyed, field,
                         [this, field] { delete m_marked.take(field).data(); });
    }
    framed->setToolTip(failure);
    framed->setAccessibleDescription(allowed);
    QLabel* note = m_marked.value(field);
    if (!note) {
        return;
    }
    note->setText(allowed);
    // The note stays inside its section, where it is never cut: moved left under a field near
    // the section's right edge, wrapped when even the whole width is too narrow for it, and
    // above a field that ends its section (over the foot of such a list).
    const QWidget* section = note->parentWidget();
    const int room = section->width();
    note->setWordWrap(false);
    note->adjustSize();
    if (note->width() > room) {
        note->setWordWrap(true);
        note->resize(room, note->heightForWidth(room));
    }
    const QPoint top = framed->mapTo(section, QPoint(0, 0));
    QPoint at(std::clamp(top.x(), 0, std::max(0, room - note->width())),
              top.y() + framed->height());
    const int lowest = section->height() - note->height();
    if (at.y() > lowest) {
        at.setY(framed == field ? top.y() - note->height() : lowest);
    }
    at.setY(std::clamp(at.y(), 0, std::max(0, lowest)));
    note->move(at);
    note->show();
    note->raise();
}

void FieldMarks::unmark(QWidget* field)
{
    QWidget* framed = framedPart(field);
    framed->setStyleSheet(QString());
    framed->setProperty("invalid", false);
    framed->setToolTip(framed->property(kPlainToolTip).toString());
    framed->setAccessibleDescription(QString());
    delete m_marked.take(field).data();
}

} // namespace morvane::ui::page
