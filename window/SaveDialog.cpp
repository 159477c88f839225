#include "window/SaveDialog.h"

#include "document/RecentFiles.h"
#include "document/SavedSettings.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString nearestExistingFolder(QString folder) {
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return {};
        folder = parent;
    }
    return folder;
}

} // namespace

SaveDialog::SaveDialog(QObject* parent)
    : QObject(parent) {
    setObjectName(QStringLiteral("SaveDialog"));
}

bool SaveDialog::execute(QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Replacing an existing file is the normal case here: no question first.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(QStringLiteral(".cfg (*.cfg)"));
    dialog.setDefaultSuffix(QStringLiteral("cfg"));
    // The proposed name stands in the folder of the file chosen last, or until one was chosen or
    // opened, in the folder last used; where that folder is gone, in the nearest one that is
    // still there. The dialog gets the folder and the bare name: a path whose folder is missing
    // it would take as relative to the working folder.
    const QFileInfo proposed(m_fileName);
    QString folder = proposed.isAbsolute() ? proposed.absolutePath()
                                           : savedSettings().value(kLastFolderKey).toString();
    if (QFileInfo(folder).isRelative())
        folder.clear();
    else
        folder = nearestExistingFolder(folder);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return false;
    m_fileName = chosen.first();
    return true;
}

QString SaveDialog::chooseFileToOpen(QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral(".cfg (*.cfg)"), QCoreApplication::translate("TForm1", "All files (*)")});
    const QString folder = RecentFiles::lastFolder();
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
