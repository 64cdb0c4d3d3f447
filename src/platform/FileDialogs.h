#pragma once

#include <QtGlobal>

class QString;
class QWidget;

namespace morvane::platform {

// Every call is one modal dialog; an empty result means the user cancelled.
// Filters are given in the "Description|*.EXT;*.EXT2|..." form of FileFilters.h.
// Save dialogs replace an existing file without asking and append no extension:
// callers apply appendExtensionIfMissing (PathRules.h) themselves.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString getOpenFileName(QWidget* parent, const QString& caption,
                                    const QString& initialFolder, const QString& filter) = 0;
    // Only the file name part of proposedName is used; the dialog opens in initialFolder.
    virtual QString getSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& initialFolder, const QString& proposedName,
                                    const QString& filter) = 0;
    // The user can create a folder from the chooser, also by typing a name that does not
    // exist yet: the chooser asks before creating it.
    virtual QString chooseFolder(QWidget* parent, const QString& caption,
                                 const QString& initialFolder) = 0;

protected:
    FileDialogs() = default;
    Q_DISABLE_COPY_MOVE(FileDialogs)
};

} // namespace morvane::platform
