#pragma once

#include "settings/Profile.h"

#include <QString>

namespace morvane::settings {

// Every key the program keeps about its own use in morvane.ini, spelled once.
enum class OptionKey {
    LastFolder,        // initial folder of the media dialogs
    DestinationFolder, // initial folder of the HTML window
    HotTrack,          // lists follow the mouse
    Runtime,           // the HTML code loads the script that runs the applets in browsers
    FirstRun,          // "yes" until the first start has installed the sample media
    WindowGeometry,    // the main window's client area when it was last closed: "x,y,w,h"
    SplitterSizes,     // the widths of the explorer and of the views beside it: "a,b"
    WindowMaximized,   // the main window filled the screen when it was last closed
    LivePreview,       // the pane that plays the current kind's applet beside its page
    LivePreviewBelow,  // that pane below the page rather than beside it
    LivePreviewSize,   // that pane's width beside the page and height below it: "w,h"
    Markup,            // the form of the applet code: "applet" or "modern" (see Markup.h)
    RecentKinds,       // the kinds last opened, the latest first: "Stars,Fade"
    ReopenLast,        // the latest of them is opened again at start
};

struct OptionKeyInfo {
    OptionKey id;
    const char16_t* section;
    const char16_t* key;
    const char16_t* missing; // what a missing key reads as; nullptr: decided by the caller
};

const OptionKeyInfo& optionKeyInfo(OptionKey id);

// The key's text; when it is not there, the table's value, or `missing` for a key whose value
// then is the caller's to decide.
QString readOption(const Profile& profile, OptionKey id, const QString& missing = QString());
void writeOption(Profile& profile, OptionKey id, const QString& value);

// A yes/no option: on only when it reads exactly "yes".
bool readFlagOption(const Profile& profile, OptionKey id);
void writeFlagOption(Profile& profile, OptionKey id, bool on);

} // namespace morvane::settings
