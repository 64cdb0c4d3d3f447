#include "ui/help/AboutBox.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using morvane::ui::AboutBox;

namespace {

TEST(AboutBox, ShowsTheBannerAndTheVersionAndClosesOnOk)
{
    AboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box.versionText(), QStringLiteral("1.5.4"));
    const QPixmap banner = box.findChild<QLabel*>(QStringLiteral("banner"))->pixmap();
    EXPECT_EQ(banner.size(), QSize(455, 95));
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("creditsLabel"))->text().isEmpty());

    box.show();
    box.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

} // namespace
