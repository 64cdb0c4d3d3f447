#include "UiTestSupport.h"

#include "TestFiles.h"

#include "ShippedInstallation.h"
#include "settings/Profile.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace morvane::ui::test {

InstallDir::InstallDir()
{
    morvane::test::stageShippedInstallation(m_dir.path());
    QDir(m_dir.path()).mkpath(u"test"_s);
}

void InstallDir::write(const QString& relative, const QByteArray& bytes) const
{
    morvane::test::writeTestFile(file(relative), bytes);
}

QString InstallDir::read(const QString& relative) const
{
    QFile in(file(relative));
    if (!in.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(in.readAll());
}

QString InstallDir::setting(const QString& section, const QString& key) const
{
    return settings::Profile::load(settings::profilePath(path()), path())
        .valueOr({})
        .read(section, key, u"<missing>"_s);
}

QStringList InstallDir::filesIn(const QString& relative) const
{
    return QDir(file(relative)).entryList(QDir::Files, QDir::Name);
}

MainWindowTest::MainWindowTest()
    : onDialog([](QDialog&) { return int(QDialog::Accepted); })
{}

MainWindowTest::~MainWindowTest() = default;

void MainWindowTest::makeWindow()
{
    m_window = std::make_unique<MainWindow>(install.path(), fakes.services());
    m_window->setDialogRunner([this](QDialog& dialog) {
        shownDialogs.append(&dialog);
        return onDialog(dialog);
    });
}

MainWindow& MainWindowTest::window()
{
    if (!m_window) {
        makeWindow();
    }
    return *m_window;
}

void MainWindowTest::openKind(const QString& kind)
{
    window().openKindPage(kind);
    ASSERT_EQ(window().state().currentKind(), kind);
    ASSERT_EQ(window().state().view(), View::KindPage);
}

void ShownWindowTest::SetUp()
{
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
}

} // namespace morvane::ui::test
