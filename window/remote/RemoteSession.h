#pragma once

#include "remote/RemoteClient.h"

#include <QObject>
#include <QPointer>

class QProgressDialog;
class QTimer;
class QWidget;

// The window's side of files on servers: watches the document's RemoteClient, whose tasks run
// while the window keeps painting; shows a progress dialog with Cancel once a task takes longer
// than 300 ms, and answers the client's questions with dialogs (trust this key? the password?
// overwrite the file that changed on the server?). While a question is open the task waits for
// the user, however long they take: no progress dialog comes up over the question, and one that
// was shown already says what it waits for. A task the user cancelled says what was not done.
class RemoteSession : public QObject {
    Q_OBJECT
public:
    RemoteSession(QWidget* window, RemoteClient* client);

    // Lists a folder, for the address dialog.
    RemoteClient::Result list(const RemoteAddress& address);
    // Whether the user cancelled the last task.
    bool cancelled() const { return m_cancelled; }

signals:
    // What a cancelled task did not do, for the status bar.
    void note(const QString& text);

private:
    void started();
    void finished(const RemoteClient::Result& result);
    void askTrust(const QString& address, const QString& fingerprint, bool certificate);
    void askPassword(const QString& address, bool refused);
    void askOverwrite(const QString& address, const QByteArray& expected,
                      const QByteArray& onServer, const QByteArray& ours);
    QWidget* owner() const;
    // Around each question: the progress dialog waits with the task.
    void holdProgress();
    void resumeProgress();

    QWidget* m_window;
    RemoteClient* m_client;
    bool m_cancelled = false;
    bool m_asking = false;
    // Of the task under way.
    QPointer<QProgressDialog> m_progress;
    QTimer* m_later;
};
