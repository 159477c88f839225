#include "document/RecentFiles.h"

#include "document/Document.h"
#include "document/SavedSettings.h"

#include <QFileInfo>

namespace {

const QString kAddressesKey = QStringLiteral("remoteAddresses");

void putFirst(const QString& key, const QString& entry, int most) {
    QSettings settings = savedSettings();
    QStringList list = settings.value(key).toStringList();
    list.removeAll(entry);
    list.prepend(entry);
    settings.setValue(key, list.mid(0, most));
}

} // namespace

namespace RecentFiles {

QStringList files() {
    return savedSettings().value(kRecentFilesKey).toStringList().mid(0, kFiles);
}

QString lastFolder() {
    return savedSettings().value(kLastFolderKey).toString();
}

void add(const Location& place) {
    if (place.isNone())
        return;
    // An address stands in the list as it is (without a password); it has no folder here.
    putFirst(kRecentFilesKey, place.text(), kFiles);
    if (!place.isRemote()) {
        savedSettings().setValue(kLastFolderKey, QFileInfo(place.path).absolutePath());
        return;
    }
    addAddress(place.address.toString());
}

QStringList addresses() {
    return savedSettings().value(kAddressesKey).toStringList().mid(0, kAddresses);
}

void addAddress(const QString& address) {
    putFirst(kAddressesKey, address, kAddresses);
}

} // namespace RecentFiles
