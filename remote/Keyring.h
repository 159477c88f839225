#pragma once

#include <QString>

// Secrets in the system's keyring (the Secret Service on Linux), under the program's name. Each
// call waits for the keyring's answer; the keyring may ask the user to unlock it. Nothing is ever
// written anywhere else: without a keyring, writing fails and says so.
class Keyring {
public:
    explicit Keyring(const QString& service = QStringLiteral("ledgerwick"));

    struct Read {
        QString secret;
        // Empty when read or when there is no such entry; otherwise why not (no keyring, locked).
        QString error;
        bool found = false;
    };
    Read read(const QString& key) const;
    // Empty when written, otherwise why not.
    QString write(const QString& key, const QString& secret) const;
    QString remove(const QString& key) const;

private:
    QString m_service;
};
