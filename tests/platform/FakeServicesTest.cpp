#include "platform/fakes/FakeServices.h"
#include "platform/FileFilters.h"

#include <QTextDocument>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

TEST(FakeFileDialogs, AnswersInOrderThenCancelsAndRecordsEveryCall)
{
    FakeFileDialogs files;
    files.setNextFileName(u"/a/first.jpg"_s);
    files.setNextFileName(u"/a/second.txt"_s);
    files.setNextFolder(u"/site"_s);

    EXPECT_EQ(files.getOpenFileName(nullptr, u"Open"_s, u"/start"_s, imagesFilter),
              u"/a/first.jpg");
    EXPECT_EQ(files.chooseFolder(nullptr, u"Folder"_s, u"/dest"_s), u"/site");
    EXPECT_EQ(files.getSaveFileName(nullptr, u"Save"_s, u"/dest"_s, u"x.au"_s, auFilesFilter),
              u"/a/second.txt");
    EXPECT_EQ(files.getSaveFileName(nullptr, u"Save"_s, u"/dest"_s, {}, textFilesFilter),
              QString());
    EXPECT_EQ(files.chooseFolder(nullptr, u"Folder"_s, u"/dest"_s), QString());
    EXPECT_EQ(files.unusedAnswers(), 0);

    ASSERT_EQ(files.calls().size(), 5);
    const auto& save = files.calls().at(2);
    EXPECT_EQ(save.kind, FakeFileDialogs::Kind::Save);
    EXPECT_EQ(save.initialFolder, u"/dest");
    EXPECT_EQ(save.proposedName, u"x.au");
    EXPECT_EQ(save.filter, QString(auFilesFilter));
    EXPECT_EQ(files.calls().at(0).filter, QString(imagesFilter));
}

TEST(FakeColorDialog, ConfirmReplacesCustomsCancelKeepsThem)
{
    FakeColorDialog colors;
    CustomColors customs;
    customs[0] = 0x111111u;
    CustomColors after;
    after[5] = 0x0000FFu;
    colors.setNextAnswer(0x00FF00u, after);
    colors.setNextAnswer(std::nullopt, CustomColors{});
    colors.setNextAnswer(0x0000FFu);

    EXPECT_EQ(colors.chooseColor(nullptr, 0, customs), 0x00FF00u);
    EXPECT_EQ(customs, after);
    EXPECT_EQ(colors.chooseColor(nullptr, 0, customs), std::nullopt);
    EXPECT_EQ(customs, after);
    EXPECT_EQ(colors.chooseColor(nullptr, 0, customs), 0x0000FFu);
    EXPECT_EQ(customs, after);
    EXPECT_EQ(colors.chooseColor(nullptr, 0, customs), std::nullopt);

    ASSERT_EQ(colors.calls().size(), 4);
    EXPECT_EQ(colors.calls().at(0).customs[0], 0x111111u);
    EXPECT_EQ(colors.calls().at(1).customs, after);
}

TEST(FakeServices, BundleReachesTheRecordingFakes)
{
    FakeServices fakes;
    const Services services = fakes.services();
    services.messages.showError(nullptr, u"Invalid width"_s);
    services.messages.showInformation(nullptr, u"done"_s);
    services.shell.openFile(u"buttonlink.htm"_s, u"/app/samples/ButtonLink"_s);
    services.shell.openUrl(u"https://example.org/"_s);
    services.clipboard.setText(u"one"_s);
    services.clipboard.setText(u"two"_s);
    QTextDocument document(u"Getting started"_s);
    services.printer.print(document, u"Morvane help"_s, nullptr);

    EXPECT_EQ(fakes.messages.errors(), QStringList{u"Invalid width"_s});
    EXPECT_EQ(fakes.messages.informations(), QStringList{u"done"_s});
    ASSERT_EQ(fakes.shell.openedFiles().size(), 1);
    EXPECT_EQ(fakes.shell.openedFiles().at(0).fileName, u"buttonlink.htm");
    EXPECT_EQ(fakes.shell.openedFiles().at(0).workingFolder, u"/app/samples/ButtonLink");
    EXPECT_EQ(fakes.shell.openedUrls(), QStringList{u"https://example.org/"_s});
    EXPECT_EQ(fakes.clipboard.text(), u"two");
    ASSERT_EQ(fakes.printer.jobs().size(), 1);
    EXPECT_EQ(fakes.printer.jobs().at(0).plainText, u"Getting started");
    EXPECT_EQ(fakes.printer.jobs().at(0).jobTitle, u"Morvane help");
}

} // namespace
} // namespace morvane::platform
