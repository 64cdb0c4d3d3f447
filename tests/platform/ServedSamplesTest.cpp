#include "HttpExchange.h"
#include "ShippedInstallation.h"

#include "catalog/Kinds.h"
#include "catalog/SamplePaths.h"
#include "platform/QtServices.h"
#include "settings/FirstRun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

// The installation as a user's first start leaves it, its samples served as the program serves
// them.
class ServedSamples : public ::testing::Test {
protected:
    ServedSamples()
    {
        test::stageShippedInstallation(app.path());
        const Outcome<settings::FirstRun> firstRun = settings::runFirstRun(app.path());
        EXPECT_TRUE(firstRun.ok()) << firstRun.message().toStdString();
    }

    QString path(const QString& relative) const { return QDir(app.path()).filePath(relative); }

    QUrl addressOf(const QString& page)
    {
        const Outcome<QString> address =
            preview.addressOf({catalog::servedSampleFolders(app.path()), app.path()},
                              catalog::servedSamplePath(app.path(), page));
        EXPECT_TRUE(address.ok()) << address.message().toStdString();
        return QUrl(address.valueOr(QString()));
    }

    QTemporaryDir app;
    QtPreviewServer preview;
};

// The local files a page names: its links and scripts, and the parameter values that are file
// names of the kinds the applets read.
QStringList referencesOf(const QByteArray& page)
{
    static const QRegularExpression attribute(u"\\b(src|href|value)=\"([^\"]*)\""_s);
    static const QRegularExpression fileValue(u"^[A-Za-z0-9_.-]+\\.(gif|jpe?g|png|au|dat|txt)$"_s,
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList references;
    for (const QRegularExpressionMatch& match : attribute.globalMatch(QString::fromUtf8(page))) {
        const QString value = match.captured(2);
        const bool link = match.captured(1) != u"value";
        if (link ? !value.contains(u':') && !value.startsWith(u'#')
                 : fileValue.match(value).hasMatch()) {
            references.append(value);
        }
    }
    return references;
}

TEST_F(ServedSamples, EveryPageLoadsWithEveryFileItNames)
{
    QStringList pages{catalog::allAppletsPage(app.path())};
    for (const QString& kind : catalog::kindNames()) {
        pages << catalog::samplePage(app.path(), kind) << catalog::sampleHelpPage(app.path(), kind);
    }
    QSet<QString> loaded;
    for (const QString& page : pages) {
        const QUrl address = addressOf(page);
        SCOPED_TRACE(address.toString().toStdString());
        const Answer answer = fetch(address);
        ASSERT_EQ(answer.status, 200);
        for (const QString& reference : referencesOf(answer.body)) {
            const QUrl file = address.resolved(QUrl(reference));
            EXPECT_EQ(fetch(file).status, 200) << reference.toStdString();
            loaded.insert(file.path().mid(1));
        }
    }
    for (const QString& needed :
         {u"runtime/morvane-applets.js"_s, u"samples/samples.css"_s, u"samples/Graph/data.dat"_s,
          u"samples/Table/data.txt"_s, u"samples/SoundPlayer/spacemusic.au"_s,
          u"samples/ScanImage/Cascade2.jpg"_s, u"samples/Memory/river_small.jpg"_s}) {
        EXPECT_TRUE(loaded.contains(needed)) << needed.toStdString();
    }
}

// Only the samples and the runtime are published: not the settings beside them, nor what a
// link inside them leads to.
TEST_F(ServedSamples, NothingOutsideTheSamplesAndTheRuntimeIsServed)
{
    QTemporaryDir decoy;
    QFile secret(QDir(decoy.path()).filePath(u"decoy.txt"_s));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("DECOY SECRET");
    secret.close();
    ASSERT_TRUE(QFile::link(secret.fileName(), path(u"samples/Graph/decoy.dat"_s)));
    ASSERT_TRUE(QFile::link(decoy.path(), path(u"samples/Graph/away"_s)));
    ASSERT_TRUE(QFile::link(app.path(), path(u"samples/Graph/up"_s)));
    ASSERT_TRUE(QFile::link(path(u"morvane.ini"_s), path(u"runtime/settings.txt"_s)));

    const QUrl graph = addressOf(catalog::samplePage(app.path(), u"Graph"_s));
    const QByteArray site = "/";
    const quint16 port = static_cast<quint16>(graph.port());
    const QByteArray host = "127.0.0.1:" + QByteArray::number(port);
    ASSERT_EQ(askServer(port, site + "samples/Graph/data.dat", "GET", host).status, 200);

    const QByteArray targets[] = {
        site + "morvane.ini",
        site + "cfg/CheckList2.txt",
        site + "images%26sounds/data.dat",
        site + "samples/../morvane.ini",
        site + "samples/Graph/../../morvane.ini",
        site + "runtime/../morvane.ini",
        site + "samples/%2e%2e/morvane.ini",
        site + "samples/Graph/%2E%2E/%2e%2e/morvane.ini",
        site + "samples/%2e%2e%2fmorvane.ini",
        site + "%2e%2e/morvane.ini",
        "/../morvane.ini",
        site + "samples/Graph/decoy.dat",
        site + "samples/Graph/away/decoy.txt",
        site + "samples/Graph/up/morvane.ini",
        site + "runtime/settings.txt",
    };
    for (const QByteArray& target : targets) {
        SCOPED_TRACE(target.toStdString());
        const Answer answer = askServer(port, target, "GET", host);
        EXPECT_TRUE(answer.status == 403 || answer.status == 404) << answer.status;
        EXPECT_FALSE(answer.body.contains("SECRET"));
        EXPECT_FALSE(answer.body.contains("[options]"));
    }
}

} // namespace
} // namespace morvane::platform
