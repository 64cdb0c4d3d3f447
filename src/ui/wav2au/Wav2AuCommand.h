#pragma once

#include "platform/Services.h"

#include <QString>

class QWidget;

namespace morvane::ui {

// "&Wav2Au...": picks a WAV file, converts it, picks where to write the AU file and writes it.
// Both dialogs open in the last-used folder, and each confirmed one moves it. A conversion
// that takes longer than half a second shows its progress.
class Wav2AuCommand final {
public:
    Wav2AuCommand(platform::Services services, QString& lastFolder, QWidget* parent);

    void run();

private:
    platform::Services m_services;
    QString& m_lastFolder;
    QWidget* m_parent;
};

} // namespace morvane::ui
