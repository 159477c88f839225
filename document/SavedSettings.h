#pragma once

#include <QSettings>

// What the program keeps between runs: the files opened or saved last, and the folder last used,
// where both file dialogs start. A settings file that is not a regular file (a named pipe would
// stop the program until something writes into it) or is far too large is left alone: the program
// then keeps nothing between runs.
QSettings savedSettings();

inline const QString kRecentFilesKey = QStringLiteral("recentFiles");
inline const QString kLastFolderKey = QStringLiteral("lastFolder");
