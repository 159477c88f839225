#pragma once

#include "remote/KnownHosts.h"
#include "remote/RemoteAddress.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

// A file or folder in a listed folder, as the server's `ls -l` form shows it.
struct RemoteEntry {
    // The server's name, with RemoteAddress's stand-ins for bytes that are not UTF-8.
    QString name;
    bool isFolder = false;
    bool isLink = false;
    // What a symbolic link points to, as the server holds it.
    QString linkTarget;
    qint64 size = 0;
    QDateTime time;
    // The permission bits with set-user-ID, set-group-ID and sticky; -1 when not shown.
    int mode = -1;
    // As the server names them: a number, or the name of a user or group on the server.
    QString owner;
    QString group;
    // A regular file: not a folder, a link, a device or a pipe.
    bool isFile = false;
};

// Reading and writing files of one server account with libcurl (in the module that RemoteBackend
// loads at first use), blocking: made, used and ended in
// one worker thread. One connection serves every step of a task (read again, upload, rename, read
// back). A step stops within a tenth of a second of `cancel` becoming true.
class RemoteTransfer {
public:
    // A .cfg file the server runs is at most 16 KiB: anything over this is refused unread.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    enum class Failure {
        None,
        Cancelled,
        UnknownHostKey,
        ChangedHostKey,
        UnknownCertificate,
        ChangedCertificate,
        LoginDenied,
        NotFound,
        AccessDenied,
        IsFolder,
        TooLarge,
        NoAnswer,
        Stalled,
        Dropped,
        WriteFailed,
        ReadBackDiffers,
        ChangedOnServer,
        Other,
    };

    struct Outcome {
        Failure failure = Failure::None;
        // What went wrong, in plain words, without the address.
        QString reason;
        // A fetched file; for ChangedOnServer, the file as it is on the server now.
        QByteArray bytes;
        // After a save: what the user should know of it (the server kept its own permissions).
        QString note;
        QList<RemoteEntry> entries;
        // An unknown or changed host key or certificate: its fingerprint, and the one on record.
        QString fingerprint;
        QString recordedFingerprint;
        // What trusting it records: the host key, or the certificate's public key hash.
        QByteArray hostKey;
        QByteArray publicKeyHash;

        bool ok() const { return failure == Failure::None; }
    };

    struct Settings {
        // The program's own records; the user's ~/.ssh/known_hosts is read besides.
        QString knownHostsFolder;
        int connectTimeoutSeconds = 10;
        // A transfer that moves no byte for this long fails.
        int stallSeconds = 20;
        // An open also tidies the file's folder of what saves cut short left there (a save
        // always does). Off for the command line, which only reads.
        bool tidyOnOpen = false;
    };

    // The hidden names a save writes beside a file: .NAME.ledgerwick-new-XXXXXX for the new
    // bytes and .NAME.ledgerwick-old-XXXXXX for the old file stepping aside.
    static QString temporaryName(const QString& fileName, bool old, const QString& suffix);
    // Whether `name` is such a name; sets the file's name and which kind it is.
    static bool isTemporaryName(const QString& name, QString* fileName, bool* old);

    // Bytes done and expected of the step under way, and what the step is.
    using Progress = std::function<void(const QString& step, qint64 done, qint64 total)>;

    RemoteTransfer(const RemoteAddress& address, const QString& password, const Settings& settings,
                   const std::atomic_bool& cancel, Progress progress = {});
    ~RemoteTransfer();
    RemoteTransfer(const RemoteTransfer&) = delete;
    RemoteTransfer& operator=(const RemoteTransfer&) = delete;

    // The address's file, at most kMaxFileSize bytes.
    Outcome fetch();
    // The address's folder: its folders and .cfg files, folders first, each group sorted by name.
    Outcome list();
    // Replaces the address's file with `bytes` so that the server never holds half a file. The
    // file is read first: when it is not `expected` (and `force` is false) nothing is written and
    // the outcome is ChangedOnServer. `keep` is given the bytes being replaced before any write,
    // and may stop the save by returning an error. The written file is read back and compared.
    Outcome store(const QByteArray& bytes, const QByteArray& expected, bool force,
                  const std::function<QString(const QByteArray&)>& keep);

    // The entries of a folder listing in the form of `ls -l`, "." and ".." left out. A name that
    // holds a line break goes on over the lines that follow, up to the next entry.
    static QList<RemoteEntry> parseListing(const QByteArray& listing, const QDateTime& now);

    struct Impl;

private:
    Outcome unloaded() const;

    QString m_loadError;
    const struct RemoteBackend* m_backend = nullptr;
    Impl* d = nullptr;
};
