#include "document/SavedSettings.h"

#include "config/CfgFile.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

// A few file names and a folder take a few hundred bytes.
constexpr qint64 kMostBytes = 1024 * 1024;

const QString kOrganization = QStringLiteral("Kestrane");
const QString kApplication = QStringLiteral("Ledgerwick");

bool usable(const QString& path) {
    const CfgFile::Found found = CfgFile::lookAt(path);
    return found.kind == CfgFile::Found::Kind::Nothing ||
           (found.kind == CfgFile::Found::Kind::RegularFile &&
            QFileInfo(path).size() <= kMostBytes);
}

} // namespace

QSettings savedSettings() {
    // Where QSettings keeps them on this system.
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QLatin1Char('/') + kOrganization + QLatin1Char('/') + kApplication +
                         QStringLiteral(".conf");
    if (usable(path))
        return QSettings(kOrganization, kApplication);
    // Settings without a file: read from nowhere, written nowhere.
    return QSettings(QString(), QSettings::IniFormat);
}
