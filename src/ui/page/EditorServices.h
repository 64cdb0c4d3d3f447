#pragma once

#include "platform/Services.h"
#include "settings/Options.h"
#include "settings/ValueSet.h"
#include "settings/WorkingCopy.h"
#include "ui/page/SectionLayout.h"

#include <QString>

#include <optional>

class QWidget;

namespace morvane::ui::page {

// What the editors of the page share: the desktop services, the last-used folder and the
// custom colors, and the working copy whose item lists and menu trees the list editors edit.
struct EditorServices {
    platform::Services services;
    settings::Options& options;
    QString appDir; // a relative last-used folder is taken from here
    settings::WorkingCopy& copy;
};

QString filterFor(FileKind files);

// The open-file dialog of a "Browse..." or "Add..." button, in the last-used folder. A chosen
// file makes its folder the last-used one; an empty result is a cancel.
QString browseForFile(const EditorServices& editors, QWidget* parent, FileKind files);

// The color dialog, opened on black with the shared custom colors; a confirmation replaces
// the custom colors with the dialog's, a cancel changes nothing.
std::optional<settings::ColorRef> chooseColor(const EditorServices& editors, QWidget* parent);

} // namespace morvane::ui::page
