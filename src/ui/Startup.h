#pragma once

#include "platform/Services.h"
#include "settings/FolderLock.h"
#include "ui/MainWindow.h"

#include <QObject>

#include <chrono>
#include <memory>

class QLocalServer;

namespace morvane::ui {

// The program's start-up after the application object exists: the main window is created and
// shown, then the options are loaded and the first-run step runs. The caller enters the event
// loop. Without a live preview factory the window has no live preview pane.
std::unique_ptr<MainWindow> startMorvane(const QString& appDir, platform::Services services,
                                         const platform::LivePreviewFactory& livePreview = {});

// The start's last step: the latest of the recent kinds opens, when the options ask for it.
void reopenLastApplet(MainWindow& window);

// The program that holds a folder, found by the next one started on the same folder (a double
// click too many on the launcher): that one asks this one to come to the front and ends, rather
// than open a second window that would mix its saves with this one's. Only programs of the same
// user reach it.
class FolderOwner final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FolderOwner)

public:
    explicit FolderOwner(const QString& folder, QObject* parent = nullptr);
    ~FolderOwner() override;

    // Answers from now on; false when it cannot, and the program goes on without.
    bool listen();

    // One name per folder, however it is reached (a link, a relative path).
    static QString addressOf(const QString& folder);

Q_SIGNALS:
    void raiseRequested();

private:
    QString m_folder;
    QLocalServer* m_server = nullptr;
};

// Asks the program holding `folder` to come to the front; false when none answered in time.
// Each wait for the holder lasts at most `patience`.
bool askOwnerToRaise(const QString& folder, std::chrono::milliseconds patience);

// What a start does about the folder it is to work in.
enum class FolderClaim {
    Owner,      // holds the folder (or no lock can be made there, and nobody holds it)
    HandedOver, // the program holding it was asked to come to the front: this one ends
    InUse,      // another program holds it and does not answer, such as the command-line tool
};

// Takes the folder's lock and answers for the folder from then on; a folder held by another
// program is handed over to it. A holder that neither answers nor lets go is waited for until
// `patience` runs out: it may be a command-line tool about to finish, or a program still
// starting.
FolderClaim claimFolder(settings::FolderLock& lock, FolderOwner& owner,
                        std::chrono::milliseconds patience);

} // namespace morvane::ui
