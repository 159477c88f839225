#pragma once

#include <QString>

#include <optional>

// The remote console passwords a user chose to remember, kept in the system keyring (the Secret
// Service) under the server's address, and nowhere else. Each call waits for the keyring, with
// the event loop running, so that the window keeps drawing.
namespace PasswordKeyring {

struct Result {
    std::optional<QString> password; // read: the password remembered, if any
    QString error;                   // the keyring's words when it could not do it
    bool ok() const { return error.isEmpty(); }
};

Result read(const QString& server);
Result remember(const QString& server, const QString& password);
Result forget(const QString& server);

} // namespace PasswordKeyring
