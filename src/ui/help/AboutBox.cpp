#include "ui/help/AboutBox.h"

#include "catalog/Version.h"
#include "ui/help/AboutBanner.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace morvane::ui {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(u"About"_s);
    setFixedSize(475, 167);

    auto* banner = new QLabel(this);
    banner->setObjectName(u"banner"_s);
    banner->setPixmap(aboutBanner());
    banner->setGeometry(9, 8, kAboutBannerWidth, kAboutBannerHeight);

    m_version = new QLabel(morvane::versionText(), this);
    m_version->setObjectName(u"versionLabel"_s);
    QFont versionFont;
    versionFont.setFamilies({u"Comic Sans MS"_s, u"DejaVu Sans"_s});
    versionFont.setPixelSize(29);
    versionFont.setBold(true);
    m_version->setFont(versionFont);
    m_version->setAttribute(Qt::WA_TranslucentBackground);
    m_version->setStyleSheet(u"color: #FFE680;"_s);
    m_version->move(375, 18);
    m_version->adjustSize();

    auto* credits = new QLabel(
        u"Written by the Morvane team, with thanks to everyone who reported a bug."_s, this);
    credits->setObjectName(u"creditsLabel"_s);
    credits->setAlignment(Qt::AlignHCenter);
    credits->setGeometry(9, 112, kAboutBannerWidth, 18);

    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"okButton"_s);
    ok->setDefault(true);
    ok->setGeometry(200, 136, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutBox::versionText() const
{
    return m_version->text();
}

} // namespace morvane::ui
