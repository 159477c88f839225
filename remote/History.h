#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// Earlier versions of a file: before each save, the bytes about to be replaced are kept under
// <data folder>/history/<place>/<path>/<UTC time>.cfg, the last kDepth of each file, each file
// for the user alone. The place of a file on a server is its account, user@host:port, so that
// two accounts or two ports on one host never share a history; local files are kept under
// "local".
class History {
public:
    static constexpr int kDepth = 20;

    struct Version {
        QString file;
        QDateTime time;
        qint64 size = 0;
    };

    // `root` holds the history; empty means the program's data folder.
    explicit History(const QString& root = QString());

    // The folder of a file's versions; `place` empty for a local file.
    QString folderOf(const QString& place, const QString& path) const;
    // Keeps `bytes` as the newest version and drops the oldest beyond kDepth. Returns an error
    // in words, empty when kept.
    QString keep(const QString& place, const QString& path, const QByteArray& bytes) const;
    // The versions kept, newest first.
    QList<Version> versions(const QString& place, const QString& path) const;

private:
    QString m_root;
};
