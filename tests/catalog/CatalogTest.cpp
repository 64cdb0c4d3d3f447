#include "catalog/Catalog.h"
#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace morvane::catalog;
using namespace Qt::StringLiterals;

namespace {

class MapReader final : public ProfileReader {
public:
    QHash<QString, QString> values; // "section/key" -> value
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override
    {
        return values.value(section + u'/' + key, defaultValue);
    }
};

TEST(Kinds, TableOrderAndMenuColumns)
{
    ASSERT_EQ(kindNames().size(), 50);
    EXPECT_EQ(kindName(0), u"ButtonLink");
    EXPECT_EQ(kindName(23), u"IPViewer");
    EXPECT_EQ(kindName(49), u"Zoom");
    EXPECT_EQ(kindIndex(u"Scrolling"_s) + 1, kindIndex(u"ScrollUpDown"_s));

    QList<int> columnStarts;
    for (int i = 0; i < kKindCount; ++i) {
        if (startsMenuColumn(i)) {
            columnStarts.append(i);
        }
    }
    EXPECT_EQ(columnStarts, (QList<int>{23, 45}));
    EXPECT_EQ(kindName(45), u"TextStream");
}

TEST(Kinds, NamesCompareExactly)
{
    EXPECT_TRUE(isKind(u"HexColor"_s));
    EXPECT_FALSE(isKind(u"hexcolor"_s));
    EXPECT_FALSE(isKind(u"HexColor "_s));
    EXPECT_EQ(kindName(50), QString());
}

TEST(Marks, AnyValueButNMeansSupported)
{
    MapReader ini;
    ini.values[u"Stars/BackgroundColor"_s] = u"0"_s;
    ini.values[u"Stars/Link"_s] = QString(); // present but empty: supported
    ini.values[u"Stars/OnloadSound"_s] = u"n"_s;
    ini.values[u"Stars/StatusbarMessage"_s] = u"N"_s;

    EXPECT_TRUE(supports(ini, u"Stars"_s, u"BackgroundColor"_s));
    EXPECT_TRUE(supports(ini, u"Stars"_s, u"Link"_s));
    EXPECT_FALSE(supports(ini, u"Stars"_s, u"OnloadSound"_s));
    EXPECT_TRUE(supports(ini, u"Stars"_s, u"StatusbarMessage"_s));
    EXPECT_FALSE(supports(ini, u"Stars"_s, u"OnclicSound"_s));

    const Support support = supportOf(ini, u"Stars"_s);
    EXPECT_TRUE(support.has(CommonParameter::Dimensions));
    EXPECT_TRUE(support.has(CommonParameter::NoJavaMessage));
    EXPECT_TRUE(support.has(CommonParameter::ClickLink));
    EXPECT_FALSE(support.has(CommonParameter::LoadSound));
    EXPECT_FALSE(support.has(CommonParameter::MouseOverColor));

    const Support none = supportOf(ini, u"Zoom"_s);
    EXPECT_TRUE(none.has(CommonParameter::Dimensions));
    EXPECT_FALSE(none.has(CommonParameter::BackgroundColor));
}

TEST(Marks, DescriptionDefaultsToNone)
{
    MapReader ini;
    ini.values[u"descriptions/Fade"_s] = u"Fades images"_s;
    EXPECT_EQ(description(ini, u"Fade"_s), u"Fades images");
    EXPECT_EQ(description(ini, u"Zoom"_s), u"none");
}

TEST(KeyTable, EveryKindButHexColorHasASpecificPart)
{
    for (const QString& kind : kindNames()) {
        const KindKeys& keys = kindKeys(kind);
        EXPECT_EQ(QStringView(keys.kind), kind);
        const bool hasOwn = !keys.keys.empty() || !keys.lists.empty();
        EXPECT_EQ(hasOwn, kind != u"HexColor") << kind.toStdString();
    }
    EXPECT_TRUE(kindKeys(u"NoSuchKind"_s).keys.empty());
}

TEST(KeyTable, DefaultsThatDifferFromTheUsualOnes)
{
    const auto defaultOf = [](const char16_t* kind, const char16_t* key) {
        const SettingKey* found =
            findSpecificKey(QString::fromUtf16(kind), QString::fromUtf16(key));
        return found ? found->defaultText() : u"<missing>"_s;
    };
    EXPECT_EQ(defaultOf(u"TicTacToe", u"Radio2Index"), u"1");
    EXPECT_EQ(defaultOf(u"TicTacToe", u"Radio1Index"), u"0");
    EXPECT_EQ(defaultOf(u"Puzzle", u"Color"), u"0");
    EXPECT_EQ(defaultOf(u"LightOn", u"OnColor"), u"65535");
    EXPECT_EQ(defaultOf(u"Stars", u"Color"), u"16777215");
    EXPECT_EQ(defaultOf(u"MenuFrame", u"MenuFrameTarget"), u"frame name");
    EXPECT_EQ(defaultOf(u"RandomLink", u"RandomImageTarget"), u"_self");
    EXPECT_EQ(defaultOf(u"Navigation", u"NavigationTarget"), u"_blank");
    EXPECT_EQ(defaultOf(u"StarsText", u"Scrollbar"), u"no");
}

TEST(KeyTable, ChoicesKnowTheirButtons)
{
    EXPECT_EQ(findSpecificKey(u"MenuPopUp"_s, u"Radio4Index"_s)->choiceCount(), 3);
    EXPECT_EQ(findSpecificKey(u"Table"_s, u"Radio16Index"_s)->choiceCount(), 3);
    EXPECT_EQ(findSpecificKey(u"Graph"_s, u"Radio14Index"_s)->choiceCaptions(),
              (QStringList{u"yes"_s, u"no"_s}));
}

TEST(KeyTable, ListFilesInLoadOrderWithTheirCountingList)
{
    const KindKeys& login = kindKeys(u"LoginBox"_s);
    ASSERT_EQ(login.lists.size(), 3u);
    EXPECT_EQ(login.lists[0].name(), u"LoginList4.txt");
    EXPECT_TRUE(login.lists[0].countsItems);
    EXPECT_FALSE(login.lists[2].countsItems);
    EXPECT_EQ(kindKeys(u"RandomImage"_s).lists[0].name(), u"ListBox5.txt");
    EXPECT_EQ(kindKeys(u"Zoom"_s).lists[0].name(), u"ListBox3.txt");
    EXPECT_EQ(kindKeys(u"MenuPopUp"_s).lists[0].form, ListForm::Tree);

    QStringList names;
    for (const ListFileSpec& listFile : allListFiles()) {
        names.append(listFile.name());
    }
    EXPECT_EQ(names.size(), 28);
    EXPECT_EQ(names.removeDuplicates(), 0);
}

} // namespace
