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
    // The pane's own folder lies outside the installation.
    return source.server.addressOf({{folder}, QString()}, page.value());
}

QSize liveAppletSize(const LiveSource& source)
{
    if (source.state.view() != View::KindPage) {
        return {};
    }
    bool wide = false;
    bool high = false;
    const int width = source.values.common().text(u"Width"_s).trimmed().toInt(&wide);
    const int height = source.values.common().text(u"Height"_s).trimmed().toInt(&high);
    return wide && high && width > 0 && height > 0 ? QSize(width, height) : QSize();
}

} // namespace morvane::ui
