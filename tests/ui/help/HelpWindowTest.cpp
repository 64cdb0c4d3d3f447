#include "ui/help/HelpWindow.h"
#include "catalog/Kinds.h"
#include "platform/fakes/FakeServices.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using morvane::platform::FakeServices;
using morvane::ui::HelpTab;
using morvane::ui::HelpWindow;

namespace {

const QStringList kPageFiles = {
    u"getting_started"_s, u"step"_s, u"versions_history"_s, u"support"_s, u"faq"_s,
    u"tutorial"_s,        u"about"_s};

class HelpWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(u"help"_s));
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(u"samples/ImageWhirl"_s));
        for (const QString& page : kPageFiles) {
            writePage(page, page + u" page"_s);
        }
        m_window = std::make_unique<HelpWindow>(m_dir.path(), m_fakes.services());
    }

    void writePage(const QString& page, const QString& text)
    {
        QFile file(m_dir.filePath(u"help/"_s + page + u".rtf"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi " + text.toLatin1() + "\\par}");
    }

    QString shownText() const { return m_window->findChild<QTextEdit*>(u"text"_s)->toPlainText(); }

    void pressTab(int index)
    {
        auto* tabs = m_window->findChild<QTabBar*>(u"tabs"_s);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }

    void click(const char* button)
    {
        m_window->findChild<QPushButton*>(QLatin1String(button))->click();
    }

    QTemporaryDir m_dir;
    FakeServices m_fakes;
    std::unique_ptr<HelpWindow> m_window;
};

TEST_F(HelpWindowTest, TabsInTheirOrder)
{
    auto* tabs = m_window->findChild<QTabBar*>(u"tabs"_s);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) {
        captions.append(tabs->tabText(i));
    }
    EXPECT_EQ(captions,
              (QStringList{u"Getting started"_s, u"Step by step"_s, u"Versions history"_s,
                           u"Support and bugs report"_s, u"FAQ"_s, u"Tutorial"_s, u"About"_s}));
    EXPECT_EQ(m_window->windowTitle(), u"Help"_s);
}

TEST_F(HelpWindowTest, EachTabPressShowsItsPage)
{
    m_window->show();
    for (int i = kPageFiles.size() - 1; i >= 0; --i) {
        pressTab(i);
        EXPECT_EQ(shownText(), kPageFiles.at(i) + u" page"_s);
    }
    EXPECT_TRUE(m_fakes.messages.shown().isEmpty());
}

TEST_F(HelpWindowTest, OpensOnTheTabAskedForAndReadsAgainWhenShownAgain)
{
    m_window->selectTab(HelpTab::Tutorial);
    m_window->show();
    EXPECT_EQ(shownText(), u"tutorial page"_s);
    pressTab(4);
    EXPECT_EQ(m_window->currentTab(), HelpTab::Faq);
    EXPECT_EQ(shownText(), u"faq page"_s);
    m_window->hide();

    m_window->selectTab(HelpTab::GettingStarted);
    m_window->show();
    EXPECT_EQ(shownText(), u"getting_started page"_s);
    EXPECT_TRUE(m_fakes.messages.shown().isEmpty());
}

TEST_F(HelpWindowTest, PressOnTheSelectedTabReadsThePageAgain)
{
    m_window->show();
    writePage(u"getting_started"_s, u"edited"_s);
    pressTab(0);
    EXPECT_EQ(shownText(), u"edited"_s);
}

TEST_F(HelpWindowTest, UnreadablePageIsReportedAndThePreviousTextStays)
{
    m_window->show();
    ASSERT_TRUE(QFile::remove(m_dir.filePath(u"help/faq.rtf"_s)));
    pressTab(4);
    ASSERT_EQ(m_fakes.messages.errors().size(), 1);
    EXPECT_TRUE(m_fakes.messages.errors().first().contains(u"faq.rtf"_s));
    EXPECT_EQ(shownText(), u"getting_started page"_s);

    writePage(u"faq"_s, u"back again"_s);
    pressTab(4);
    EXPECT_EQ(shownText(), u"back again"_s);
    EXPECT_EQ(m_fakes.messages.errors().size(), 1);
}

TEST_F(HelpWindowTest, ParametersHelpOpensTheLowerCasedPageInTheFolderAsTyped)
{
    auto* kinds = m_window->findChild<QComboBox*>(u"kinds"_s);
    QStringList names;
    for (int i = 0; i < kinds->count(); ++i) {
        names.append(kinds->itemText(i));
    }
    EXPECT_EQ(names, morvane::catalog::kindNames());
    EXPECT_EQ(kinds->currentText(), u"ButtonLink"_s);

    kinds->setCurrentText(u"ImageWhirl"_s);
    click("parametersHelpButton");
    kinds->setCurrentText(u"No Such Kind"_s);
    click("parametersHelpButton");

    const auto& opened = m_fakes.shell.openedFiles();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].fileName, u"imagewhirl_help.htm"_s);
    EXPECT_EQ(QDir(opened[0].workingFolder).canonicalPath(),
              QDir(m_dir.filePath(u"samples/ImageWhirl"_s)).canonicalPath());
    EXPECT_EQ(opened[1].fileName, u"no such kind_help.htm"_s);
    EXPECT_TRUE(opened[1].workingFolder.endsWith(u"samples/No Such Kind"_s));
    EXPECT_TRUE(m_fakes.messages.shown().isEmpty());
}

TEST_F(HelpWindowTest, PrintsThePageInViewUnderTheHelpJobTitle)
{
    m_window->selectTab(HelpTab::Support);
    m_window->show();
    click("printButton");
    ASSERT_EQ(m_fakes.printer.jobs().size(), 1);
    EXPECT_EQ(m_fakes.printer.jobs()[0].jobTitle, u"Morvane help"_s);
    EXPECT_EQ(m_fakes.printer.jobs()[0].plainText, u"support page"_s);
}

TEST_F(HelpWindowTest, OkCloses)
{
    m_window->show();
    click("okButton");
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_window->result(), QDialog::Accepted);
}

} // namespace
