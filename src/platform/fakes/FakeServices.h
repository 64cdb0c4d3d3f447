#pragma once

#include "platform/Services.h"

#include <QList>
#include <QString>
#include <QStringList>

// Test doubles for the desktop services: they record every call and answer from queues set
// up in advance. None of them opens a window; an empty queue answers "cancelled".

namespace morvane::platform {

class FakeMessageBoxes final : public MessageBoxes {
public:
    enum class Kind { Error, Information, Question };
    struct Shown {
        Kind kind;
        QString text;
        QWidget* parent;
    };

    FakeMessageBoxes() = default;
    void showError(QWidget* parent, const QString& text) override;
    void showInformation(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& question) override;

    // Queued answers to questions; an empty queue answers No.
    void setNextAnswer(bool yes) { m_answers.append(yes); }
    qsizetype unusedAnswers() const { return m_answers.size(); }

    const QList<Shown>& shown() const { return m_shown; }
    QStringList errors() const;
    QStringList informations() const;
    QStringList questions() const;
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
    }

private:
    QList<Shown> m_shown;
    QList<bool> m_answers;
};

class FakeFileDialogs final : public FileDialogs {
public:
    enum class Kind { Open, Save, Folder };
    struct Call {
        Kind kind;
        QString caption;
        QString initialFolder;
        QString proposedName;
        QString filter;
    };

    FakeFileDialogs() = default;
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& initialFolder,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& initialFolder,
                            const QString& proposedName, const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& caption,
                         const QString& initialFolder) override;

    // Queued answers: file names for open and save dialogs, folders for the folder chooser.
    // An empty text, like an empty queue, stands for a cancelled dialog.
    void setNextFileName(const QString& fileName) { m_fileNames.append(fileName); }
    void setNextFolder(const QString& folder) { m_folders.append(folder); }

    const QList<Call>& calls() const { return m_calls; }
    qsizetype unusedAnswers() const { return m_fileNames.size() + m_folders.size(); }
    void clear();

private:
    QString answer(QStringList& queue);

    QList<Call> m_calls;
    QStringList m_fileNames;
    QStringList m_folders;
};

class FakeColorDialog final : public ColorDialog {
public:
    struct Call {
        ColorRef initial;
        CustomColors customs;
    };

    FakeColorDialog() = default;
    std::optional<ColorRef> chooseColor(QWidget* parent, ColorRef initial,
                                        CustomColors& customs) override;

    // A color confirms the next dialog, std::nullopt cancels it. On confirmation the caller's
    // custom colors become customsAfter when given, and stay as they were otherwise.
    void setNextAnswer(std::optional<ColorRef> color,
                       std::optional<CustomColors> customsAfter = std::nullopt);

    const QList<Call>& calls() const { return m_calls; }
    qsizetype unusedAnswers() const { return m_answers.size(); }
    void clear();

private:
    struct Answer {
        std::optional<ColorRef> color;
        std::optional<CustomColors> customsAfter;
    };
    QList<Call> m_calls;
    QList<Answer> m_answers;
};

class FakeShell final : public Shell {
public:
    struct OpenedFile {
        QString fileName;
        QString workingFolder;
    };

    FakeShell() = default;
    void openFile(const QString& fileName, const QString& workingFolder) override;
    void openUrl(const QString& address) override;

    const QList<OpenedFile>& openedFiles() const { return m_files; }
    const QStringList& openedUrls() const { return m_urls; }
    void clear();

private:
    QList<OpenedFile> m_files;
    QStringList m_urls;
};

class FakeClipboard final : public Clipboard {
public:
    FakeClipboard() = default;
    void setText(const QString& text) override { m_texts.append(text); }

    // Every text set, oldest first; the clipboard holds the last one.
    const QStringList& texts() const { return m_texts; }
    QString text() const { return m_texts.isEmpty() ? QString() : m_texts.constLast(); }
    void clear() { m_texts.clear(); }

private:
    QStringList m_texts;
};

class FakePrinter final : public Printer {
public:
    struct Job {
        QString plainText;
        QString jobTitle;
    };

    FakePrinter() = default;
    void print(const QTextDocument& document, const QString& jobTitle, QWidget* parent) override;

    const QList<Job>& jobs() const { return m_jobs; }
    void clear() { m_jobs.clear(); }

private:
    QList<Job> m_jobs;
};

// Until started it answers like a server that could not start, so the caller opens the file.
class FakePreviewServer final : public PreviewServer {
public:
    FakePreviewServer() = default;
    Outcome<QString> addressOf(const Site& site, const QString& fileName) override;

    // Answers "http://127.0.0.1:" + port + "/" + fileName from now on.
    void start(quint16 port) { m_port = port; }
    // From now on refuses every site with this message, as the server refuses a folder that is
    // a link; an empty text serves again.
    void refuse(const QString& message) { m_refusal = message; }
    // Every site asked for, oldest first.
    const QList<Site>& sites() const { return m_sites; }
    // The folders of the sites of one folder, oldest first.
    QStringList folders() const;
    // The folders of the sites of several folders side by side, oldest first.
    QList<QStringList> sideBySide() const;

private:
    quint16 m_port = 0;
    QString m_refusal;
    QList<Site> m_sites;
};

// All seven fakes, ready to hand to a window as one Services bundle.
class FakeServices final {
public:
    FakeServices() = default;
    Q_DISABLE_COPY_MOVE(FakeServices)

    Services services()
    {
        return Services{messages, files, colors, shell, clipboard, printer, preview};
    }

    FakeMessageBoxes messages;
    FakeFileDialogs files;
    FakeColorDialog colors;
    FakeShell shell;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakePreviewServer preview;
};

} // namespace morvane::platform
