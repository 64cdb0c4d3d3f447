#include "ui/main/MainMenus.h"

#include "ui/MainWindow.h"
#include "ui/main/ChooseAppletMenu.h"
#include "ui/main/RecentMenu.h"

#include <QMenuBar>
#include <QShortcut>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

using Window = MainWindow;

// clang-format off
const MenuItem kFileMenu[] = {
    {u"&Publish...", u"publish", &Window::publish, {Qt::CTRL | Qt::SHIFT | Qt::Key_S}},
    {nullptr, nullptr, nullptr},
    {u"&Quit", u"quit", &Window::quit, {Qt::CTRL | Qt::Key_Q}},
};

const MenuItem kToolsMenu[] = {
    {u"&Wav2Au...", u"wav2au", &Window::convertWav},
    {u"&Options...", u"options", &Window::showOptions},
};

const MenuItem kSamplesMenu[] = {
    {u"&All Applets page...", u"allAppletsPage", &Window::openAllAppletsPage},
    {nullptr, nullptr, nullptr},
};

const MenuItem kHelpMenu[] = {
    {u"&Main Help", u"mainHelp", &Window::showGettingStarted, {Qt::CTRL | Qt::Key_H, QKeyCombination(Qt::Key_F1)}},
    {u"&Live support...", u"liveSupport", &Window::showLiveSupport},
    {u"&Tutorial", u"tutorial", &Window::showTutorial},
    {nullptr, nullptr, nullptr},
    {u"&About...", u"about", &Window::showAbout},
};

const MenuTable kMenus[] = {
    {u"&File", u"fileMenu", kFileMenu},
    {u"&Tools", u"toolsMenu", kToolsMenu},
    {u"Applets &Samples", u"samplesMenu", kSamplesMenu},
    {u"&Help", u"helpMenu", kHelpMenu},
};
// clang-format on

void addItems(MainWindow& window, QMenu* menu, std::span<const MenuItem> items)
{
    for (const MenuItem& item : items) {
        if (!item.text) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf16(item.text));
        action->setObjectName(QString::fromUtf16(item.name));
        QList<QKeySequence> keys;
        for (const QKeyCombination combination : item.keys) {
            if (combination.key() != Qt::Key_unknown) {
                keys.append(QKeySequence(combination));
            }
        }
        action->setShortcuts(keys);
        QObject::connect(action, &QAction::triggered, &window, item.run);
    }
}

} // namespace

std::span<const MenuTable> mainMenus()
{
    return kMenus;
}

ChooseAppletMenu* addMainMenus(MainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    ChooseAppletMenu* kinds = nullptr;
    for (const MenuTable& table : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromUtf16(table.title));
        menu->setObjectName(QString::fromUtf16(table.name));
        addItems(window, menu, table.items);
        if (table.items.data() == std::data(kFileMenu)) {
            auto* recent = new RecentMenu(window.options().recentKinds, menu);
            menu->insertMenu(menu->actions().at(1), recent);
            QObject::connect(recent, &RecentMenu::kindChosen, &window,
                             &MainWindow::appletsListActivated);
        }
        if (table.items.data() == std::data(kSamplesMenu)) {
            kinds = new ChooseAppletMenu(menu);
            menu->addMenu(kinds);
            QObject::connect(kinds, &ChooseAppletMenu::kindChosen, &window,
                             &MainWindow::openSamplePage);
        }
    }
    // F10 opens the first menu, as in most desktop programs; Alt alone is the style's.
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F10), &window), &QShortcut::activated, bar,
                     [bar] { bar->setActiveAction(bar->actions().constFirst()); });
    return kinds;
}

} // namespace morvane::ui
