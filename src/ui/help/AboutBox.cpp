#include "ui/help/AboutBox.h"

#include "catalog/Version.h"
#include "ui/help/AboutBanner.h"

#include <QLabel>
#include <QPushButton>

namespace morvane::ui {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(475, 167);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setPixmap(aboutBanner());
    banner->setGeometry(9, 8, kAboutBannerWidth, kAboutBannerHeight);

    m_version = new QLabel(morvane::versionText(), this);
    m_version->setObjectName(QStringLiteral("versionLabel"));
    QFont versionFont;
    versionFont.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans")});
    versionFont.setPixelSize(29);
    versionFont.setBold(true);
    m_version->setFont(versionFont);
    m_version->setAttribute(Qt::WA_TranslucentBackground);
    m_version->setStyleSheet(QStringLiteral("color: #FFE680;"));
    m_version->move(375, 18);
    m_version->adjustSize();

    auto* credits = new QLabel(
        QStringLiteral("Written by the Morvane team, with thanks to everyone who reported a bug."),
        this);
    credits->setObjectName(QStringLiteral("creditsLabel"));
    credits->setAlignment(Qt::AlignHCenter);
    credits->setGeometry(9, 112, kAboutBannerWidth, 18);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setGeometry(200, 136, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutBox::versionText() const
{
    return m_version->text();
}

} // namespace morvane::ui
