#pragma once

#include <QtGlobal>

class QString;
class QTextDocument;
class QWidget;

namespace morvane::platform {

class Printer {
public:
    virtual ~Printer() = default;
    // Prints on the default printer; without one, a print dialog lets the user pick a printer.
    virtual void print(const QTextDocument& document, const QString& jobTitle, QWidget* parent) = 0;

protected:
    Printer() = default;
    Q_DISABLE_COPY_MOVE(Printer)
};

} // namespace morvane::platform
