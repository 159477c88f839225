#pragma once

#include "remote/Keyring.h"
#include "remote/RemoteTransfer.h"

// libcurl and QtKeychain bring a score of libraries with them (SSH, TLS, Kerberos, LDAP, D-Bus…)
// whose loading would slow every start of the program. They are used from a module of their own,
// loaded the first time a file on a server or the keyring is used.
struct RemoteBackend {
    RemoteTransfer::Impl* (*createTransfer)(const RemoteAddress& address, const QString& password,
                                            const RemoteTransfer::Settings& settings,
                                            const std::atomic_bool& cancel,
                                            const RemoteTransfer::Progress& progress);
    void (*destroyTransfer)(RemoteTransfer::Impl* transfer);
    void (*fetch)(RemoteTransfer::Impl* transfer, RemoteTransfer::Outcome* outcome);
    void (*list)(RemoteTransfer::Impl* transfer, RemoteTransfer::Outcome* outcome);
    void (*store)(RemoteTransfer::Impl* transfer, const QByteArray& bytes,
                  const QByteArray& expected, bool force,
                  const std::function<QString(const QByteArray&)>& keep,
                  RemoteTransfer::Outcome* outcome);
    void (*keyringRead)(const QString& service, const QString& key, Keyring::Read* result);
    void (*keyringWrite)(const QString& service, const QString& key, const QString& secret,
                         QString* error);
    void (*keyringRemove)(const QString& service, const QString& key, QString* error);

    // The module, loaded at the first call from any thread; null, with the reason in `error`,
    // when it cannot be loaded.
    static const RemoteBackend* get(QString* error);
};

// The keyring's functions, defined in the module.
void keyringRead(const QString& service, const QString& key, Keyring::Read* result);
void keyringWrite(const QString& service, const QString& key, const QString& secret,
                  QString* error);
void keyringRemove(const QString& service, const QString& key, QString* error);
