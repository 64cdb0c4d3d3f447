#pragma once

#include <QKeyCombination>

#include <array>
#include <span>

class QMenuBar;

namespace morvane::ui {

class ChooseAppletMenu;
class MainWindow;

// One item of a menu: what it says, the object name tests find it by, what it runs in the main
// window and its shortcuts. An item without text is a separator.
struct MenuItem {
    const char16_t* text;
    const char16_t* name;
    void (MainWindow::*run)();
    std::array<QKeyCombination, 2> keys{};
};

struct MenuTable {
    const char16_t* title;
    const char16_t* name;
    std::span<const MenuItem> items;
};

// The menus in the order of the menu bar: File, Tools, Applets Samples, Help (Edit and View are
// put in between by their owners). A new item is a row of the table in MainMenus.cpp. File's
// "Recent" follows its first item.
std::span<const MenuTable> mainMenus();

// Fills the window's menu bar from the tables, with the kinds' sample menu at the end of
// "Applets Samples", and gives that menu. F10 opens the first menu.
ChooseAppletMenu* addMainMenus(MainWindow& window);

} // namespace morvane::ui
