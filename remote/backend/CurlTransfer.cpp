#include "remote/RemoteBackend.h"
#include "remote/RemoteTransfer.h"
#include "remote/backend/OpenSshKnownHosts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

using Failure = RemoteTransfer::Failure;
using Outcome = RemoteTransfer::Outcome;

namespace {

// The DER of a certificate's public key (its subjectPublicKeyInfo), which libcurl pins by hash.
// Certificate = SEQUENCE { tbsCertificate SEQUENCE { [0] version?, serial, signature, issuer,
// validity, subject, subjectPublicKeyInfo, … }, … }.
QByteArray publicKeyInfo(const QByteArray& der) {
    qsizetype at = 0;
    // Reads the tag and length at `at`; returns the content's start and sets `end`.
    auto element = [&](qsizetype position, qsizetype* end) -> qsizetype {
        if (position + 2 > der.size())
            return -1;
        qsizetype length = quint8(der[position + 1]);
        qsizetype start = position + 2;
        if (length & 0x80) {
            const int octets = length & 0x7f;
            if (octets < 1 || octets > 3 || start + octets > der.size())
                return -1;
            length = 0;
            for (int i = 0; i < octets; ++i)
                length = (length << 8) | quint8(der[start + i]);
            start += octets;
        }
        *end = start + length;
        return *end <= der.size() ? start : -1;
    };
    qsizetype end = 0;
    at = element(0, &end); // the certificate
    if (at < 0)
        return {};
    at = element(at, &end); // the part that is signed
    if (at < 0)
        return {};
    if (quint8(der[at]) == 0xa0 && element(at, &end) >= 0) // an explicit version
        at = end;
    for (int skip = 0; skip < 5; ++skip) { // serial, signature, issuer, validity, subject
        if (element(at, &end) < 0)
            return {};
        at = end;
    }
    if (element(at, &end) < 0)
        return {};
    return der.mid(at, end - at);
}

QByteArray pemBody(const QByteArray& pem) {
    QByteArray body;
    bool inside = false;
    for (const QByteArray& line : pem.split('\n')) {
        if (line.startsWith("-----BEGIN"))
            inside = true;
        else if (line.startsWith("-----END"))
            break;
        else if (inside)
            body += line.trimmed();
    }
    return QByteArray::fromBase64(body);
}

// The SFTP quote commands take paths in double quotes.
QByteArray quoted(QByteArray path) {
    path.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + path + '"';
}

QString parentOf(const QString& path) {
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString baseNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// A path with its "." and ".." steps taken; `path` starts with '/'.
QString normalPath(const QString& path) {
    QStringList parts;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (part != QLatin1String("."))
            parts.append(part);
    }
    return QLatin1Char('/') + parts.join(QLatin1Char('/'));
}

// The temporary files this program made and has not seen go, by account and path: a task cut
// short (a dropped connection) leaves them, and the next task in their folder removes them at
// once, where another's are left a minute in case a save is still writing them.
QMutex& leftoversLock() {
    static QMutex lock;
    return lock;
}
QSet<QString>& ownLeftovers() {
    static QSet<QString> set;
    return set;
}

QString firstExisting(const QStringList& paths) {
    for (const QString& path : paths)
        if (QFileInfo::exists(path))
            return path;
    return {};
}

} // namespace

struct RemoteTransfer::Impl {
    RemoteAddress address;
    QString password;
    Settings settings;
    KnownHosts knownHosts;
    const std::atomic_bool& cancel;
    Progress progress;
    QString step;

    CURL* easy = nullptr;
    CURLM* multi = nullptr;
    char errorText[CURL_ERROR_SIZE] = {};
    QByteArray userName, passwordBytes, knownHostsFile, privateKey, pin;

    QByteArray received;
    bool tooLarge = false;
    QByteArray toSend;
    qsizetype sent = 0;
    // The server's last reply line (FTP), for the reasons of failures.
    QString lastReply;
    // The folder an FTP login starts in, as the server names it.
    QByteArray entryPath;

    // What the host-key check found when it refused a key.
    Failure keyFailure = Failure::None;
    QString offeredFingerprint, recordedFingerprint;
    QByteArray offeredKey;

    Impl(const RemoteAddress& a, const QString& p, const Settings& s, const std::atomic_bool& c,
         Progress pr)
        : address(a)
        , password(p)
        , settings(s)
        , knownHosts(s.knownHostsFolder)
        , cancel(c)
        , progress(std::move(pr)) {}

    static size_t onReceive(char* data, size_t size, size_t count, void* self) {
        Impl* d = static_cast<Impl*>(self);
        if (d->received.size() + qsizetype(size * count) > kMaxFileSize) {
            d->tooLarge = true;
            return 0;
        }
        d->received.append(data, qsizetype(size * count));
        return size * count;
    }

    static size_t onSend(char* buffer, size_t size, size_t count, void* self) {
        Impl* d = static_cast<Impl*>(self);
        const qsizetype n =
            std::min<qsizetype>(qsizetype(size * count), d->toSend.size() - d->sent);
        memcpy(buffer, d->toSend.constData() + d->sent, size_t(n));
        d->sent += n;
        return size_t(n);
    }

    static int onProgress(void* self, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal,
                          curl_off_t upNow) {
        Impl* d = static_cast<Impl*>(self);
        if (d->cancel)
            return 1;
        if (d->progress) {
            if (upTotal > 0)
                d->progress(d->step, upNow, upTotal);
            else
                d->progress(d->step, downNow, downTotal);
        }
        return 0;
    }

    static int onDebug(CURL*, curl_infotype type, char* data, size_t size, void* self) {
        if (type == CURLINFO_HEADER_IN) {
            const QString line = QString::fromUtf8(data, qsizetype(size)).trimmed();
            if (!line.isEmpty())
                static_cast<Impl*>(self)->lastReply = line;
        }
        return 0;
    }

    static int onHostKey(CURL*, const curl_khkey* known, const curl_khkey* found,
                         curl_khmatch match, void* self) {
        Impl* d = static_cast<Impl*>(self);
        auto blob = [](const curl_khkey* key) {
            return key->len ? QByteArray(key->key, qsizetype(key->len))
                            : QByteArray::fromBase64(QByteArray(key->key));
        };
        d->offeredKey = blob(found);
        d->offeredFingerprint = KnownHosts::keyFingerprint(d->offeredKey);
        using Match = OpenSshKnownHosts::Match;
        const QString name = OpenSshKnownHosts::recordName(d->address.host(), d->address.port());
        // libcurl's verdict on ~/.ssh/known_hosts. For a port other than 22 the library also
        // takes a record of the bare host, which stands for port 22 only: the verdict is made
        // again under the name OpenSSH looks up, [host]:port.
        QString recorded;
        Match users = match == CURLKHMATCH_OK         ? Match::Known
                      : match == CURLKHMATCH_MISMATCH ? Match::Changed
                                                      : Match::Unknown;
        if (d->address.port() != 22 && users != Match::Unknown)
            users = OpenSshKnownHosts::check(QFile::decodeName(d->knownHostsFile), name,
                                             d->offeredKey, &recorded);
        else if (users == Match::Changed)
            recorded = KnownHosts::keyFingerprint(blob(known));
        QString ownRecorded;
        const Match own =
            OpenSshKnownHosts::check(d->knownHosts.keyFile(), name, d->offeredKey, &ownRecorded);
        if (users == Match::Known || own == Match::Known)
            return CURLKHSTAT_FINE;
        if (users == Match::Changed || own == Match::Changed) {
            d->keyFailure = Failure::ChangedHostKey;
            d->recordedFingerprint = users == Match::Changed ? recorded : ownRecorded;
            return CURLKHSTAT_REJECT;
        }
        d->keyFailure = Failure::UnknownHostKey;
        return CURLKHSTAT_REJECT;
    }

    // Sets what every step of this account needs, on a handle cleared of the last step's options;
    // the connection stays open between steps.
    void prepare(const QString& path) {
        curl_easy_reset(easy);
        received.clear();
        tooLarge = false;
        lastReply.clear();
        errorText[0] = 0;
        curl_easy_setopt(easy, CURLOPT_URL, address.withPath(path).curlUrl().constData());
        curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, long(settings.connectTimeoutSeconds));
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, long(settings.stallSeconds));
        curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Impl::onProgress);
        curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Impl::onReceive);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
        // Only the server's replies are kept, never what is sent (which holds the password).
        curl_easy_setopt(easy, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(easy, CURLOPT_DEBUGFUNCTION, &Impl::onDebug);
        curl_easy_setopt(easy, CURLOPT_DEBUGDATA, this);
        if (!userName.isEmpty())
            curl_easy_setopt(easy, CURLOPT_USERNAME, userName.constData());
        if (!passwordBytes.isEmpty())
            curl_easy_setopt(easy, CURLOPT_PASSWORD, passwordBytes.constData());

        if (address.protocol() == RemoteAddress::Protocol::Sftp) {
            curl_easy_setopt(easy, CURLOPT_SSH_KNOWNHOSTS, knownHostsFile.constData());
            curl_easy_setopt(easy, CURLOPT_SSH_KEYFUNCTION, &Impl::onHostKey);
            curl_easy_setopt(easy, CURLOPT_SSH_KEYDATA, this);
            long methods = CURLSSH_AUTH_AGENT;
            if (!privateKey.isEmpty()) {
                methods |= CURLSSH_AUTH_PUBLICKEY;
                curl_easy_setopt(easy, CURLOPT_SSH_PRIVATE_KEYFILE, privateKey.constData());
                curl_easy_setopt(easy, CURLOPT_SSH_PUBLIC_KEYFILE, "");
            }
            // Without a password the server is not asked to check an empty one.
            if (!passwordBytes.isEmpty())
                methods |= CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD;
            curl_easy_setopt(easy, CURLOPT_SSH_AUTH_TYPES, methods);
        } else if (address.protocol() == RemoteAddress::Protocol::Ftps) {
            curl_easy_setopt(easy, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
            if (!pin.isEmpty()) {
                // A certificate the user trusted is known by its key, whoever signed it.
                curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 0L);
                curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 0L);
                curl_easy_setopt(easy, CURLOPT_PINNEDPUBLICKEY,
                                 QByteArray("sha256//" + pin).constData());
            }
        }
    }

    CURLcode run() {
        curl_multi_add_handle(multi, easy);
        CURLcode code = CURLE_OK;
        int running = 1;
        while (running) {
            if (curl_multi_perform(multi, &running) != CURLM_OK)
                break;
            if (!running)
                break;
            if (cancel) {
                code = CURLE_ABORTED_BY_CALLBACK;
                break;
            }
            curl_multi_poll(multi, nullptr, 0, 100, nullptr);
        }
        int left = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &left))
            if (message->msg == CURLMSG_DONE)
                code = message->data.result;
        char* entry = nullptr;
        if (curl_easy_getinfo(easy, CURLINFO_FTP_ENTRY_PATH, &entry) == CURLE_OK && entry)
            entryPath = entry;
        curl_multi_remove_handle(multi, easy);
        return code;
    }

    QString detail() const {
        if (!lastReply.isEmpty() && !lastReply.startsWith(QLatin1Char('2')) &&
            !lastReply.startsWith(QLatin1Char('1')))
            return QStringLiteral(" (the server said: %1)").arg(lastReply);
        if (errorText[0])
            return QStringLiteral(" (%1)").arg(QString::fromUtf8(errorText));
        return {};
    }

    Outcome failed(CURLcode code) {
        Outcome outcome;
        if (cancel) {
            outcome.failure = Failure::Cancelled;
            outcome.reason = QCoreApplication::translate("Remote", "Cancelled.");
            return outcome;
        }
        if (keyFailure != Failure::None) {
            outcome.failure = keyFailure;
            outcome.fingerprint = offeredFingerprint;
            outcome.recordedFingerprint = recordedFingerprint;
            outcome.hostKey = offeredKey;
            if (keyFailure == Failure::UnknownHostKey)
                outcome.reason =
                    QCoreApplication::translate(
                        "Remote", "The server's host key is not known. Its fingerprint is %1.")
                        .arg(offeredFingerprint);
            else
                outcome.reason =
                    QStringLiteral(
                        "The server's host key has changed: the key on record is %1, the server "
                        "offers %2. Someone may be listening in on the connection. If the server "
                        "was set up anew, remove its old key from %3 or ~/.ssh/known_hosts.")
                        .arg(recordedFingerprint, offeredFingerprint, knownHosts.keyFile());
            return outcome;
        }
        const QString more = detail();
        switch (code) {
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
            return certificateOutcome(code);
        case CURLE_LOGIN_DENIED:
            outcome.failure = Failure::LoginDenied;
            outcome.reason = QCoreApplication::translate(
                                 "Remote", "The server refused the user name or the password%1.")
                                 .arg(more);
            break;
        case CURLE_REMOTE_FILE_NOT_FOUND:
            outcome.failure = Failure::NotFound;
            outcome.reason =
                QCoreApplication::translate("Remote", "There is no such file or folder%1.")
                    .arg(more);
            break;
        case CURLE_REMOTE_ACCESS_DENIED:
            outcome.failure = Failure::AccessDenied;
            outcome.reason =
                QCoreApplication::translate("Remote", "The server does not permit it%1.").arg(more);
            break;
        case CURLE_FILESIZE_EXCEEDED:
            outcome.failure = Failure::TooLarge;
            break;
        case CURLE_WRITE_ERROR:
            if (tooLarge)
                outcome.failure = Failure::TooLarge;
            break;
        case CURLE_OPERATION_TIMEDOUT:
            if (QByteArray(errorText).contains("too slow")) {
                outcome.failure = Failure::Stalled;
                outcome.reason =
                    QCoreApplication::translate(
                        "Remote", "Nothing came through for %1 seconds, so the transfer was "
                                  "given up.")
                        .arg(settings.stallSeconds);
            } else {
                outcome.failure = Failure::NoAnswer;
                outcome.reason = QCoreApplication::translate(
                                     "Remote", "The server did not answer within %1 seconds.")
                                     .arg(settings.connectTimeoutSeconds);
            }
            break;
        case CURLE_COULDNT_CONNECT:
        case CURLE_COULDNT_RESOLVE_HOST:
            outcome.failure = Failure::NoAnswer;
            outcome.reason = QCoreApplication::translate("Remote", "No server answers at %1%2.")
                                 .arg(address.hostAndPort(), detail());
            break;
        case CURLE_FAILED_INIT:
        case CURLE_SSH:
            // libssh2 found no host key type, key exchange or cipher that the server shares.
            if (address.protocol() == RemoteAddress::Protocol::Sftp &&
                QByteArray(errorText).contains("Unable to exchange encryption keys")) {
                outcome.failure = Failure::Other;
                const QStringList types = offeredKeyTypes();
                outcome.reason =
                    types.size() == 1
                        ? QCoreApplication::translate(
                              "Remote", "The server offers only an %1 host key, which this "
                                        "computer's SSH library does not accept; ask the host to "
                                        "add an ed25519 key.")
                              .arg(types.first())
                        : QCoreApplication::translate(
                              "Remote", "This computer's SSH library and the server share no way "
                                        "to secure the connection%1.")
                              .arg(more);
            }
            break;
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_GOT_NOTHING:
        case CURLE_PARTIAL_FILE:
        case CURLE_FTP_WEIRD_SERVER_REPLY:
            outcome.failure = Failure::Dropped;
            outcome.reason =
                QCoreApplication::translate("Remote", "The connection was lost%1.").arg(more);
            break;
        default:
            break;
        }
        if (outcome.failure == Failure::TooLarge)
            outcome.reason = QCoreApplication::translate(
                "Remote", "The file is larger than 1 MiB, far more than a .cfg "
                          "file holds, so it was not read.");
        if (outcome.failure == Failure::None) {
            outcome.failure = Failure::Other;
            outcome.reason =
                QStringLiteral("%1%2.").arg(QString::fromUtf8(curl_easy_strerror(code)), more);
        }
        return outcome;
    }

    // A certificate that no authority vouches for, or not the one trusted: a second handshake
    // that verifies nothing and sends nothing, only to read the certificate and show it.
    Outcome certificateOutcome(CURLcode code) {
        Outcome outcome;
        outcome.failure = Failure::Other;
        outcome.reason = QCoreApplication::translate(
                             "Remote", "The server's certificate could not be checked (%1).")
                             .arg(QString::fromUtf8(errorText));
        CURL* probe = curl_easy_init();
        curl_easy_setopt(probe, CURLOPT_URL,
                         address.withPath(QStringLiteral("/")).curlUrl().constData());
        curl_easy_setopt(probe, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(probe, CURLOPT_CONNECTTIMEOUT, long(settings.connectTimeoutSeconds));
        curl_easy_setopt(probe, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        curl_easy_setopt(probe, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(probe, CURLOPT_SSL_VERIFYHOST, 0L);
        curl_easy_setopt(probe, CURLOPT_CERTINFO, 1L);
        // No key has this hash: the handshake ends before the login.
        curl_easy_setopt(probe, CURLOPT_PINNEDPUBLICKEY,
                         "sha256//AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=");
        curl_easy_perform(probe);
        curl_certinfo* info = nullptr;
        if (curl_easy_getinfo(probe, CURLINFO_CERTINFO, &info) == CURLE_OK && info &&
            info->num_of_certs > 0) {
            for (curl_slist* item = info->certinfo[0]; item; item = item->next) {
                const QByteArray field(item->data);
                if (!field.startsWith("Cert:"))
                    continue;
                const QByteArray der = pemBody(field.mid(5));
                const QByteArray key = publicKeyInfo(der);
                if (der.isEmpty() || key.isEmpty())
                    break;
                outcome.fingerprint = KnownHosts::certificateFingerprint(der);
                outcome.publicKeyHash =
                    QCryptographicHash::hash(key, QCryptographicHash::Sha256).toBase64();
                if (code == CURLE_SSL_PINNEDPUBKEYNOTMATCH) {
                    const KnownHosts::Pin trusted =
                        knownHosts.pinnedCertificate(address.hostAndPort());
                    outcome.failure = Failure::ChangedCertificate;
                    outcome.recordedFingerprint = trusted.fingerprint;
                    outcome.reason =
                        QCoreApplication::translate(
                            "Remote", "The server's certificate has changed: the one trusted is "
                                      "%1, the server shows %2. Someone may be listening in on "
                                      "the connection. If the server has a new certificate, "
                                      "remove the old one from %3.")
                            .arg(trusted.fingerprint, outcome.fingerprint,
                                 knownHosts.certificateFile());
                } else {
                    outcome.failure = Failure::UnknownCertificate;
                    outcome.reason =
                        QCoreApplication::translate(
                            "Remote", "No authority this computer trusts vouches for the "
                                      "server's certificate (%1). Its fingerprint is %2.")
                            .arg(QString::fromUtf8(errorText), outcome.fingerprint);
                }
                break;
            }
        }
        curl_easy_cleanup(probe);
        return outcome;
    }

    Outcome download(const QString& path) {
        step = QCoreApplication::translate("Remote", "Reading %1")
                   .arg(address.withPath(path).shortName());
        prepare(path);
        curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(kMaxFileSize));
        const CURLcode code = run();
        if (code != CURLE_OK)
            return failed(code);
        Outcome outcome;
        outcome.bytes = received;
        return outcome;
    }

    // When the file at `path` was last written, in seconds since 1970 by the server's clock; -1
    // when the server does not say.
    qint64 modifiedAt(const QString& path) {
        prepare(path);
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(easy, CURLOPT_FILETIME, 1L);
        if (run() != CURLE_OK)
            return -1;
        curl_off_t time = -1;
        curl_easy_getinfo(easy, CURLINFO_FILETIME_T, &time);
        return qint64(time);
    }

    // Every entry of a folder, hidden ones too, as the server's `ls -l` form shows them.
    Outcome listFolder(const QString& folder) {
        step = QCoreApplication::translate("Remote", "Listing %1")
                   .arg(address.withPath(folder).shortName());
        const bool sftp = address.protocol() == RemoteAddress::Protocol::Sftp;
        prepare(folder);
        if (!sftp)
            curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, "LIST -a");
        CURLcode code = run();
        if (code != CURLE_OK && !sftp) {
            // A server that takes no option lists without it.
            const Failure first = failed(code).failure;
            if (first != Failure::NotFound && first != Failure::AccessDenied &&
                first != Failure::Other)
                return failed(code);
            prepare(folder);
            code = run();
        }
        if (code != CURLE_OK)
            return failed(code);
        Outcome outcome;
        outcome.entries = RemoteTransfer::parseListing(received, QDateTime::currentDateTime());
        return outcome;
    }

    // The file at a path as its folder's listing shows it.
    struct Located {
        // Whether the folder could be listed; when not, nothing else is known.
        bool listed = false;
        // The file itself, after any symbolic links, and its folder (ending with '/').
        QString path;
        QString folder;
        bool exists = false;
        RemoteEntry entry;
        QList<RemoteEntry> siblings;
    };

    // Finds the file at `path` in its folder's listing, following symbolic links on the server to
    // the file they name, so that a save replaces that file and leaves each link a link. A folder
    // that cannot be listed leaves `listed` false and is no failure: the file may still be read.
    Outcome locate(const QString& path, Located* located) {
        QString at = path;
        for (int hop = 0; hop < 16; ++hop) {
            *located = Located();
            located->path = at;
            located->folder = parentOf(at);
            Outcome listed = listFolder(located->folder);
            if (!listed.ok())
                return listed.failure == Failure::NotFound ||
                               listed.failure == Failure::AccessDenied ||
                               listed.failure == Failure::Other
                           ? Outcome()
                           : listed;
            located->listed = true;
            located->siblings = listed.entries;
            const QString name = baseNameOf(at);
            const auto entry =
                std::find_if(listed.entries.cbegin(), listed.entries.cend(),
                             [&](const RemoteEntry& candidate) { return candidate.name == name; });
            if (entry == listed.entries.cend())
                return {};
            if (!entry->isLink) {
                located->exists = true;
                located->entry = *entry;
                return {};
            }
            const QString target = entry->linkTarget;
            if (target.startsWith(QLatin1Char('/')) &&
                address.protocol() != RemoteAddress::Protocol::Sftp)
                return failure(
                    Failure::Other,
                    QCoreApplication::translate("Remote",
                                                "%1 is a link to %2, a path that an FTP server "
                                                "does not show. Use the address of %2 itself.")
                        .arg(RemoteAddress::displayName(name), RemoteAddress::displayName(target)));
            if (target.isEmpty())
                return failure(Failure::Other,
                               QCoreApplication::translate(
                                   "Remote", "%1 is a link, and the server does not say to what.")
                                   .arg(RemoteAddress::displayName(name)));
            at =
                normalPath(target.startsWith(QLatin1Char('/')) ? target : located->folder + target);
        }
        return failure(Failure::Other,
                       QCoreApplication::translate(
                           "Remote", "The address leads through more than 16 links, or links in "
                                     "a circle."));
    }

    static Outcome failure(Failure kind, const QString& reason) {
        Outcome outcome;
        outcome.failure = kind;
        outcome.reason = reason;
        return outcome;
    }

    Outcome isFolder() const {
        return failure(Failure::IsFolder,
                       QCoreApplication::translate("Remote", "It is a folder, not a file."));
    }

    // What a file's address may not be, before anything is sent.
    Outcome checkPath() const {
        if (address.protocol() != RemoteAddress::Protocol::Sftp &&
            (address.path().contains(QLatin1Char('\n')) ||
             address.path().contains(QLatin1Char('\r'))))
            return failure(Failure::Other,
                           QCoreApplication::translate(
                               "Remote", "A name that holds a line break cannot be sent to an "
                                         "FTP server."));
        return {};
    }

    // A located file that is not a regular file is not opened or replaced.
    Outcome checkLocated(const Located& located) const {
        if (!located.listed || !located.exists)
            return {};
        if (located.entry.isFolder)
            return isFolder();
        if (!located.entry.isFile)
            return failure(Failure::Other,
                           QCoreApplication::translate("Remote", "It is not a regular file."));
        return {};
    }

    QString leftoverKey(const QString& path) const {
        return address.userAtHostPort() + QLatin1Char('|') + path;
    }

    void remember(const QString& path) const {
        const QMutexLocker locker(&leftoversLock());
        ownLeftovers().insert(leftoverKey(path));
    }

    void forget(const QString& path) const {
        const QMutexLocker locker(&leftoversLock());
        ownLeftovers().remove(leftoverKey(path));
    }

    // Removes from the located file's folder what saves cut short left there: this program's own
    // temporary files of this run at once, any others once they are a minute old, as they may
    // belong to a save still under way. A file that is missing comes back from the copy that
    // stepped aside for it. Nothing that is not a regular file of such a name is touched.
    void tidyUp(Located* located) {
        struct Leftover {
            QString name;
            QString file;
            bool old = false;
            bool own = false;
            qint64 time = -1;
        };
        QSet<QString> names;
        for (const RemoteEntry& entry : std::as_const(located->siblings))
            names.insert(entry.name);
        QList<Leftover> leftovers;
        for (const RemoteEntry& entry : std::as_const(located->siblings)) {
            Leftover leftover;
            if (!entry.isFile ||
                !RemoteTransfer::isTemporaryName(entry.name, &leftover.file, &leftover.old))
                continue;
            leftover.name = entry.name;
            const QMutexLocker locker(&leftoversLock());
            leftover.own = ownLeftovers().contains(leftoverKey(located->folder + entry.name));
            leftovers.append(leftover);
        }
        if (leftovers.isEmpty())
            return;
        for (Leftover& leftover : leftovers)
            leftover.time = modifiedAt(located->folder + leftover.name);
        // The newest copy of a missing file is the one that comes back.
        std::sort(leftovers.begin(), leftovers.end(),
                  [](const Leftover& a, const Leftover& b) { return a.time > b.time; });
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QList<QByteArray> steps;
        QStringList done;
        for (const Leftover& leftover : std::as_const(leftovers)) {
            const QString path = located->folder + leftover.name;
            if (leftover.old && !names.contains(leftover.file)) {
                steps += rename(path, located->folder + leftover.file, true);
                names.insert(leftover.file);
                done << path;
                if (located->folder + leftover.file == located->path) {
                    located->exists = true;
                    located->entry = *std::find_if(
                        located->siblings.cbegin(), located->siblings.cend(),
                        [&](const RemoteEntry& entry) { return entry.name == leftover.name; });
                    located->entry.name = leftover.file;
                }
                continue;
            }
            if (!leftover.own && (leftover.time < 0 || now - leftover.time < 60))
                continue;
            steps += remove(path);
            done << path;
        }
        if (!steps.isEmpty())
            commands(steps, QCoreApplication::translate("Remote", "Tidying %1")
                                .arg(address.withPath(located->folder).shortName()));
        for (const QString& path : std::as_const(done))
            forget(path);
    }

    // Commands run one after the other on the server, in the folder of the file.
    // `what` names them in the progress shown; by default they rename.
    Outcome commands(const QList<QByteArray>& list, const QString& what = QString()) {
        step = what.isEmpty()
                   ? QCoreApplication::translate("Remote", "Renaming on %1").arg(address.host())
                   : what;
        prepare(address.folder().path());
        curl_slist* quote = nullptr;
        for (const QByteArray& command : list)
            quote = curl_slist_append(quote, command.constData());
        curl_easy_setopt(easy, CURLOPT_QUOTE, quote);
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        const CURLcode code = run();
        curl_slist_free_all(quote);
        return code == CURLE_OK ? Outcome() : failed(code);
    }

    // A path as a command names it. Over FTP, commands go before libcurl changes to the folder of
    // its address, in whatever folder the connection's last step left: paths start from the
    // folder the login started in, as the address's do.
    QByteArray serverPath(const QString& path) const {
        if (address.protocol() == RemoteAddress::Protocol::Sftp)
            return address.serverPath(path);
        QByteArray start = entryPath;
        if (!start.isEmpty() && !start.endsWith('/'))
            start += '/';
        return start + address.serverPath(path);
    }

    QByteArray command(const char* sftp, const char* ftp, const QByteArray& argument,
                       const QString& path) const {
        if (address.protocol() == RemoteAddress::Protocol::Sftp)
            return QByteArray(sftp) + ' ' + argument + ' ' + quoted(serverPath(path));
        return QByteArray(ftp) + ' ' + argument + ' ' + serverPath(path);
    }

    QList<QByteArray> rename(const QString& from, const QString& to, bool ignoreFailure) const {
        const QByteArray star = ignoreFailure ? "*" : "";
        if (address.protocol() == RemoteAddress::Protocol::Sftp)
            return {star + "rename " + quoted(serverPath(from)) + ' ' + quoted(serverPath(to))};
        return {star + "RNFR " + serverPath(from), star + "RNTO " + serverPath(to)};
    }

    QByteArray remove(const QString& path) const {
        if (address.protocol() == RemoteAddress::Protocol::Sftp)
            return "*rm " + quoted(serverPath(path));
        return "*DELE " + serverPath(path);
    }

    // Writes `bytes` to a new file at `path`. A `closed` file is for its owner alone while the
    // bytes go in: SFTP makes it so; over FTP an empty file is made and closed first, where the
    // server takes SITE CHMOD.
    Outcome upload(const QString& path, const QByteArray& bytes, bool closed) {
        if (closed && address.protocol() != RemoteAddress::Protocol::Sftp) {
            if (Outcome empty = send(path, {}, false); !empty.ok())
                return empty;
            commands({command("chmod", "SITE CHMOD", "600", path)}, attributesStep());
        }
        return send(path, bytes, closed);
    }

    Outcome send(const QString& path, const QByteArray& bytes, bool closed) {
        step = bytes.isEmpty()
                   ? QCoreApplication::translate("Remote", "Making %1")
                         .arg(address.withPath(path).shortName())
                   : QCoreApplication::translate("Remote", "Writing %1").arg(address.shortName());
        prepare(path);
        toSend = bytes;
        sent = 0;
        curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Impl::onSend);
        curl_easy_setopt(easy, CURLOPT_READDATA, this);
        curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(bytes.size()));
        if (closed)
            curl_easy_setopt(easy, CURLOPT_NEW_FILE_PERMS, 0600L);
        const CURLcode code = run();
        if (code == CURLE_OK)
            return {};
        Outcome outcome = failed(code);
        if (outcome.failure == Failure::Other ||
            (code == CURLE_WRITE_ERROR && outcome.failure == Failure::None)) {
            // The SSH layer says the same of a full disk and of a server gone: whether the server
            // still answers tells them apart.
            const QString why = detail();
            if (!listFolder(address.folder().path()).ok()) {
                outcome.failure = Failure::Dropped;
                outcome.reason = QCoreApplication::translate(
                    "Remote", "The connection was lost while the file was "
                              "being written, and the server no longer answers.");
                return outcome;
            }
            outcome.failure = Failure::WriteFailed;
            outcome.reason =
                QCoreApplication::translate(
                    "Remote", "The server could not write the file (its disk may be full)%1.")
                    .arg(why);
        }
        return outcome;
    }

    QString attributesStep() const {
        return QCoreApplication::translate("Remote", "Setting the permissions of %1")
            .arg(address.shortName());
    }

    // A user's or group's number on the server: the name as a number, or looked up in the
    // server's /etc/passwd or /etc/group; -1 when unknown.
    qint64 idOf(const QString& name, const QString& table) {
        bool number = false;
        const qint64 id = name.toLongLong(&number);
        if (number)
            return id;
        if (!tables.contains(table))
            tables.insert(table, download(table).bytes);
        for (const QByteArray& line : tables.value(table).split('\n')) {
            const QList<QByteArray> fields = line.split(':');
            if (fields.size() >= 3 && QString::fromUtf8(fields[0]) == name)
                return fields[2].toLongLong();
        }
        return -1;
    }

    // Gives the new file at `made` what the file it replaces had: its permission bits, and its
    // owner and group where the account may set them. Returns what could not be kept, in words.
    QStringList keepAttributes(const QString& made, const RemoteEntry& original) {
        const auto octal = [](int mode) {
            return QByteArray::number(mode, 8).rightJustified(4, '0');
        };
        QStringList notes;
        RemoteEntry now;
        for (const RemoteEntry& entry : listFolder(parentOf(made)).entries)
            if (entry.name == baseNameOf(made))
                now = entry;
        if (address.protocol() == RemoteAddress::Protocol::Sftp) {
            if (!original.owner.isEmpty() && now.owner != original.owner) {
                const qint64 id = idOf(original.owner, QStringLiteral("/etc/passwd"));
                if (id < 0 || !commands({command("chown", "", QByteArray::number(id), made)},
                                        attributesStep())
                                   .ok())
                    notes << QCoreApplication::translate(
                                 "Remote", "The file's owner is now %1: this account may not "
                                           "give it back to %2.")
                                 .arg(now.owner, original.owner);
            }
            if (!original.group.isEmpty() && now.group != original.group) {
                const qint64 id = idOf(original.group, QStringLiteral("/etc/group"));
                if (id < 0 || !commands({command("chgrp", "", QByteArray::number(id), made)},
                                        attributesStep())
                                   .ok())
                    notes << QCoreApplication::translate(
                                 "Remote", "The file's group is now %1: this account may not "
                                           "give it back to %2.")
                                 .arg(now.group, original.group);
            }
        } else if (now.mode >= 0 && (now.owner != original.owner || now.group != original.group)) {
            notes << QCoreApplication::translate(
                         "Remote", "FTP cannot set a file's owner and group: they are now %1:%2, "
                                   "they were %3:%4.")
                         .arg(now.owner, now.group, original.owner, original.group);
        }
        if (original.mode >= 0 && now.mode != original.mode &&
            !commands({command("chmod", "SITE CHMOD", octal(original.mode), made)},
                      attributesStep())
                 .ok())
            notes << (address.protocol() == RemoteAddress::Protocol::Sftp
                          ? QCoreApplication::translate(
                                "Remote", "The server kept its own permissions on the file "
                                          "(%1; they were %2).")
                          : QCoreApplication::translate(
                                "Remote", "The server set its own permissions on the file (%1; "
                                          "they were %2): it does not take SITE CHMOD."))
                         .arg(QString::fromLatin1(now.mode >= 0 ? octal(now.mode) : "?"),
                              QString::fromLatin1(octal(original.mode)));
        return notes;
    }

    // The server's /etc/passwd and /etc/group, once read.
    QHash<QString, QByteArray> tables;

    // The host key types a server offers, as OpenSSH's ssh-keyscan finds them; none when it is
    // not installed or finds nothing.
    QStringList offeredKeyTypes() const {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("ssh-keyscan"));
        if (program.isEmpty())
            return {};
        QProcess scan;
        scan.start(program, {QStringLiteral("-T"), QString::number(settings.connectTimeoutSeconds),
                             QStringLiteral("-p"), QString::number(address.port()),
                             QStringLiteral("--"), address.host()});
        QElapsedTimer clock;
        clock.start();
        while (!scan.waitForFinished(100)) {
            if (scan.state() == QProcess::NotRunning)
                break;
            if (cancel || clock.elapsed() > 2000 * qint64(settings.connectTimeoutSeconds)) {
                scan.kill();
                scan.waitForFinished();
                return {};
            }
        }
        QStringList types;
        for (const QByteArray& line : scan.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (!line.startsWith('#') && fields.size() >= 3 &&
                !types.contains(QString::fromLatin1(fields[1])))
                types << QString::fromLatin1(fields[1]);
        }
        return types;
    }
};

namespace {

using Impl = RemoteTransfer::Impl;

Impl* createTransfer(const RemoteAddress& address, const QString& password,
                     const RemoteTransfer::Settings& settings, const std::atomic_bool& cancel,
                     const RemoteTransfer::Progress& progress) {
    Impl* d = new Impl(address, password, settings, cancel, progress);
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    d->easy = curl_easy_init();
    d->multi = curl_multi_init();
    d->userName = address.user().toUtf8();
    d->passwordBytes = password.toUtf8();
    const QString ssh = QDir::homePath() + QStringLiteral("/.ssh/");
    d->knownHostsFile = QFile::encodeName(ssh + QStringLiteral("known_hosts"));
    d->privateKey = QFile::encodeName(
        firstExisting({ssh + QStringLiteral("id_ed25519"), ssh + QStringLiteral("id_ecdsa"),
                       ssh + QStringLiteral("id_rsa")}));
    if (address.protocol() == RemoteAddress::Protocol::Ftps)
        d->pin = d->knownHosts.pinnedCertificate(address.hostAndPort()).publicKeyHash;
    return d;
}

void destroyTransfer(Impl* d) {
    curl_easy_cleanup(d->easy);
    curl_multi_cleanup(d->multi);
    // The password's bytes do not linger in freed memory.
    d->passwordBytes.fill(0);
    delete d;
}

// A file read where its folder cannot be listed: a folder is told by its listing.
Outcome fetchUnlisted(Impl* d, const QString& path) {
    Outcome outcome = d->download(path);
    switch (outcome.failure) {
    case Failure::NotFound:
    case Failure::AccessDenied:
    case Failure::Other:
        if (d->listFolder(path + QLatin1Char('/')).ok())
            return d->isFolder();
        break;
    default:
        break;
    }
    return outcome;
}

// The file, found in its folder first: a folder is never read as a file, and a link is read
// through. `tidy`: what earlier saves cut short left in the folder goes.
Outcome fetch(Impl* d, bool tidy, Impl::Located* located) {
    if (d->address.isFolder()) {
        const Outcome listed = d->listFolder(d->address.path());
        return listed.ok() ? d->isFolder() : listed;
    }
    if (Outcome bad = d->checkPath(); !bad.ok())
        return bad;
    if (Outcome failed = d->locate(d->address.path(), located); !failed.ok())
        return failed;
    if (!located->listed)
        return fetchUnlisted(d, located->path);
    if (tidy)
        d->tidyUp(located);
    if (!located->exists)
        return Impl::failure(Failure::NotFound, QCoreApplication::translate(
                                                    "Remote", "There is no such file or folder."));
    if (Outcome bad = d->checkLocated(*located); !bad.ok())
        return bad;
    return d->download(located->path);
}

Outcome list(Impl* d) {
    // A folder's address lists that folder; a file's, the folder it is in. Shown are folders,
    // .cfg files, and links, which may lead to either.
    Outcome outcome =
        d->listFolder(d->address.isFolder() ? d->address.path() : d->address.folder().path());
    QList<RemoteEntry> shown;
    for (RemoteEntry& entry : outcome.entries) {
        const bool cfg = entry.name.endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive);
        if (entry.isLink && !cfg)
            entry.isFolder = true;
        if (entry.isFolder || ((entry.isFile || entry.isLink) && cfg))
            shown.append(entry);
    }
    std::sort(shown.begin(), shown.end(), [](const RemoteEntry& a, const RemoteEntry& b) {
        if (a.isFolder != b.isFolder)
            return a.isFolder;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    outcome.entries = shown;
    return outcome;
}

Outcome store(Impl* d, const QByteArray& bytes, const QByteArray& expected, bool force,
              const std::function<QString(const QByteArray&)>& keep) {
    Impl::Located located;
    Outcome current = fetch(d, true, &located);
    const bool exists = current.ok();
    if (!exists && current.failure != Failure::NotFound)
        return current;
    if (!force && current.bytes != expected) {
        current.failure = Failure::ChangedOnServer;
        current.reason =
            exists ? QCoreApplication::translate("Remote",
                                                 "The file on the server has changed since it was "
                                                 "opened.")
                   : QCoreApplication::translate("Remote", "The file is no longer on the server.");
        return current;
    }
    if (exists && keep) {
        const QString error = keep(current.bytes);
        if (!error.isEmpty())
            return Impl::failure(Failure::Other, error);
    }

    // The file itself, through any links (also when the folder a link leads to cannot be listed);
    // a missing one is made where it would be.
    const QString path = located.path.isEmpty() ? d->address.path() : located.path;
    const bool known = located.listed && located.exists;
    // A hidden name beside the file: the same folder, so that the rename stays on one disk.
    const QString folder = parentOf(path);
    const QString name = baseNameOf(path);
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(
            "0123456789abcdefghijklmnopqrstuvwxyz"[QRandomGenerator::global()->bounded(36)]);
    const QString temporary = folder + RemoteTransfer::temporaryName(name, false, suffix);
    const QString aside = folder + RemoteTransfer::temporaryName(name, true, suffix);
    d->remember(temporary);
    // Closed to others while it is written when the permissions it is to have are known.
    Outcome outcome = d->upload(temporary, bytes, known);
    if (!outcome.ok()) {
        if (outcome.failure != Failure::Dropped && outcome.failure != Failure::Cancelled &&
            d->commands({d->remove(temporary)}).ok())
            d->forget(temporary);
        return outcome;
    }
    QStringList notes;
    if (known)
        notes = d->keepAttributes(temporary, located.entry);
    else if (exists)
        notes << QCoreApplication::translate(
            "Remote", "The server does not list the file's folder, so it set the file's "
                      "permissions itself.");
    if (!d->commands(d->rename(temporary, path, false)).ok()) {
        // Servers that do not rename over a file (OpenSSH's SFTP among them): the old file is
        // moved aside, the new one takes its name, and the old one goes only after that.
        d->remember(aside);
        QList<QByteArray> steps;
        if (exists)
            steps += d->rename(path, aside, false);
        steps += d->rename(temporary, path, false);
        outcome = d->commands(steps);
        if (!outcome.ok()) {
            QString reason = outcome.reason;
            if (reason.endsWith(QLatin1Char('.')))
                reason.chop(1);
            QList<QByteArray> undo;
            if (exists)
                undo += d->rename(aside, path, true);
            undo += d->remove(temporary);
            d->commands(undo);
            // Whether the cut came before, between or after the renames cannot be told from
            // here; the next open puts the old file back if it is missing.
            if (outcome.failure != Failure::Cancelled)
                outcome.reason =
                    QCoreApplication::translate(
                        "Remote", "The new file could not take the old one's name (%1). The "
                                  "server holds one of them whole; if the file is missing, the "
                                  "old one is under the name %2 and goes back to its own name "
                                  "when the file is next opened.")
                        .arg(reason, RemoteAddress::displayName(aside));
            return outcome;
        }
        if (!exists || d->commands({d->remove(aside)}).ok())
            d->forget(aside);
    }
    d->forget(temporary);
    Outcome written = d->download(path);
    if (!written.ok()) {
        written.reason = QCoreApplication::translate(
                             "Remote", "The new file was put in place, but reading it back to "
                                       "check it failed: %1")
                             .arg(written.reason);
        return written;
    }
    if (written.bytes != bytes) {
        written.failure = Failure::ReadBackDiffers;
        written.reason = QCoreApplication::translate(
            "Remote", "The file read back from the server differs from what was "
                      "written.");
        return written;
    }
    Outcome saved;
    saved.note = notes.join(QLatin1Char(' '));
    return saved;
}

} // namespace

// The one entry of the module: what RemoteBackend::get() finds when it loads it.
extern "C" Q_DECL_EXPORT const RemoteBackend* ledgerwick_remote_backend() {
    static const RemoteBackend backend{
        createTransfer,
        destroyTransfer,
        [](Impl* d, Outcome* out) {
            Impl::Located located;
            *out = fetch(d, d->settings.tidyOnOpen, &located);
        },
        [](Impl* d, Outcome* out) { *out = list(d); },
        [](Impl* d, const QByteArray& bytes, const QByteArray& expected, bool force,
           const std::function<QString(const QByteArray&)>& keep,
           Outcome* out) { *out = store(d, bytes, expected, force, keep); },
        keyringRead,
        keyringWrite,
        keyringRemove,
    };
    return &backend;
}
