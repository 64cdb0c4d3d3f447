#include "ui/page/editors/RecordKinds.h"

#include <algorithm>

namespace morvane::ui::page {
namespace {

using E = Entry;
using catalog::ListFileId;

// clang-format off
constexpr RecordColumn kCheckBoxLink[] = {
    {ListFileId::CheckBoxLinkTexts, u"Text :", E::Edit, FileKind::Images, u"You must specify an associated text"},
    {ListFileId::CheckBoxLinkStates, u"Initially checked", E::CheckBox},
    {ListFileId::CheckBoxLinkLinks, u"Link :", E::Edit, FileKind::Images, u"You must specify an associated link"},
};
constexpr int kCheckBoxLinkDisplay[] = {0, 2};

constexpr RecordColumn kListLink[] = {
    {ListFileId::ListLinkTexts, u"Text :", E::Edit, FileKind::Images, u"You must specify an associated text"},
    {ListFileId::ListLinkLinks, u"Link :", E::Edit, FileKind::Images, u"You must specify an associated link"},
};
constexpr int kListLinkDisplay[] = {0, 1};

constexpr RecordColumn kLoginBox[] = {
    {ListFileId::LoginBoxLogins, u"Login :", E::Edit, FileKind::Images, u"You must specify an associated login"},
    {ListFileId::LoginBoxPasswords, u"Password :", E::Edit, FileKind::Images, u"You must specify an associated password"},
    {ListFileId::LoginBoxLinks, u"Link:", E::Edit, FileKind::Images, u"You must specify an associated link"},
};
constexpr int kLoginBoxDisplay[] = {0, 1, 2};

constexpr RecordColumn kNavigation[] = {
    {ListFileId::NavigationLinks, u"Link :", E::Edit, FileKind::Images, u"You must specify an associated link"},
    {ListFileId::NavigationImages, u"Image :", E::PathEdit, FileKind::Images, u"You must specify an associated image"},
    {ListFileId::NavigationFocusedImages, u"Mouse over image :", E::PathEdit, FileKind::Images, u"You must specify an associated mouse over image"},
};
constexpr int kNavigationDisplay[] = {0, 1, 2};

constexpr RecordColumn kImageViewer[] = {
    {ListFileId::ImageViewerLocations, u"Image location :", E::PathEdit, FileKind::Images, u"You must specify an associated image"},
    {ListFileId::ImageViewerNames, u"Image name :", E::Edit, FileKind::Images, u"You must specify an associated image name"},
};
constexpr RecordColumn kSoundPlayer[] = {
    {ListFileId::SoundPlayerLocations, u"Clip location :", E::PathEdit, FileKind::Sounds, u"You must specify an associated clip"},
    {ListFileId::SoundPlayerNames, u"Clip name :", E::Edit, FileKind::Images, u"You must specify an associated clip name"},
};
constexpr int kNameThenLocation[] = {1, 0};

constexpr RecordColumn kTable[] = {
    {ListFileId::TableColumns, u"Column number :", E::Edit, FileKind::Images, u"You must specify a column number"},
    {ListFileId::TableColors, u"Color :", E::Swatch},
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
