#include "remote/History.h"

#include "remote/DataFolder.h"
#include "remote/RemoteAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace {

constexpr const char* kTimeFormat = "yyyyMMdd'T'HHmmss.zzz'Z'";

// Each part of the path becomes a folder; parts that could climb out of the history ("..", "."
// and empty ones) are spelt so that they cannot.
QString safePath(const QString& path) {
    QStringList parts;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            parts.append(QString(part).replace(QLatin1Char('.'), QLatin1Char('_')));
        else
            // A name's bytes that are not UTF-8, or its line breaks, as the History dialog shows
            // them: a folder name for each name.
            parts.append(RemoteAddress::displayName(part));
    }
    return parts.join(QLatin1Char('/'));
}

} // namespace

History::History(const QString& root)
    : m_root(root.isEmpty() ? DataFolder::path() + QStringLiteral("/history") : root) {}

QString History::folderOf(const QString& place, const QString& path) const {
    const QString placePart = place.isEmpty() ? QStringLiteral("local") : safePath(place);
    return m_root + QLatin1Char('/') + placePart + QLatin1Char('/') + safePath(path);
}

QString History::keep(const QString& place, const QString& path, const QByteArray& bytes) const {
    const QString folder = folderOf(place, path);
    if (!DataFolder::makePrivate(folder))
        return QCoreApplication::translate(
                   "Remote", "The earlier version could not be kept: cannot create %1.")
            .arg(folder);
    QDateTime now = QDateTime::currentDateTimeUtc();
    QString name;
    // Two saves within one millisecond keep both.
    do {
        name = folder + QLatin1Char('/') + now.toString(QLatin1String(kTimeFormat)) +
               QStringLiteral(".cfg");
        now = now.addMSecs(1);
    } while (QFileInfo::exists(name));
    QSaveFile file(name);
    // The bytes may hold passwords: whatever the file's own mode, the version is the user's alone.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(DataFolder::kFilePermissions) ||
        file.write(bytes) != bytes.size() || !file.commit())
        return QCoreApplication::translate("Remote",
                                           "The earlier version could not be kept in %1: %2")
            .arg(name, file.errorString());
    const QList<Version> all = versions(place, path);
    for (qsizetype i = kDepth; i < all.size(); ++i)
        QFile::remove(all[i].file);
    return {};
}

QList<History::Version> History::versions(const QString& place, const QString& path) const {
    QList<Version> list;
    const QDir folder(folderOf(place, path));
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QFileInfo& file : files) {
        QDateTime time = QDateTime::fromString(file.completeBaseName(), QLatin1String(kTimeFormat));
        if (!time.isValid())
            continue;
        time.setTimeSpec(Qt::UTC);
        list.append({file.absoluteFilePath(), time, file.size()});
    }
    return list;
}
