#pragma once

#include "settings/Options.h"
#include "ui/main/WindowPlacement.h"

#include <QSize>

class QMainWindow;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTextEdit;
class QToolButton;
class QWidget;

namespace morvane::ui {

class AppletsList;
class Explorer;
class LivePane;

struct MainLayout {
    QStackedWidget* views; // the applets list, the help page and later the parameter page
    QTextEdit* helpPane;
    QPushButton* previewButton; // with its shortcut, as the HTML button

    QPushButton* htmlButton;
    QToolButton* helpIcon;
    QSplitter* splitter; // the explorer, then the views with the live pane
    LivePane* live;      // owned by `owner`
    // The client area's parts' widths and its usual and smallest heights, without the menu bar.
    MainMeasures measures;
};

// Lays out the window's client area at the classic places, at its usual size: the explorer on
// the left, the views on the right and below them the strip of the two buttons and the help
// icon, which it makes.
MainLayout layOutMain(QMainWindow* window, Explorer* explorer, AppletsList* appletsList,
                      settings::Options& options);

// Puts the buttons below the views back at the end of the Tab chain, after the fields a page
// has just added.
void keepButtonsLastInTabs(QMainWindow* window);

} // namespace morvane::ui
