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

using morvane::platform::FakeServices;
using morvane::ui::HelpTab;
using morvane::ui::HelpWindow;

namespace {

const QStringList kPageFiles = {QStringLiteral("getting_started"),
                                QStringLiteral("step"),
                                QStringLiteral("versions_history"),
                                QStringLiteral("support"),
                                QStringLiteral("faq"),
                                QStringLiteral("tutorial"),
                                QStringLiteral("about")};

class HelpWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("help")));
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("samples/ImageWhirl")));
        for (const QString& page : kPageFiles)
            writePage(page, page + QStringLiteral(" page"));
        m_window = std::make_unique<HelpWindow>(m_dir.path(), m_fakes.services());
    }

    void writePage(const QString& page, const QString& text)
    {
        QFile file(m_dir.filePath(QStringLiteral("help/") + page + QStringLiteral(".rtf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi " + text.toLatin1() + "\\par}");
    }

    QString shownText() const
    {
        return m_window->findChild<QTextEdit*>(QStringLiteral("text"))->toPlainText();
    }

    void pressTab(int index)
    {
        auto* tabs = m_window->findChild<QTabBar*>(QStringLiteral("tabs"));
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
    auto* tabs = m_window->findChild<QTabBar*>(QStringLiteral("tabs"));
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions.append(tabs->tabText(i));
    EXPECT_EQ(
        captions,
        (QStringList{QStringLiteral("Getting started"), QStringLiteral("Step by step"),
                     QStringLiteral("Versions history"), QStringLiteral("Support and bugs report"),
                     QStringLiteral("FAQ"), QStringLiteral("Tutorial"), QStringLiteral("About")}));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Help"));
}

TEST_F(HelpWindowTest, EachTabPressShowsItsPage)
{
    m_window->show();
    for (int i = kPageFiles.size() - 1; i >= 0; --i) {
        pressTab(i);
        EXPECT_EQ(shownText(), kPageFiles.at(i) + QStringLiteral(" page"));
    }
    EXPECT_TRUE(m_fakes.messages.shown().isEmpty());
}

TEST_F(HelpWindowTest, OpensOnTheTabAskedForAndReadsAgainWhenShownAgain)
{
    m_window->selectTab(HelpTab::Tutorial);
    m_window->show();
    EXPECT_EQ(shownText(), QStringLiteral("tutorial page"));
    pressTab(4);
    EXPECT_EQ(m_window->currentTab(), HelpTab::Faq);
    EXPECT_EQ(shownText(), QStringLiteral("faq page"));
    m_window->hide();

    m_window->selectTab(HelpTab::GettingStarted);
    m_window->show();
    EXPECT_EQ(shownText(), QStringLiteral("getting_started page"));
    EXPECT_TRUE(m_fakes.messages.shown().isEmpty());
}

TEST_F(HelpWindowTest, PressOnTheSelectedTabReadsThePageAgain)
{
    m_window->show();
    writePage(QStringLiteral("getting_started"), QStringLiteral("edited"));
    pressTab(0);
    EXPECT_EQ(shownText(), QStringLiteral("edited"));
}

TEST_F(HelpWindowTest, UnreadablePageIsReportedAndThePreviousTextStays)
{
    m_window->show();
    ASSERT_TRUE(QFile::remove(m_dir.filePath(QStringLiteral("help/faq.rtf"))));
    pressTab(4);
    ASSERT_EQ(m_fakes.messages.errors().size(), 1);
    EXPECT_TRUE(m_fakes.messages.errors().first().contains(QStringLiteral("faq.rtf")));
    EXPECT_EQ(shownText(), QStringLiteral("getting_started page"));

    writePage(QStringLiteral("faq"), QStringLiteral("back again"));
    pressTab(4);
    EXPECT_EQ(shownText(), QStringLiteral("back again"));
    EXPECT_EQ(m_fakes.messages.errors().size(), 1);
}

TEST_F(HelpWindowTest, ParametersHelpOpensTheLowerCasedPageInTheFolderAsTyped)
{
    auto* kinds = m_window->findChild<QComboBox*>(QStringLiteral("kinds"));
    QStringList names;
    for (int i = 0; i < kinds->count(); ++i)
        names.append(kinds->itemText(i));
    EXPECT_EQ(names, morvane::catalog::kindNames());
    EXPECT_EQ(kinds->currentText(), QStringLiteral("ButtonLink"));

    kinds->setCurrentText(QStringLiteral("ImageWhirl"));
    click("parametersHelpButton");
    kinds->setCurrentText(QStringLiteral("No Such Kind"));
    click("parametersHelpButton");

    const auto& opened = m_fakes.shell.openedFiles();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].fileName, QStringLiteral("imagewhirl_help.htm"));
    EXPECT_EQ(QDir(opened[0].workingFolder).canonicalPath(),
              QDir(m_dir.filePath(QStringLiteral("samples/ImageWhirl"))).canonicalPath());
    EXPECT_EQ(opened[1].fileName, QStringLiteral("no such kind_help.htm"));
    EXPECT_TRUE(opened[1].workingFolder.endsWith(QStringLiteral("samples/No Such Kind")));
    EXPECT_TRUE(m_fakes.messages.shown().isEmpty());
}

TEST_F(HelpWindowTest, PrintsThePageInViewUnderTheHelpJobTitle)
{
    m_window->selectTab(HelpTab::Support);
    m_window->show();
    click("printButton");
    ASSERT_EQ(m_fakes.printer.jobs().size(), 1);
    EXPECT_EQ(m_fakes.printer.jobs()[0].jobTitle, QStringLiteral("Morvane help"));
    EXPECT_EQ(m_fakes.printer.jobs()[0].plainText, QStringLiteral("support page"));
}

TEST_F(HelpWindowTest, OkCloses)
{
    m_window->show();
    click("okButton");
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_window->result(), QDialog::Accepted);
}

} // namespace
