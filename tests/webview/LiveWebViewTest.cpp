// The live pane on the real web engine, under an X server: what is picked or typed on the page
// is drawn in the pane, and a value that fails its check is told there.

#include "LiveDriver.h"
#include "ShippedInstallation.h"

#include "ui/page/ParameterPage.h"

#include <QAccessible>
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

} // namespace
} // namespace morvane::test
