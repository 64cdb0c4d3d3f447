#include "platform/FileFilters.h"
#include "platform/QtServices.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace morvane::platform {

namespace {

// A folder that no longer exists is still handed over; a relative one is taken from the
// current directory.
QString absoluteFolder(const QString& folder)
{
    return folder.isEmpty() ? folder : QDir(folder).absolutePath();
}

QString runFileDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}

// Accepts a typed folder that does not exist yet once the user agrees to create it.
class FolderChooser final : public QFileDialog {
public:
    FolderChooser(QWidget* parent, const QString& caption, const QString& folder)
        : QFileDialog(parent, caption, folder)
    {
        setFileMode(QFileDialog::Directory);
        setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    }

protected:
    void accept() override
    {
        const QString folder = selectedFiles().value(0);
        if (!folder.isEmpty() && !QFileInfo::exists(folder)) {
            const auto answer = QMessageBox::question(
                this, windowTitle(),
                u"The folder %1 does not exist.\nDo you want to create it?"_s.arg(
                    QDir::toNativeSeparators(folder)));
            if (answer != QMessageBox::Yes) {
                return;
            }
            if (!QDir().mkpath(folder)) {
                QMessageBox::warning(
                    this, windowTitle(),
                    u"The folder %1 could not be created."_s.arg(QDir::toNativeSeparators(folder)));
                return;
            }
        }
        QFileDialog::accept();
    }
};

} // namespace

QString QtFileDialogs::getOpenFileName(QWidget* parent, const QString& caption,
                                       const QString& initialFolder, const QString& filter)
{
    QFileDialog dialog(parent, caption, absoluteFolder(initialFolder),
                       qtFilterFromWindowsFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString QtFileDialogs::getSaveFileName(QWidget* parent, const QString& caption,
                                       const QString& initialFolder, const QString& proposedName,
                                       const QString& filter)
{
    QFileDialog dialog(parent, caption, absoluteFolder(initialFolder),
                       qtFilterFromWindowsFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!proposedName.isEmpty()) {
        dialog.selectFile(QFileInfo(proposedName).fileName());
    }
    return runFileDialog(dialog);
}

QString QtFileDialogs::chooseFolder(QWidget* parent, const QString& caption,
                                    const QString& initialFolder)
{
    FolderChooser chooser(parent, caption, absoluteFolder(initialFolder));
    return runFileDialog(chooser);
}

} // namespace morvane::platform
