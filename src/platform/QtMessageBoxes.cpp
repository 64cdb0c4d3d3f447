#include "platform/QtServices.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include <algorithm>

namespace morvane::platform {

namespace {

// A short message makes a box so narrow that the window manager cuts its title to a few
// letters. The title bar also holds the window's icon and buttons, and its font is often
// larger than the box's.
void keepTitleWhole(QMessageBox& box)
{
    constexpr int kTitleBarExtras = 160;
    constexpr int kLeast = 260;
    const int title = box.fontMetrics().horizontalAdvance(box.windowTitle());
    const int width = std::max(kLeast, title * 3 / 2 + kTitleBarExtras);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    QMessageBox box(icon, messageBoxTitle, text, buttons, parent);
    // Messages quote paths and typed values, which must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::No)) {
        box.setDefaultButton(QMessageBox::No);
    }
    keepTitleWhole(box);
    return box.exec();
}

} // namespace

void QtMessageBoxes::showError(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Critical, text);
}

void QtMessageBoxes::showInformation(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Information, text);
}

bool QtMessageBoxes::askYesNo(QWidget* parent, const QString& question)
{
    return showBox(parent, QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace morvane::platform
