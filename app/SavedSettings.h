#pragma once

#include <QSettings>

// What the program keeps between runs: the files opened or saved last, and the folder last used,
// where both file dialogs start.
inline QSettings savedSettings() {
    return QSettings(QStringLiteral("Kestrane"), QStringLiteral("Ledgerwick"));
}

inline const QString kRecentFilesKey = QStringLiteral("recentFiles");
inline const QString kLastFolderKey = QStringLiteral("lastFolder");
