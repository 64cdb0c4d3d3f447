#include "UiTestSupport.h"

#include "ui/main/AppletsList.h"
#include "ui/main/Explorer.h"
#include "ui/options/OptionsDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

// Every way of leaving the options dialog without confirming; the dialog is shown first, as
// exec() would.
const struct {
    const char* name;
    void (*leave)(QDialog&);
} kCancels[] = {
    {"Cancel", [](QDialog& dialog) { dialog.findChild<QPushButton*>(u"cancel"_s)->click(); }},
    {"Escape", [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
    {"close button", [](QDialog& dialog) { dialog.close(); }},
};

TEST_F(MainWindowTest, ACancelledOptionsChoiceIsUndoneAndNeverAppliedByALaterOk)
{
    window().loadOptions();
    for (const auto& cancel : kCancels) {
        SCOPED_TRACE(cancel.name);
        onDialog = [&cancel](QDialog& dialog) {
            dialog.show();
            dialog.findChild<QCheckBox*>(u"hotTrack"_s)->setChecked(false);
            dialog.findChild<QCheckBox*>(u"runtime"_s)->setChecked(false);
            dialog.findChild<QCheckBox*>(u"markup"_s)->setChecked(true);
            cancel.leave(dialog);
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        };
        window().showOptions();
        EXPECT_TRUE(window().explorer()->hotTracking());

        onDialog = [](QDialog& dialog) {
            dialog.show();
            EXPECT_TRUE(dialog.findChild<QCheckBox*>(u"hotTrack"_s)->isChecked());
            EXPECT_TRUE(dialog.findChild<QCheckBox*>(u"runtime"_s)->isChecked());
            EXPECT_FALSE(dialog.findChild<QCheckBox*>(u"markup"_s)->isChecked());
            dialog.findChild<QPushButton*>(u"ok"_s)->click();
            return dialog.result();
        };
        window().showOptions();
        EXPECT_TRUE(window().explorer()->hotTracking());
        EXPECT_TRUE(window().appletsList()->hotTracking());
        ASSERT_TRUE(window().closingStep());
        EXPECT_EQ(install.setting(u"options"_s, u"hottrack"_s), u"yes");
        EXPECT_EQ(install.setting(u"options"_s, u"runtime"_s), u"yes");
        EXPECT_EQ(install.setting(u"options"_s, u"markup"_s), u"applet");
    }

    // A confirmed choice still goes through, and a cancel afterwards keeps it.
    onDialog = [](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QCheckBox*>(u"hotTrack"_s)->setChecked(false);
        dialog.findChild<QPushButton*>(u"ok"_s)->click();
        return dialog.result();
    };
    window().showOptions();
    onDialog = [](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QCheckBox*>(u"hotTrack"_s)->setChecked(true);
        dialog.findChild<QPushButton*>(u"cancel"_s)->click();
        return dialog.result();
    };
    window().showOptions();
    EXPECT_FALSE(window().optionsDialog()->hotTrackChecked());
    EXPECT_FALSE(window().explorer()->hotTracking());
    ASSERT_TRUE(window().closingStep());
    EXPECT_EQ(install.setting(u"options"_s, u"hottrack"_s), u"no");
}

// "OK" saves the options at once, as closing would, so that a crash afterwards keeps them; a save
// that fails is told.
TEST_F(MainWindowTest, OkSavesTheOptionsWithoutWaitingForTheClose)
{
    window().loadOptions();
    onDialog = [](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QCheckBox*>(u"hotTrack"_s)->setChecked(false);
        dialog.findChild<QCheckBox*>(u"runtime"_s)->setChecked(false);
        dialog.findChild<QCheckBox*>(u"markup"_s)->setChecked(true);
        dialog.findChild<QPushButton*>(u"ok"_s)->click();
        return dialog.result();
    };
    window().showOptions();
    EXPECT_EQ(install.setting(u"options"_s, u"hottrack"_s), u"no");
    EXPECT_EQ(install.setting(u"options"_s, u"runtime"_s), u"no");
    EXPECT_EQ(install.setting(u"options"_s, u"markup"_s), u"modern");
    EXPECT_TRUE(fakes.messages.errors().isEmpty());

    QFile::remove(install.file(u"morvane.ini"_s));
    QDir().mkpath(install.file(u"morvane.ini/blocked"_s));
    window().showOptions();
    ASSERT_EQ(fakes.messages.errors().size(), 1);
    EXPECT_TRUE(fakes.messages.errors().front().contains(install.file(u"morvane.ini"_s)))
        << fakes.messages.errors().front().toStdString();
}

TEST_F(MainWindowTest, HotTrackOtherThanExactlyYesIsOff)
{
    QString ini = install.read(u"morvane.ini"_s);
    ini.replace(u"hottrack=yes"_s, u"hottrack=Yes"_s);
    install.write(u"morvane.ini"_s, ini.toUtf8());
    window().loadOptions();
    EXPECT_FALSE(window().explorer()->hotTracking());
    ASSERT_TRUE(window().closingStep());
    EXPECT_EQ(install.setting(u"options"_s, u"hottrack"_s), u"no");
}

TEST_F(MainWindowTest, ClosingWithNoKindWritesNoKindSection)
{
    const QString before = install.read(u"morvane.ini"_s);
    window().loadOptions();
    window().options().lastFolder = u"/pictures"_s;
    window().options().customColors = {u"ColorA=0000FF"_s};
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(fakes.messages.errors().isEmpty());
    EXPECT_EQ(install.setting(u"directories"_s, u"last"_s), u"/pictures");
    EXPECT_EQ(install.read(u"cfg/customcolors.txt"_s), u"ColorA=0000FF\r\n");
    const QString after = install.read(u"morvane.ini"_s);
    const auto kinds = [](const QString& text) { return text.left(text.indexOf(u"[options]"_s)); };
    EXPECT_EQ(kinds(after), kinds(before));
}

TEST_F(MainWindowTest, ClosingSavesTheCurrentKind)
{
    openKind(u"Zoom"_s);
    window().workingCopy().common().setText(u"Height"_s, u"77"_s);
    EXPECT_TRUE(window().close());
    EXPECT_EQ(install.setting(u"Zoom"_s, u"Height"_s), u"77");
}

// A save that keeps failing must not keep the window open for ever: the user is asked.
TEST_F(MainWindowTest, AFailedClosingStepAsksBeforeQuittingWithoutIt)
{
    window().show();
    QFile::remove(install.file(u"cfg/customcolors.txt"_s));
    QDir().mkpath(install.file(u"cfg/customcolors.txt/blocked"_s));
    fakes.messages.setNextAnswer(false);
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    ASSERT_EQ(fakes.messages.questions().size(), 1);
    EXPECT_TRUE(
        fakes.messages.questions().front().contains(install.file(u"cfg/customcolors.txt"_s)));
    EXPECT_TRUE(fakes.messages.questions().front().endsWith(
        u"Quit anyway? The settings that could not be saved will be lost."));
    // What could be written is written.
    EXPECT_EQ(install.setting(u"options"_s, u"hottrack"_s), u"yes");

    fakes.messages.setNextAnswer(true);
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, TheFirstRunInstallsTheMediaAndShowsGettingStarted)
{
    window().runFirstRunStep();
    EXPECT_TRUE(QFile::exists(install.file(u"samples/Zoom/river.jpg"_s)));
    EXPECT_EQ(window().currentView(), window().helpPane());
    EXPECT_EQ(window().windowTitle(), u"Morvane 1.5.4: Help");
    ASSERT_NE(window().explorer()->currentItem(), nullptr);
    EXPECT_EQ(window().explorer()->currentItem(), window().explorer()->helpNode());
    EXPECT_EQ(install.setting(u"options"_s, u"first"_s), u"no");

    QFile::remove(install.file(u"samples/Zoom/river.jpg"_s));
    MainWindow again(install.path(), fakes.services());
    again.runFirstRunStep();
    EXPECT_FALSE(QFile::exists(install.file(u"samples/Zoom/river.jpg"_s)));
    EXPECT_EQ(again.currentView(), again.appletsList());
}

TEST_F(MainWindowTest, FirstInAnotherCaseIsNoFirstRun)
{
    QString ini = install.read(u"morvane.ini"_s);
    ini.replace(u"first=yes"_s, u"first=Yes"_s);
    install.write(u"morvane.ini"_s, ini.toUtf8());
    window().runFirstRunStep();
    EXPECT_FALSE(QFile::exists(install.file(u"samples/Zoom/river.jpg"_s)));
    EXPECT_EQ(window().currentView(), window().appletsList());
}

} // namespace
} // namespace morvane::ui::test
