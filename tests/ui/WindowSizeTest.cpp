#include "UiTestSupport.h"

#include "platform/fakes/FakeLivePreview.h"
#include "settings/Options.h"
#include "ui/Startup.h"
#include "ui/live/LivePane.h"
#include "ui/main/Explorer.h"
#include "ui/main/WindowPlacement.h"
#include "ui/page/ParameterPage.h"
#include "ui/page/SectionPanel.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

enum class Change { Keeps, Widens, Moves };

struct Follower {
    const char16_t* section;
    const char16_t* widget;
    Change change;
};

// clang-format off
constexpr Follower kFollowers[] = {
    {u"sectionBackgroundImage", u"BackgroundImage",       Change::Widens}, // rest of its row
    {u"sectionBackgroundImage", u"BackgroundImageBrowse", Change::Moves},
    {u"sectionBackgroundImage", u"help",                  Change::Moves},
    {u"sectionNoJavaMessage",   u"NoJavaMessage",         Change::Widens},
    {u"sectionDimensions",      u"Width",                 Change::Keeps},  // a width of its own
    {u"sectionLoadSound",       u"OnloadSound",           Change::Keeps},
    {u"sectionLoadSound",       u"Loop",                  Change::Keeps},
    {u"ZPanelCropImages",       u"ListBox4.txt",          Change::Widens}, // a list editor
    {u"ZPanelCropImages",       u"Pause",                 Change::Keeps},  // hint after it
    {u"ZPanelCropImages",       u"group",                 Change::Widens},
};
// clang-format on

QWidget* sectionOf(MainWindow& window, const char16_t* name)
{
    return window.parameterPage()->widget()->findChild<QWidget*>(QString::fromUtf16(name));
}

QRect placeOf(MainWindow& window, const Follower& row)
{
    QWidget* section = sectionOf(window, row.section);
    QWidget* widget =
        section ? section->findChild<QWidget*>(QString::fromUtf16(row.widget)) : nullptr;
    return widget ? widget->geometry() : QRect();
}

TEST_F(ShownWindowTest, AWiderWindowGivesItsRoomToTheViewsAndTheSectionsFields)
{
    openKind(u"CropImages"_s);
    auto* views = window().findChild<QStackedWidget*>(u"views"_s);
    const int usualViews = views->width();
    const int usualExplorer = window().explorer()->width();
    EXPECT_EQ(usualViews, 449);
    QList<QRect> usual;
    for (const Follower& row : kFollowers) {
        usual.append(placeOf(window(), row));
        ASSERT_FALSE(usual.back().isEmpty()) << QString::fromUtf16(row.widget).toStdString();
    }

    const int extra = 260;
    window().resize(window().width() + extra, window().height() + 120);
    EXPECT_EQ(views->width(), usualViews + extra);
    EXPECT_EQ(window().explorer()->width(), usualExplorer);
    EXPECT_EQ(sectionOf(window(), u"ZPanelCropImages")->width(),
              page::SectionPanel::kWidth + extra);
    auto* help = window().findChild<QToolButton*>(u"mainHelpIcon"_s);
    EXPECT_EQ(views->mapTo(&window(), QPoint(views->width(), 0)).x() -
                  help->mapTo(&window(), QPoint(0, 0)).x(),
              449 - (613 - 216)); // as far from the views' right edge as before
    for (qsizetype index = 0; index < qsizetype(std::size(kFollowers)); ++index) {
        const Follower& row = kFollowers[index];
        SCOPED_TRACE(QString::fromUtf16(row.widget).toStdString());
        const QRect before = usual[index];
        const QRect now = placeOf(window(), row);
        EXPECT_EQ(now.size(),
                  row.change == Change::Widens ? before.size() + QSize(extra, 0) : before.size());
        EXPECT_EQ(now.topLeft(), row.change == Change::Moves ? before.topLeft() + QPoint(extra, 0)
                                                             : before.topLeft());
    }

    // Smaller than usual, the views keep the width the sections need and scroll instead.
    window().resize(200, 200);
    EXPECT_EQ(views->width(), usualViews);
    EXPECT_EQ(sectionOf(window(), u"ZPanelCropImages")->width(), page::SectionPanel::kWidth);
    EXPECT_GE(window().height(), window().minimumSizeHint().height());
    EXPECT_LT(window().height(), 422);
}

struct Placing {
    const char* name;
    QRect remembered;
    QRect available;
    QRect expected;
};

// The usual size is 674 x 444 (the menu bar included), the smallest 480 x 220; the frame adds
// 4 at the sides and below and 30 above.
// clang-format off
const Placing kPlacings[] = {
    {"nothing remembered: centred", {}, {0, 0, 1280, 1024}, {303, 290, 674, 444}},
    {"remembered and on screen", {50, 60, 900, 700}, {0, 0, 1280, 1024}, {50, 60, 900, 700}},
    {"on a screen now gone", {3000, 2000, 900, 700}, {0, 0, 1280, 1024}, {376, 320, 900, 700}},
    {"above the screen's top", {-40, -10, 900, 700}, {0, 0, 1280, 1024}, {4, 30, 900, 700}},
    {"larger than the screen", {0, 0, 2000, 1500}, {0, 0, 1280, 1024}, {4, 30, 1272, 990}},
    {"smaller than the smallest", {100, 100, 10, 10}, {0, 0, 1280, 1024}, {100, 100, 480, 220}},
    {"double scale, nothing remembered", {}, {0, 0, 640, 512}, {4, 34, 632, 444}},
    {"a second screen", {1400, 100, 700, 500}, {1280, 0, 1024, 768}, {1400, 100, 700, 500}},
};
// clang-format on

TEST(WindowPlacement, TheWindowFitsTheScreenItLastStoodOn)
{
    const WindowFit fit{{674, 444}, {480, 220}};
    for (const Placing& row : kPlacings) {
        EXPECT_EQ(fitWindow(row.remembered, fit, row.available, kFrameAllowance), row.expected)
            << row.name;
    }
}

TEST_F(MainWindowTest, SizePlaceAndSplitterAreRememberedInTheProfile)
{
    const QRect screen(0, 0, 1280, 1024);
    settings::Options shipped = settings::loadOptions(install.path()).value();
    ASSERT_TRUE(shipped.windowGeometry.isEmpty());
    window().restorePlacement(shipped, screen);
    // Today's size, with the explorer as wide as the font needs.
    const int shift = std::max(0, window().explorer()->widthForAllTexts() - 209);
    EXPECT_EQ(window().width(), 674 + shift);
    EXPECT_EQ(window().geometry().center(), screen.center());

    window().show();
    window().setGeometry(40, 50, 900, 600);
    auto* splitter = window().findChild<QSplitter*>(u"splitter"_s);
    splitter->setSizes({260, 600});
    const QList<int> sizes = splitter->sizes();
    ASSERT_TRUE(window().closingStep().ok);
    EXPECT_EQ(install.setting(u"options"_s, u"windowgeometry"_s), u"40,50,900,600");

    MainWindow again(install.path(), fakes.services());
    again.restorePlacement(settings::loadOptions(install.path()).value(), screen);
    EXPECT_EQ(again.geometry(), QRect(40, 50, 900, 600));
    again.show();
    EXPECT_EQ(again.findChild<QSplitter*>(u"splitter"_s)->sizes(), sizes);

    // Maximised, it opens maximised again and still knows where to return to.
    again.showMaximized();
    ASSERT_TRUE(again.closingStep().ok);
    EXPECT_EQ(install.setting(u"options"_s, u"windowmaximized"_s), u"yes");
    EXPECT_EQ(install.setting(u"options"_s, u"windowgeometry"_s), u"40,50,900,600");
    MainWindow third(install.path(), fakes.services());
    third.restorePlacement(settings::loadOptions(install.path()).value(), screen);
    EXPECT_TRUE(third.windowState().testFlag(Qt::WindowMaximized));
    third.showNormal();
    EXPECT_EQ(third.geometry(), QRect(40, 50, 900, 600));
}

// A screen at a scale is, for the window, a smaller screen in its own pixels: 1280 x 1024 at
// twice the scale is 640 x 512.
struct ScreenFit {
    qreal scale;
    QSize screen;
    bool pane;
    PanePlace expected;
};

// clang-format off
const ScreenFit kScreenFits[] = {
    {1, {1280, 1024}, true, PanePlace::Beside},   {1, {1280, 1024}, false, PanePlace::Hidden},
    {1, {1920, 1080}, true, PanePlace::Beside},   {1, {1920, 1080}, false, PanePlace::Hidden},
    {1.5, {1280, 1024}, true, PanePlace::Beside}, {1.5, {1280, 1024}, false, PanePlace::Hidden},
    {1.5, {1920, 1080}, true, PanePlace::Beside}, {1.5, {1920, 1080}, false, PanePlace::Hidden},
    {2, {1280, 1024}, true, PanePlace::Below},    {2, {1280, 1024}, false, PanePlace::Hidden},
    {2, {1920, 1080}, true, PanePlace::Beside},   {2, {1920, 1080}, false, PanePlace::Hidden},
};
// clang-format on

class WindowFitTest : public MainWindowTest {
protected:
    // A new window with the pane, placed on `available` as a first start would.
    MainWindow& placed(settings::Options options, const QRect& available)
    {
        m_window = std::make_unique<MainWindow>(install.path(), fakes.services());
        m_window->setLivePreview([this](QWidget* parent) {
            m_pane = new platform::FakeLivePreview(parent);
            return m_pane;
        });
        m_window->restorePlacement(options, available);
        m_window->show();
        QCoreApplication::processEvents();
        return *m_window;
    }

    QRect inWindow(const QWidget* widget) const
    {
        return QRect(widget->mapTo(m_window.get(), QPoint()), widget->size());
    }

    std::unique_ptr<MainWindow> m_window;
    platform::FakeLivePreview* m_pane = nullptr;
};

// Each part gets at least its smallest size and the whole window lies on the screen, so that
// maximising it keeps it there too.
TEST_F(WindowFitTest, TheFirstWindowFitsEveryScreenAtEveryScaleWithThePane)
{
    for (const ScreenFit& row : kScreenFits) {
        const QRect available(QPoint(), (QSizeF(row.screen) / row.scale).toSize());
        SCOPED_TRACE(testing::Message() << row.scale << "x " << row.screen.width() << 'x'
                                        << row.screen.height() << (row.pane ? " pane" : ""));
        settings::Options shipped = settings::loadOptions(install.path()).value();
        shipped.livePreview = row.pane;
        MainWindow& window = placed(shipped, available);
        const QRect room = available.marginsRemoved(kFrameAllowance);
        EXPECT_TRUE(room.contains(window.geometry())) << window.geometry().width();
        EXPECT_LE(window.minimumSizeHint().width(), room.width());
        EXPECT_LE(window.minimumSizeHint().height(), room.height());

        const QRect explorer = inWindow(window.explorer());
        const QRect views = inWindow(window.findChild<QStackedWidget*>(u"views"_s));
        EXPECT_GE(explorer.width(), window.explorer()->widthForTopTexts());
        EXPECT_GE(views.width(), 449);
        EXPECT_LE(views.right(), window.width());
        EXPECT_EQ(m_pane->isVisible(), row.expected != PanePlace::Hidden);
        const QRect pane = inWindow(window.findChild<QWidget*>(u"livePane"_s));
        if (row.expected == PanePlace::Beside) {
            EXPECT_GE(pane.width(), LivePane::kMinimumSize.width());
            EXPECT_GT(pane.left(), views.right());
            EXPECT_LE(pane.right(), window.width());
        } else if (row.expected == PanePlace::Below) {
            EXPECT_GE(pane.height(), LivePane::kMinimumSize.height());
            EXPECT_GT(pane.top(), views.bottom());
            EXPECT_LE(pane.bottom(), window.height());
        }
    }
}

// Sizes a smaller screen imposed, or too small to be of use, are not the ones the next start
// opens with: the explorer shows its texts and the pane its usual width again.
TEST_F(WindowFitTest, RememberedSizesThatWouldSqueezeAPartAreNotRestored)
{
    const QRect wide(0, 0, 1280, 1024);
    settings::Options squeezed = settings::loadOptions(install.path()).value();
    squeezed.splitterSizes = {70, 613};
    squeezed.livePreviewSize = {160, 240};
    placed(squeezed, wide);
    const int usualExplorer = std::max(209, m_window->explorer()->widthForAllTexts());
    EXPECT_EQ(m_window->explorer()->width(), usualExplorer);
    EXPECT_EQ(m_pane->width(), LivePane::kUsualSize.width());

    // Twice the scale puts the pane below and narrows the explorer, for this screen only.
    placed(settings::loadOptions(install.path()).value(), QRect(0, 0, 640, 512));
    EXPECT_LT(m_window->explorer()->width(), usualExplorer);
    EXPECT_EQ(m_window->livePane()->splitter()->orientation(), Qt::Vertical);
    ASSERT_TRUE(m_window->closingStep().ok);
    EXPECT_EQ(install.setting(u"options"_s, u"livepreviewbelow"_s), u"no");
    EXPECT_EQ(install.setting(u"options"_s, u"livepreviewsize"_s), u"320,240");
    placed(settings::loadOptions(install.path()).value(), wide);
    EXPECT_EQ(m_window->explorer()->width(), usualExplorer);
    EXPECT_EQ(m_window->livePane()->splitter()->orientation(), Qt::Horizontal);
}

// Where the pane fits neither beside nor below the page, it is hidden for this start and the
// View menu says why; the user's choice stays as it was.
TEST_F(WindowFitTest, WithoutRoomForThePaneTheViewMenuSaysSo)
{
    MainWindow& window = placed(settings::loadOptions(install.path()).value(), {0, 0, 560, 300});
    QAction* item = window.livePane()->showAction();
    EXPECT_FALSE(m_pane->isVisible());
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(item->text().contains(u"no room"_s)) << item->text().toStdString();
    ASSERT_TRUE(window.closingStep().ok);
    EXPECT_EQ(install.setting(u"options"_s, u"livepreview"_s), u"yes");
}

// Run by the test command on an X server at twice the scale (1280 x 1024 physical, so 640 x 512
// here); elsewhere it has nothing to look at.
TEST_F(MainWindowTest, AtTwiceTheScaleTheWindowAndEveryControlAreOnTheScreen)
{
    if (QGuiApplication::platformName() != u"xcb") {
        GTEST_SKIP() << "needs a real X server";
    }
    platform::FakeLivePreview* pane = nullptr;
    const std::unique_ptr<MainWindow> started =
        startMorvane(install.path(), fakes.services(), [&pane](QWidget* parent) {
            pane = new platform::FakeLivePreview(parent);
            return pane;
        });
    ASSERT_TRUE(QTest::qWaitForWindowExposed(started.get()));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_LE(screen.width(), 640);
    EXPECT_TRUE(screen.contains(started->frameGeometry())) << started->frameGeometry().x();
    ASSERT_TRUE(pane->isVisible());
    EXPECT_TRUE(screen.contains(QRect(pane->mapToGlobal(QPoint(0, 0)), pane->size())));
    // Maximised, it stays on the screen.
    started->showMaximized();
    QTest::qWait(200);
    EXPECT_LE(started->width(), screen.width());
    started->showNormal();

    QMenuBar* menus = started->menuBar();
    QAction* file = menus->actions().constFirst();
    const QRect fileItem(menus->mapToGlobal(menus->actionGeometry(file).topLeft()),
                         menus->actionGeometry(file).size());
    EXPECT_TRUE(screen.contains(fileItem));

    started->openKindPage(u"Table"_s);
    auto* page = started->findChild<ParameterPage*>();
    ASSERT_TRUE(page->isVisible());
    QScrollBar* bar = page->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible()) << "the page is taller than the screen";
    EXPECT_TRUE(screen.contains(QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size())));
    for (const auto* button : started->findChildren<QPushButton*>()) {
        if (button->isVisible() && !page->isAncestorOf(button)) {
            EXPECT_TRUE(screen.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
                << qPrintable(button->text());
        }
    }
}

} // namespace
} // namespace morvane::ui::test
