#include "ui/publish/PublishCommand.h"

#include "generator/Generator.h"
#include "generator/Publish.h"

#include <QCursor>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace morvane::ui {

PublishCommand::PublishCommand(platform::Services services, QString& destinationFolder,
                               QWidget* parent)
    : m_services(services)
    , m_destinationFolder(destinationFolder)
    , m_parent(parent)
{}

void PublishCommand::run(const generator::GenerationInput& input)
{
    // A value that does not validate is told before the user looks for a folder.
    if (const Outcome<generator::Generation> code = generator::generateClosed(input); !code) {
        m_services.messages.showError(m_parent, code.message());
        return;
    }
    const QString folder = m_services.files.chooseFolder(
        m_parent, u"Publish "_s + input.kind + u" into"_s, m_destinationFolder);
    if (folder.isEmpty()) {
        return;
    }
    generator::PublishRequest request{input, folder, false};
    Outcome<generator::PublishReport> report = generator::publish(request);
    if (report && !report->done) {
        if (!m_services.messages.askYesNo(m_parent, generator::replaceQuestion(*report))) {
            return;
        }
        request.replaceDiffering = true;
        report = generator::publish(request);
    }
    if (!report) {
        m_services.messages.showError(m_parent, report.message());
        return;
    }
    m_destinationFolder = folder;
    m_services.messages.showInformation(m_parent, generator::publishedMessage(*report));
}

bool copyAppletCode(platform::Services services, QWidget* parent,
                    const generator::GenerationInput& input)
{
    const Outcome<generator::Generation> code = generator::generateClosed(input);
    if (!code) {
        services.messages.showError(parent, code.message());
        return false;
    }
    services.clipboard.setText(code->lines.join(u"\r\n"_s));
    // A box to close after every copy would be in the way; a tip says it was done.
    QToolTip::showText(QCursor::pos(), u"The code of "_s + input.kind + u" is in the clipboard"_s,
                       parent);
    return true;
}

} // namespace morvane::ui
