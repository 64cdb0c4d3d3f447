#include "ui/main/ChooseAppletMenu.h"

#include "catalog/Kinds.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWidgetAction>

using namespace Qt::StringLiterals;

namespace morvane::ui {

namespace {

// Looks and behaves like a menu item: left-aligned text, highlighted under the mouse.
const QString kItemStyle =
    u"QPushButton { text-align: left; border: none; padding: 3px 14px 3px 10px; }"
    "QPushButton:hover, QPushButton:focus { background: palette(highlight);"
    " color: palette(highlighted-text); }"_s;

QFrame* columnBar(QWidget* parent)
{
    auto* bar = new QFrame(parent);
    bar->setFrameShape(QFrame::VLine);
    bar->setFrameShadow(QFrame::Sunken);
    return bar;
}

// A menu's own accessible tree lists its actions, and the panel is one nameless action: the
// menu lists its entries instead.
class MenuAccessible final : public QAccessibleWidget {
public:
    explicit MenuAccessible(ChooseAppletMenu* menu)
        : QAccessibleWidget(menu, QAccessible::PopupMenu, QString(menu->title()).remove(u'&'))
    {}

    int childCount() const override { return int(menu()->entries().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const auto& entries = menu()->entries();
        return index >= 0 && index < entries.size()
                   ? QAccessible::queryAccessibleInterface(entries[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(menu()->entries().indexOf(qobject_cast<ChooseAppletEntry*>(child->object())));
    }

private:
    ChooseAppletMenu* menu() const { return static_cast<ChooseAppletMenu*>(widget()); }
};

class EntryAccessible final : public QAccessibleWidget {
public:
    explicit EntryAccessible(ChooseAppletEntry* entry)
        : QAccessibleWidget(entry, QAccessible::MenuItem, entry->text())
    {}

    QAccessibleInterface* parent() const override
    {
        for (QWidget* up = widget()->parentWidget(); up; up = up->parentWidget()) {
            if (qobject_cast<ChooseAppletMenu*>(up)) {
                return QAccessible::queryAccessibleInterface(up);
            }
        }
        return QAccessibleWidget::parent();
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            static_cast<ChooseAppletEntry*>(widget())->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1StringView(ChooseAppletMenu::staticMetaObject.className())) {
        return new MenuAccessible(static_cast<ChooseAppletMenu*>(object));
    }
    if (className == QLatin1StringView(ChooseAppletEntry::staticMetaObject.className())) {
        return new EntryAccessible(static_cast<ChooseAppletEntry*>(object));
    }
    return nullptr;
}

} // namespace

ChooseAppletEntry::ChooseAppletEntry(QAction* action, QWidget* parent)
    : QPushButton(action->text(), parent)
{
    setObjectName(action->objectName());
    setAccessibleName(action->text());
    setFlat(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QPushButton::clicked, action, &QAction::trigger);
}

ChooseAppletMenu::ChooseAppletMenu(QWidget* parent)
    : QMenu(u"&Choose Applet"_s, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(u"chooseAppletMenu"_s);
    connect(this, &QMenu::aboutToShow, this, &ChooseAppletMenu::ensureBuilt);
}

void ChooseAppletMenu::ensureBuilt()
{
    if (!m_columns.isEmpty()) {
        return;
    }
    auto* panel = new QWidget(this);
    panel->setStyleSheet(kItemStyle);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    QVBoxLayout* column = nullptr;
    for (int i = 0; i < catalog::kKindCount; ++i) {
        if (i == 0 || catalog::startsMenuColumn(i)) {
            if (column) {
                column->addStretch();
                row->addWidget(columnBar(panel));
            }
            column = new QVBoxLayout;
            column->setSpacing(0);
            row->addLayout(column);
            m_columns.append(QList<QAction*>());
            m_entryColumns.append(QList<ChooseAppletEntry*>());
        }
        const QString kind = catalog::kindName(i);
        auto* action = new QAction(kind, this);
        action->setObjectName(u"chooseApplet_" % kind);
        connect(action, &QAction::triggered, this, [this, action] {
            closeMenuChain();
            Q_EMIT kindChosen(action->text());
        });
        auto* entry = new ChooseAppletEntry(action, panel);
        entry->installEventFilter(this);
        column->addWidget(entry);
        m_columns.last().append(action);
        m_entryColumns.last().append(entry);
        m_entries.append(entry);
    }
    column->addStretch();
    panel->setFocusProxy(m_entries.constFirst());

    auto* holder = new QWidgetAction(this);
    holder->setDefaultWidget(panel);
    addAction(holder);
}

void ChooseAppletMenu::showEvent(QShowEvent* event)
{
    QMenu::showEvent(event);
    if (!m_entries.isEmpty()) {
        m_entries.constFirst()->setFocus(Qt::PopupFocusReason);
    }
}

// The entries are buttons, which leave the arrow keys and Enter to the menu; the menu would
// move among its actions, and the panel is a single one.
bool ChooseAppletMenu::eventFilter(QObject* watched, QEvent* event)
{
    auto* entry = qobject_cast<ChooseAppletEntry*>(watched);
    if (!entry) {
        return QMenu::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Enter) {
        entry->setFocus(Qt::MouseFocusReason); // one highlight, where the mouse is
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            entry->click();
            return true;
        }
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
            key == Qt::Key_Right) {
            if (ChooseAppletEntry* next = neighbour(entry, key)) {
                next->setFocus(Qt::OtherFocusReason);
                return true;
            }
            // Left from the first column closes this submenu, as in any menu.
            return key != Qt::Key_Left;
        }
    }
    return QMenu::eventFilter(watched, event);
}

ChooseAppletEntry* ChooseAppletMenu::neighbour(ChooseAppletEntry* entry, int key) const
{
    for (qsizetype col = 0; col < m_entryColumns.size(); ++col) {
        const qsizetype row = m_entryColumns[col].indexOf(entry);
        if (row < 0) {
            continue;
        }
        const auto& here = m_entryColumns[col];
        switch (key) {
        case Qt::Key_Up:
            return here[(row + here.size() - 1) % here.size()];
        case Qt::Key_Down:
            return here[(row + 1) % here.size()];
        default: {
            const qsizetype to = col + (key == Qt::Key_Right ? 1 : -1);
            if (to < 0 || to >= m_entryColumns.size()) {
                return nullptr;
            }
            const auto& there = m_entryColumns[to];
            return there[std::min(row, there.size() - 1)];
        }
        }
    }
    return nullptr;
}

void ChooseAppletMenu::closeMenuChain()
{
    // The items are widgets, so choosing one does not close the menus above, as an item would.
    for (QWidget* widget = this; auto* menu = qobject_cast<QMenu*>(widget);
         widget = widget->parentWidget()) {
        menu->close();
    }
}

QList<QList<QAction*>> ChooseAppletMenu::columns()
{
    ensureBuilt();
    return m_columns;
}

} // namespace morvane::ui
