#include "platform/fakes/FakeServices.h"

#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace morvane::platform {

namespace {

template <typename Record, typename Kind>
QStringList textsOfKind(const QList<Record>& records, Kind kind)
{
    QStringList texts;
    for (const Record& record : records) {
        if (record.kind == kind) {
            texts.append(record.text);
        }
    }
    return texts;
}

} // namespace

void FakeMessageBoxes::showError(QWidget* parent, const QString& text)
{
    m_shown.append({Kind::Error, text, parent});
}

void FakeMessageBoxes::showInformation(QWidget* parent, const QString& text)
{
    m_shown.append({Kind::Information, text, parent});
}

bool FakeMessageBoxes::askYesNo(QWidget* parent, const QString& question)
{
    m_shown.append({Kind::Question, question, parent});
    return !m_answers.isEmpty() && m_answers.takeFirst();
}

QStringList FakeMessageBoxes::questions() const
{
    return textsOfKind(m_shown, Kind::Question);
}

QStringList FakeMessageBoxes::errors() const
{
    return textsOfKind(m_shown, Kind::Error);
}

QStringList FakeMessageBoxes::informations() const
{
    return textsOfKind(m_shown, Kind::Information);
}

QString FakeFileDialogs::getOpenFileName(QWidget*, const QString& caption,
                                         const QString& initialFolder, const QString& filter)
{
    m_calls.append({Kind::Open, caption, initialFolder, QString(), filter});
    return answer(m_fileNames);
}

QString FakeFileDialogs::getSaveFileName(QWidget*, const QString& caption,
                                         const QString& initialFolder, const QString& proposedName,
                                         const QString& filter)
{
    m_calls.append({Kind::Save, caption, initialFolder, proposedName, filter});
    return answer(m_fileNames);
}

QString FakeFileDialogs::chooseFolder(QWidget*, const QString& caption,
                                      const QString& initialFolder)
{
    m_calls.append({Kind::Folder, caption, initialFolder, QString(), QString()});
    return answer(m_folders);
}

void FakeFileDialogs::clear()
{
    m_calls.clear();
    m_fileNames.clear();
    m_folders.clear();
}

QString FakeFileDialogs::answer(QStringList& queue)
{
    return queue.isEmpty() ? QString() : queue.takeFirst();
}

std::optional<ColorRef> FakeColorDialog::chooseColor(QWidget*, ColorRef initial,
                                                     CustomColors& customs)
{
    m_calls.append({initial, customs});
    if (m_answers.isEmpty()) {
        return std::nullopt;
    }
    const Answer next = m_answers.takeFirst();
    if (next.color && next.customsAfter) {
        customs = *next.customsAfter;
    }
    return next.color;
}

void FakeColorDialog::setNextAnswer(std::optional<ColorRef> color,
                                    std::optional<CustomColors> customsAfter)
{
    m_answers.append({color, customsAfter});
}

void FakeColorDialog::clear()
{
    m_calls.clear();
    m_answers.clear();
}

void FakeShell::openFile(const QString& fileName, const QString& workingFolder)
{
    m_files.append({fileName, workingFolder});
}

void FakeShell::openUrl(const QString& address)
{
    m_urls.append(address);
}

void FakeShell::clear()
{
    m_files.clear();
    m_urls.clear();
}

void FakePrinter::print(const QTextDocument& document, const QString& jobTitle, QWidget*)
{
    m_jobs.append({document.toPlainText(), jobTitle});
}

Outcome<QString> FakePreviewServer::addressOf(const Site& site, const QString& fileName)
{
    m_sites.append(site);
    if (m_port == 0) {
        return Outcome<QString>::failure(u"The program's own web server could not start."_s);
    }
    if (!m_refusal.isEmpty()) {
        return Outcome<QString>::failure(m_refusal);
    }
    return QString(u"http://127.0.0.1:%1/"_s.arg(m_port) + fileName);
}

QStringList FakePreviewServer::folders() const
{
    QStringList folders;
    for (const Site& site : m_sites) {
        if (site.folders.size() == 1) {
            folders.append(site.folders.constFirst());
        }
    }
    return folders;
}

QList<QStringList> FakePreviewServer::sideBySide() const
{
    QList<QStringList> sets;
    for (const Site& site : m_sites) {
        if (site.folders.size() > 1) {
            sets.append(site.folders);
        }
    }
    return sets;
}

} // namespace morvane::platform
