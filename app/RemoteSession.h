#pragma once

#include "remote/RemoteClient.h"

#include <QObject>

class QProgressDialog;
class QTimer;
class QWidget;

// The window's side of files on servers: runs one task of the RemoteClient at a time while the
// window keeps painting, shows a progress dialog with Cancel once a task takes longer than
// 300 ms, and answers the client's questions with dialogs (trust this key? the password?
// overwrite the file that changed on the server?). While a question is open the task waits for
// the user, however long they take: no progress dialog comes up over the question, and one that
// was shown already says what it waits for. A task the user cancelled says what was not done.
class RemoteSession : public QObject {
    Q_OBJECT
public:
    explicit RemoteSession(QWidget* window);

    RemoteClient::Result fetch(const RemoteAddress& address);
    RemoteClient::Result list(const RemoteAddress& address);
    RemoteClient::Result store(const RemoteAddress& address, const QByteArray& bytes,
                               const QByteArray& expected);

    RemoteClient* client() { return m_client; }
    // Whether the user cancelled the last task.
    bool cancelled() const { return m_cancelled; }

signals:
    // What a cancelled task did not do, for the status bar.
    void note(const QString& text);

private:
    RemoteClient::Result run(const std::function<void()>& start);
    void askTrust(const QString& address, const QString& fingerprint, bool certificate);
    void askPassword(const QString& address, bool refused);
    void askOverwrite(const QString& address, int changedLines, const QStringList& lines);
    QWidget* owner() const;
    // Around each question: the progress dialog waits with the task.
    void holdProgress();
    void resumeProgress();

    QWidget* m_window;
    // The store under way goes to a file the document did not come from.
    bool m_elsewhere = false;
    bool m_cancelled = false;
    bool m_asking = false;
    RemoteClient* m_client;
    // Of the task under way.
    QProgressDialog* m_progress = nullptr;
    QTimer* m_later = nullptr;
};
