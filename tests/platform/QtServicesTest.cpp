#include "platform/QtServices.h"
#include "platform/FileFilters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

// Waits, without any time limit, for the next modal dialog of the given class and hands it to
// handle, which must close it. Nothing here ever waits on a clock.
template <typename Dialog> void whenShown(std::function<void(Dialog*)> handle)
{
    QTimer::singleShot(0, [handle = std::move(handle)]() mutable {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            handle(dialog);
        } else {
            whenShown<Dialog>(std::move(handle));
        }
    });
}

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(QtMessageBoxes, ShowsOneOkButtonUnderTheProgramNameAndPlainText)
{
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        Qt::TextFormat format = Qt::AutoText;
    };
    const auto answer = [](Seen& seen) {
        return std::function<void(QMessageBox*)>([&seen](QMessageBox* box) {
            seen = {box->windowTitle(), box->text(), box->icon(), box->buttons().size(),
                    box->textFormat()};
            box->button(QMessageBox::Ok)->click();
        });
    };
    QtMessageBoxes boxes;

    Seen error;
    whenShown(answer(error));
    boxes.showError(nullptr, u"Invalid value: <b>10</b>"_s);
    EXPECT_EQ(error.title, u"Morvane");
    EXPECT_EQ(error.text, u"Invalid value: <b>10</b>");
    EXPECT_EQ(error.format, Qt::PlainText);
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.buttons, 1);

    Seen information;
    whenShown(answer(information));
    boxes.showInformation(nullptr, u"\"a.class\" was copied into /site"_s);
    EXPECT_EQ(information.text, u"\"a.class\" was copied into /site");
    EXPECT_EQ(information.icon, QMessageBox::Information);
    EXPECT_EQ(information.buttons, 1);
}

void rejectNextDialog()
{
    whenShown<QDialog>([](QDialog* dialog) { dialog->reject(); });
}

TEST(QtFileDialogs, OpenDialogStartsInTheFolderWithTheConvertedFilter)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = dir.filePath(u"river.JPG"_s);
    touch(picture);

    QString folderSeen;
    QStringList filtersSeen;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        folderSeen = dialog->directory().absolutePath();
        filtersSeen = dialog->nameFilters();
        dialog->selectFile(picture);
        static_cast<QDialog*>(dialog)->accept();
    });
    QtFileDialogs files;
    EXPECT_EQ(files.getOpenFileName(nullptr, u"Open"_s, dir.path(), imagesFilter), picture);
    EXPECT_EQ(folderSeen, QDir(dir.path()).absolutePath());
    ASSERT_EQ(filtersSeen.size(), 3);
    EXPECT_EQ(filtersSeen.at(0), u"All images (*.gif *.GIF *.jpg *.JPG)");

    rejectNextDialog();
    EXPECT_EQ(files.getOpenFileName(nullptr, u"Open"_s, dir.path(), imagesFilter), QString());
}

TEST(QtFileDialogs, SaveDialogProposesTheNameInTheInitialFolderAndReplacesWithoutAsking)
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    ASSERT_TRUE(dir.isValid() && elsewhere.isValid());
    const QString existing = dir.filePath(u"bell.au"_s);
    touch(existing);

    QString proposedSeen;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        proposedSeen = dialog->selectedFiles().value(0);
        // An overwrite question would be one more modal box that nothing answers.
        if (dialog->testOption(QFileDialog::DontConfirmOverwrite)) {
            static_cast<QDialog*>(dialog)->accept();
        } else {
            dialog->reject();
        }
    });
    QtFileDialogs files;
    const QString chosen = files.getSaveFileName(nullptr, u"Save"_s, dir.path(),
                                                 elsewhere.filePath(u"bell.au"_s), auFilesFilter);
    EXPECT_EQ(proposedSeen, existing);
    EXPECT_EQ(chosen, existing);
}

TEST(QtFileDialogs, FolderChooserCreatesATypedFolderOnlyWhenTheUserAgrees)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString site = dir.filePath(u"site"_s);
    const auto typeAndAnswer = [&](QMessageBox::StandardButton reply) {
        whenShown<QFileDialog>([&site, reply](QFileDialog* chooser) {
            chooser->selectFile(site);
            whenShown<QMessageBox>(
                [reply](QMessageBox* question) { question->button(reply)->click(); });
            static_cast<QDialog*>(chooser)->accept();
            // A refused creation leaves the chooser open for another choice.
            if (chooser->isVisible()) {
                chooser->reject();
            }
        });
    };
    QtFileDialogs files;

    typeAndAnswer(QMessageBox::No);
    EXPECT_EQ(files.chooseFolder(nullptr, u"Folder"_s, dir.path()), QString());
    EXPECT_FALSE(QFileInfo::exists(site));

    typeAndAnswer(QMessageBox::Yes);
    EXPECT_EQ(files.chooseFolder(nullptr, u"Folder"_s, dir.path()), site);
    EXPECT_TRUE(QFileInfo(site).isDir());

    whenShown<QFileDialog>([&site](QFileDialog* chooser) {
        chooser->selectFile(site);
        static_cast<QDialog*>(chooser)->accept();
    });
    EXPECT_EQ(files.chooseFolder(nullptr, u"Folder"_s, dir.path()), site);
}

TEST(QtColorDialog, ConfirmHandsBackTheColorAndAllSixteenCustomColors)
{
    CustomColors customs;
    customs[0] = 0x0000FFu;
    customs[15] = 0x123456u;

    QColor initialSeen;
    whenShown<QColorDialog>([&](QColorDialog* dialog) {
        initialSeen = dialog->currentColor();
        dialog->setCurrentColor(QColor(0x11, 0x22, 0x33));
        dialog->accept();
    });
    QtColorDialog colors;
    EXPECT_EQ(colors.chooseColor(nullptr, 0, customs), 0x332211u);
    EXPECT_EQ(initialSeen, QColor(Qt::black));
    EXPECT_EQ(customs[0], 0x0000FFu);
    EXPECT_EQ(customs[15], 0x123456u);
    EXPECT_EQ(customs[7], 0xFFFFFFu) << "an unset entry comes back as the dialog's white";

    customs[3] = std::nullopt;
    const CustomColors withUnset = customs;
    rejectNextDialog();
    EXPECT_EQ(colors.chooseColor(nullptr, 0, customs), std::nullopt);
    EXPECT_EQ(customs, withUnset);
}

class UrlRecorder final : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

TEST(QtShell, OpensTheFileInItsWorkingFolderAndAddressesAsGiven)
{
    UrlRecorder recorder;
    const QStringList schemes{u"file"_s, u"https"_s};
    for (const QString& scheme : schemes) {
        QDesktopServices::setUrlHandler(scheme, &recorder, "open");
    }

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtShell shell;
    shell.openFile(u"imagewhirl_help.htm"_s, dir.filePath(u"samples/ImageWhirl"_s));
    shell.openFile(dir.filePath(u"test/test17.htm"_s), u"/elsewhere"_s);
    shell.openUrl(u"https://example.org/applets"_s);

    for (const QString& scheme : schemes) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
    ASSERT_EQ(recorder.urls.size(), 3);
    EXPECT_EQ(recorder.urls.at(0),
              QUrl::fromLocalFile(dir.filePath(u"samples/ImageWhirl/imagewhirl_help.htm"_s)));
    EXPECT_EQ(recorder.urls.at(1), QUrl::fromLocalFile(dir.filePath(u"test/test17.htm"_s)));
    EXPECT_EQ(recorder.urls.at(2), QUrl(u"https://example.org/applets"_s));
}

TEST(QtClipboard, PutsPlainTextOnTheClipboard)
{
    QtClipboard clipboard;
    clipboard.setText(u"<applet>\r\n</applet>"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"<applet>\r\n</applet>");
}

TEST(QtPrinter, WithoutDefaultPrinterAsksAndACancelPrintsNothing)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a default printer exists; nothing is sent to it from a test";
    }
    QString titleSeen;
    whenShown<QPrintDialog>([&](QPrintDialog* dialog) {
        titleSeen = dialog->printer()->docName();
        dialog->reject();
    });
    QTextDocument document(u"FAQ"_s);
    QtPrinter().print(document, u"Morvane help"_s, nullptr);
    EXPECT_EQ(titleSeen, u"Morvane help");
}

} // namespace
} // namespace morvane::platform

#include "QtServicesTest.moc"
