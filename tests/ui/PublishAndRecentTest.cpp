#include "UiTestSupport.h"

#include "ui/Startup.h"
#include "ui/main/RecentMenu.h"
#include "ui/page/ParameterPage.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

QAction* action(MainWindow& window, const QString& name)
{
    QAction* found = window.findChild<QAction*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

TEST_F(MainWindowTest, PublishAsksBeforeReplacingAndTellsWhatItWrote)
{
    window().loadOptions();
    QAction* publish = action(window(), u"publish"_s);
    EXPECT_EQ(publish->shortcut(), QKeySequence(u"Ctrl+Shift+S"_s));
    EXPECT_FALSE(publish->isEnabled());
    openKind(u"Stars"_s);
    ASSERT_TRUE(publish->isEnabled());

    QTemporaryDir out;
    const QString page = QDir(out.path()).filePath(u"stars.html"_s);
    fakes.files.setNextFolder(out.path());
    publish->trigger();
    ASSERT_EQ(fakes.messages.errors(), QStringList());
    ASSERT_EQ(fakes.messages.informations().size(), 1);
    EXPECT_TRUE(fakes.messages.informations().back().startsWith(
        u"stars.html and the files it needs are in "_s));
    EXPECT_TRUE(QFile::exists(page));
    EXPECT_EQ(window().options().destinationFolder, out.path());

    // Declined: the author's edit stays and nothing is told as written.
    const struct {
        bool replace;
        QByteArray pageAfter;
    } answers[] = {{false, "edited"}, {true, QByteArray()}};
    for (const auto& answer : answers) {
        QFile edited(page);
        ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
        edited.write("edited");
        edited.close();
        fakes.messages.clear();
        fakes.files.setNextFolder(out.path());
        fakes.messages.setNextAnswer(answer.replace);
        publish->trigger();
        ASSERT_EQ(fakes.messages.questions().size(), 1);
        EXPECT_TRUE(fakes.messages.questions().front().contains(u"stars.html"_s));
        QFile after(page);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        if (answer.replace) {
            EXPECT_NE(after.readAll(), "edited");
            EXPECT_TRUE(fakes.messages.informations().back().contains(u"\nReplaced: stars.html"_s));
        } else {
            EXPECT_EQ(after.readAll(), answer.pageAfter);
            EXPECT_TRUE(fakes.messages.informations().isEmpty());
        }
    }
}

// The page's button copies what the HTML window would copy, and tells a value that fails instead.
TEST_F(MainWindowTest, CopyCodeOnThePageCopiesTheCodeWithoutTheHtmlWindow)
{
    window().loadOptions();
    openKind(u"Stars"_s);
    auto* copy = window().parameterPage()->findChild<QToolButton*>(u"copyCode"_s);
    ASSERT_NE(copy, nullptr);
    EXPECT_LE(copy->parentWidget()->sizeHint().width(), ParameterPage::kWidth);
    copy->click();
    EXPECT_EQ(fakes.messages.errors(), QStringList());
    const QString code = fakes.clipboard.text();
    EXPECT_TRUE(code.startsWith(u"<link rel=\"stylesheet\" href=\"morvane-applets.css\">\r\n"
                                u"<applet code=\"Stars.class\""_s))
        << code.toStdString();
    EXPECT_TRUE(code.contains(u"</applet>\r\n<script src=\"morvane-applets.js\""_s));
    EXPECT_TRUE(shownDialogs.isEmpty());

    window().workingCopy().common().setText(u"Width"_s, u"wide"_s);
    copy->click();
    EXPECT_EQ(fakes.messages.errors(), QStringList{u"Invalid width"_s});
    EXPECT_EQ(fakes.clipboard.text(), code);
}

TEST_F(MainWindowTest, RecentKindsOpenAgainFromTheMenuAndAtStartWhenAsked)
{
    window().loadOptions();
    auto* recent = window().findChild<RecentMenu*>(u"recentMenu"_s);
    ASSERT_NE(recent, nullptr);
    recent->rebuild();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_FALSE(recent->actions().front()->isEnabled());

    for (const QString& kind : {u"Fade"_s, u"Stars"_s, u"Zoom"_s, u"Fade"_s}) {
        openKind(kind);
    }
    recent->rebuild();
    QStringList texts;
    for (const QAction* item : recent->actions()) {
        texts.append(item->text());
    }
    EXPECT_EQ(texts, (QStringList{u"&1 Fade"_s, u"&2 Zoom"_s, u"&3 Stars"_s}));
    action(window(), u"recent_Stars"_s)->trigger();
    EXPECT_EQ(window().state().currentKind(), u"Stars");

    onDialog = [](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QCheckBox*>(u"reopenLast"_s)->setChecked(true);
        dialog.findChild<QPushButton*>(u"ok"_s)->click();
        return dialog.result();
    };
    window().showOptions();
    ASSERT_TRUE(window().closingStep());
    EXPECT_EQ(install.setting(u"options"_s, u"recent"_s), u"Stars,Fade,Zoom");
    EXPECT_EQ(install.setting(u"options"_s, u"reopenlast"_s), u"yes");

    for (const bool reopen : {true, false}) {
        makeWindow();
        window().loadOptions();
        window().options().reopenLastApplet = reopen;
        reopenLastApplet(window());
        EXPECT_EQ(window().state().currentKind(), reopen ? u"Stars"_s : QString());
    }
}

} // namespace
} // namespace morvane::ui::test
