#pragma once

#include <QDialog>

class QLabel;

namespace morvane::ui {

// The About box: the banner, the program's version drawn over it, a credits line and "OK".
class AboutBox final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBox)

public:
    explicit AboutBox(QWidget* parent = nullptr);

    QString versionText() const;

private:
    QLabel* m_version = nullptr;
};

} // namespace morvane::ui
