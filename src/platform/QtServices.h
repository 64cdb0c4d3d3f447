#pragma once

#include "platform/Services.h"

#include <memory>

namespace morvane::platform {

inline constexpr QLatin1String messageBoxTitle{"Morvane"};

class QtMessageBoxes final : public MessageBoxes {
public:
    QtMessageBoxes() = default;
    bool askYesNo(QWidget* parent, const QString& question) override;
    void showError(QWidget* parent, const QString& text) override;
    void showInformation(QWidget* parent, const QString& text) override;
};

class QtFileDialogs final : public FileDialogs {
public:
    QtFileDialogs() = default;
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& initialFolder,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& initialFolder,
                            const QString& proposedName, const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& caption,
                         const QString& initialFolder) override;
};

class QtColorDialog final : public ColorDialog {
public:
    QtColorDialog() = default;
    std::optional<ColorRef> chooseColor(QWidget* parent, ColorRef initial,
                                        CustomColors& customs) override;
};

class QtShell final : public Shell {
public:
    QtShell() = default;
    void openFile(const QString& fileName, const QString& workingFolder) override;
    void openUrl(const QString& address) override;
};

class FolderServer;

class QtPreviewServer final : public PreviewServer {
public:
    QtPreviewServer();
    ~QtPreviewServer() override;
    Outcome<QString> addressOf(const Site& site, const QString& fileName) override;

private:
    std::unique_ptr<FolderServer> m_server;
};

class QtClipboard final : public Clipboard {
public:
    QtClipboard() = default;
    void setText(const QString& text) override;
};

class QtPrinter final : public Printer {
public:
    QtPrinter() = default;
    void print(const QTextDocument& document, const QString& jobTitle, QWidget* parent) override;
};

// The real desktop services, owned together; create one after the QApplication.
class QtServices final {
public:
    QtServices() = default;
    Q_DISABLE_COPY_MOVE(QtServices)

    Services services()
    {
        return Services{m_messages, m_files, m_colors, m_shell, m_clipboard, m_printer, m_preview};
    }

private:
    QtMessageBoxes m_messages;
    QtFileDialogs m_files;
    QtColorDialog m_colors;
    QtShell m_shell;
    QtClipboard m_clipboard;
    QtPrinter m_printer;
    QtPreviewServer m_preview;
};

} // namespace morvane::platform
