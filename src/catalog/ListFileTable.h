#pragma once

#include <QHashFunctions>
#include <QString>

#include <span>
#include <string_view>

namespace morvane::catalog {

// The list files under cfg/, named after the kind that owns them and what they hold. Everything
// but the table below and the messages that quote a file names a list file by its id.
enum class ListFileId {
    CheckBoxLinkTexts,
    CheckBoxLinkLinks,
    CheckBoxLinkStates,
    CropImagesImages,
    CropImages2Images,
    FadeImages,
    ImageStreamImages,
    ImageViewerLocations,
    ImageViewerNames,
    ListLinkTexts,
    ListLinkLinks,
    LoginBoxLogins,
    LoginBoxPasswords,
    LoginBoxLinks,
    MemoryImages,
    MenuFrameTree,
    MenuPopUpTree,
    NavigationImages,
    NavigationFocusedImages,
    NavigationLinks,
    ProtectImages,
    RandomImageImages,
    RandomLinkLinks,
    SoundPlayerLocations,
    SoundPlayerNames,
    TableColumns,
    TableColors,
    ZoomImages,
};

enum class ListForm { Lines, Tree };

struct ListFileSpec {
    ListFileId id;
    const char16_t* fileName; // as stored under cfg/ and quoted in messages
    const char16_t* kind;     // the one kind that loads, edits, saves and reads it
    ListForm form;
    // The list whose length is the number of items of a record kind; the kind's other lists
    // hold one field of each item at the same index.
    bool countsItems = false;

    QString name() const { return QString::fromUtf16(fileName); }
};

// In kind order and, within a kind, in the order its lists are loaded and saved.
// clang-format off
inline constexpr ListFileSpec kListFiles[] = {
    {ListFileId::CheckBoxLinkTexts, u"TextList2.txt", u"CheckBoxLink", ListForm::Lines, true},
    {ListFileId::CheckBoxLinkLinks, u"LinkList2.txt", u"CheckBoxLink", ListForm::Lines},
    {ListFileId::CheckBoxLinkStates, u"CheckList2.txt", u"CheckBoxLink", ListForm::Lines},
    {ListFileId::CropImagesImages, u"ListBox4.txt", u"CropImages", ListForm::Lines},
    {ListFileId::CropImages2Images, u"ListBox11.txt", u"CropImages2", ListForm::Lines},
    {ListFileId::FadeImages, u"ListBox1.txt", u"Fade", ListForm::Lines},
    {ListFileId::ImageStreamImages, u"ListBox2.txt", u"ImageStream", ListForm::Lines},
    {ListFileId::ImageViewerLocations, u"ImageViewerLocations.txt", u"ImageViewer", ListForm::Lines},
    {ListFileId::ImageViewerNames, u"ImageViewerNames.txt", u"ImageViewer", ListForm::Lines, true},
    {ListFileId::ListLinkTexts, u"TextList.txt", u"ListLink", ListForm::Lines, true},
    {ListFileId::ListLinkLinks, u"LinkList.txt", u"ListLink", ListForm::Lines},
    {ListFileId::LoginBoxLogins, u"LoginList4.txt", u"LoginBox", ListForm::Lines, true},
    {ListFileId::LoginBoxPasswords, u"PasswordList4.txt", u"LoginBox", ListForm::Lines},
    {ListFileId::LoginBoxLinks, u"LinkList4.txt", u"LoginBox", ListForm::Lines},
    {ListFileId::MemoryImages, u"ListBox16.txt", u"Memory", ListForm::Lines},
    {ListFileId::MenuFrameTree, u"TreeView1.txt", u"MenuFrame", ListForm::Tree},
    {ListFileId::MenuPopUpTree, u"TreeView2.txt", u"MenuPopUp", ListForm::Tree},
    {ListFileId::NavigationImages, u"ImageList3.txt", u"Navigation", ListForm::Lines, true},
    {ListFileId::NavigationFocusedImages, u"FocusedImageList3.txt", u"Navigation", ListForm::Lines},
    {ListFileId::NavigationLinks, u"LinkList3.txt", u"Navigation", ListForm::Lines},
    {ListFileId::ProtectImages, u"ListBox6.txt", u"Protect", ListForm::Lines},
    {ListFileId::RandomImageImages, u"ListBox5.txt", u"RandomImage", ListForm::Lines},
    {ListFileId::RandomLinkLinks, u"ListBox7.txt", u"RandomLink", ListForm::Lines},
    {ListFileId::SoundPlayerLocations, u"SoundPlayerLocations.txt", u"SoundPlayer", ListForm::Lines},
    {ListFileId::SoundPlayerNames, u"SoundPlayerNames.txt", u"SoundPlayer", ListForm::Lines, true},
    {ListFileId::TableColumns, u"TextList3.txt", u"Table", ListForm::Lines, true},
    {ListFileId::TableColors, u"ColorList3.txt", u"Table", ListForm::Lines},
    {ListFileId::ZoomImages, u"ListBox3.txt", u"Zoom", ListForm::Lines},
};
// clang-format on

constexpr const ListFileSpec& listFileInfo(ListFileId id)
{
    return kListFiles[static_cast<size_t>(id)];
}
// The file's name under cfg/, as stored and as messages quote it.
constexpr const char16_t* fileNameOf(ListFileId id)
{
    return listFileInfo(id).fileName;
}
inline QString listFileName(ListFileId id)
{
    return listFileInfo(id).name();
}

// The rows of one kind, which stand together; empty for a kind without list files.
constexpr std::span<const ListFileSpec> listFilesOf(std::u16string_view kind)
{
    const std::span<const ListFileSpec> all = kListFiles;
    size_t first = 0;
    while (first < all.size() && kind != all[first].kind) {
        ++first;
    }
    size_t end = first;
    while (end < all.size() && kind == all[end].kind) {
        ++end;
    }
    return all.subspan(first, end - first);
}

inline size_t qHash(ListFileId id, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(id), seed);
}

} // namespace morvane::catalog
