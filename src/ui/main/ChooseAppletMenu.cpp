#include "ui/main/ChooseAppletMenu.h"

#include "catalog/Kinds.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace morvane::ui {

namespace {

QToolButton* menuItemButton(QAction* action, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFocusPolicy(Qt::TabFocus);
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
    : QMenu(QStringLiteral("Choose Applet"), parent)
{
    setObjectName(QStringLiteral("chooseAppletMenu"));
    connect(this, &QMenu::aboutToShow, this, &ChooseAppletMenu::ensureBuilt);
}

void ChooseAppletMenu::ensureBuilt()
{
    if (!m_columns.isEmpty()) {
        return;
    }
    auto* panel = new QWidget(this);
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
            close();
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

QList<QList<QAction*>> ChooseAppletMenu::columns()
{
    ensureBuilt();
    return m_columns;
}

} // namespace morvane::ui
