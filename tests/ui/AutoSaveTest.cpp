#include "UiTestSupport.h"

#include "settings/SettingsStore.h"
#include "ui/main/AutoSave.h"
#include "ui/page/ParameterPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <random>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

constexpr int kGenerousMs = 30000;

QLineEdit* field(MainWindow& window, const QString& key)
{
    return window.parameterPage()->findChild<QLineEdit*>(key);
}

void retype(MainWindow& window, const QString& key, const QString& text)
{
    QLineEdit* edit = field(window, key);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The settled edits are on disk without a view change, one save a burst; a save that keeps
// failing is told once, and again only after one succeeded.
TEST_F(MainWindowTest, EditsAreSavedOnceTheySettleAndAFailureIsToldOnce)
{
    openKind(u"Zoom"_s);
    AutoSave* autoSave = window().autoSave();
    autoSave->setDelay(std::chrono::milliseconds(5));
    QSignalSpy settled(autoSave, &AutoSave::settled);
    const QByteArray profile = install.read(u"morvane.ini"_s).toUtf8();
    const auto block = [this] {
        QFile::remove(install.file(u"morvane.ini"_s));
        QDir().mkpath(install.file(u"morvane.ini/blocked"_s));
    };

    struct Step {
        const char16_t* width;
        bool blocked;
        qsizetype errorsAfter;
    };
    for (const Step& step : {Step{u"401", false, 0}, Step{u"402", true, 1}, Step{u"403", true, 1},
                             Step{u"404", false, 1}, Step{u"405", true, 2}}) {
        const QString width = QString::fromUtf16(step.width);
        SCOPED_TRACE(width.toStdString());
        if (step.blocked) {
            block();
        } else if (QFileInfo(install.file(u"morvane.ini"_s)).isDir()) {
            QDir(install.file(u"morvane.ini"_s)).removeRecursively();
            install.write(u"morvane.ini"_s, profile);
        }
        settled.clear();
        retype(window(), u"Width"_s, width);
        ASSERT_TRUE(settled.wait(kGenerousMs));
        EXPECT_EQ(settled.size(), 1);
        EXPECT_FALSE(autoSave->pending());
        EXPECT_EQ(fakes.messages.errors().size(), step.errorsAfter);
        if (!step.blocked) {
            EXPECT_EQ(install.setting(u"Zoom"_s, u"Width"_s), width);
        }
    }
    // The edit that could not be saved is kept for the closing save.
    QDir(install.file(u"morvane.ini"_s)).removeRecursively();
    install.write(u"morvane.ini"_s, profile);
    ASSERT_TRUE(window().closingStep());
    EXPECT_EQ(install.setting(u"Zoom"_s, u"Width"_s), u"405");
}

// The real window is killed while it keeps editing and saving; every kill leaves the values
// typed before the last settled edit, in a settings file that loads whole.
TEST(AutoSaveCrash, AKilledWindowKeepsWhatWasTyped)
{
    InstallDir install;
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delayMicroseconds(0, 1500000);
    for (int run = 1; run <= 3; ++run) {
        const QString width = QString::number(500 + run);
        SCOPED_TRACE(width.toStdString());
        QProcess typist;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        typist.setProcessEnvironment(environment);
        typist.start(QString::fromUtf8(MORVANE_TYPING_CRASHER), {install.path(), u"Zoom"_s, width});
        ASSERT_TRUE(typist.waitForReadyRead(kGenerousMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return install.setting(u"Zoom"_s, u"Width"_s) == width; },
                                    kGenerousMs));
        QThread::usleep(static_cast<unsigned long>(delayMicroseconds(random)));
        typist.kill();
        typist.waitForFinished();

        settings::WorkingCopy loaded;
        const Outcome<settings::KindLoad> load =
            settings::loadKind(install.path(), u"Zoom"_s, loaded);
        ASSERT_TRUE(load.ok()) << load.message().toStdString();
        EXPECT_TRUE(load->notice.isEmpty()) << load->notice.toStdString();
        EXPECT_EQ(loaded.common().text(u"Width"_s), width);
    }
}

} // namespace
} // namespace morvane::ui::test
