#pragma once

#include "generator/GenerationContext.h"
#include "platform/Services.h"

#include <QString>

class QWidget;

namespace morvane::ui {

// "Publish...": asks for a folder, writes the page, its needed files and the runtime there, asks
// before replacing files of the folder that hold something else, and tells what was written.
// The folder dialog opens in the remembered destination folder, which a publish moves.
class PublishCommand final {
public:
    PublishCommand(platform::Services services, QString& destinationFolder, QWidget* parent);

    void run(const generator::GenerationInput& input);

private:
    platform::Services m_services;
    QString& m_destinationFolder;
    QWidget* m_parent;
};

// "Copy code": the applet's code into the clipboard, as the HTML window copies it, without
// opening that window; a value that does not validate is told instead. True when copied.
bool copyAppletCode(platform::Services services, QWidget* parent,
                    const generator::GenerationInput& input);

} // namespace morvane::ui
