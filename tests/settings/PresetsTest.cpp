#include "settings/Presets.h"
#include "TestFiles.h"
#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"
#include "generator/FieldRules.h"
#include "settings/KindFile.h"
#include "settings/ListFiles.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::settings;
using namespace Qt::StringLiterals;
using test::readTestFile;
using test::writeTestFile;

namespace {

// The shipped settings and lists, which is all a kind file reads and writes.
void stageShippedSettings(const QString& appDir)
{
    const QDir data(QString::fromUtf8(MORVANE_DATA_DIR));
    writeTestFile(appDir + u"/morvane.ini"_s, readTestFile(data.filePath(u"morvane.ini"_s)));
    for (const QString& name : QDir(data.filePath(u"cfg"_s)).entryList(QDir::Files)) {
        writeTestFile(appDir + u"/cfg/"_s + name, readTestFile(data.filePath(u"cfg/"_s + name)));
    }
}

// What a kind file holds of a working copy.
struct KindPart {
    ValueSet common;
    ValueSet specific;
    QList<QStringList> lists;
    QList<MenuTree> trees;
    friend bool operator==(const KindPart&, const KindPart&) = default;
};

KindPart kindPart(const QString& kind, WorkingCopy& copy)
{
    KindPart part{copy.common(), copy.specific(kind), {}, {}};
    for (const catalog::ListFileSpec& list : catalog::kindKeys(kind).lists) {
        if (list.form == catalog::ListForm::Tree) {
            part.trees.append(copy.tree(list.id));
        } else {
            part.lists.append(copy.list(list.id));
        }
    }
    return part;
}

class PresetsTest : public ::testing::Test {
protected:
    void SetUp() override { stageShippedSettings(app()); }

    QString app() const { return m_app.path(); }
    QString outside(const QString& name) const { return m_outside.filePath(name); }

    WorkingCopy loaded(const QString& kind, catalog::Support* support = nullptr)
    {
        WorkingCopy copy;
        const Outcome<KindLoad> load = loadKind(app(), kind, copy);
        EXPECT_TRUE(load.ok()) << load.message().toStdString();
        if (support && load) {
            *support = load->support;
        }
        return copy;
    }

    QByteArray settingsBytes(const QString& kind) const
    {
        QByteArray bytes = readTestFile(profilePath(app()));
        for (const PendingFile& list : listFileContents(kind, WorkingCopy())) {
            bytes += readTestFile(QDir(app()).filePath(list.relativePath));
        }
        return bytes;
    }

    QTemporaryDir m_app;
    QTemporaryDir m_outside;
};

// Every kind's shipped settings come back equal through a preset and through an exported file,
// pass the generator's number rules, and a save after the load leaves morvane.ini and the list
// files exactly as a save of the values themselves writes them.
TEST_F(PresetsTest, EveryKindRoundTripsThroughPresetAndExport)
{
    for (const QString& kind : catalog::kindNames()) {
        SCOPED_TRACE(kind.toStdString());
        catalog::Support support;
        WorkingCopy original = loaded(kind, &support);
        ASSERT_TRUE(saveKind(app(), kind, original).ok);
        const QByteArray before = settingsBytes(kind);
        const ValueCheck check = generator::importCheck(kind, support);

        ASSERT_TRUE(savePreset(app(), kind, u"Round trip"_s, original).ok);
        WorkingCopy fromPreset;
        const Outcome<QString> load = loadPreset(app(), kind, u"Round trip"_s, fromPreset, check);
        ASSERT_TRUE(load.ok()) << load.message().toStdString();
        EXPECT_EQ(kindPart(kind, fromPreset), kindPart(kind, original));

        const QString exported = outside(kind + u".ini"_s);
        ASSERT_TRUE(exportKindFile(app(), exported, kind, original).ok);
        WorkingCopy imported;
        const Result import = importKindFile(exported, QString(), kind, imported, check);
        ASSERT_TRUE(import.ok) << import.message.toStdString();
        EXPECT_EQ(kindPart(kind, imported), kindPart(kind, original));

        ASSERT_TRUE(saveKind(app(), kind, fromPreset).ok);
        EXPECT_EQ(settingsBytes(kind), before);
    }
}

struct Hostile {
    const char* name;
    QString kind;
    std::function<QByteArray(QByteArray)> damage; // from the kind's exported file
    QString problem;
};

QByteArray replaced(QByteArray bytes, const char* from, const char* to)
{
    return bytes.replace(from, to);
}

// Each hostile file is refused with the problem named, and the working copy stays as it was.
TEST_F(PresetsTest, HostileImportsAreRefusedWholeWithTheProblemNamed)
{
    const std::vector<Hostile> table = {
        {"other kind", u"ListLink"_s,
         [](QByteArray b) -> QByteArray { return replaced(b, "[ListLink]", "[Zoom]"); },
         u"these are the settings of Zoom, not of ListLink"_s},
        {"no kind section", u"ListLink"_s,
         [](QByteArray b) -> QByteArray { return replaced(b, "[ListLink]", "[TextList.txt]"); },
         u"the section [TextList.txt] appears twice"_s},
        {"empty", u"ListLink"_s, [](QByteArray) -> QByteArray { return QByteArray(); },
         u"it holds no section [ListLink]"_s},
        {"unknown key", u"ListLink"_s,
         [](QByteArray b) -> QByteArray {
             return replaced(b, "ListLinkTarget=", "Bogus=1\r\nListLinkTarget=");
         },
         u"Bogus is not a setting of ListLink"_s},
        {"repeated key", u"ListLink"_s,
         [](QByteArray b) -> QByteArray {
             return replaced(b, "Width=200", "Width=200\r\nwidth=3");
         },
         u"width appears twice in [ListLink]"_s},
        {"unknown section", u"ListLink"_s,
         [](QByteArray b) -> QByteArray { return b + "[Elsewhere]\r\nA=1\r\n"; },
         u"the section [Elsewhere] is not one of ListLink's"_s},
        {"stray line", u"ListLink"_s, [](QByteArray b) -> QByteArray { return b + "rm -rf\r\n"; },
         u"neither a section nor a setting"_s},
        {"key before any section", u"ListLink"_s,
         [](QByteArray b) -> QByteArray { return "Width=3\r\n" + b; },
         u"line 1 lies outside any section"_s},
        {"missing list", u"ListLink"_s,
         [](QByteArray b) -> QByteArray { return b.left(b.indexOf("[LinkList.txt]")); },
         u"the list LinkList.txt is missing"_s},
        {"list lines out of order", u"ListLink"_s,
         [](QByteArray b) -> QByteArray {
             return replaced(b, "[LinkList.txt]\r\nLine1=", "[LinkList.txt]\r\nLine7=");
         },
         u"the list LinkList.txt holds Line7 where Line1 belongs"_s},
        {"uneven item lists", u"ListLink"_s,
         [](QByteArray b) -> QByteArray { return b + "Line99=http://example.org/\r\n"; },
         u"the list LinkList.txt holds Line99 where"_s},
        {"number", u"Polygons"_s,
         [](QByteArray b) -> QByteArray { return replaced(b, "Pause=30", "Pause=3x"); },
         u"Pause is not valid: \"3x\" (A whole number from 1 to 2147483647, or nothing)"_s},
        {"width", u"Polygons"_s,
         [](QByteArray b) -> QByteArray { return replaced(b, "Width=300", "Width=0"); },
         u"Width is not valid: \"0\" (A whole number from 1 to 2147483647)"_s},
        {"color", u"Polygons"_s,
         [](QByteArray b) -> QByteArray {
             return replaced(b, "BackgroundColor=0", "BackgroundColor=red");
         },
         u"the value of BackgroundColor is not a color number from 0 to 16777215: red"_s},
        {"choice", u"Polygons"_s,
         [](QByteArray b) -> QByteArray { return replaced(b, "Radio6Index=", "Radio6Index=7"); },
         u"the value of Radio6Index is not a choice from -1 to 2: 7"_s},
        {"flag", u"Polygons"_s,
         [](QByteArray b) -> QByteArray { return replaced(b, "Loop=no", "Loop=maybe"); },
         u"the value of Loop is neither yes nor no: maybe"_s},
        {"NUL", u"ListLink"_s, [](QByteArray b) -> QByteArray { return b.insert(5, '\0'); },
         u"it holds binary data, not settings"_s},
        {"control character", u"ListLink"_s,
         [](QByteArray b) -> QByteArray { return b.insert(5, '\x1b'); },
         u"it holds binary data, not settings"_s},
        {"too large", u"ListLink"_s,
         [](QByteArray b) -> QByteArray { return b + QByteArray(kMaxKindFileSize, ';'); },
         u"the file is larger than 4 MB"_s},
    };
    for (const Hostile& row : table) {
        SCOPED_TRACE(row.name);
        catalog::Support support;
        WorkingCopy copy = loaded(row.kind, &support);
        const QString path = outside(u"hostile.ini"_s);
        ASSERT_TRUE(exportKindFile(app(), path, row.kind, copy).ok);
        const QByteArray file = row.damage(readTestFile(path));
        writeTestFile(path, file);
        copy.specific(row.kind).setText(u"Marker"_s, u"kept"_s);
        const WorkingCopy before = copy;

        const Result import = importKindFile(path, QString(), row.kind, copy,
                                             generator::importCheck(row.kind, support));

        EXPECT_FALSE(import.ok);
        EXPECT_TRUE(import.message.startsWith(u"Can't read the settings in "_s + path + u": "_s));
        EXPECT_TRUE(import.message.contains(row.problem)) << import.message.toStdString();
        EXPECT_TRUE(copy == before);
    }
}

TEST_F(PresetsTest, PresetsAreNamedListedRenamedAndDeletedInTheirKindsFolder)
{
    const WorkingCopy copy = loaded(u"Fade"_s);
    for (const QString& name : {u"zeta"_s, u"Alpha"_s, u"beta 2"_s}) {
        ASSERT_TRUE(savePreset(app(), u"Fade"_s, name, copy).ok);
    }
    EXPECT_TRUE(QFile::exists(app() + u"/presets/Fade/Alpha.ini"_s));
    EXPECT_EQ(*listPresets(app(), u"Fade"_s), (QStringList{u"Alpha"_s, u"beta 2"_s, u"zeta"_s}));
    EXPECT_EQ(*listPresets(app(), u"Zoom"_s), QStringList());

    EXPECT_EQ(savePreset(app(), u"Fade"_s, u"zeta"_s, copy).message,
              u"A preset named \"zeta\" already exists."_s);
    EXPECT_TRUE(savePreset(app(), u"Fade"_s, u"zeta"_s, copy, Existing::Replace).ok);
    EXPECT_EQ(renamePreset(app(), u"Fade"_s, u"zeta"_s, u"Alpha"_s).message,
              u"A preset named \"Alpha\" already exists."_s);
    ASSERT_TRUE(renamePreset(app(), u"Fade"_s, u"zeta"_s, u"Omega"_s).ok);
    ASSERT_TRUE(deletePreset(app(), u"Fade"_s, u"Alpha"_s).ok);
    EXPECT_EQ(*listPresets(app(), u"Fade"_s), (QStringList{u"beta 2"_s, u"Omega"_s}));
    EXPECT_FALSE(deletePreset(app(), u"Fade"_s, u"Alpha"_s).ok);

    for (const QString& bad : {QString(), u"a/b"_s, u"..\\x"_s, u".hidden"_s, u"x:y"_s,
                               u"tab\there"_s, u"ends. "_s, QString(65, u'n')}) {
        SCOPED_TRACE(bad.toStdString());
        EXPECT_FALSE(presetNameProblem(bad).isEmpty());
        EXPECT_FALSE(savePreset(app(), u"Fade"_s, bad, copy).ok);
    }
}

// A preset that is a link leading out of the installation is neither read nor followed.
TEST_F(PresetsTest, PresetLinkedOutsideTheInstallationIsRefused)
{
    WorkingCopy copy = loaded(u"Fade"_s);
    ASSERT_TRUE(exportKindFile(app(), outside(u"decoy.ini"_s), u"Fade"_s, copy).ok);
    QDir().mkpath(app() + u"/presets/Fade"_s);
    ASSERT_TRUE(QFile::link(outside(u"decoy.ini"_s), app() + u"/presets/Fade/linked.ini"_s));

    const WorkingCopy before = copy;
    EXPECT_FALSE(loadPreset(app(), u"Fade"_s, u"linked"_s, copy).ok());
    EXPECT_TRUE(copy == before);
    EXPECT_EQ(*listPresets(app(), u"Fade"_s), QStringList());
    ASSERT_TRUE(deletePreset(app(), u"Fade"_s, u"linked"_s).ok);
    EXPECT_TRUE(QFile::exists(outside(u"decoy.ini"_s)));
}

} // namespace
