#pragma once

#include <QByteArray>
#include <QString>

// A known_hosts file in OpenSSH's form, looked up with libssh2's own reader: plain and hashed
// names, several names to a line, the key types it knows.
class OpenSshKnownHosts {
public:
    enum class Match { Known, Changed, Unknown };

    // The name OpenSSH records a host under: the host for port 22, [host]:port for any other.
    static QString recordName(const QString& host, int port);

    // The record of `name` (as recordName() gives it, matched as it stands) for `key`, the key as
    // the server sends it. Only a key of the same type that is not this one makes it Changed;
    // its fingerprint is then in `recordedFingerprint`.
    static Match check(const QString& file, const QString& name, const QByteArray& key,
                       QString* recordedFingerprint);
};
