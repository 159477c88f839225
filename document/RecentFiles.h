#pragma once

#include <QString>
#include <QStringList>

struct Location;

// The files opened or saved last (here or on a server), the folder last used here, and the
// addresses last typed: kept between runs in the program's saved settings, newest first.
namespace RecentFiles {

constexpr int kFiles = 5;
constexpr int kAddresses = 10;

QStringList files();
QString lastFolder();
// Notes a file opened or saved: first among the files, and, for a file here, its folder.
void add(const Location& place);

QStringList addresses();
void addAddress(const QString& address);

} // namespace RecentFiles
