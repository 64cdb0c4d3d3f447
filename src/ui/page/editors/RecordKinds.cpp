#include "ui/page/editors/RecordKinds.h"

#include <algorithm>

namespace morvane::ui::page {
namespace {

using E = Entry;

// clang-format off
constexpr RecordColumn kCheckBoxLink[] = {
    {u"TextList2.txt", u"Text :", E::Edit, FileKind::Images, u"You must specify an associated text"},
    {u"CheckList2.txt", u"Initially checked", E::CheckBox},
    {u"LinkList2.txt", u"Link :", E::Edit, FileKind::Images, u"You must specify an associated link"},
};
constexpr int kCheckBoxLinkDisplay[] = {0, 2};

constexpr RecordColumn kListLink[] = {
    {u"TextList.txt", u"Text :", E::Edit, FileKind::Images, u"You must specify an associated text"},
    {u"LinkList.txt", u"Link :", E::Edit, FileKind::Images, u"You must specify an associated link"},
};
constexpr int kListLinkDisplay[] = {0, 1};

constexpr RecordColumn kLoginBox[] = {
    {u"LoginList4.txt", u"Login :", E::Edit, FileKind::Images, u"You must specify an associated login"},
    {u"PasswordList4.txt", u"Password :", E::Edit, FileKind::Images, u"You must specify an associated password"},
    {u"LinkList4.txt", u"Link:", E::Edit, FileKind::Images, u"You must specify an associated link"},
};
constexpr int kLoginBoxDisplay[] = {0, 1, 2};

constexpr RecordColumn kNavigation[] = {
    {u"LinkList3.txt", u"Link :", E::Edit, FileKind::Images, u"You must specify an associated link"},
    {u"ImageList3.txt", u"Image :", E::PathEdit, FileKind::Images, u"You must specify an associated image"},
    {u"FocusedImageList3.txt", u"Mouse over image :", E::PathEdit, FileKind::Images, u"You must specify an associated mouse over image"},
};
constexpr int kNavigationDisplay[] = {0, 1, 2};

constexpr RecordColumn kImageViewer[] = {
    {u"ImageViewerLocations.txt", u"Image location :", E::PathEdit, FileKind::Images, u"You must specify an associated image"},
    {u"ImageViewerNames.txt", u"Image name :", E::Edit, FileKind::Images, u"You must specify an associated image name"},
};
constexpr RecordColumn kSoundPlayer[] = {
    {u"SoundPlayerLocations.txt", u"Clip location :", E::PathEdit, FileKind::Sounds, u"You must specify an associated clip"},
    {u"SoundPlayerNames.txt", u"Clip name :", E::Edit, FileKind::Images, u"You must specify an associated clip name"},
};
constexpr int kNameThenLocation[] = {1, 0};

constexpr RecordColumn kTable[] = {
    {u"TextList3.txt", u"Column number :", E::Edit, FileKind::Images, u"You must specify a column number"},
    {u"ColorList3.txt", u"Color :", E::Swatch},
};
constexpr int kTableDisplay[] = {0, 1};

constexpr RecordKind kKinds[] = {
    {u"CheckBoxLink", u"Texts and links", kCheckBoxLink, kCheckBoxLinkDisplay},
    {u"ImageViewer", u"Images locations and images names", kImageViewer, kNameThenLocation, false},
    {u"ListLink", u"Texts and links", kListLink, kListLinkDisplay},
    {u"LoginBox", u"Texts and links", kLoginBox, kLoginBoxDisplay},
    {u"Navigation", u"Images and links :", kNavigation, kNavigationDisplay},
    {u"SoundPlayer", u"Clips locations and clips names", kSoundPlayer, kNameThenLocation},
    {u"Table", u"Custom data color in columns :", kTable, kTableDisplay},
};
// clang-format on

} // namespace

const RecordKind* findRecordKind(const QString& kind)
{
    const auto it =
        std::find_if(std::begin(kKinds), std::end(kKinds),
                     [&](const RecordKind& entry) { return kind == QStringView(entry.kind); });
    return it == std::end(kKinds) ? nullptr : it;
}

std::span<const RecordKind> recordKinds()
{
    return kKinds;
}

} // namespace morvane::ui::page
