#include "CliRunner.h"
#include "ShippedInstallation.h"

#include "catalog/Kinds.h"
#include "catalog/SamplePaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

// A fresh installation staged from the shipped tree, after its first run.
class ShippedInstallation : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        app = new QTemporaryDir;
        morvane::test::stageShippedInstallation(app->path());
        QDir(app->path()).mkpath(u"test"_s);
        firstRun = new CliRun(runCli(app->path(), {u"first-run"_s}));
    }
    static void TearDownTestSuite()
    {
        delete firstRun;
        delete app;
    }

    static inline QTemporaryDir* app = nullptr;
    static inline CliRun* firstRun = nullptr;
};

TEST_F(ShippedInstallation, FirstRunInstallsTheMediaOnce)
{
    ASSERT_EQ(firstRun->exitCode, 0) << firstRun->err.toStdString();
    EXPECT_EQ(firstRun->out, u"Sample media installed\n");
    EXPECT_EQ(runCli(app->path(), {u"first-run"_s}).out, u"Not a first run: nothing to do\n");
}

TEST_F(ShippedInstallation, EveryKindGeneratesWithTheShippedSettings)
{
    for (const QString& kind : catalog::kindNames()) {
        const CliRun run = runCli(app->path(), {u"html"_s, kind});
        ASSERT_EQ(run.exitCode, 0) << kind.toStdString() << ": " << run.err.toStdString();

        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        const qsizetype marker = lines.indexOf(u"--- needed files"_s);
        ASSERT_GT(marker, 0) << kind.toStdString();
        const QDir sampleFolder(catalog::sampleFolder(app->path(), kind));
        const QDir cfg(QDir(app->path()).filePath(u"cfg"_s));
        for (const QString& needed : lines.mid(marker + 1)) {
            EXPECT_TRUE(sampleFolder.exists(needed) || cfg.exists(needed))
                << kind.toStdString() << " needs a missing file " << needed.toStdString();
        }

        // The shipped sample page shows exactly this code.
        QFile page(catalog::samplePage(QString::fromUtf8(MORVANE_DATA_DIR), kind));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
        const QString pageText = QString::fromUtf8(page.readAll());
        const QString code = lines.mid(0, marker).join(u"\r\n"_s) + u"\r\n"_s;
        EXPECT_TRUE(pageText.contains(code))
            << kind.toStdString() << ": sample page differs from the generated code; run "
            << "tools/make-samples.sh";

        // And shows it in the valid HTML5 markup too, as the option writes it.
        const CliRun modern =
            runCli(app->path(), {u"html"_s, u"--runtime"_s, u"--markup"_s, u"modern"_s, kind});
        ASSERT_EQ(modern.exitCode, 0) << kind.toStdString() << ": " << modern.err.toStdString();
        const QString modernCode = modern.out.left(modern.out.indexOf(u"\n--- needed files"_s));
        EXPECT_TRUE(pageText.contains(u"<pre>"_s + modernCode.toHtmlEscaped() + u"</pre>"_s))
            << kind.toStdString() << ": the modern code block differs; run tools/make-samples.sh";
        // Its list of needed files names the runtime's files the page fetches.
        const QStringList modernLines = modern.out.split(u'\n', Qt::SkipEmptyParts);
        for (const QString& needed :
             modernLines.mid(modernLines.indexOf(u"--- needed files"_s) + 1)) {
            EXPECT_TRUE(pageText.contains(u"<li><code>"_s + needed + u"</code></li>"_s))
                << kind.toStdString() << ": the sample page does not list " << needed.toStdString()
                << "; run tools/make-samples.sh";
        }
    }
}

} // namespace
