#include "remote/Keyring.h"

#include "remote/RemoteBackend.h"

Keyring::Keyring(const QString& service)
    : m_service(service) {}

Keyring::Read Keyring::read(const QString& key) const {
    Read result;
    if (const RemoteBackend* backend = RemoteBackend::get(&result.error))
        backend->keyringRead(m_service, key, &result);
    return result;
}

QString Keyring::write(const QString& key, const QString& secret) const {
    QString error;
    if (const RemoteBackend* backend = RemoteBackend::get(&error))
        backend->keyringWrite(m_service, key, secret, &error);
    return error;
}

QString Keyring::remove(const QString& key) const {
    QString error;
    if (const RemoteBackend* backend = RemoteBackend::get(&error))
        backend->keyringRemove(m_service, key, &error);
    return error;
}
