#include "UiTestSupport.h"

#include "platform/ModuleLivePreview.h"
#include "platform/fakes/FakeLivePreview.h"
#include "ui/live/LivePane.h"
#include "ui/live/PaneControls.h"
#include "ui/live/PaneZoom.h"
#include "ui/page/ParameterPage.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include <string>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

class LivePreviewTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        fakes.preview.start(8123);
        window().setLivePreview([this](QWidget* parent) {
            pane = new platform::FakeLivePreview(parent);
            return pane;
        });
        window().runFirstRunStep(); // the samples' pictures, which the code checks
        ShownWindowTest::SetUp();
    }

    // Waits for the pane's next refresh; what it showed.
    std::string nextShown()
    {
        const qsizetype before = pane->shown().size();
        if (!QTest::qWaitFor([&] { return pane->shown().size() > before; })) {
            return "nothing";
        }
        return pane->shown().constLast().toStdString();
    }

    QLineEdit* field(const QString& key)
    {
        return window().parameterPage()->findChild<QLineEdit*>(key);
    }

    platform::FakeLivePreview* pane = nullptr;
};

// A pause in typing gives one page with the values typed, or the message the HTML window would
// give; the field typed in keeps the focus, and the page the pane's own folder.
TEST_F(LivePreviewTest, EachPauseShowsTheValuesOrTheirMessage)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane->started() && !pane->shown().isEmpty(); }));
    EXPECT_EQ(pane->shown().value(0).toStdString(),
              "message Open an applet's page to see the applet here.");
    openKind(u"WaveText"_s);
    EXPECT_EQ(nextShown(), "page http://127.0.0.1:8123/live.htm");

    struct Row {
        const char* key;
        QString typed;
        const char* shown;
    };
    const Row rows[] = {
        {"Text", u"Seen live"_s, "page http://127.0.0.1:8123/live.htm"},
        {"Width", u"wide"_s, "message Invalid width"},
        {"Width", u"300"_s, "page http://127.0.0.1:8123/live.htm"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        QLineEdit* edit = field(QString::fromLatin1(row.key));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        const qsizetype before = pane->shown().size();
        QTest::keySequence(edit, QKeySequence::SelectAll);
        QTest::keyClicks(edit, row.typed);
        EXPECT_EQ(nextShown(), row.shown);
        EXPECT_EQ(pane->shown().size(), before + 1) << "one refresh for the burst";
        EXPECT_EQ(window().focusWidget(), edit);
    }
    ASSERT_FALSE(fakes.preview.folders().isEmpty());
    const QString folder = fakes.preview.folders().constLast();
    EXPECT_FALSE(folder.startsWith(install.path()));
    EXPECT_TRUE(install.filesIn(u"test"_s).isEmpty());
    QFile page(folder + u"/live.htm"_s);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    EXPECT_TRUE(html.contains("Seen live")) << html.constData();
    EXPECT_TRUE(html.contains("<script src=\"morvane-applets.js\" defer></script>"));
}

// The View menu's items show and place the pane; what they say, and the pane's size, are kept
// in morvane.ini. With the pane off nothing refreshes.
TEST_F(LivePreviewTest, ViewMenuShowsPlacesAndRemembersThePane)
{
    LivePane* live = window().livePane();
    openKind(u"WaveText"_s);
    nextShown();

    struct Row {
        bool on;
        bool below;
        const char* keys;
    };
    const Row rows[] = {
        {true, true, "livepreview=yes\r\nlivepreviewbelow=yes\r\n"},
        {false, true, "livepreview=no\r\nlivepreviewbelow=yes\r\n"},
        {true, false, "livepreview=yes\r\nlivepreviewbelow=no\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keys);
        live->showAction()->setChecked(row.on);
        live->belowAction()->setChecked(row.below);
        EXPECT_EQ(pane->isVisible(), row.on);
        EXPECT_EQ(live->splitter()->orientation(), row.below ? Qt::Vertical : Qt::Horizontal);
        EXPECT_EQ(live->belowAction()->isEnabled(), row.on);
        const qsizetype before = pane->shown().size();
        QTest::keyClicks(field(u"Text"_s), u"x"_s);
        if (row.on) {
            EXPECT_NE(nextShown(), "nothing");
        } else {
            QTest::qWait(static_cast<int>(LivePane::kDelay.count()) * 4);
            EXPECT_EQ(pane->shown().size(), before);
        }
        ASSERT_TRUE(window().closingStep().ok);
        const QString stored = u"livepreview=%1\r\nlivepreviewbelow=%2\r\n"_s.arg(
            install.setting(u"options"_s, u"livepreview"_s),
            install.setting(u"options"_s, u"livepreviewbelow"_s));
        EXPECT_EQ(stored, QString::fromLatin1(row.keys));
    }

    window().resize(1100, window().height()); // wider than the offscreen screen lets it grow
    const QList<int> sizes = live->splitter()->sizes();
    live->splitter()->setSizes({sizes[0] + sizes[1] - 210, 210});
    ASSERT_TRUE(window().closingStep().ok);
    EXPECT_EQ(install.setting(u"options"_s, u"livepreviewsize"_s),
              u"210,%1"_s.arg(LivePane::kUsualSize.height()));
}

// A fit never enlarges, the widths lay the page out as wide as that browser's, and no scale
// goes past what the engine can draw.
TEST(PaneZoom, EachScaleGivesTheZoomOfItsLayoutWidth)
{
    const struct {
        PaneScale scale;
        QSize pane;
        QSize applet;
        qreal zoom;
    } kRows[] = {
        {PaneScale::Fit, {300, 300}, {400, 200}, 300.0 / 416},
        {PaneScale::Fit, {300, 100}, {100, 300}, 100.0 / 316},
        {PaneScale::Fit, {800, 600}, {400, 200}, 1.0},
        {PaneScale::Fit, {10, 10}, {400, 200}, kSmallestZoom},
        {PaneScale::Actual, {300, 300}, {400, 200}, 1.0},
        {PaneScale::Phone, {180, 300}, {400, 200}, 0.5},
        {PaneScale::Tablet, {1536, 300}, {400, 200}, 2.0},
        {PaneScale::AppletWidth, {208, 300}, {400, 200}, 0.5},
    };
    for (const auto& row : kRows) {
        EXPECT_DOUBLE_EQ(paneZoom(row.scale, row.pane, row.applet), row.zoom)
            << int(row.scale) << ' ' << row.pane.width();
    }
}

// The pane's menu is its own: scales, zoom, reload, the page in the browser and a key into
// it; the scale is kept while the values change.
TEST_F(LivePreviewTest, ThePanesOwnControlsScaleReloadAndOpenItsPage)
{
    openKind(u"Table"_s);
    const std::string page = nextShown();
    ASSERT_EQ(page, "page http://127.0.0.1:8123/live.htm");
    QStringList names;
    for (const QAction* action : pane->menu()) {
        names.append(action->objectName());
    }
    EXPECT_EQ(names.filter(u"live"_s),
              (QStringList{u"liveFit"_s, u"liveActual"_s, u"livePhone"_s, u"liveTablet"_s,
                           u"liveAppletWidth"_s, u"liveZoomIn"_s, u"liveZoomOut"_s, u"liveReload"_s,
                           u"liveOpen"_s, u"liveFocus"_s}));
    const QSize area = pane->contentsRect().size();
    EXPECT_DOUBLE_EQ(pane->zoom(), paneZoom(PaneScale::Fit, area, {400, 200}));
    LivePane* live = window().livePane();
    live->controls()->action(u"livePhone"_s)->trigger();
    EXPECT_DOUBLE_EQ(pane->zoom(), area.width() / 360.0);
    live->controls()->action(u"liveZoomIn"_s)->trigger();
    EXPECT_DOUBLE_EQ(pane->zoom(), area.width() / 360.0 * 1.25);

    const qsizetype before = pane->shown().size();
    live->controls()->action(u"liveReload"_s)->trigger();
    EXPECT_EQ(pane->shown().size(), before + 1);
    live->controls()->action(u"liveOpen"_s)->trigger();
    EXPECT_EQ(fakes.shell.openedUrls(), QStringList{u"http://127.0.0.1:8123/live.htm"_s});

    pane->setFocusPolicy(Qt::ClickFocus); // as the engine's view: no stop of Tab
    QTest::keyClick(&window(), Qt::Key_F6);
    EXPECT_TRUE(pane->hasFocus());
}

// Without its web engine the pane says so in one line, and what it was asked to show waits.
TEST(ModuleLivePreview, AModuleThatCannotBeLoadedLeavesOneLineSayingSo)
{
    QTemporaryDir folder;
    platform::ModuleLivePreview pane({folder.filePath(u"morvane-webview"_s)}, nullptr,
                                     [] { return QString(); });
    pane.showPage(u"http://127.0.0.1:1/live.htm"_s);
    EXPECT_TRUE(pane.failure().isEmpty());
    pane.start();
    EXPECT_TRUE(pane.failure().startsWith(u"The live preview cannot start"_s))
        << pane.failure().toStdString();
    pane.showMessage(u"Invalid width"_s); // nothing to show it on, and no crash
}

// As root the web engine ends the whole program unless its sandbox is switched off: it is then
// not even loaded.
TEST(ModuleLivePreview, AsRootTheEngineStartsOnlyWithItsSandboxOff)
{
    const struct {
        bool root;
        QStringList environment;
        bool refused;
    } kCases[] = {
        {false, {}, false},
        {true, {}, true},
        {true, {u"QTWEBENGINE_DISABLE_SANDBOX=1"_s}, false},
        {true, {u"QTWEBENGINE_DISABLE_SANDBOX="_s}, false},
        {true, {u"QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox"_s}, false},
        {true, {u"QTWEBENGINE_CHROMIUM_FLAGS=--no-sandboxing"_s}, true},
        {true, {u"QTWEBENGINE_SANDBOX=0"_s}, true},
    };
    for (const auto& row : kCases) {
        QProcessEnvironment environment(QProcessEnvironment::InheritFromParent);
        environment.clear();
        for (const QString& variable : row.environment) {
            const qsizetype equals = variable.indexOf(u'=');
            environment.insert(variable.left(equals), variable.mid(equals + 1));
        }
        const QString refusal = platform::engineRefusal(row.root, environment);
        EXPECT_EQ(!refusal.isEmpty(), row.refused)
            << row.root << ' ' << row.environment.join(u' ').toStdString();
        if (row.refused) {
            EXPECT_TRUE(refusal.startsWith(u"The live preview does not run as root: "_s));
            EXPECT_TRUE(refusal.contains(u"QTWEBENGINE_DISABLE_SANDBOX=1"_s));
        }
    }
}

// Refused, the pane says why in its one line, loads no module, and the window works on.
TEST_F(ShownWindowTest, AsRootThePaneSaysWhyAndTheWindowWorksOn)
{
    QTemporaryDir noModule;
    platform::ModuleLivePreview* pane = nullptr;
    window().setLivePreview([&](QWidget* parent) {
        pane =
            new platform::ModuleLivePreview({noModule.filePath(u"morvane-webview"_s)}, parent, [] {
                return platform::engineRefusal(true, QProcessEnvironment());
            });
        return pane;
    });
    window().repaint();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pane->failure().isEmpty(); }));
    EXPECT_TRUE(pane->failure().startsWith(u"The live preview does not run as root: "_s))
        << pane->failure().toStdString();
    openKind(u"Stars"_s);
    EXPECT_TRUE(pane->failure().startsWith(u"The live preview does not run as root: "_s));
}

} // namespace
} // namespace morvane::ui::test
