#include "ui/help/AboutBox.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using morvane::ui::AboutBox;

namespace {

TEST(AboutBox, ShowsTheBannerAndTheVersionAndClosesOnOk)
{
    AboutBox box;
    EXPECT_EQ(box.windowTitle(), u"About"_s);
    EXPECT_EQ(box.versionText(), u"1.5.4"_s);
    const QPixmap banner = box.findChild<QLabel*>(u"banner"_s)->pixmap();
    EXPECT_EQ(banner.size(), QSize(455, 95));
    EXPECT_FALSE(box.findChild<QLabel*>(u"creditsLabel"_s)->text().isEmpty());

    box.show();
    box.findChild<QPushButton*>(u"okButton"_s)->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

} // namespace
