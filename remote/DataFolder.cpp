#include "remote/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr QFileDevice::Permissions kFolderPermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;

} // namespace

QString DataFolder::path() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool DataFolder::makePrivate(const QString& folder) {
    const QString target = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList missing;
    for (QString at = target; !QFileInfo::exists(at);) {
        missing.prepend(at);
        const QString up = QFileInfo(at).path();
        if (up == at)
            break;
        at = up;
    }
    for (const QString& level : std::as_const(missing)) {
        QDir().mkdir(level);
        QFile::setPermissions(level, kFolderPermissions);
    }
    const QString data = QDir::cleanPath(path());
    if (target == data || target.startsWith(data + QLatin1Char('/')))
        QFile::setPermissions(data, kFolderPermissions);
    return QFileInfo(target).isDir();
}
