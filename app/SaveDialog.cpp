#include "app/SaveDialog.h"

#include "app/SavedSettings.h"

#include <QFileDialog>
#include <QFileInfo>

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
    // Until a file was chosen or opened, the proposed name stands in the folder last used.
    const QString folder = savedSettings().value(kLastFolderKey).toString();
    if (QFileInfo(m_fileName).isRelative() && !folder.isEmpty())
        dialog.setDirectory(folder);
    dialog.selectFile(m_fileName);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return false;
    m_fileName = chosen.first();
    return true;
}
