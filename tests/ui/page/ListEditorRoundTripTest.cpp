#include "ListEditorHarness.h"

#include "ShippedInstallation.h"
#include "base/ColorRef.h"
#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"
#include "generator/Generator.h"
#include "generator/Html.h"
#include "settings/AtomicFile.h"
#include "settings/FirstRun.h"
#include "settings/ListFiles.h"
#include "settings/SettingsStore.h"
#include "settings/TextCodec.h"
#include "ui/page/ColorSwatch.h"
#include "ui/page/KindSections.h"
#include "ui/page/ParameterPage.h"
#include "ui/page/editors/RecordKinds.h"
#include "ui/page/editors/RecordListModel.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

QTemporaryDir* installation = nullptr;

QString appDir()
{
    return installation->path();
}

// A shipped installation after its first run, shared by every kind: each writes its own lists.
class InstallationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        installation = new QTemporaryDir;
        morvane::test::stageShippedInstallation(appDir());
        QDir(appDir()).mkpath(u"media"_s);
        QDir(appDir()).mkpath(u"test"_s);
        ASSERT_TRUE(settings::runFirstRun(appDir()).ok());
    }
    void TearDown() override { delete installation; }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new InstallationEnvironment);

QString newMediaFile(const QString& name)
{
    const QString path = QDir(appDir()).filePath(u"media/"_s + name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return path;
}

// The list editor of a kind as the page shows it when the kind's section table names one;
// until then built alone, as the table will name it.
class KindEditor {
public:
    KindEditor(const QString& kind, EditorHarness& harness)
        : m_kind(kind)
        , m_harness(harness)
    {
        if (const SectionLayout* section = SpecificSectionRegistry::find(kind)) {
            for (const FieldSpec& field : section->fields) {
                if (isListEditor(field.control)) {
                    m_field = field;
                }
            }
        }
        if (m_field.list) {
            m_page = std::make_unique<ParameterPage>(
                PageContext{harness.copy, harness.fakes.services(), harness.options, appDir()},
                &harness.window);
            m_page->show();
            m_page->loadFromCopy(kind);
            m_page->assemble(kind, catalog::Support::all());
            QWidget* panel = m_page->findChild<QWidget*>(specificSectionName(kind));
            harness.editor = panel->findChild<QWidget*>(catalog::listFileName(*m_field.list));
            return;
        }
        const catalog::ListFileSpec* key = nullptr;
        for (const catalog::ListFileSpec& file : catalog::kindKeys(kind).lists) {
            if (!key || file.countsItems) {
                key = &file;
            }
        }
        m_field.list = key->id;
        m_field.control = key->form == catalog::ListForm::Tree ? Control::MenuTree
                          : findRecordKind(kind)               ? Control::RecordList
                          : kind == u"RandomLink"              ? Control::LinkList
                                                               : Control::ImageList;
        harness.build(m_field, kind);
    }

    Control control() const { return m_field.control; }
    catalog::ListFileId list() const { return *m_field.list; }

    // What opening a page does: the values of `kind` loaded into the copy, then shown.
    void open(const QString& kind)
    {
        ASSERT_TRUE(settings::loadKind(appDir(), kind, m_harness.copy).ok());
        if (m_page) {
            m_page->loadFromCopy(kind);
        } else if (kind == m_kind) {
            m_harness.load();
        }
    }

private:
    QString m_kind;
    EditorHarness& m_harness;
    FieldSpec m_field{};
    std::unique_ptr<ParameterPage> m_page;
};

// What the test typed into a kind's lists, and what the generated code must show of it.
struct Expected {
    QHash<catalog::ListFileId, QStringList> lists;
    settings::MenuTree tree;
    QStringList rows;          // as the editor shows them
    QStringList params;        // whole <param> lines
    QStringList paramValues;   // values that some <param> line carries
    QStringList passwordLines; // LoginBox: cfg/pass.txt
};

void clearRows(EditorHarness& h)
{
    while (!h.rows().isEmpty()) {
        h.clickRow(0);
        h.click(u"remove"_s);
    }
}

void fillLineList(EditorHarness& h, const QString& kind, catalog::ListFileId list, Control control,
                  Expected& expected)
{
    clearRows(h);
    for (int n = 1; n <= 3; ++n) {
        QString value;
        if (control == Control::LinkList) {
            value = kind + u"-link"_s + QString::number(n) + u".html"_s;
            h.child<QLineEdit>(u"linkEntry"_s)->setText(value);
            expected.paramValues.append(value);
        } else {
            value = newMediaFile(kind + QString::number(n) + u".gif"_s);
            h.fakes.files.setNextFileName(value);
            expected.paramValues.append(generator::fileNamePart(value));
        }
        h.click(u"add"_s);
        expected.lists[list].append(value);
        expected.rows.append(value);
    }
}

QString recordValue(const QString& kind, const RecordColumn& column, int n, EditorHarness& h)
{
    const QString entryName = column.name().chopped(4);
    switch (column.entry) {
    case Entry::Edit: {
        // Table names its columns by number.
        const QString value = kind == u"Table" ? QString::number(n + 1)
                                               : kind + u"-"_s + entryName + QString::number(n);
        h.child<QLineEdit>(entryName)->setText(value);
        return value;
    }
    case Entry::PathEdit: {
        const QString extension = column.files == FileKind::Sounds ? u".au"_s : u".gif"_s;
        const QString path = newMediaFile(kind + entryName + QString::number(n) + extension);
        h.fakes.files.setNextFileName(path);
        h.click(entryName + u"Browse"_s);
        return path;
    }
    case Entry::CheckBox:
        h.child<QCheckBox>(entryName)->setChecked(n % 2 == 0);
        return n % 2 == 0 ? u"yes"_s : u"no"_s;
    case Entry::Swatch:
        h.fakes.colors.setNextAnswer(0x102030u * quint32(n));
        QTest::mouseClick(h.child<ColorSwatch>(entryName), Qt::LeftButton);
        return QString::number(0x102030u * quint32(n));
    }
    return {};
}

void fillRecords(EditorHarness& h, const QString& kind, Expected& expected)
{
    clearRows(h);
    const RecordKind& record = *findRecordKind(kind);
    for (int n = 1; n <= 3; ++n) {
        QStringList values;
        for (const RecordColumn& column : record.columns) {
            const QString value = recordValue(kind, column, n, h);
            values.append(value);
            expected.lists[column.file].append(value);
            if (kind == u"LoginBox") {
                continue;
            }
            if (column.entry == Entry::PathEdit) {
                expected.paramValues.append(generator::fileNamePart(value));
            } else if (column.entry == Entry::Edit && kind != u"Table") {
                expected.paramValues.append(value);
            }
        }
        h.click(u"add"_s);
        expected.rows.append(RecordListModel::displayLine(record, values));
        if (kind == u"LoginBox") {
            expected.passwordLines.append(values.join(u' '));
        }
        if (kind == u"Table") {
            expected.params.append(generator::paramLine(u"columns_color"_s + values[0],
                                                        htmlColor(values[1].toUInt())));
        }
        if (kind == u"CheckBoxLink" && values[1] == u"no") {
            expected.params.append(
                generator::paramLine(u"checked"_s + QString::number(n), u"no"_s));
        }
    }
}

void fillMenu(EditorHarness& h, const QString& kind, Expected& expected)
{
    auto* tree = h.child<QTreeWidget>(u"tree"_s);
    while (tree->topLevelItem(0)->childCount() > 0) {
        h.pressNode(tree->topLevelItem(0)->child(0));
        h.click(u"remove"_s);
    }
    const auto add = [&](QTreeWidgetItem* under, const QString& text, const QString& link) {
        h.pressNode(under);
        h.child<QLineEdit>(u"menuText"_s)->setText(text);
        h.child<QLineEdit>(u"menuLink"_s)->setText(link);
        h.click(u"add"_s);
    };
    add(tree->topLevelItem(0), kind + u"Home"_s, kind + u"-home.html"_s);
    add(tree->topLevelItem(0), kind + u"Products"_s, QString());
    add(tree->topLevelItem(0)->child(1), kind + u"Tools"_s, kind + u"-tools.html"_s);
    expected.tree =
        settings::parseTree({u"Root"_s, u"\t"_s + kind + u"Home # "_s + kind + u"-home.html"_s,
                             u"\t"_s + kind + u"Products"_s,
                             u"\t\t"_s + kind + u"Tools # "_s + kind + u"-tools.html"_s})
            .tree;
    expected.params = {generator::paramLine(u"text1"_s, kind + u"Home"_s),
                       generator::paramLine(u"link1"_s, kind + u"-home.html"_s),
                       generator::paramLine(u"text2"_s, kind + u"Products"_s),
                       generator::paramLine(u"text21"_s, kind + u"Tools"_s),
                       generator::paramLine(u"link21"_s, kind + u"-tools.html"_s)};
}

QStringList shownTree(EditorHarness& h)
{
    QStringList lines;
    std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
        lines.append(QString(depth, u'\t') + item->text(0));
        for (int i = 0; i < item->childCount(); ++i) {
            walk(item->child(i), depth + 1);
        }
    };
    auto* tree = h.child<QTreeWidget>(u"tree"_s);
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        walk(tree->topLevelItem(i), 0);
    }
    return lines;
}

QStringList kindsWithLists()
{
    QStringList kinds;
    for (const QString& kind : catalog::kindNames()) {
        if (!catalog::kindKeys(kind).lists.empty()) {
            kinds.append(kind);
        }
    }
    return kinds;
}

class ListEditorRoundTrip : public ::testing::TestWithParam<QString> {};

// Typed through the widgets, the lists survive a switch of kind, a save and a load into a
// fresh copy, and reach the generated code.
TEST_P(ListEditorRoundTrip, EntriesSurviveSwitchSaveAndLoadAndReachTheCode)
{
    const QString kind = GetParam();
    EditorHarness h(appDir());
    ASSERT_TRUE(settings::loadKind(appDir(), kind, h.copy).ok());
    KindEditor editor(kind, h);
    ASSERT_NE(h.editor, nullptr);

    Expected expected;
    if (editor.control() == Control::MenuTree) {
        fillMenu(h, kind, expected);
    } else if (editor.control() == Control::RecordList) {
        fillRecords(h, kind, expected);
    } else {
        fillLineList(h, kind, editor.list(), editor.control(), expected);
    }
    EXPECT_TRUE(h.fakes.messages.errors().isEmpty())
        << h.fakes.messages.errors().join(u'\n').toStdString();

    ASSERT_TRUE(settings::saveKind(appDir(), kind, h.copy));
    editor.open(u"Stars"_s);
    ASSERT_TRUE(settings::saveKind(appDir(), u"Stars"_s, h.copy));
    editor.open(kind);
    if (editor.control() == Control::MenuTree) {
        EXPECT_EQ(shownTree(h), settings::treeLines(expected.tree));
    } else {
        EXPECT_EQ(h.rows(), expected.rows);
    }

    ASSERT_TRUE(settings::saveKind(appDir(), kind, h.copy));
    settings::WorkingCopy fresh;
    const Outcome<settings::KindLoad> load = settings::loadKind(appDir(), kind, fresh);
    ASSERT_TRUE(load.ok());
    for (auto it = expected.lists.cbegin(); it != expected.lists.cend(); ++it) {
        EXPECT_EQ(fresh.list(it.key()), it.value())
            << catalog::listFileName(it.key()).toStdString();
    }
    if (editor.control() == Control::MenuTree) {
        EXPECT_EQ(fresh.tree(editor.list()), expected.tree);
    }

    const Outcome<generator::Generation> code =
        generator::generateClosed({kind, fresh, load->support, appDir()});
    ASSERT_TRUE(code.ok()) << code.message().toStdString();
    static const QRegularExpression value(u"value=\"([^\"]*)\""_s);
    QStringList values;
    for (const QString& line : code->lines) {
        if (const QRegularExpressionMatch match = value.match(line); match.hasMatch()) {
            values.append(match.captured(1));
        }
    }
    for (const QString& wanted : std::as_const(expected.paramValues)) {
        EXPECT_TRUE(values.contains(wanted)) << wanted.toStdString();
    }
    for (const QString& line : std::as_const(expected.params)) {
        EXPECT_TRUE(code->lines.contains(line)) << line.toStdString();
    }
    if (!expected.passwordLines.isEmpty()) {
        const Outcome<QString> pass =
            settings::readTextFile(settings::listFilePath(appDir(), u"pass.txt"_s), appDir());
        EXPECT_EQ(settings::splitLines(pass.valueOr(QString())), expected.passwordLines);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKindWithLists, ListEditorRoundTrip,
                         ::testing::ValuesIn(kindsWithLists()),
                         [](const auto& param) { return param.param.toStdString(); });

} // namespace
} // namespace morvane::ui::page
