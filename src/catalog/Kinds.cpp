#include "catalog/Kinds.h"

namespace morvane::catalog {

const std::array<KindInfo, kKindCount>& kinds()
{
    static constexpr std::array<KindInfo, kKindCount> table{{
        {u"ButtonLink", 1},
        {u"CheckBoxLink", 1},
        {u"CropImages", 1},
        {u"CropImages2", 1},
        {u"CyclingColorsText", 1},
        {u"DateText", 1},
        {u"Deformation", 1},
        {u"Fade", 1},
        {u"Flickering", 1},
        {u"FontImageScrolling", 1},
        {u"Graph", 1},
        {u"GuestBook", 1},
        {u"HexColor", 1},
        {u"ImageAxisRotation", 1},
        {u"ImageConvex", 1},
        {u"ImageConvex2", 1},
        {u"ImageExtend", 1},
        {u"ImageLight", 1},
        {u"ImageLight2", 1},
        {u"ImagePointer", 1},
        {u"ImageStream", 1},
        {u"ImageViewer", 1},
        {u"ImageWhirl", 1},
        {u"IPViewer", 2},
        {u"LightOn", 2},
        {u"ListLink", 2},
        {u"LoginBox", 2},
        {u"Memory", 2},
        {u"MenuFrame", 2},
        {u"MenuPopUp", 2},
        {u"Navigation", 2},
        {u"Polygons", 2},
        {u"Protect", 2},
        {u"Puzzle", 2},
        {u"RandomImage", 2},
        {u"RandomLink", 2},
        {u"ScanImage", 2},
        {u"Scrolling", 2},
        {u"ScrollUpDown", 2},
        {u"SoundPlayer", 2},
        {u"Stars", 2},
        {u"StarsText", 2},
        {u"StarsText2", 2},
        {u"StatusBarScroller", 2},
        {u"Table", 2},
        {u"TextStream", 3},
        {u"TicTacToe", 3},
        {u"WaveText", 3},
        {u"WhoIsVisitor", 3},
        {u"Zoom", 3},
    }};
    return table;
}

QString kindName(int index)
{
    if (index < 0 || index >= kKindCount) {
        return {};
    }
    return QString::fromUtf16(kinds()[static_cast<size_t>(index)].name);
}

QStringList kindNames()
{
    QStringList names;
    names.reserve(kKindCount);
    for (const KindInfo& kind : kinds()) {
        names.append(QString::fromUtf16(kind.name));
    }
    return names;
}

int kindIndex(const QString& name)
{
    for (int i = 0; i < kKindCount; ++i) {
        if (name == QStringView(kinds()[static_cast<size_t>(i)].name)) {
            return i;
        }
    }
    return -1;
}

bool isKind(const QString& name)
{
    return kindIndex(name) >= 0;
}

bool startsMenuColumn(int index)
{
    return index > 0 && index < kKindCount &&
           kinds()[static_cast<size_t>(index)].menuColumn !=
               kinds()[static_cast<size_t>(index - 1)].menuColumn;
}

} // namespace morvane::catalog
