#include "ui/main/MainLayout.h"

#include "ui/Icons.h"
#include "ui/live/LivePane.h"
#include "ui/main/AppletsList.h"
#include "ui/main/Explorer.h"
#include "ui/main/PinnedLayout.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

// The usual client-area geometry, for an explorer 209 pixels wide. When the desktop font needs
// a wider explorer to show its texts whole, everything to its right moves over by the
// difference. A wider window gives its room to the views; the buttons below them keep their
// distance from the views' left edge, the help icon from their right edge.
constexpr QRect kExplorerRect{0, 0, 209, 417};
constexpr QRect kViewsRect{216, 0, 449, 369};
constexpr QRect kPreviewButtonRect{288, 384, 105, 33};
constexpr QRect kHtmlButtonRect{432, 384, 81, 33};
constexpr QRect kMainHelpIconRect{613, 408, 12, 12};
constexpr QSize kClientSize{674, 422};
constexpr int kMinimumViewsHeight = 160;

} // namespace

MainLayout layOutMain(QMainWindow* window, Explorer* explorer, AppletsList* appletsList,
                      settings::Options& options)
{
    auto* client = new QWidget(window);
    window->setCentralWidget(client);
    MainLayout laidOut{};
    laidOut.helpPane = new QTextEdit(client);
    laidOut.helpPane->setObjectName(u"helpPane"_s);
    laidOut.helpPane->setReadOnly(true);
    laidOut.helpPane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QStackedWidget* views = laidOut.views = new QStackedWidget(client);
    views->setObjectName(u"views"_s);
    views->addWidget(appletsList);
    views->addWidget(laidOut.helpPane);

    laidOut.previewButton = new QPushButton(u"Show preview "_s, client);
    laidOut.previewButton->setObjectName(u"previewButton"_s);
    laidOut.htmlButton = new QPushButton(u"HTML..."_s, client);
    laidOut.htmlButton->setObjectName(u"htmlButton"_s);
    QToolButton* helpIcon = laidOut.helpIcon = new QToolButton(client);
    helpIcon->setObjectName(u"mainHelpIcon"_s);
    helpIcon->setIcon(QIcon(helpIconPixmap()));
    helpIcon->setIconSize(kMainHelpIconRect.size());
    helpIcon->setAutoRaise(true);
    helpIcon->setStyleSheet(u"QToolButton { border: none; padding: 0; }"_s);
    helpIcon->setCursor(Qt::PointingHandCursor);
    helpIcon->setAccessibleName(u"Main help"_s);
    // A click does nothing while the button is disabled, that is away from a kind's page.
    const std::pair<QPushButton*, QKeySequence> buttonKeys[] = {
        {laidOut.previewButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {laidOut.htmlButton, QKeySequence(Qt::CTRL | Qt::Key_Return)},
    };
    for (const auto& [button, keys] : buttonKeys) {
        button->setToolTip(keys.toString(QKeySequence::NativeText));
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, button,
                         &QPushButton::click);
    }

    // Narrower, the page's sections would be cut; shorter, the views scroll.
    views->setMinimumSize(kViewsRect.width(), kMinimumViewsHeight);

    const int shift = qMax(0, explorer->widthForAllTexts() - kExplorerRect.width());
    // Narrower, the explorer would cut its top nodes' names.
    explorer->setMinimumWidth(explorer->widthForTopTexts());
    auto* explorerPane = new QWidget(client);
    auto* explorerColumn = new QVBoxLayout(explorerPane);
    explorerColumn->setContentsMargins(0, 0, 0, kClientSize.height() - kExplorerRect.height());
    explorerColumn->addWidget(explorer);

    // The buttons' strip, in the views' coordinates.
    const QPoint below(kViewsRect.left(), kViewsRect.bottom() + 1);
    auto* buttons = new QWidget(client);
    auto* pinned = new PinnedLayout(
        QSize(kViewsRect.width(), kClientSize.height() - kViewsRect.height()), buttons);
    using Edge = PinnedLayout::Edge;
    pinned->pin(laidOut.previewButton, kPreviewButtonRect.translated(-below), Edge::Left);
    pinned->pin(laidOut.htmlButton, kHtmlButtonRect.translated(-below), Edge::Left);
    pinned->pin(helpIcon, kMainHelpIconRect.translated(-below), Edge::Right);

    auto* viewsPane = new QWidget(client);
    auto* viewsColumn = new QVBoxLayout(viewsPane);
    viewsColumn->setContentsMargins(0, 0, 0, 0);
    viewsColumn->setSpacing(0);
    viewsColumn->addWidget(views, 1);
    viewsColumn->addWidget(buttons);

    auto* splitter = laidOut.splitter = new QSplitter(Qt::Horizontal, client);
    splitter->setObjectName(u"splitter"_s);
    splitter->setChildrenCollapsible(false);
    splitter->setHandleWidth(kViewsRect.left() - kExplorerRect.right() - 1);
    splitter->addWidget(explorerPane);
    laidOut.live = new LivePane(viewsPane, options, window);
    splitter->addWidget(laidOut.live->splitter());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kExplorerRect.width() + shift, kViewsRect.width()});

    const int margin = kClientSize.width() - kViewsRect.right() - 1;
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, margin, 0);
    row->addWidget(splitter);
    laidOut.measures = MainMeasures{
        kExplorerRect.width() + shift,
        explorer->minimumWidth(),
        kViewsRect.width() + margin,
        margin,
        splitter->handleWidth(),
        0,
        kClientSize.height(),
        kMinimumViewsHeight + kClientSize.height() - kViewsRect.height(),
        {},
        {},
    };
    // Down the window and across: the explorer, the search and the list, the view shown, the
    // buttons below it. The page, made later, goes in after the help page.
    QWidget* const tabs[] = {explorer,         appletsList->searchField(), appletsList,
                             laidOut.helpPane, laidOut.previewButton,      laidOut.htmlButton,
                             helpIcon};
    for (size_t i = 1; i < std::size(tabs); ++i) {
        QWidget::setTabOrder(tabs[i - 1], tabs[i]);
    }
    window->resize(kClientSize.width() + shift,
                   kClientSize.height() + window->menuBar()->sizeHint().height());
    return laidOut;
}

void keepButtonsLastInTabs(QMainWindow* window)
{
    QWidget* last = window->previousInFocusChain();
    for (const QString& name : {u"previewButton"_s, u"htmlButton"_s, u"mainHelpIcon"_s}) {
        auto* next = window->findChild<QWidget*>(name);
        if (last != next) {
            QWidget::setTabOrder(last, next);
        }
        last = next;
    }
}

} // namespace morvane::ui
