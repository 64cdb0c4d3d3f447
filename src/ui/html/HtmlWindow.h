#pragma once

#include "platform/Services.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace morvane::ui {

// "HTML and needed files": the generated code and the files it needs, with the commands that
// copy, save and install them. It reads what the main window hands it and keeps nothing else.
class HtmlWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HtmlWindow)

public:
    // `destinationFolder` is the remembered folder of this window's dialogs; it is updated by
    // every confirmed dialog.
    HtmlWindow(platform::Services services, QString& destinationFolder, QWidget* parent = nullptr);

    void setContent(const QString& appDir, const QString& kind, const QStringList& htmlLines,
                    const QStringList& media);

    QStringList neededFiles() const;
    QString htmlText() const;

    void copyIntoClipboard();
    void saveAsText();
    void savePreviewPage();
    void saveNeededFilesInto();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool writeLines(const QString& path, const QStringList& lines);

    platform::Services m_services;
    QString& m_destinationFolder;
    QString m_appDir;
    QString m_kind;
    QStringList m_htmlLines;
    QStringList m_media;
    QListWidget* m_neededFiles;
    QLabel* m_openFileWarning;
    QPlainTextEdit* m_html;
};

} // namespace morvane::ui
