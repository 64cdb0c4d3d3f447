#include "ui/main/ChooseAppletMenu.h"

#include "catalog/Kinds.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
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

QPushButton* menuItemButton(QAction* action, QWidget* parent)
{
    auto* button = new QPushButton(action->text(), parent);
    button->setFlat(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
}

QFrame* columnBar(QWidget* parent)
{
    auto* bar = new QFrame(parent);
    bar->setFrameShape(QFrame::VLine);
    bar->setFrameShadow(QFrame::Sunken);
    return bar;
}

} // namespace

ChooseAppletMenu::ChooseAppletMenu(QWidget* parent)
    : QMenu(u"Choose Applet"_s, parent)
{
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
        }
        const QString kind = catalog::kindName(i);
        auto* action = new QAction(kind, this);
        action->setObjectName(u"chooseApplet_" % kind);
        connect(action, &QAction::triggered, this, [this, action] {
            closeMenuChain();
            Q_EMIT kindChosen(action->text());
        });
        column->addWidget(menuItemButton(action, panel));
        m_columns.last().append(action);
    }
    column->addStretch();

    auto* holder = new QWidgetAction(this);
    holder->setDefaultWidget(panel);
    addAction(holder);
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
