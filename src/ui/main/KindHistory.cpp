#include "ui/main/KindHistory.h"

#include "catalog/KeyTable.h"

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

// Copies the kind's part of the working copy from `from` into `to`.
void copyKindPart(const QString& kind, const settings::WorkingCopy& from, settings::WorkingCopy& to)
{
    to.common() = from.common();
    to.specific(kind) = from.specific(kind);
    for (const catalog::ListFileSpec& list : catalog::kindKeys(kind).lists) {
        if (list.form == catalog::ListForm::Tree) {
            to.tree(list.id) = from.tree(list.id);
        } else {
            to.list(list.id) = from.list(list.id);
        }
    }
}

// "BackgroundColor" reads "Background color", "TextList2.txt" "Text list2" (the digit goes).
QString spokenName(QString key)
{
    key = key.section(u'.', 0, 0);
    QString spoken;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar letter = key.at(i);
        if (i > 0 && letter.isUpper()) {
            spoken += u' ';
            spoken += letter.toLower();
        } else {
            spoken += letter;
        }
    }
    return spoken;
}

bool sameValue(const settings::ValueSet& a, const settings::ValueSet& b, const QString& key,
               catalog::ValueForm form)
{
    switch (form) {
    case catalog::ValueForm::Color:
        return a.color(key) == b.color(key);
    case catalog::ValueForm::Choice:
        return a.choice(key) == b.choice(key);
    case catalog::ValueForm::Flag:
        return a.flag(key) == b.flag(key);
    case catalog::ValueForm::Text:
        break;
    }
    return a.text(key) == b.text(key);
}

// The first part of the kind that differs, in the page's order; "and more" when others do too.
QString changeName(const QString& kind, const settings::WorkingCopy& from,
                   const settings::WorkingCopy& to)
{
    QStringList changed;
    for (const catalog::CommonKey& key : catalog::commonKeys()) {
        if (!sameValue(from.common(), to.common(), key.name(), key.form)) {
            changed.append(spokenName(key.name()));
        }
    }
    for (const catalog::SettingKey& key : catalog::kindKeys(kind).keys) {
        if (!sameValue(from.specific(kind), to.specific(kind), key.name(), key.form)) {
            const QString label =
                key.label ? key.labelText().remove(u'&').remove(u':').trimmed() : QString();
            changed.append(label.isEmpty() ? spokenName(key.name()) : label);
        }
    }
    for (const catalog::ListFileSpec& list : catalog::kindKeys(kind).lists) {
        const bool same = list.form == catalog::ListForm::Tree
                              ? from.tree(list.id) == to.tree(list.id)
                              : from.list(list.id) == to.list(list.id);
        if (!same) {
            QString name = spokenName(list.name());
            while (!name.isEmpty() && name.back().isDigit()) {
                name.chop(1);
            }
            changed.append(name);
        }
    }
    if (changed.size() > 1) {
        return changed.constFirst() + u" and more"_s;
    }
    return changed.value(0);
}

settings::WorkingCopy kindPart(const QString& kind, const settings::WorkingCopy& copy)
{
    settings::WorkingCopy part;
    copyKindPart(kind, copy, part);
    return part;
}

} // namespace

void KindHistory::record(const QString& kind, const settings::WorkingCopy& copy)
{
    Steps& steps = m_kinds[kind];
    settings::WorkingCopy state = kindPart(kind, copy);
    if (steps.current >= 0 && steps.states[steps.current] == state) {
        return;
    }
    steps.states.resize(steps.current + 1);
    steps.states.append(std::move(state));
    if (steps.states.size() > kMaxSteps) {
        steps.states.removeFirst();
    }
    steps.current = steps.states.size() - 1;
}

bool KindHistory::canUndo(const QString& kind) const
{
    return m_kinds.value(kind).current > 0;
}

bool KindHistory::canRedo(const QString& kind) const
{
    const auto it = m_kinds.constFind(kind);
    return it != m_kinds.constEnd() && it->current + 1 < it->states.size();
}

bool KindHistory::undo(const QString& kind, settings::WorkingCopy& copy)
{
    if (!canUndo(kind)) {
        return false;
    }
    move(kind, -1, copy);
    return true;
}

bool KindHistory::redo(const QString& kind, settings::WorkingCopy& copy)
{
    if (!canRedo(kind)) {
        return false;
    }
    move(kind, 1, copy);
    return true;
}

QString KindHistory::undoName(const QString& kind, const settings::WorkingCopy& now) const
{
    const auto it = m_kinds.constFind(kind);
    if (it == m_kinds.constEnd() || it->current < 0) {
        return {};
    }
    const settings::WorkingCopy& current = it->states[it->current];
    if (!(kindPart(kind, now) == current)) {
        return changeName(kind, current, now);
    }
    return it->current > 0 ? changeName(kind, it->states[it->current - 1], current) : QString();
}

QString KindHistory::redoName(const QString& kind) const
{
    const auto it = m_kinds.constFind(kind);
    if (it == m_kinds.constEnd() || it->current + 1 >= it->states.size()) {
        return {};
    }
    return changeName(kind, it->states[it->current], it->states[it->current + 1]);
}

void KindHistory::move(const QString& kind, qsizetype by, settings::WorkingCopy& copy)
{
    Steps& steps = m_kinds[kind];
    steps.current += by;
    copyKindPart(kind, steps.states[steps.current], copy);
}

} // namespace morvane::ui
