#include "base/ColorRef.h"
#include "catalog/CommonParameters.h"
#include "catalog/Kinds.h"
#include "platform/fakes/FakeServices.h"
#include "ui/page/ColorSwatch.h"
#include "ui/page/CommonSections.h"
#include "ui/page/HelpIcon.h"
#include "ui/page/KindSections.h"
#include "ui/page/ParameterPage.h"
#include "ui/page/SectionPanel.h"
#include "ui/page/TextWrap.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

// What Tab stops at, as the user sees it: a radio group is one stop (Tab enters it at its
// chosen button), and a list editor is one stop whose inside is its own business.
QWidget* stopOf(QWidget* widget, QWidget* panel)
{
    for (QWidget* up = widget; up && up != panel; up = up->parentWidget()) {
        if (up->parentWidget() == panel && up->objectName().endsWith(u".txt"_s)) {
            return up;
        }
    }
    if (qobject_cast<QRadioButton*>(widget)) {
        return widget->parentWidget();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget->parentWidget())) {
        return combo; // its line edit
    }
    return widget;
}

QRect rectIn(const QWidget* widget, const QWidget* panel)
{
    return QRect(widget->mapTo(panel, QPoint(0, 0)), widget->size());
}

// Reading order: rows from top to bottom (a row is a run of stops whose heights overlap), left
// to right within a row.
QList<QWidget*> inReadingOrder(QList<QWidget*> stops, const QWidget* panel)
{
    std::sort(stops.begin(), stops.end(), [panel](const QWidget* a, const QWidget* b) {
        return rectIn(a, panel).top() < rectIn(b, panel).top();
    });
    QList<QList<QWidget*>> rows;
    int rowBottom = -1;
    for (QWidget* stop : stops) {
        const QRect rect = rectIn(stop, panel);
        if (rows.isEmpty() || rect.top() > rowBottom) {
            rows.append(QList<QWidget*>());
            rowBottom = rect.bottom();
        }
        rows.last().append(stop);
        rowBottom = std::max(rowBottom, rect.bottom());
    }
    QList<QWidget*> ordered;
    for (QList<QWidget*>& row : rows) {
        std::stable_sort(row.begin(), row.end(), [panel](const QWidget* a, const QWidget* b) {
            return rectIn(a, panel).left() < rectIn(b, panel).left();
        });
        ordered.append(row);
    }
    return ordered;
}

QList<QWidget*> stopsOf(QWidget* panel)
{
    QList<QWidget*> stops;
    for (QWidget* widget : panel->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(panel)) {
            continue;
        }
        QWidget* stop = stopOf(widget, panel);
        if (!stops.contains(stop)) {
            stops.append(stop);
        }
    }
    return inReadingOrder(stops, panel);
}

QWidget* firstFocusableIn(QWidget* stop)
{
    for (QWidget* widget = stop; widget; widget = widget->nextInFocusChain()) {
        if ((widget == stop || stop->isAncestorOf(widget)) &&
            (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible()) {
            return widget;
        }
        if (widget->nextInFocusChain() == stop) {
            break;
        }
    }
    return stop;
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

class SectionKeyboard : public ::testing::Test {
protected:
    SectionKeyboard()
    {
        page.show();
        page.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
    }

    void open(const QString& kind)
    {
        page.loadFromCopy(kind);
        page.scrollToTop();
        page.assemble(kind, catalog::Support::all());
    }

    // Every common section, then every kind's specific section on its own page.
    template <typename Check> void forEverySection(const Check& check)
    {
        open(u"Stars"_s);
        for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
            check(page.findChild<QWidget*>(page::commonSection(info.id).name()),
                  QString::fromUtf16(info.explorerNode).toStdString());
        }
        for (const page::SpecificSectionEntry& entry : page::SpecificSectionRegistry::entries()) {
            const QString kind = QString::fromUtf16(entry.kind);
            open(kind);
            check(page.findChild<QWidget*>(page::specificSectionName(kind)), kind.toStdString());
        }
    }

    // Tab from the first stop: the stops in the order Tab reaches them, until focus leaves.
    QList<QWidget*> walk(QWidget* panel, QWidget* first)
    {
        first->setFocus(Qt::TabFocusReason);
        QList<QWidget*> reached;
        for (int step = 0; step < 200; ++step) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || !panel->isAncestorOf(focus)) {
                break;
            }
            QWidget* stop = stopOf(focus, panel);
            if (!reached.contains(stop)) {
                reached.append(stop);
            }
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return reached;
    }

    void check(QWidget* panel, const std::string& what)
    {
        SCOPED_TRACE(what);
        ASSERT_NE(panel, nullptr);
        const QList<QWidget*> stops = stopsOf(panel);
        ASSERT_FALSE(stops.isEmpty());
        const QList<QWidget*> reached = walk(panel, firstFocusableIn(stops.first()));
        auto names = [](const QList<QWidget*>& widgets) {
            QStringList all;
            for (QWidget* widget : widgets) {
                all.append(widget->objectName() + u"/"_s + accessibleName(widget));
            }
            return all.join(u" | "_s).toStdString();
        };
        EXPECT_EQ(names(reached), names(stops));

        for (QWidget* stop : stops) {
            const QString name = accessibleName(stop);
            EXPECT_FALSE(name.trimmed().isEmpty())
                << stop->metaObject()->className() << " " << stop->objectName().toStdString();
            if (qobject_cast<page::HelpIcon*>(stop)) {
                EXPECT_TRUE(name.startsWith(u"Help: "_s)) << name.toStdString();
            }
        }
        for (QRadioButton* button : panel->findChildren<QRadioButton*>()) {
            EXPECT_FALSE(accessibleName(button).isEmpty());
        }
    }

    QTemporaryDir appDir;
    settings::WorkingCopy copy;
    settings::Options options;
    platform::FakeServices fakes;
    ParameterPage page{PageContext{copy, fakes.services(), options, appDir.path()}};
};

TEST_F(SectionKeyboard, TabWalksEveryCommonSectionInReadingOrderAndEveryStopHasAName)
{
    open(u"Stars"_s);
    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        check(page.findChild<QWidget*>(page::commonSection(info.id).name()),
              QString::fromUtf16(info.explorerNode).toStdString());
    }
}

TEST_F(SectionKeyboard, TabWalksEverySpecificSectionInReadingOrderAndEveryStopHasAName)
{
    for (const page::SpecificSectionEntry& entry : page::SpecificSectionRegistry::entries()) {
        const QString kind = QString::fromUtf16(entry.kind);
        open(kind);
        check(page.findChild<QWidget*>(page::specificSectionName(kind)), kind.toStdString());
    }
}

// At the font of the machine running the test: nothing sticks out of the panel's inner bevel
// and no two widgets cover each other (group frames stand behind their fields by design). The
// fields line up: a section places its labels one way (beside or above their controls; a path
// field's above in any case), the controls after the labels that start rows stand in one
// column, and no wrapped text leaves a short last word alone on a line. All of it at the usual
// width and in a page made wider, whose sections take the room.
TEST_F(SectionKeyboard, EverySectionKeepsItsWidgetsInsideApartAndInLine)
{
    auto check = [](QWidget* panel, const std::string& what) {
        SCOPED_TRACE(what);
        ASSERT_NE(panel, nullptr);
        const QRect inside = panel->rect().adjusted(3, 3, -3, -3);
        QList<QWidget*> widgets;
        for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // A field's problem note lies over what follows it, as a tooltip would.
            const bool note = child->objectName().endsWith(u"Problem"_s);
            if (child->isVisibleTo(panel) && child->objectName() != u"group"_s && !note) {
                widgets.append(child);
            }
        }
        for (qsizetype i = 0; i < widgets.size(); ++i) {
            const QRect a = widgets[i]->geometry();
            EXPECT_TRUE(inside.contains(a)) << widgets[i]->metaObject()->className() << " "
                                            << widgets[i]->objectName().toStdString();
            for (qsizetype j = i + 1; j < widgets.size(); ++j) {
                EXPECT_FALSE(a.intersects(widgets[j]->geometry()))
                    << widgets[i]->objectName().toStdString() << " "
                    << widgets[j]->objectName().toStdString();
            }
        }

        QSet<bool> above; // of the labels that are not a path field's
        QSet<int> column; // lefts of the controls after the labels that start rows
        for (QWidget* widget : widgets) {
            auto* label = qobject_cast<QLabel*>(widget);
            if (!label) {
                continue;
            }
            const QStringList lines = label->text().split(u'\n');
            if (lines.size() > 1 && lines[lines.size() - 2].contains(u' ')) {
                EXPECT_TRUE(lines.back().contains(u' ') || lines.back().size() > 6) // "1000)"
                    << label->text().toStdString();
            }
            QWidget* control = label->buddy();
            if (!control) {
                continue;
            }
            const bool isAbove = label->geometry().bottom() < control->y();
            if (!panel->findChild<QWidget*>(control->objectName() + u"Browse"_s)) {
                above.insert(isAbove);
            }
            if (!isAbove && label->x() <= 20) {
                column.insert(control->x());
            }
        }
        for (QLineEdit* edit : panel->findChildren<QLineEdit*>()) {
            if (qobject_cast<QGroupBox*>(edit->parentWidget()) &&
                edit->parentWidget()->findChild<QRadioButton*>()) {
                column.insert(edit->mapTo(panel, QPoint(0, 0)).x());
            }
        }
        EXPECT_LE(above.size(), 1);
        EXPECT_LE(column.size(), 1);
    };
    for (const int extra : {0, 300}) {
        SCOPED_TRACE(extra);
        page.resize(ParameterPage::kWidth + extra, ParameterPage::kHeight);
        forEverySection([&](QWidget* panel, const std::string& what) {
            ASSERT_NE(panel, nullptr);
            EXPECT_EQ(panel->width(), page::SectionPanel::kWidth + extra) << what;
            check(panel, what);
        });
    }
}

// A hint too long for its row goes on at the next line, whole words only ("width/10)" is one).
TEST_F(SectionKeyboard, HintsBreakOnlyAtTheirBlanks)
{
    for (const page::SpecificSectionEntry& entry : page::SpecificSectionRegistry::entries()) {
        const QString kind = QString::fromUtf16(entry.kind);
        open(kind);
        QWidget* panel = page.findChild<QWidget*>(page::specificSectionName(kind));
        QStringList shown;
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            if (label->parentWidget() == panel) { // list editors' labels are their own
                EXPECT_FALSE(label->wordWrap()) << label->text().toStdString();
            }
            shown.append(QString(label->text()).replace(u'\n', u' '));
        }
        for (const page::FieldSpec& field : entry.section.fields) {
            if (field.hint) {
                EXPECT_TRUE(shown.contains(QString::fromUtf16(field.hint)))
                    << kind.toStdString() << " " << QString::fromUtf16(field.hint).toStdString();
            }
        }
    }
    const QFontMetrics metrics(QApplication::font());
    const QString hint = u"pixels (Default is applet width/10)"_s;
    const QString narrow =
        page::wrapAtBlanks(hint, metrics, metrics.horizontalAdvance(u"pixels"_s));
    EXPECT_EQ(narrow, u"pixels\n(Default\nis\napplet\nwidth/10)"_s);
    EXPECT_EQ(page::wrapAtBlanks(hint, metrics, 10000), hint);
}

TEST_F(SectionKeyboard, HelpIconsAreNamedAfterTheirSectionAndOpenWithSpace)
{
    open(u"GuestBook"_s);
    QWidget* panel = page.findChild<QWidget*>(u"ZPanelGuestBook"_s);
    auto* second = panel->findChild<page::HelpIcon*>(u"help2"_s);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(accessibleName(second), u"Help: GuestBook specific parameters, Labels"_s);
    EXPECT_EQ(accessibleName(panel->findChild<page::HelpIcon*>(u"help3"_s)),
              u"Help: GuestBook specific parameters"_s);
    EXPECT_EQ(accessibleName(page.findChild<QWidget*>(u"sectionDimensions"_s)
                                 ->findChild<page::HelpIcon*>(u"help"_s)),
              u"Help: Dimensions (required)"_s);

    second->setFocus(Qt::TabFocusReason);
    QTest::keyClick(second, Qt::Key_Space);
    ASSERT_EQ(fakes.messages.informations().size(), 1);
    EXPECT_EQ(fakes.messages.informations()[0],
              u"You can customize the guestbook labels. Try and see."_s);
}

TEST_F(SectionKeyboard, SpaceOnAFocusedSwatchOpensTheColorDialog)
{
    open(u"Stars"_s);
    QWidget* swatch = page.findChild<QWidget*>(u"ZPanelStars"_s)->findChild<QWidget*>(u"Color"_s);
    fakes.colors.setNextAnswer(0x123456);
    swatch->setFocus(Qt::TabFocusReason);
    QTest::keyClick(swatch, Qt::Key_Space);
    EXPECT_EQ(fakes.colors.calls().size(), 1);
    EXPECT_EQ(copy.specific(u"Stars"_s).color(u"Color"_s), 0x123456u);
}

// Within a section every control reads differently, and a swatch reads its label and color.
TEST_F(SectionKeyboard, NoTwoControlsOfASectionShareAName)
{
    const auto check = [](QWidget* panel, const std::string& what) {
        SCOPED_TRACE(what);
        ASSERT_NE(panel, nullptr);
        QMap<QString, QString> seen; // accessible name -> object name
        for (QWidget* widget : panel->findChildren<QWidget*>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(panel) ||
                qobject_cast<QRadioButton*>(widget)) {
                continue;
            }
            const QString name = accessibleName(widget);
            EXPECT_FALSE(seen.contains(name))
                << name.toStdString() << ": " << widget->objectName().toStdString() << " and "
                << seen.value(name).toStdString();
            seen.insert(name, widget->objectName());
            if (auto* swatch = qobject_cast<page::ColorSwatch*>(widget)) {
                EXPECT_TRUE(name.endsWith(u": "_s + htmlColor(swatch->color())))
                    << name.toStdString();
            }
        }
    };
    forEverySection(check);
}

} // namespace
} // namespace morvane::ui
