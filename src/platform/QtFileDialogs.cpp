#include "platform/FileFilters.h"
#include "platform/QtServices.h"

#include <QFileDialog>
#include <QFileInfo>

namespace morvane::platform {

namespace {

QString runFileDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}

} // namespace

QString QtFileDialogs::getOpenFileName(QWidget* parent, const QString& caption,
                                       const QString& initialFolder, const QString& filter)
{
    QFileDialog dialog(parent, caption, initialFolder, qtFilterFromWindowsFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString QtFileDialogs::getSaveFileName(QWidget* parent, const QString& caption,
                                       const QString& initialFolder, const QString& proposedName,
                                       const QString& filter)
{
    QFileDialog dialog(parent, caption, initialFolder, qtFilterFromWindowsFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!proposedName.isEmpty())
        dialog.selectFile(QFileInfo(proposedName).fileName());
    return runFileDialog(dialog);
}

QString QtFileDialogs::chooseFolder(QWidget* parent, const QString& caption,
                                    const QString& initialFolder)
{
    return QFileDialog::getExistingDirectory(parent, caption, initialFolder,
                                             QFileDialog::ShowDirsOnly);
}

} // namespace morvane::platform
