#pragma once

#include "platform/Services.h"

#include <QStringList>

class QWidget;

namespace morvane::ui {

// Opens a page of the installation's samples in the browser: from the loopback server when it
// runs, from the disk otherwise, with a message saying why its applets may then miss their
// files.
void openSamplePage(const platform::Services& services, QWidget* parent, const QString& appDir,
                    const QString& folder, const QString& fileName);

// Writes the preview page of `kind` into the test folder and opens it the same way; a page
// that cannot be written is reported.
void openPreviewPage(const platform::Services& services, QWidget* parent, const QString& appDir,
                     const QString& kind, const QStringList& lines, const QStringList& media);

} // namespace morvane::ui
