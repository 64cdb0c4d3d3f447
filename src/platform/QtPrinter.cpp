#include "platform/QtServices.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace morvane::platform {

void QtPrinter::print(const QTextDocument& document, const QString& jobTitle, QWidget* parent)
{
    QPrinter printer;
    printer.setDocName(jobTitle);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(jobTitle);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
    document.print(&printer);
}

} // namespace morvane::platform
