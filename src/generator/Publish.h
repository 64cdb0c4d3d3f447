#pragma once

#include "base/Outcome.h"
#include "generator/GenerationContext.h"

#include <QString>
#include <QStringList>

namespace morvane::generator {

// What is published: the kind's values in a markup, into a folder of the user's. The runtime is
// always part of it, whatever the option says: the page must run where it is uploaded.
struct PublishRequest {
    GenerationInput input; // its `runtime` is not read
    QString folder;        // relative paths are taken from the input's appDir
    // Files of the folder that bear a needed name but hold something else are replaced only when
    // this is set; otherwise nothing at all is written.
    bool replaceDiffering = false;
};

// What a publish found in the folder and did there, each list in the page's order.
struct PublishReport {
    QString folder;        // the folder written into, as the system resolves it
    QString page;          // the page's name, first of the files
    QStringList written;   // new in the folder
    QStringList replaced;  // there before with another content: replaced, or to be when !done
    QStringList unchanged; // there before with the same content, left as they were
    bool done = false;     // false: `replaced` is not empty and replacing was not allowed
};

// "stars.html": the page's name in the folder.
QString publishedPageName(const QString& kind);

// One whole HTML5 page around the code: UTF-8, `lang`, a viewport line and the kind's name as
// the title.
QStringList publishedPage(const QString& kind, const QStringList& codeLines);

// Writes the page, every needed file it names and the runtime into the folder, and nothing else.
// The folder is made when missing. Refused, with nothing written: a value that does not
// validate (its message), a folder in one the program serves (test, samples, runtime, help) or
// reached from the installation through a link leading out, a needed name that is a link, a
// folder or a device there, and two needed files of one name. Each file is staged before any
// takes its place, so a failure leaves the folder as it was.
Outcome<PublishReport> publish(const PublishRequest& request);

// What the user is told after a publish that was done.
QString publishedMessage(const PublishReport& report);
// What the user is asked before replacing the files that differ.
QString replaceQuestion(const PublishReport& report);

} // namespace morvane::generator
