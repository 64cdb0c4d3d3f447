#pragma once

#include "platform/Services.h"
#include "settings/Options.h"
#include "settings/ValueSet.h"
#include "settings/WorkingCopy.h"
#include "ui/page/SectionLayout.h"

#include <QString>

#include <functional>
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

// Hands `take` the file the user picks for a field that takes `files`: the one chosen in the
// open-file dialog, in the last-used folder, when the returned function runs (the field's
// "Browse..." or "Add..."), or one file dropped onto `target` from the file manager that the
// dialog would have offered. Either way its folder becomes the last-used one; a cancelled
// dialog hands nothing.
std::function<void()> pickFiles(const PageContext& context, QWidget* target, FileKind files,
                                std::function<void(const QString&)> take);

// The color dialog, opened on `initial` with the shared custom colors; a confirmation replaces
// the custom colors with the dialog's, a cancel changes nothing.
std::optional<ColorRef> chooseColor(const PageContext& context, QWidget* parent, ColorRef initial);

} // namespace morvane::ui::page
