#include "platform/QtServices.h"

#include <QMessageBox>

namespace morvane::platform {

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, messageBoxTitle, text, QMessageBox::Ok, parent);
    // Messages quote paths and typed values, which must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
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

} // namespace morvane::platform
