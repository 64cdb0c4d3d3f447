#include "platform/PathRules.h"

#include <gtest/gtest.h>

namespace morvane::platform {
namespace {

struct ExtensionCase {
    const char16_t* name;
    const char16_t* extension;
    const char16_t* expected;
};

class AppendExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(AppendExtension, AppendsOnlyWhenTheExtensionAppearsNowhere)
{
    const ExtensionCase& c = GetParam();
    EXPECT_EQ(appendExtensionIfMissing(QString::fromUtf16(c.name), QString::fromUtf16(c.extension)),
              QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, AppendExtension,
    ::testing::Values(ExtensionCase{u"/site/code", u".txt", u"/site/code.txt"},
                      ExtensionCase{u"/site/code.txt", u".txt", u"/site/code.txt"},
                      ExtensionCase{u"/site/code.txt.old", u".txt", u"/site/code.txt.old"},
                      ExtensionCase{u"/site/code.TXT", u".txt", u"/site/code.TXT.txt"},
                      ExtensionCase{u"/site/page.htm", u".html", u"/site/page.htm.html"},
                      ExtensionCase{u"/site/page.html", u".html", u"/site/page.html"},
                      ExtensionCase{u"/sounds/bell.AU", u".au", u"/sounds/bell.AU.au"},
                      ExtensionCase{u"/my.audio/bell", u".au", u"/my.audio/bell"},
                      ExtensionCase{u"", u".txt", u".txt"}));

struct FolderCase {
    const char16_t* path;
    const char16_t* folder;
};

class FolderOfChosenFile : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderOfChosenFile, DropsTheNameAndTrailingSeparatorButKeepsARoot)
{
    const FolderCase& c = GetParam();
    EXPECT_EQ(folderOfChosenFile(QString::fromUtf16(c.path)), QString::fromUtf16(c.folder));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FolderOfChosenFile,
    ::testing::Values(
        FolderCase{u"/home/ann/pictures/a.jpg", u"/home/ann/pictures"}, FolderCase{u"/a.jpg", u"/"},
        FolderCase{u"C:\\pictures\\a.jpg", u"C:\\pictures"}, FolderCase{u"C:\\a.jpg", u"C:\\"},
        FolderCase{u"C:/a.jpg", u"C:/"}, FolderCase{u"D:\\web/site\\x.au", u"D:\\web/site"},
        FolderCase{u"\\\\server\\share\\a.jpg", u"\\\\server\\share"},
        FolderCase{u"/home/ann//a.jpg", u"/home/ann"}, FolderCase{u"/home/ann/", u"/home/ann"},
        FolderCase{u"a.jpg", u""}, FolderCase{u"", u""}));

} // namespace
} // namespace morvane::platform
