#include "remote/RemoteBackend.h"
#include "remote/RemoteTransfer.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>

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
QByteArray quoted(const QString& path) {
    QByteArray text = path.toUtf8();
    text.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + text + '"';
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
        if (match == CURLKHMATCH_OK)
            return CURLKHSTAT_FINE;
        if (match == CURLKHMATCH_MISMATCH) {
            d->keyFailure = Failure::ChangedHostKey;
            d->recordedFingerprint = KnownHosts::keyFingerprint(blob(known));
            return CURLKHSTAT_REJECT;
        }
        const KnownHosts::Check check =
            d->knownHosts.checkKey(d->address.hostAndPort(), d->offeredKey);
        switch (check.match) {
        case KnownHosts::Match::Known:
            return CURLKHSTAT_FINE;
        case KnownHosts::Match::Changed:
            d->keyFailure = Failure::ChangedHostKey;
            d->recordedFingerprint = check.recordedFingerprint;
            return CURLKHSTAT_REJECT;
        case KnownHosts::Match::Unknown:
            break;
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

    // A save cut off between moving the old file aside and putting the new one in its place
    // leaves the old one under its aside name: it goes back, or, when the new one made it, goes.
    // Returns a failure that ends the task (no answer, an unknown key…); a folder that cannot be
    // listed is left for the task itself to report on.
    Outcome tidyUp() {
        const RemoteAddress folder = address.folder();
        step = QCoreApplication::translate("Remote", "Listing %1").arg(folder.shortName());
        prepare(folder.path());
        curl_easy_setopt(easy, CURLOPT_DIRLISTONLY, 1L);
        if (const CURLcode code = run(); code != CURLE_OK) {
            Outcome outcome = failed(code);
            if (outcome.failure == Failure::NotFound || outcome.failure == Failure::AccessDenied ||
                outcome.failure == Failure::Other)
                return {};
            return outcome;
        }
        QStringList asides;
        const QString prefix = QLatin1Char('.') + address.fileName() + QStringLiteral(".old-");
        for (const QByteArray& line : received.split('\n')) {
            const QString name = QString::fromUtf8(line).trimmed();
            if (name.startsWith(prefix))
                asides.append(folder.path() + name);
        }
        if (asides.isEmpty())
            return {};
        QList<QByteArray> steps;
        if (download(address.path()).failure == Failure::NotFound)
            steps += rename(asides.takeFirst(), address.path(), true);
        for (const QString& aside : std::as_const(asides))
            steps += remove(aside);
        commands(steps);
        return {};
    }

    Outcome listing(const QString& folder) {
        step = QCoreApplication::translate("Remote", "Listing %1")
                   .arg(address.withPath(folder).shortName());
        prepare(folder);
        const CURLcode code = run();
        if (code != CURLE_OK)
            return failed(code);
        Outcome outcome;
        const QDateTime now = QDateTime::currentDateTime();
        const QStringList lines = QString::fromUtf8(received).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            RemoteEntry entry;
            if (!RemoteTransfer::parseListingLine(line, now, &entry) ||
                entry.name == QLatin1String(".") || entry.name == QLatin1String(".."))
                continue;
            if (entry.isFolder || entry.name.endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive))
                outcome.entries.append(entry);
        }
        std::sort(outcome.entries.begin(), outcome.entries.end(),
                  [](const RemoteEntry& a, const RemoteEntry& b) {
                      if (a.isFolder != b.isFolder)
                          return a.isFolder;
                      return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
                  });
        return outcome;
    }

    // Commands run one after the other on the server, in the folder of the file.
    Outcome commands(const QList<QByteArray>& list) {
        step = QCoreApplication::translate("Remote", "Renaming on %1").arg(address.host());
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

    QList<QByteArray> rename(const QString& from, const QString& to, bool ignoreFailure) const {
        const QByteArray star = ignoreFailure ? "*" : "";
        if (address.protocol() == RemoteAddress::Protocol::Sftp)
            return {star + "rename " + quoted(from) + ' ' + quoted(to)};
        return {star + "RNFR " + address.serverPath(from).toUtf8(),
                star + "RNTO " + address.serverPath(to).toUtf8()};
    }

    QByteArray remove(const QString& path) const {
        if (address.protocol() == RemoteAddress::Protocol::Sftp)
            return "*rm " + quoted(path);
        return "*DELE " + address.serverPath(path).toUtf8();
    }

    Outcome upload(const QString& path, const QByteArray& bytes) {
        step = QCoreApplication::translate("Remote", "Writing %1").arg(address.shortName());
        prepare(path);
        toSend = bytes;
        sent = 0;
        curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Impl::onSend);
        curl_easy_setopt(easy, CURLOPT_READDATA, this);
        curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(bytes.size()));
        const CURLcode code = run();
        if (code == CURLE_OK)
            return {};
        Outcome outcome = failed(code);
        if (outcome.failure == Failure::Other ||
            (code == CURLE_WRITE_ERROR && outcome.failure == Failure::None)) {
            // The SSH layer says the same of a full disk and of a server gone: whether the server
            // still answers tells them apart.
            const QString why = detail();
            if (!listing(address.folder().path()).ok()) {
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

Outcome fetch(Impl* d) {
    if (Outcome cut = d->tidyUp(); !cut.ok())
        return cut;
    Outcome outcome = d->download(d->address.path());
    switch (outcome.failure) {
    case Failure::NotFound:
    case Failure::AccessDenied:
    case Failure::Other: {
        // Reading a folder fails in ways that do not say so: a folder lists.
        if (d->listing(d->address.path() + QLatin1Char('/')).ok()) {
            outcome.failure = Failure::IsFolder;
            outcome.reason = QCoreApplication::translate("Remote", "It is a folder, not a file.");
        }
        break;
    }
    default:
        break;
    }
    return outcome;
}

Outcome list(Impl* d) {
    // A folder's address lists that folder; a file's, the folder it is in.
    return d->listing(d->address.isFolder() ? d->address.path() : d->address.folder().path());
}

Outcome store(Impl* d, const QByteArray& bytes, const QByteArray& expected, bool force,
              const std::function<QString(const QByteArray&)>& keep) {
    const QString path = d->address.path();
    Outcome current = fetch(d);
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
        if (!error.isEmpty()) {
            Outcome outcome;
            outcome.failure = Failure::Other;
            outcome.reason = error;
            return outcome;
        }
    }

    // A hidden name beside the file: the same folder, so that the rename stays on one disk.
    const QString folder = d->address.folder().path();
    const QString suffix = QString::number(QRandomGenerator::global()->generate64(), 36);
    const QString temporary =
        folder + QLatin1Char('.') + d->address.fileName() + QStringLiteral(".new-") + suffix;
    Outcome outcome = d->upload(temporary, bytes);
    if (!outcome.ok()) {
        if (outcome.failure != Failure::Dropped && outcome.failure != Failure::Cancelled)
            d->commands({d->remove(temporary)});
        return outcome;
    }
    if (!d->commands(d->rename(temporary, path, false)).ok()) {
        // Servers that do not rename over a file (OpenSSH's SFTP among them): the old file is
        // moved aside, the new one takes its name, and the old one goes only after that.
        const QString aside =
            folder + QLatin1Char('.') + d->address.fileName() + QStringLiteral(".old-") + suffix;
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
                        .arg(reason, aside);
            return outcome;
        }
        if (exists)
            d->commands({d->remove(aside)});
    }
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
    return {};
}

} // namespace

// The one entry of the module: what RemoteBackend::get() finds when it loads it.
extern "C" Q_DECL_EXPORT const RemoteBackend* ledgerwick_remote_backend() {
    static const RemoteBackend backend{
        createTransfer,
        destroyTransfer,
        [](Impl* d, Outcome* out) { *out = fetch(d); },
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
