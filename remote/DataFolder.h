#pragma once

#include <QFileDevice>
#include <QString>

// The program's data folder (~/.local/share/ledgerwick) holds the host keys and certificates the
// user trusted and the earlier versions of files, which hold passwords: it is the user's alone,
// the folder and each folder made in it 0700, each file 0600.
class DataFolder {
public:
    static constexpr QFileDevice::Permissions kFilePermissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
        QFileDevice::WriteUser;

    static QString path();
    // Makes `folder` and each missing folder above it, for the user alone, and closes the data
    // folder to others when `folder` is in it. False when `folder` is not there after all.
    static bool makePrivate(const QString& folder);
};
