#include "catalog/CommonParameters.h"
#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"
#include "ui/page/CommonSections.h"
#include "ui/page/KindSections.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

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
        if (field.key)
            keys.insert(QString::fromUtf16(field.key));
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

TEST(SpecificSectionRegistry, EntriesAreKindsNamedAfterTheirPanelsWithKeysOfTheirKeyTable)
{
    ASSERT_FALSE(SpecificSectionRegistry::entries().empty());
    for (const SpecificSectionEntry& entry : SpecificSectionRegistry::entries()) {
        const QString kind = QString::fromUtf16(entry.kind);
        SCOPED_TRACE(kind.toStdString());
        EXPECT_TRUE(catalog::isKind(kind));
        EXPECT_NE(kind, u"HexColor"_s);
        EXPECT_EQ(entry.section.name(), specificSectionName(kind));
        EXPECT_EQ(SpecificSectionRegistry::find(kind), &entry.section);
        EXPECT_GE(entry.section.help.size(), 1u);
        for (const FieldSpec& field : entry.section.fields) {
            if (!field.key)
                continue;
            const catalog::SettingKey* key =
                catalog::findSpecificKey(kind, QString::fromUtf16(field.key));
            ASSERT_NE(key, nullptr) << QString::fromUtf16(field.key).toStdString();
            EXPECT_EQ(formOf(field.control), key->form);
            if (!field.label) {
                EXPECT_FALSE(key->labelText().isEmpty());
            }
        }
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
