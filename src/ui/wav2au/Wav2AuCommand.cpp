#include "ui/wav2au/Wav2AuCommand.h"

#include "audio/DestinationName.h"
#include "audio/WavToAu.h"
#include "platform/FileFilters.h"
#include "platform/PathRules.h"

#include <QProgressDialog>

#include <cmath>

using namespace Qt::StringLiterals;

namespace morvane::ui {

namespace {

constexpr int kProgressSteps = 1000;

Outcome<QByteArray> encodeWithProgress(const QString& source, QWidget* parent)
{
    QProgressDialog progress(u"Converting "_s + source, QString(), 0, kProgressSteps, parent);
    progress.setObjectName(u"wav2auProgress"_s);
    progress.setWindowTitle(u"Wav2Au"_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setValue(0);
    Outcome<QByteArray> encoded = audio::encodeWavFile(source, [&progress](double fraction) {
        progress.setValue(static_cast<int>(std::lround(fraction * (kProgressSteps - 1))));
    });
    progress.reset();
    return encoded;
}

} // namespace

Wav2AuCommand::Wav2AuCommand(platform::Services services, QString& lastFolder, QWidget* parent)
    : m_services(services)
    , m_lastFolder(lastFolder)
    , m_parent(parent)
{}

void Wav2AuCommand::run()
{
    const QString source = m_services.files.getOpenFileName(m_parent, u"Open"_s, m_lastFolder,
                                                            platform::waveFilesFilter);
    if (source.isEmpty()) {
        return;
    }
    m_lastFolder = platform::folderOfChosenFile(source);

    const Outcome<QByteArray> encoded = encodeWithProgress(source, m_parent);
    if (!encoded.ok()) {
        m_services.messages.showError(m_parent, encoded.message());
        return;
    }

    const QString chosen = m_services.files.getSaveFileName(m_parent, u"Save As"_s, m_lastFolder,
                                                            audio::proposedDestinationName(source),
                                                            platform::auFilesFilter);
    if (chosen.isEmpty()) {
        return;
    }
    const QString destination = audio::destinationWithAuExtension(chosen);
    m_lastFolder = platform::folderOfChosenFile(chosen);

    const Result written = audio::writeAuFile(encoded.value(), destination, source);
    if (!written.ok) {
        m_services.messages.showError(m_parent, written.message);
        return;
    }
    m_services.messages.showInformation(m_parent, audio::successMessage(source, destination));
}

} // namespace morvane::ui
