#include "remote/KnownHosts.h"

#include "remote/DataFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

// OpenSSH writes a host on its standard port bare and any other as [host]:port.
QString hostPattern(const QString& hostAndPort) {
    const qsizetype colon = hostAndPort.lastIndexOf(QLatin1Char(':'));
    const QString host = hostAndPort.left(colon);
    const QString port = hostAndPort.mid(colon + 1);
    return port == QLatin1String("22") ? host : QStringLiteral("[%1]:%2").arg(host, port);
}

QList<QStringList> recordLines(const QString& path) {
    QList<QStringList> records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        records.append(text.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
    return records;
}

// Adds a line to a record file by writing it anew, so that a failed write leaves the old one.
bool appendRecord(const QString& path, const QString& line, QString* error) {
    if (!DataFolder::makePrivate(QFileInfo(path).absolutePath())) {
        *error = QCoreApplication::translate("Remote", "Cannot create the folder of %1.").arg(path);
        return false;
    }
    QByteArray bytes;
    QFile old(path);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly)) {
            *error = QCoreApplication::translate("Remote", "Cannot read %1: %2")
                         .arg(path, old.errorString());
            return false;
        }
        bytes = old.readAll();
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += '\n';
    }
    bytes += line.toUtf8() + '\n';
    QSaveFile file(path);
    // For the user alone, as every file of the data folder.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(DataFolder::kFilePermissions) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QCoreApplication::translate("Remote", "Cannot write %1: %2")
                     .arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

KnownHosts::KnownHosts(const QString& folder)
    : m_folder(folder.isEmpty() ? DataFolder::path() : folder) {}

QString KnownHosts::keyFile() const {
    return m_folder + QStringLiteral("/known_hosts");
}

QString KnownHosts::certificateFile() const {
    return m_folder + QStringLiteral("/trusted_certificates");
}

QString KnownHosts::keyFingerprint(const QByteArray& key) {
    QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toBase64();
    while (hash.endsWith('='))
        hash.chop(1);
    return QStringLiteral("SHA256:") + QString::fromLatin1(hash);
}

QString KnownHosts::certificateFingerprint(const QByteArray& der) {
    return QString::fromLatin1(
        QCryptographicHash::hash(der, QCryptographicHash::Sha256).toHex(':').toUpper());
}

QString KnownHosts::keyType(const QByteArray& key) {
    if (key.size() < 4)
        return {};
    const quint32 length =
        (quint8(key[0]) << 24) | (quint8(key[1]) << 16) | (quint8(key[2]) << 8) | quint8(key[3]);
    if (length > quint32(key.size() - 4))
        return {};
    return QString::fromLatin1(key.mid(4, length));
}

bool KnownHosts::trustKey(const QString& hostAndPort, const QByteArray& key, QString* error) const {
    return appendRecord(
        keyFile(),
        QStringLiteral("%1 %2 %3")
            .arg(hostPattern(hostAndPort), keyType(key), QString::fromLatin1(key.toBase64())),
        error);
}

KnownHosts::Pin KnownHosts::pinnedCertificate(const QString& hostAndPort) const {
    Pin pin;
    // The last record for a host is the one in force.
    for (const QStringList& record : recordLines(certificateFile()))
        if (record.size() >= 3 && record[0] == hostAndPort)
            pin = {record[1], record[2].toLatin1()};
    return pin;
}

bool KnownHosts::trustCertificate(const QString& hostAndPort, const Pin& pin,
                                  QString* error) const {
    return appendRecord(
        certificateFile(),
        QStringLiteral("%1 %2 %3")
            .arg(hostAndPort, pin.fingerprint, QString::fromLatin1(pin.publicKeyHash)),
        error);
}
