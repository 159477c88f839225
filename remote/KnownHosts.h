#pragma once

#include <QByteArray>
#include <QString>

// The servers Ledgerwick has been told to trust: SSH host keys (in OpenSSH's known_hosts form, so
// that a user can read or move them) and the certificates of FTPS servers that no authority
// vouches for. Both files live in the program's data folder, for the user alone; the user's own
// ~/.ssh/known_hosts is read by the transfer itself and never written.
class KnownHosts {
public:
    // `folder` holds the files; empty means the program's data folder.
    explicit KnownHosts(const QString& folder = QString());

    QString keyFile() const;
    QString certificateFile() const;

    // OpenSSH's form of a key's fingerprint: "SHA256:" and the unpadded base64 of the hash of the
    // key as the server sends it.
    static QString keyFingerprint(const QByteArray& key);
    // A certificate's fingerprint: the SHA-256 of its DER bytes, in hex pairs with colons.
    static QString certificateFingerprint(const QByteArray& der);
    // The key's type as it names itself (ssh-ed25519, ssh-rsa, …).
    static QString keyType(const QByteArray& key);

    // Records `key` for host:port under the name OpenSSH gives it ([host]:port, or the bare host
    // for port 22). The transfer looks keys up through libssh2, as libcurl does.
    bool trustKey(const QString& hostAndPort, const QByteArray& key, QString* error) const;

    struct Pin {
        QString fingerprint;
        // The SHA-256 of the certificate's public key, in base64, as libcurl pins it.
        QByteArray publicKeyHash;
    };
    // The certificate trusted for host:port; an empty pin when there is none.
    Pin pinnedCertificate(const QString& hostAndPort) const;
    bool trustCertificate(const QString& hostAndPort, const Pin& pin, QString* error) const;

private:
    QString m_folder;
};
