#pragma once

#include "platform/fakes/FakeServices.h"
#include "ui/MainWindow.h"

#include <QDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace morvane::ui::test {

// A fresh copy of the shipped installation in a temporary folder, with an empty test folder.
class InstallDir {
public:
    InstallDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const;
    QString read(const QString& relative) const;
    // The value of a key in the installation's morvane.ini.
    QString setting(const QString& section, const QString& key) const;
    QStringList filesIn(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};

// A main window on an installation copy, with recording fakes and modal windows that never
// block: each one "shown" is recorded and answered by `onDialog`.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    MainWindow& window();
    void makeWindow();
    // Opens the kind's page and checks that it is in view.
    void openKind(const QString& kind);

    InstallDir install;
    platform::FakeServices fakes;
    QList<QDialog*> shownDialogs;
    std::function<int(QDialog&)> onDialog;

private:
    std::unique_ptr<MainWindow> m_window;
};

// The same window shown and active, for tests that press keys or click: shortcuts and focus
// answer in the active window only.
class ShownWindowTest : public MainWindowTest {
protected:
    void SetUp() override;
};

} // namespace morvane::ui::test
