#pragma once

#include "platform/Clipboard.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/PreviewServer.h"
#include "platform/Printer.h"
#include "platform/Shell.h"

namespace morvane::platform {

// Everything a window asks of the desktop, handed over as one argument.
// The referenced services must outlive every window that holds this bundle.
struct Services {
    MessageBoxes& messages;
    FileDialogs& files;
    ColorDialog& colors;
    Shell& shell;
    Clipboard& clipboard;
    Printer& printer;
    PreviewServer& preview;
};

} // namespace morvane::platform
