#include "ShippedInstallation.h"
#include "TestFiles.h"

#include "catalog/SamplePaths.h"
#include "generator/FileProbe.h"
#include "generator/Generator.h"
#include "generator/NeededFiles.h"
#include "generator/Publish.h"
#include "settings/FirstRun.h"
#include "settings/SettingsStore.h"
#include "settings/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace morvane;
using namespace Qt::StringLiterals;
using settings::Markup;

namespace {

using test::readTestFile;
using test::writeTestFile;

QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A copy of the shipped installation after its first run, shared by the tests: they only read it.
class Publish : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        installation = new QTemporaryDir;
        test::stageShippedInstallation(installation->path());
        ASSERT_TRUE(settings::runFirstRun(installation->path()));
    }
    static void TearDownTestSuite() { delete installation; }

    static QString app() { return installation->path(); }

    struct Published {
        Outcome<generator::PublishReport> report;
        generator::Generation code; // what the page holds and needs
    };

    static Published publish(const QString& kind, const QString& folder,
                             Markup markup = Markup::Applet, bool replace = false,
                             const std::function<void(settings::WorkingCopy&)>& edit = {})
    {
        settings::WorkingCopy values;
        const Outcome<settings::KindLoad> load = settings::loadKind(app(), kind, values);
        EXPECT_TRUE(load) << load.message().toStdString();
        if (edit) {
            edit(values);
        }
        const generator::GenerationInput input{kind, values, load->support, app(), true, markup};
        const Outcome<generator::Generation> code = generator::generateClosed(input);
        return {generator::publish({input, folder, replace}), code.valueOr({})};
    }

    static inline QTemporaryDir* installation = nullptr;
};

// One kind of each family: pictures, many pictures, sounds, data files, a guest book's file, a
// menu tree, LoginBox's password file, a script kind and a kind with no file at all.
TEST_F(Publish, ThePageAndEveryFileItNamesAndNothingElse)
{
    const struct {
        const char16_t* kind;
        Markup markup;
    } kinds[] = {
        {u"Fade", Markup::Modern},         {u"Navigation", Markup::Applet},
        {u"SoundPlayer", Markup::Modern},  {u"Graph", Markup::Applet},
        {u"Table", Markup::Modern},        {u"GuestBook", Markup::Applet},
        {u"MenuPopUp", Markup::Modern},    {u"LoginBox", Markup::Modern},
        {u"WhoIsVisitor", Markup::Modern}, {u"Stars", Markup::Applet},
    };
    for (const auto& row : kinds) {
        const QString kind = QString::fromUtf16(row.kind);
        SCOPED_TRACE(kind.toStdString());
        QTemporaryDir out;
        writeTestFile(QDir(out.path()).filePath(u"mine.html"_s), "the author's own page");

        const Published first = publish(kind, out.path(), row.markup);
        ASSERT_TRUE(first.report) << first.report.message().toStdString();
        ASSERT_TRUE(first.report->done);
        const QString page = generator::publishedPageName(kind);
        QStringList sources = catalog::classFiles(app(), kind) + first.code.media;
        const QStringList names =
            QStringList{page} + generator::neededFileNames(app(), kind, first.code.media);
        EXPECT_EQ(first.report->written, names);
        EXPECT_TRUE(first.report->replaced.isEmpty() && first.report->unchanged.isEmpty());

        QStringList expected = names + QStringList{u"mine.html"_s};
        expected.sort();
        EXPECT_EQ(namesIn(out.path()), expected);
        const QByteArray pageBytes = readTestFile(QDir(out.path()).filePath(page));
        EXPECT_EQ(pageBytes, settings::encodeText(settings::joinLines(
                                 generator::publishedPage(kind, first.code.lines))));
        EXPECT_TRUE(first.code.lines.contains(generator::runtimeScriptLine()));
        for (qsizetype i = 1; i < names.size(); ++i) {
            EXPECT_EQ(readTestFile(QDir(out.path()).filePath(names.at(i))),
                      readTestFile(generator::resolvePath(sources.at(i - 1), app())))
                << names.at(i).toStdString();
        }

        // Again: nothing to do. A changed file of its own is replaced only when allowed.
        const Published again = publish(kind, out.path(), row.markup);
        ASSERT_TRUE(again.report);
        EXPECT_EQ(again.report->unchanged, names);
        writeTestFile(QDir(out.path()).filePath(names.back()), "edited");
        const Published asked = publish(kind, out.path(), row.markup);
        ASSERT_TRUE(asked.report);
        EXPECT_FALSE(asked.report->done);
        EXPECT_EQ(asked.report->replaced, QStringList{names.back()});
        EXPECT_EQ(readTestFile(QDir(out.path()).filePath(names.back())), "edited");
        const Published replaced = publish(kind, out.path(), row.markup, true);
        ASSERT_TRUE(replaced.report);
        EXPECT_TRUE(replaced.report->done);
        EXPECT_EQ(replaced.report->replaced, QStringList{names.back()});
        EXPECT_EQ(replaced.report->unchanged, names.mid(0, names.size() - 1));
        EXPECT_NE(readTestFile(QDir(out.path()).filePath(names.back())), "edited");
        EXPECT_EQ(readTestFile(QDir(out.path()).filePath(u"mine.html"_s)), "the author's own page");
        EXPECT_EQ(namesIn(out.path()), expected);
    }
}

TEST_F(Publish, RefusedFoldersAndNamesLeaveEverythingAsItWas)
{
    QTemporaryDir outside;
    const QDir there(outside.path());
    const QString decoy = there.filePath(u"decoy.txt"_s);
    writeTestFile(decoy, "decoy");
    const QString site = there.filePath(u"site"_s);
    writeTestFile(QDir(site).filePath(u"mine.html"_s), "mine");

    const struct {
        const char* name;
        std::function<QString()> prepare; // gives the folder to publish into
        QString refusal;
    } cases[] = {
        {"the test folder", [] { return QDir(app()).filePath(u"test"_s); },
         u"Can't publish into the folder: "_s + QDir(app()).filePath(u"test"_s) +
             u" (it lies in the folder test that Morvane serves)"_s},
        {"a sample folder", [] { return catalog::sampleFolder(app(), u"Fade"_s); },
         u"that Morvane serves"_s},
        {"a new folder in the runtime's", [] { return QDir(app()).filePath(u"runtime/new"_s); },
         u"(it lies in the folder runtime that Morvane serves)"_s},
        {"the help folder, relative", [] { return u"help"_s; }, u"folder help that"_s},
        {"a link from the installation out",
         [&] {
             QFile::link(outside.path(), QDir(app()).filePath(u"away"_s));
             return QDir(app()).filePath(u"away/site"_s);
         },
         u"(a link leads outside "_s},
        {"a link into the samples",
         [&] {
             QFile::link(catalog::samplesFolder(app()), there.filePath(u"samples"_s));
             return there.filePath(u"samples"_s);
         },
         u"(it lies in the folder samples that Morvane serves)"_s},
        {"a file", [&] { return decoy; }, u"(not a folder)"_s},
        {"the page's name a link",
         [&] {
             QFile::link(decoy, QDir(site).filePath(u"stars.html"_s));
             return site;
         },
         u"Can't create the file: "_s + QDir(site).filePath(u"stars.html"_s) + u" (a link)"_s},
        {"the runtime's name a folder",
         [&] {
             QFile::remove(QDir(site).filePath(u"stars.html"_s));
             QDir(site).mkpath(u"morvane-applets.js"_s);
             return site;
         },
         u"(not a regular file)"_s},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const QString folder = row.prepare();
        const QStringList before = namesIn(site);
        const Published published = publish(u"Stars"_s, folder);
        ASSERT_FALSE(published.report);
        EXPECT_TRUE(published.report.message().contains(row.refusal))
            << published.report.message().toStdString();
        EXPECT_EQ(namesIn(site), before);
        EXPECT_FALSE(QFileInfo::exists(QDir(app()).filePath(u"runtime/new"_s)));
        EXPECT_TRUE(namesIn(QDir(app()).filePath(u"test"_s)).isEmpty());
    }
    EXPECT_EQ(readTestFile(decoy), "decoy");
    QFile::remove(QDir(app()).filePath(u"away"_s));
}

TEST_F(Publish, TwoNeededFilesOfOneNameAreRefused)
{
    QTemporaryDir out;
    const QString other = QDir(app()).filePath(u"other/chrismas.jpg"_s);
    writeTestFile(other, "another picture");
    const Published published =
        publish(u"Fade"_s, out.path(), Markup::Applet, false, [&](settings::WorkingCopy& values) {
            values.list(catalog::ListFileId::FadeImages).append(other);
        });
    ASSERT_FALSE(published.report);
    EXPECT_TRUE(published.report.message().startsWith(
        u"Two files the page needs have the name chrismas.jpg: "_s))
        << published.report.message().toStdString();
    EXPECT_TRUE(namesIn(out.path()).isEmpty());
}

} // namespace
