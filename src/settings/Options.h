#pragma once

#include "base/Outcome.h"
#include "base/Result.h"
#include "settings/Markup.h"

#include <QString>
#include <QStringList>

namespace morvane::settings {

using namespace Qt::StringLiterals;

// What the program remembers about its own use, from start-up to the closing step.
struct Options {
    QString lastFolder = u"images&sounds"_s; // initial folder of media dialogs
    QString destinationFolder;               // initial folder of the HTML window
    bool hotTrack = true;
    bool runtime = true;      // the HTML code loads the script that runs the applets in browsers
    QStringList customColors; // the lines of cfg/customcolors.txt
    // x, y, width and height of the main window's client area; empty: centred at its usual size.
    QList<int> windowGeometry;
    QList<int> splitterSizes;      // the explorer's width, then the views'; empty: the usual widths
    bool windowMaximized = false;  // windowGeometry is then the place it returns to
    bool livePreview = true;       // the pane playing the current kind's applet is shown
    bool livePreviewBelow = false; // that pane is below the page, not beside it
    QList<int> livePreviewSize;    // its width beside the page, its height below; empty: usual

    // The form of the applet code the program writes: Modern only when `markup` reads exactly
    // "modern".
    Markup markup = Markup::Applet;

    QStringList recentKinds;       // the kinds last opened, the latest first (File > Recent)
    bool reopenLastApplet = false; // the latest of them is opened at start
};

// How many kinds File > Recent keeps.
inline constexpr qsizetype kMaxRecentKinds = 8;

// `recent` with `kind` moved or added first, and no more than kMaxRecentKinds.
QStringList withRecentKind(QStringList recent, const QString& kind);

// The user's home folder: the destination folder when none was saved.
QString defaultDestinationFolder();

// Reads `directories` and `options` of morvane.ini, the custom colors left empty (see
// loadCustomColors). `hottrack`, `runtime` and `livepreview` are on only when they read exactly
// "yes" (missing: on), `livepreviewbelow` and `windowmaximized` likewise (missing: off).
// `windowgeometry`, `splittersizes` and `livepreviewsize` read as empty unless they hold exactly
// four, two and two whole numbers separated by commas. `recent` keeps only the names of kinds,
// each once, kMaxRecentKinds at most; `reopenlast` is on only when it reads exactly "yes". A save
// that a crash cut short is the caller's to finish first (finishInterruptedSave).
Outcome<Options> loadOptions(const QString& appDir);
// The options an empty morvane.ini gives: those to go on with when it cannot be read.
Options defaultOptions();
// The lines of cfg/customcolors.txt; a missing file is an empty list.
Outcome<QStringList> loadCustomColors(const QString& appDir);

// The closing step's writes, before the current kind is saved: the two folders and the options;
// an empty number list leaves its key as it was.
Result saveOptions(const QString& appDir, const Options& options);
// The closing step's last write.
Result saveCustomColors(const QString& appDir, const QStringList& lines);

QString customColorsPath(const QString& appDir);

} // namespace morvane::settings
