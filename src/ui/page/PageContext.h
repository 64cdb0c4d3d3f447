#pragma once

#include "platform/Services.h"
#include "settings/Options.h"
#include "settings/ValueSet.h"
#include "settings/WorkingCopy.h"
#include "ui/page/SectionLayout.h"

#include <QString>

#include <optional>

class QWidget;

namespace morvane::ui {

// What the page edits and the services its sections and editors use. The referenced objects
// must outlive the page. `services` is a bundle of references and is copied.
struct PageContext {
    settings::WorkingCopy& copy;
    platform::Services services;
    settings::Options& options; // last-used folder and custom colors
    QString appDir;             // a relative last-used folder is taken from here
};

} // namespace morvane::ui

namespace morvane::ui::page {

QString filterFor(FileKind files);

// The open-file dialog of a "Browse..." or "Add..." button, in the last-used folder. A chosen
// file makes its folder the last-used one; an empty result is a cancel.
QString browseForFile(const PageContext& context, QWidget* parent, FileKind files);

// The color dialog, opened on `initial` with the shared custom colors; a confirmation replaces
// the custom colors with the dialog's, a cancel changes nothing.
std::optional<ColorRef> chooseColor(const PageContext& context, QWidget* parent, ColorRef initial);

} // namespace morvane::ui::page
