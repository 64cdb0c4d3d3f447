#include "catalog/CommonParameters.h"
#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"
#include "generator/KindBlocks.h"
#include "ui/page/CommonSections.h"
#include "ui/page/KindSections.h"
#include "ui/page/editors/RecordKinds.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

using catalog::ListFileId;
using catalog::ValueForm;

std::optional<ValueForm> formOf(Control control)
{
    switch (control) {
    case Control::Edit:
    case Control::PathEdit:
    case Control::TargetDropDown:
        return ValueForm::Text;
    case Control::ColorSwatch:
        return ValueForm::Color;
    case Control::CheckBox:
        return ValueForm::Flag;
    case Control::RadioGroup:
        return ValueForm::Choice;
    case Control::Note:
    case Control::Group:
    case Control::ImageList:
    case Control::RecordList:
    case Control::LinkList:
    case Control::MenuTree:
        break;
    }
    return std::nullopt;
}

QSet<QString> keysOf(const SectionLayout& layout)
{
    QSet<QString> keys;
    for (const FieldSpec& field : layout.fields) {
        if (field.key) {
            keys.insert(QString::fromUtf16(field.key));
        }
    }
    return keys;
}

TEST(CommonSectionTables, EachSectionEditsExactlyTheKeysStoredWithItsParameter)
{
    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        const QStringList names = info.keyNames();
        EXPECT_EQ(keysOf(commonSection(info.id)), QSet<QString>(names.begin(), names.end()))
            << QString::fromUtf16(info.explorerNode).toStdString();
    }
}

TEST(CommonSectionTables, ControlsMatchTheFormsOfTheirKeys)
{
    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        for (const FieldSpec& field : commonSection(info.id).fields) {
            const catalog::CommonKey* key = catalog::findCommonKey(QString::fromUtf16(field.key));
            ASSERT_NE(key, nullptr);
            EXPECT_EQ(formOf(field.control), key->form) << key->name().toStdString();
        }
    }
}

// The list files a list editor stands for: a record list edits each of its record's columns.
QList<ListFileId> listFilesEditedBy(const FieldSpec& field, const QString& kind)
{
    const RecordKind* record = findRecordKind(kind);
    if (field.control != Control::RecordList || !record) {
        return {*field.list};
    }
    QList<ListFileId> files;
    for (const RecordColumn& column : record->columns) {
        files.append(column.file);
    }
    return files;
}

TEST(SpecificSectionRegistry, EveryKindButHexColorHasASectionInCatalogOrder)
{
    QStringList kinds;
    for (const SpecificSectionEntry& entry : SpecificSectionRegistry::entries()) {
        kinds.append(QString::fromUtf16(entry.kind));
    }
    QStringList expected = catalog::kindNames();
    expected.removeOne(u"HexColor"_s);
    EXPECT_EQ(kinds, expected);
}

TEST(SpecificSectionRegistry, EveryKeyAndListFileOfAKindIsShownByExactlyOneControl)
{
    for (const SpecificSectionEntry& entry : SpecificSectionRegistry::entries()) {
        const QString kind = QString::fromUtf16(entry.kind);
        SCOPED_TRACE(kind.toStdString());
        EXPECT_EQ(SpecificSectionRegistry::find(kind), &entry.section);
        QMap<QString, int> shown;
        for (const FieldSpec& field : entry.section.fields) {
            if (isListEditor(field.control)) {
                ASSERT_TRUE(field.list.has_value());
                EXPECT_EQ(field.key, nullptr);
                const catalog::ListFileSpec& list = catalog::listFileInfo(*field.list);
                EXPECT_EQ(QString::fromUtf16(list.kind), kind) << list.name().toStdString();
                EXPECT_EQ(list.form == catalog::ListForm::Tree, field.control == Control::MenuTree);
                // A record list goes by the column that counts its rows.
                EXPECT_EQ(list.countsItems, field.control == Control::RecordList);
                for (const ListFileId file : listFilesEditedBy(field, kind)) {
                    ++shown[catalog::listFileName(file)];
                }
                continue;
            }
            EXPECT_FALSE(field.list.has_value());
            if (!field.key) {
                EXPECT_TRUE(field.control == Control::Note || field.control == Control::Group);
                EXPECT_NE(field.label, nullptr);
                continue;
            }
            const QString key = QString::fromUtf16(field.key);
            const catalog::SettingKey* setting = catalog::findSpecificKey(kind, key);
            ASSERT_NE(setting, nullptr) << key.toStdString();
            EXPECT_EQ(formOf(field.control), setting->form) << key.toStdString();
            if (!field.label) {
                EXPECT_FALSE(setting->labelText().isEmpty());
            }
            if (field.placement == Placement::BesideItem) {
                EXPECT_EQ(field.control, Control::Edit);
            }
            ++shown[key];
        }
        QMap<QString, int> expected;
        for (const catalog::SettingKey& setting : catalog::kindKeys(kind).keys) {
            expected[setting.name()] = 1;
        }
        for (const catalog::ListFileSpec& list : catalog::kindKeys(kind).lists) {
            expected[list.name()] = 1;
        }
        EXPECT_EQ(shown, expected);
    }
}

// The files' names, sorted, for a failure to read.
std::string namesOf(const QSet<ListFileId>& files)
{
    QStringList names;
    for (const ListFileId file : files) {
        names.append(catalog::listFileName(file));
    }
    names.sort();
    return names.join(u", "_s).toStdString();
}

// A list file no step reads is edited and saved but never reaches the code; one that a step
// reads but its kind does not own is never loaded, so the step reads it empty.
TEST(ListFileTable, EachKindOwnsExactlyTheListFilesItsSectionEditsAndItsStepsRead)
{
    QMap<QString, QSet<ListFileId>> unclaimed;
    for (const catalog::ListFileSpec& row : catalog::kListFiles) {
        unclaimed[QString::fromUtf16(row.kind)].insert(row.id);
    }
    for (const QString& kind : catalog::kindNames()) {
        QSet<ListFileId> edited;
        if (const SectionLayout* section = SpecificSectionRegistry::find(kind)) {
            for (const FieldSpec& field : section->fields) {
                if (field.list) {
                    const QList<ListFileId> files = listFilesEditedBy(field, kind);
                    edited.unite(QSet<ListFileId>(files.begin(), files.end()));
                }
            }
        }
        QSet<ListFileId> read;
        for (const generator::Step& step : generator::kindSteps(kind)) {
            if (step.source.list) {
                read.insert(*step.source.list);
            }
            read.unite(QSet<ListFileId>(step.reads.begin(), step.reads.end()));
        }
        const QSet<ListFileId> owned = unclaimed.take(kind);
        EXPECT_EQ(namesOf(edited), namesOf(owned)) << kind.toStdString();
        EXPECT_EQ(namesOf(read), namesOf(owned)) << kind.toStdString();
    }
    EXPECT_TRUE(unclaimed.isEmpty()) << unclaimed.firstKey().toStdString();
}

// A path field browses with the filter its label calls for.
TEST(SpecificSectionRegistry, PathFieldsAreTheFieldsNamingAFileWithTheirFilter)
{
    for (const SpecificSectionEntry& entry : SpecificSectionRegistry::entries()) {
        const QString kind = QString::fromUtf16(entry.kind);
        for (const FieldSpec& field : entry.section.fields) {
            if (!field.key || isListEditor(field.control)) {
                continue;
            }
            const QString label =
                catalog::findSpecificKey(kind, QString::fromUtf16(field.key))->labelText();
            const bool path = label.endsWith(u"location :"_s) || label.endsWith(u"image :"_s) ||
                              label.endsWith(u"sound (optional) :"_s) ||
                              label == u"Data file :"_s ||
                              label == u"Image containing the letters :"_s ||
                              label == u"Image to display when an image is turned off :"_s;
            EXPECT_EQ(field.control == Control::PathEdit, path)
                << kind.toStdString() << " " << label.toStdString();
            if (!path) {
                continue;
            }
            const FileKind files = label == u"Data file :"_s    ? FileKind::AllFiles
                                   : label.contains(u"sound"_s) ? FileKind::Sounds
                                                                : FileKind::Images;
            EXPECT_EQ(field.files, files) << kind.toStdString() << " " << label.toStdString();
        }
    }
}

TEST(SpecificSectionRegistry, SectionHeights)
{
    const QMap<QString, int> heights = {
        {u"ButtonLink"_s, 217},
        {u"CheckBoxLink"_s, 274},
        {u"CropImages"_s, 279},
        {u"CropImages2"_s, 266},
        {u"CyclingColorsText"_s, 159},
        {u"DateText"_s, 119},
        {u"Deformation"_s, 141},
        {u"Fade"_s, 229},
        {u"Flickering"_s, 181},
        {u"FontImageScrolling"_s, 279},
        {u"Graph"_s, 243},
        {u"GuestBook"_s, 313},
        {u"ImageAxisRotation"_s, 87},
        {u"ImageConvex"_s, 137},
        {u"ImageConvex2"_s, 135},
        {u"ImageExtend"_s, 296},
        {u"ImageLight"_s, 179},
        {u"ImageLight2"_s, 146},
        {u"ImagePointer"_s, 154},
        {u"ImageStream"_s, 226},
        {u"ImageViewer"_s, 354},
        {u"ImageWhirl"_s, 118},
        {u"IPViewer"_s, 37},
        {u"LightOn"_s, 109},
        {u"ListLink"_s, 279},
        {u"LoginBox"_s, 295},
        {u"Memory"_s, 337},
        {u"MenuFrame"_s, 274},
        {u"MenuPopUp"_s, 351},
        {u"Navigation"_s, 295},
        {u"Polygons"_s, 423},
        {u"Protect"_s, 193},
        {u"Puzzle"_s, 203},
        {u"RandomImage"_s, 193},
        {u"RandomLink"_s, 288},
        {u"ScanImage"_s, 135},
        {u"Scrolling"_s, 185},
        {u"ScrollUpDown"_s, 273},
        {u"SoundPlayer"_s, 393},
        {u"Stars"_s, 129},
        {u"StarsText"_s, 240},
        {u"StarsText2"_s, 279},
        {u"StatusBarScroller"_s, 75},
        {u"Table"_s, 447},
        {u"TextStream"_s, 219},
        {u"TicTacToe"_s, 288},
        {u"WaveText"_s, 267},
        {u"WhoIsVisitor"_s, 81},
        {u"Zoom"_s, 270},
    };
    for (const SpecificSectionEntry& entry : SpecificSectionRegistry::entries()) {
        const QString kind = QString::fromUtf16(entry.kind);
        EXPECT_EQ(entry.section.height, heights.value(kind)) << kind.toStdString();
        // The page finds a section by its derived name; a table never spells one.
        EXPECT_EQ(entry.section.objectName, nullptr) << kind.toStdString();
    }
}

TEST(SectionHelp, SeventyNineIconsEachBesideAFieldOrGroupOfItsSection)
{
    qsizetype icons = 0;
    auto check = [&icons](const SectionLayout& layout, const QString& what) {
        SCOPED_TRACE(what.toStdString());
        EXPECT_GE(layout.help.size(), 1u);
        int bottom = 0;
        for (const HelpSpec& help : layout.help) {
            ++icons;
            EXPECT_FALSE(QString::fromUtf16(help.text).trimmed().isEmpty());
            if (!help.beside) {
                ++bottom;
                continue;
            }
            const bool found = std::any_of(
                layout.fields.begin(), layout.fields.end(), [&](const FieldSpec& field) {
                    const char16_t* anchor =
                        field.control == Control::Group ? field.label : field.key;
                    return anchor && QStringView(anchor) == QStringView(help.beside);
                });
            EXPECT_TRUE(found) << QString::fromUtf16(help.beside).toStdString();
        }
        EXPECT_EQ(bottom, 1); // one icon near the bottom-right corner
    };
    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        check(commonSection(info.id), QString::fromUtf16(info.explorerNode));
    }
    for (const SpecificSectionEntry& entry : SpecificSectionRegistry::entries()) {
        check(entry.section, QString::fromUtf16(entry.kind));
    }
    EXPECT_EQ(icons, 79);
}

TEST(SectionHelp, WordingsThatHoldAWebAddressUseTheExampleDomain)
{
    auto check = [](const SectionLayout& layout) {
        for (const HelpSpec& help : layout.help) {
            const QString text = QString::fromUtf16(help.text);
            if (text.contains(u"://"_s)) {
                EXPECT_TRUE(text.contains(u"https://www.example.com/"_s)) << text.toStdString();
            }
        }
    };
    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        check(commonSection(info.id));
    }
    for (const SpecificSectionEntry& entry : SpecificSectionRegistry::entries()) {
        check(entry.section);
    }
}

TEST(SpecificSectionRegistry, KindsWithoutAnEntryHaveNoSection)
{
    EXPECT_EQ(SpecificSectionRegistry::find(u"HexColor"_s), nullptr);
    EXPECT_EQ(SpecificSectionRegistry::find(u"stars"_s), nullptr); // names are case-sensitive
    EXPECT_EQ(SpecificSectionRegistry::find(QString()), nullptr);
}

} // namespace
} // namespace morvane::ui::page
