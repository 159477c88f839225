#include "remote/backend/OpenSshKnownHosts.h"

#include "remote/KnownHosts.h"

#include <QFile>

#include <libssh2.h>

namespace {

int keyTypeBit(const QString& type) {
    if (type == QLatin1String("ssh-ed25519"))
        return LIBSSH2_KNOWNHOST_KEY_ED25519;
    if (type == QLatin1String("ecdsa-sha2-nistp256"))
        return LIBSSH2_KNOWNHOST_KEY_ECDSA_256;
    if (type == QLatin1String("ecdsa-sha2-nistp384"))
        return LIBSSH2_KNOWNHOST_KEY_ECDSA_384;
    if (type == QLatin1String("ecdsa-sha2-nistp521"))
        return LIBSSH2_KNOWNHOST_KEY_ECDSA_521;
    if (type == QLatin1String("ssh-rsa"))
        return LIBSSH2_KNOWNHOST_KEY_SSHRSA;
    if (type == QLatin1String("ssh-dss"))
        return LIBSSH2_KNOWNHOST_KEY_SSHDSS;
    // Never matches a record.
    return LIBSSH2_KNOWNHOST_KEY_UNKNOWN;
}

} // namespace

QString OpenSshKnownHosts::recordName(const QString& host, int port) {
    return port == 22 ? host : QStringLiteral("[%1]:%2").arg(host).arg(port);
}

OpenSshKnownHosts::Match OpenSshKnownHosts::check(const QString& file, const QString& name,
                                                  const QByteArray& key,
                                                  QString* recordedFingerprint) {
    QFile records(file);
    if (!records.open(QIODevice::ReadOnly))
        return Match::Unknown;
    LIBSSH2_SESSION* session = libssh2_session_init();
    if (!session)
        return Match::Unknown;
    LIBSSH2_KNOWNHOSTS* hosts = libssh2_knownhost_init(session);
    if (!hosts) {
        libssh2_session_free(session);
        return Match::Unknown;
    }
    // Line by line: libssh2's reader of a whole file stops at the first line it cannot read (a
    // marker, a key type it does not know), and the records after it would go unseen.
    while (!records.atEnd()) {
        const QByteArray line = records.readLine();
        libssh2_knownhost_readline(hosts, line.constData(), size_t(line.size()),
                                   LIBSSH2_KNOWNHOST_FILE_OPENSSH);
    }
    const QByteArray host = name.toUtf8();
    libssh2_knownhost* recorded = nullptr;
    // A port of -1: the name is matched as it stands, without libssh2's fallback to the bare
    // host for another port, which OpenSSH does not make.
    const int found =
        libssh2_knownhost_checkp(hosts, host.constData(), -1, key.constData(), size_t(key.size()),
                                 LIBSSH2_KNOWNHOST_TYPE_PLAIN | LIBSSH2_KNOWNHOST_KEYENC_RAW |
                                     keyTypeBit(KnownHosts::keyType(key)),
                                 &recorded);
    Match match = Match::Unknown;
    if (found == LIBSSH2_KNOWNHOST_CHECK_MATCH) {
        match = Match::Known;
    } else if (found == LIBSSH2_KNOWNHOST_CHECK_MISMATCH) {
        match = Match::Changed;
        if (recorded && recorded->key && recordedFingerprint)
            *recordedFingerprint =
                KnownHosts::keyFingerprint(QByteArray::fromBase64(QByteArray(recorded->key)));
    }
    libssh2_knownhost_free(hosts);
    libssh2_session_free(session);
    return match;
}
