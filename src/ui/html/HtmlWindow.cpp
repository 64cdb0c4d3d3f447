#include "ui/html/HtmlWindow.h"

#include "generator/NeededFiles.h"
#include "generator/Preview.h"
#include "platform/FileFilters.h"
#include "platform/PathRules.h"
#include "settings/AtomicFile.h"
#include "ui/Icons.h"

#include <QGroupBox>
#include <QLabel>
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
    , m_openFileWarning(new QLabel(this))
    , m_html(new QPlainTextEdit(this))
{
    setObjectName(u"htmlWindow"_s);
    setWindowTitle(u"HTML and needed files"_s);

    auto* menuBar = new QMenuBar(this);
    QMenu* files = menuBar->addMenu(u"&Files"_s);
    QAction* saveFiles =
        addMenuItem(files, u"&Save needed files into..."_s, u"saveNeededFilesInto"_s);
    files->addSeparator();
    QAction* close = addMenuItem(files, u"&Close"_s, u"close"_s);
    QMenu* html = menuBar->addMenu(u"&HTML"_s);
    QAction* copy = addMenuItem(html, u"&Copy into clipboard"_s, u"copyIntoClipboard"_s);
    // The whole code, the one thing taken from this window; a selection in the text copies itself.
    copy->setShortcut(QKeySequence::Copy);
    QAction* saveText = addMenuItem(html, u"Save as &text..."_s, u"saveAsText"_s);
    html->addSeparator();
    QAction* savePreview =
        addMenuItem(html, u"Save .&html preview page..."_s, u"savePreviewPage"_s);

    auto* toolBar = new QToolBar(this);
    toolBar->setIconSize(QSize(16, 16));
    QAction* toolSaveFiles =
        addToolAction(toolBar, ToolIcon::SaveFiles, u"Save files into..."_s, u"toolSaveFiles"_s);
    toolBar->addSeparator();
    QAction* toolCopy =
        addToolAction(toolBar, ToolIcon::CopyHtml, u"Copy HTML into clipboard"_s, u"toolCopy"_s);
    QAction* toolSaveText =
        addToolAction(toolBar, ToolIcon::SaveText, u"Save HTML as text..."_s, u"toolSaveText"_s);
    QAction* toolSavePreview = addToolAction(toolBar, ToolIcon::SavePreview,
                                             u"Save .html preview page"_s, u"toolSavePreview"_s);

    m_neededFiles->setObjectName(u"neededFiles"_s);
    auto* neededGroup = new QGroupBox(u"Needed files"_s, this);
    auto* neededLayout = new QVBoxLayout(neededGroup);
    neededLayout->addWidget(m_neededFiles);
    // A login file looks like a lock and is none: whoever asks the site for it reads it.
    m_openFileWarning->setObjectName(u"openFileWarning"_s);
    m_openFileWarning->setWordWrap(true);
    m_openFileWarning->setText(
        u"Warning: anyone who knows the address of pass.txt can read it, logins, passwords and "
        u"pages included. It protects nothing: never use it for anything that must stay private."_s);
    m_openFileWarning->hide();
    neededLayout->addWidget(m_openFileWarning);

    m_html->setObjectName(u"html"_s);
    m_html->setReadOnly(true);
    m_html->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_html->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_html->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* htmlGroup = new QGroupBox(u"HTML"_s, this);
    auto* htmlLayout = new QVBoxLayout(htmlGroup);
    htmlLayout->addWidget(m_html);

    auto* closeButton = new QPushButton(u"Close"_s, this);
    closeButton->setObjectName(u"closeButton"_s);
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
    const QStringList needed = generator::neededFileNames(appDir, kind, media);
    m_neededFiles->addItems(needed);
    m_openFileWarning->setHidden(!needed.contains(u"pass.txt"_s, Qt::CaseInsensitive));
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
    m_services.clipboard.setText(m_htmlLines.join(u"\r\n"_s));
}

bool HtmlWindow::writeLines(const QString& path, const QStringList& lines)
{
    if (Result written = settings::writeTextLines(path, lines, /*chosen by the user*/ {});
        !written) {
        m_services.messages.showError(this, written.message);
        return false;
    }
    return true;
}

void HtmlWindow::saveAsText()
{
    const QString chosen = m_services.files.getSaveFileName(
        this, u"Save HTML as text"_s, m_destinationFolder, QString(), platform::textFilesFilter);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = platform::appendExtensionIfMissing(chosen, u".txt"_s);
    if (writeLines(path, m_htmlLines)) {
        m_destinationFolder = platform::folderOfChosenFile(chosen);
    }
}

void HtmlWindow::savePreviewPage()
{
    const QStringList page = generator::buildPreviewPage(m_kind, m_htmlLines);
    const QString chosen = m_services.files.getSaveFileName(
        this, u"Save preview page"_s, m_destinationFolder, QString(), platform::htmlFilesFilter);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = platform::appendExtensionIfMissing(chosen, u".html"_s);
    if (writeLines(path, page)) {
        m_destinationFolder = platform::folderOfChosenFile(chosen);
    }
}

void HtmlWindow::saveNeededFilesInto()
{
    const QString folder =
        m_services.files.chooseFolder(this, u"Save needed files into"_s, m_destinationFolder);
    if (folder.isEmpty()) {
        return;
    }
    const Outcome<QStringList> copied =
        generator::copyNeededFiles(m_appDir, m_kind, m_media, folder);
    if (!copied) {
        m_services.messages.showError(this, copied.message());
        return;
    }
    m_services.messages.showInformation(this,
                                        generator::copiedFilesMessage(copied.value(), folder));
    m_destinationFolder = folder;
}

} // namespace morvane::ui
