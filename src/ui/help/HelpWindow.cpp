#include "ui/help/HelpWindow.h"

#include "catalog/Kinds.h"
#include "catalog/SamplePaths.h"
#include "ui/richtext/PaletteColors.h"
#include "ui/richtext/RtfReader.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace morvane::ui {

HelpWindow::HelpWindow(const QString& appDir, platform::Services services, QWidget* parent)
    : QDialog(parent)
    , m_appDir(appDir)
    , m_services(services)
{
    setWindowTitle(u"Help"_s);
    resize(574, 420);

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(u"tabs"_s);
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(false); // all seven tabs stay in view
    for (const HelpTabInfo& info : helpTabs()) {
        m_tabs->addTab(QString::fromUtf16(info.caption));
    }

    auto* page = new QFrame(this);
    page->setFrameShape(QFrame::StyledPanel);

    m_text = new QTextEdit(page);
    m_text->setObjectName(u"text"_s);
    m_text->setReadOnly(true);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    m_kinds = new QComboBox(page);
    m_kinds->setObjectName(u"kinds"_s);
    m_kinds->setEditable(true);
    m_kinds->setInsertPolicy(QComboBox::NoInsert);
    m_kinds->addItems(catalog::kindNames());
    m_kinds->setCurrentText(u"ButtonLink"_s);
    m_kinds->setMinimumWidth(145);

    auto* parametersHelp = new QPushButton(u"Show specific parameters help"_s, page);
    parametersHelp->setObjectName(u"parametersHelpButton"_s);

    auto* chooserRow = new QHBoxLayout;
    chooserRow->addStretch(1);
    chooserRow->addWidget(m_kinds);
    chooserRow->addWidget(parametersHelp);
    chooserRow->addStretch(1);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(m_text, 1);
    pageLayout->addLayout(chooserRow);

    auto* print = new QPushButton(u"Print"_s, this);
    print->setObjectName(u"printButton"_s);
    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"okButton"_s);
    ok->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(ok);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(page, 1);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    // A press on another tab selects it and so reads its page; a press on the selected tab
    // reads the page again.
    connect(m_tabs, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == m_tabs->currentIndex()) {
            loadCurrentPage();
        }
    });
    connect(m_tabs, &QTabBar::currentChanged, this, [this] {
        if (isVisible()) {
            loadCurrentPage();
        }
    });
    connect(parametersHelp, &QPushButton::clicked, this, &HelpWindow::showParametersHelp);
    connect(print, &QPushButton::clicked, this, &HelpWindow::printPage);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void HelpWindow::selectTab(HelpTab tab)
{
    m_tabs->setCurrentIndex(helpTabIndex(tab));
}

void HelpWindow::selectKind(const QString& kind)
{
    if (!kind.isEmpty()) {
        m_kinds->setCurrentText(kind);
    }
}

void HelpWindow::showBeside(const QWidget* owner)
{
    if (!isVisible() && owner) {
        const QRect frame = owner->frameGeometry();
        const QScreen* screen = owner->screen();
        const QRect room = screen ? screen->availableGeometry() : QRect();
        QPoint at(frame.right() + 1, frame.top());
        if (at.x() + width() > room.right()) {
            at.setX(std::max(room.left(), room.right() + 1 - width()));
        }
        move(at);
    }
    setModal(false);
    show();
    raise();
    activateWindow();
}

HelpTab HelpWindow::currentTab() const
{
    return helpTabs()[static_cast<size_t>(qMax(0, m_tabs->currentIndex()))].tab;
}

bool HelpWindow::loadCurrentPage()
{
    auto document = std::make_unique<QTextDocument>(this);
    if (const Result loaded =
            richtext::loadRtfFile(helpTabFile(m_appDir, currentTab()), m_appDir, document.get());
        !loaded) {
        m_services.messages.showError(this, loaded.message);
        return false;
    }
    richtext::fitColorsToPalette(document.get(), m_text->palette());
    m_text->setDocument(document.get());
    delete m_page;
    m_page = document.release();
    return true;
}

void HelpWindow::showParametersHelp()
{
    const QString kind = m_kinds->currentText();
    m_services.shell.openFile(catalog::sampleHelpPageName(kind),
                              catalog::sampleFolder(m_appDir, kind));
}

void HelpWindow::printPage()
{
    m_services.printer.print(*m_text->document(), kPrintJobTitle, this);
}

void HelpWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    loadCurrentPage();
}

} // namespace morvane::ui
