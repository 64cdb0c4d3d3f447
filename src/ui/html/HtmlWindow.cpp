#include "ui/html/HtmlWindow.h"

#include "generator/NeededFiles.h"
#include "generator/Preview.h"
#include "platform/FileFilters.h"
#include "platform/PathRules.h"
#include "settings/AtomicFile.h"
#include "ui/Icons.h"

#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace morvane::ui {

using namespace Qt::StringLiterals;

namespace {

QAction* addMenuItem(QMenu* menu, const QString& text, const QString& name)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

QAction* addToolAction(QToolBar* bar, ToolIcon icon, const QString& tip, const QString& name)
{
    QAction* action = bar->addAction(toolIcon(icon), tip);
    action->setToolTip(tip);
    action->setObjectName(name);
    return action;
}

} // namespace

HtmlWindow::HtmlWindow(platform::Services services, QString& destinationFolder, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_destinationFolder(destinationFolder)
    , m_neededFiles(new QListWidget(this))
    , m_html(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("htmlWindow"));
    setWindowTitle(QStringLiteral("HTML and needed files"));

    auto* menuBar = new QMenuBar(this);
    QMenu* files = menuBar->addMenu(QStringLiteral("Files"));
    QAction* saveFiles =
        addMenuItem(files, QStringLiteral("&Save needed files into..."), u"saveNeededFilesInto"_s);
    files->addSeparator();
    QAction* close = addMenuItem(files, QStringLiteral("&Close"), QStringLiteral("close"));
    QMenu* html = menuBar->addMenu(QStringLiteral("HTML"));
    QAction* copy =
        addMenuItem(html, QStringLiteral("&Copy into clipboard"), u"copyIntoClipboard"_s);
    QAction* saveText = addMenuItem(html, QStringLiteral("Save as &text..."), u"saveAsText"_s);
    html->addSeparator();
    QAction* savePreview =
        addMenuItem(html, QStringLiteral("Save .&html preview page..."), u"savePreviewPage"_s);

    auto* toolBar = new QToolBar(this);
    toolBar->setIconSize(QSize(16, 16));
    QAction* toolSaveFiles = addToolAction(
        toolBar, ToolIcon::SaveFiles, QStringLiteral("Save files into..."), u"toolSaveFiles"_s);
    toolBar->addSeparator();
    QAction* toolCopy = addToolAction(toolBar, ToolIcon::CopyHtml,
                                      QStringLiteral("Copy HTML into clipboard"), u"toolCopy"_s);
    QAction* toolSaveText = addToolAction(
        toolBar, ToolIcon::SaveText, QStringLiteral("Save HTML as text..."), u"toolSaveText"_s);
    QAction* toolSavePreview =
        addToolAction(toolBar, ToolIcon::SavePreview, QStringLiteral("Save .html preview page"),
                      u"toolSavePreview"_s);

    m_neededFiles->setObjectName(QStringLiteral("neededFiles"));
    auto* neededGroup = new QGroupBox(QStringLiteral("Needed files"), this);
    auto* neededLayout = new QVBoxLayout(neededGroup);
    neededLayout->addWidget(m_neededFiles);

    m_html->setObjectName(QStringLiteral("html"));
    m_html->setReadOnly(true);
    m_html->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_html->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_html->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* htmlGroup = new QGroupBox(QStringLiteral("HTML"), this);
    auto* htmlLayout = new QVBoxLayout(htmlGroup);
    htmlLayout->addWidget(m_html);

    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(toolBar);
    layout->addWidget(neededGroup, 1);
    layout->addWidget(htmlGroup, 3);
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);
    setFixedSize(QSize(520, 480).expandedTo(sizeHint()));

    connect(saveFiles, &QAction::triggered, this, &HtmlWindow::saveNeededFilesInto);
    connect(toolSaveFiles, &QAction::triggered, this, &HtmlWindow::saveNeededFilesInto);
    connect(copy, &QAction::triggered, this, &HtmlWindow::copyIntoClipboard);
    connect(toolCopy, &QAction::triggered, this, &HtmlWindow::copyIntoClipboard);
    connect(saveText, &QAction::triggered, this, &HtmlWindow::saveAsText);
    connect(toolSaveText, &QAction::triggered, this, &HtmlWindow::saveAsText);
    connect(savePreview, &QAction::triggered, this, &HtmlWindow::savePreviewPage);
    connect(toolSavePreview, &QAction::triggered, this, &HtmlWindow::savePreviewPage);
    connect(close, &QAction::triggered, this, &QDialog::accept);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void HtmlWindow::setContent(const QString& appDir, const QString& kind,
                            const QStringList& htmlLines, const QStringList& media)
{
    m_appDir = appDir;
    m_kind = kind;
    m_htmlLines = htmlLines;
    m_media = media;
    m_html->setPlainText(htmlLines.join(u'\n'));
    m_neededFiles->clear();
    m_neededFiles->addItems(generator::neededFileNames(appDir, kind, media));
}

QStringList HtmlWindow::neededFiles() const
{
    QStringList names;
    for (int i = 0; i < m_neededFiles->count(); ++i) {
        names.append(m_neededFiles->item(i)->text());
    }
    return names;
}

QString HtmlWindow::htmlText() const
{
    return m_html->toPlainText();
}

void HtmlWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_html->setFocus();
    m_html->selectAll();
}

void HtmlWindow::copyIntoClipboard()
{
    m_html->selectAll();
    m_services.clipboard.setText(m_htmlLines.join(QStringLiteral("\r\n")));
}

bool HtmlWindow::writeLines(const QString& path, const QStringList& lines)
{
    if (!settings::writeTextLines(path, lines, /*chosen by the user*/ {})) {
        m_services.messages.showError(this, u"Impossible de créer le fichier " % path);
        return false;
    }
    return true;
}

void HtmlWindow::saveAsText()
{
    const QString chosen =
        m_services.files.getSaveFileName(this, QStringLiteral("Save HTML as text"),
                                         m_destinationFolder, QString(), platform::textFilesFilter);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = platform::appendExtensionIfMissing(chosen, QStringLiteral(".txt"));
    if (writeLines(path, m_htmlLines)) {
        m_destinationFolder = platform::folderOfChosenFile(chosen);
    }
}

void HtmlWindow::savePreviewPage()
{
    const QStringList page = generator::buildPreviewPage(m_kind, m_htmlLines);
    const QString chosen =
        m_services.files.getSaveFileName(this, QStringLiteral("Save preview page"),
                                         m_destinationFolder, QString(), platform::htmlFilesFilter);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = platform::appendExtensionIfMissing(chosen, QStringLiteral(".html"));
    if (writeLines(path, page)) {
        m_destinationFolder = platform::folderOfChosenFile(chosen);
    }
}

void HtmlWindow::saveNeededFilesInto()
{
    const QString folder = m_services.files.chooseFolder(
        this, QStringLiteral("Save needed files into"), m_destinationFolder);
    if (folder.isEmpty()) {
        return;
    }
    const generator::CopiedFiles copied =
        generator::copyNeededFiles(m_appDir, m_kind, m_media, folder);
    if (!copied.result) {
        m_services.messages.showError(this, copied.result.message);
        return;
    }
    m_services.messages.showInformation(this, generator::copiedFilesMessage(copied.names, folder));
    m_destinationFolder = folder;
}

} // namespace morvane::ui
