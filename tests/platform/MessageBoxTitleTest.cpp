#include "platform/QtServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

// A one-word message must not make a box narrower than its title bar needs.
TEST(QtMessageBoxes, AShortMessageLeavesRoomForTheWholeTitle)
{
    int width = 0;
    int titleWidth = 0;
    std::function<void()> answer;
    answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(0, answer);
            return;
        }
        width = box->width();
        titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, answer);
    QtMessageBoxes boxes;
    boxes.showError(nullptr, u"Invalid"_s);
    EXPECT_GE(width, 260);
    EXPECT_GE(width, titleWidth + 160);
}

} // namespace
} // namespace morvane::platform
