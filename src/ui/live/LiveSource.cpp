#include "ui/live/LiveSource.h"

#include "generator/Generator.h"
#include "generator/LivePage.h"

using namespace Qt::StringLiterals;

namespace morvane::ui {

Outcome<QString> liveAddress(const LiveSource& source, const QString& folder)
{
    if (source.state.view() != View::KindPage) {
        return Outcome<QString>::failure(u"Open an applet's page to see the applet here."_s);
    }
    const Outcome<generator::Generation> generation = generator::generateClosed(
        generator::GenerationInput{source.state.currentKind(), source.values,
                                   source.state.support(), source.appDir, true});
    if (!generation) {
        return generation.result();
    }
    const Outcome<QString> page =
        generator::prepareLivePage(source.appDir, generation->lines, generation->media, folder);
    if (!page) {
        return page;
    }
    const QString address = source.server.addressOf(folder, page.value());
    if (address.isEmpty()) {
        return Outcome<QString>::failure(
            u"The live preview needs the program's own web server, which could not start."_s);
    }
    return address;
}

} // namespace morvane::ui
