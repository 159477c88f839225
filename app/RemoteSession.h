#pragma once

#include "remote/RemoteClient.h"

#include <QObject>

class QWidget;

// The window's side of files on servers: runs one task of the RemoteClient at a time while the
// window keeps painting, shows a progress dialog with Cancel once a task takes longer than
// 300 ms, and answers the client's questions with dialogs (trust this key? the password?
// overwrite the file that changed on the server?).
class RemoteSession : public QObject {
    Q_OBJECT
public:
    explicit RemoteSession(QWidget* window);

    RemoteClient::Result fetch(const RemoteAddress& address);
    RemoteClient::Result list(const RemoteAddress& address);
    RemoteClient::Result store(const RemoteAddress& address, const QByteArray& bytes,
                               const QByteArray& expected);

    RemoteClient* client() { return m_client; }

private:
    RemoteClient::Result run(const std::function<void()>& start);
    void askTrust(const QString& address, const QString& fingerprint, bool certificate);
    void askPassword(const QString& address, bool refused);
    void askOverwrite(const QString& address, int changedLines, const QStringList& lines);
    QWidget* owner() const;

    QWidget* m_window;
    // The store under way goes to a file the document did not come from.
    bool m_elsewhere = false;
    RemoteClient* m_client;
};
