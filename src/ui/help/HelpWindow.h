#pragma once

#include "platform/Services.h"
#include "ui/help/HelpTabs.h"

#include <QDialog>

class QComboBox;
class QTabBar;
class QTextDocument;
class QTextEdit;

namespace morvane::ui {

// The help viewer: one rich-text area under a strip of tabs, each tab a help page. The page of
// the selected tab is read again each time the viewer is shown and on every press on a tab.
// Its lines wrap at the window's width.
class HelpWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)

public:
    static constexpr QLatin1String kPrintJobTitle{"Morvane help"};

    HelpWindow(const QString& appDir, platform::Services services, QWidget* parent = nullptr);

    // Makes the tab the selected one; its page is read when the viewer is shown.
    void selectTab(HelpTab tab);
    // The kind whose parameters "Show specific parameters help" opens; nothing for none.
    void selectKind(const QString& kind);
    // Beside `owner` rather than over it, and not modal: the help is read next to the page it
    // explains. Shown again, it comes to the front where the user left it.
    void showBeside(const QWidget* owner);
    HelpTab currentTab() const;

    // Reads the selected tab's page into the text area. A page that cannot be read is reported
    // and the text shown before stays.
    bool loadCurrentPage();
    void showParametersHelp();
    void printPage();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_appDir;
    platform::Services m_services;
    QTabBar* m_tabs = nullptr;
    QTextEdit* m_text = nullptr;
    QTextDocument* m_page = nullptr; // the page in view once one has been read
    QComboBox* m_kinds = nullptr;
};

} // namespace morvane::ui
