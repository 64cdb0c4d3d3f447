// The live pane on the real web engine, under an X server: what is picked or typed on the page
// is drawn in the pane, and a value that fails its check is told there.

#include "LiveDriver.h"
#include "ShippedInstallation.h"

#include "ui/page/ParameterPage.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace morvane::test {
namespace {

using namespace Qt::StringLiterals;
using ui::ParameterPage;

// What a screen reader finds named under `node`.
QStringList accessibleNames(QAccessibleInterface* node)
{
    QStringList names;
    if (node) {
        names << node->text(QAccessible::Name);
        for (int i = 0; i < node->childCount(); ++i) {
            names << accessibleNames(node->child(i));
        }
    }
    return names;
}

TEST(LiveWebView, DrawsWhatIsTypedAndTellsWhatFails)
{
    QTemporaryDir appDir;
    stageShippedInstallation(appDir.path());
    LiveDriver live(appDir.path());
    ASSERT_NE(live.pane().view(), nullptr);
    // In place of a screen reader on the accessibility bus, which the test has none of: the
    // engine, started with the pane, builds the page's tree only while assistive technology is on.
    QAccessible::setActive(true);
    live.window().openKindPage(u"WaveText"_s);
    ParameterPage* page = live.window().parameterPage();
    const auto retype = [&](const QString& key, const QString& text) {
        auto* edit = page->findChild<QLineEdit*>(key);
        EXPECT_NE(edit, nullptr) << key.toStdString();
        edit->setFocus();
        QTest::keySequence(edit, QKeySequence::SelectAll);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        return edit;
    };
    // Nothing drawn over the background colour.
    retype(u"BackgroundImage"_s, QString());

    for (const ColorRef color : {ColorRef(0x2040C0), ColorRef(0x10E060)}) {
        live.pickColor(u"BackgroundColor"_s, color);
        EXPECT_TRUE(live.waitForPixel(rgbText(color)))
            << "pixel " << live.canvasPixel().toStdString() << ", message "
            << live.pane().message().toStdString();
    }

    retype(u"StatusbarMessage"_s, u"Waves of words"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return live.evaluate(u"document.querySelector('canvas')?.title ?? ''"_s) ==
               u"Waves of words";
    }));
    // The pane is named for what it is.
    EXPECT_EQ(live.pane().view()->accessibleName(), u"Live preview");
    // The applet itself is named in the page, by what it shows.
    retype(u"Text"_s, u"Words on the water"_s);
    QStringList names;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            names = accessibleNames(QAccessible::queryAccessibleInterface(live.pane().view()));
            return names.contains(u"Words on the water");
        },
        30000))
        << names.join(u" | ").toStdString();

    QLineEdit* width = retype(u"Width"_s, u"wide"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return live.pane().message() == u"Invalid width"; }));
    EXPECT_FALSE(live.canvasPixel().isEmpty()) << "the last applet stays behind the message";
    EXPECT_EQ(live.window().focusWidget(), width) << "the pane took the focus";
}

// Where the applet's canvas lies against the pane's visible area, in the page's own pixels.
const QString kCanvasInView = uR"((() => {
  const canvas = document.querySelector('canvas');
  if (!canvas) return '';
  const r = canvas.getBoundingClientRect();
  const whole = r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5;
  return whole ? 'whole' : 'cut ' + [r.left, r.top, r.right, r.bottom, innerWidth, innerHeight].join(' ');
})())"_s;

// Applets wider and taller than the pane lie whole in it as the window first opens; at 100 %
// every edge can be scrolled to, and a phone's or a tablet's width lays the page out as wide as
// that browser would.
TEST(LiveWebView, TheWholeAppletIsInViewAtEachScale)
{
    QTemporaryDir appDir;
    stageShippedInstallation(appDir.path());
    LiveDriver live(appDir.path());
    ASSERT_NE(live.pane().view(), nullptr);
    const auto trigger = [&](const char16_t* name) {
        auto* action = live.window().findChild<QAction*>(QString::fromUtf16(name));
        ASSERT_NE(action, nullptr);
        action->trigger();
    };
    for (const QString& kind : {u"Table"_s, u"GuestBook"_s}) {
        SCOPED_TRACE(kind.toStdString());
        trigger(u"liveFit");
        live.window().openKindPage(kind);
        QString where;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return (where = live.evaluate(kCanvasInView)) == u"whole"; }, 30000))
            << where.toStdString();
    }
    struct Width {
        const char16_t* action;
        int layoutWidth;
    };
    for (const Width& row : {Width{u"livePhone", 360}, Width{u"liveTablet", 768}}) {
        trigger(row.action);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return std::abs(live.evaluate(u"innerWidth"_s).toInt() - row.layoutWidth) <= 8;
        })) << live.evaluate(u"innerWidth"_s).toStdString();
    }
    trigger(u"liveActual");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return live.evaluate(u"String(devicePixelRatio)"_s) == u"1"; }));
    // Nothing lies left of or above the page's start, where no scrolling reaches, and the page
    // scrolls as far as the applet's far edges.
    EXPECT_EQ(live.evaluate(uR"((() => {
          const r = document.querySelector('canvas').getBoundingClientRect();
          const page = document.documentElement;
          return r.left >= 0 && r.top >= 0 && page.scrollWidth >= r.right + scrollX &&
                 page.scrollHeight >= r.bottom + scrollY ? 'reachable' : 'cut';
        })())"_s),
              u"reachable");
}

} // namespace
} // namespace morvane::test
