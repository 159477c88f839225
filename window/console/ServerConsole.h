#pragma once

#include "console/RconClient.h"
#include "console/ServerAddress.h"

#include <QObject>

#include <functional>

class ComparisonDialog;
class Document;
class QLabel;
class QMainWindow;
class ServerComparison;

// The window's "Server" menu at work: connecting to a running server, comparing the document
// with it, applying the differences and restarting the map, each step asked for by the user.
// The password lives in memory only (and in the system keyring when the user asks for that).
class ServerConsole : public QObject {
    Q_OBJECT
public:
    // Where the passwords the user chose to remember are kept, by the server's address.
    static inline const QString kKeyringService = QStringLiteral("Ledgerwick remote console");

    // Compares `document`: its text as it is now, and the host of its file on a server, if any.
    ServerConsole(QMainWindow* window, const Document* document);

    void connectToServer();
    void compare();
    void applyDifferences();
    void restartMap();

private:
    // Asks for the address and the password, then reads the server's status; `then` runs once
    // the server answered.
    void connectThen(std::function<void()> then);
    void readStatus(std::function<void()> then);
    // Keeps the password in the system keyring, or forgets one kept there, as the user chose.
    void keepPassword(bool remember, const QString& password);
    void startComparing(std::function<void()> then = {});
    void confirmApply();
    void showDialog();
    void showFailure(const QString& message, RconClient::Failure failure);
    QString summary() const;

    QMainWindow* m_window;
    const Document* m_document;
    RconClient* m_client;
    ServerComparison* m_comparison;
    ComparisonDialog* m_dialog = nullptr;
    QLabel* m_serverLabel;
    QString m_typedAddress;
    ServerAddress m_address;
    QString m_serverName;
    bool m_connected = false;
    bool m_needPassword = true;
    std::function<void()> m_afterCompare;
    QString m_lastApply;
    QString m_rememberedFor; // the server whose password the keyring holds, if any
};
