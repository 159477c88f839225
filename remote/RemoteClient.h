#pragma once

#include "remote/RemoteAddress.h"
#include "remote/RemoteTransfer.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;

// Opens, lists and saves files on servers, one task at a time, in a worker thread, so that the
// window keeps painting. What only the user can decide (trust this host key or certificate? the
// password? overwrite a file that changed on the server?) comes as a question signal; the task
// waits until the matching answer…() is called, from the slot or later. Without questions (the
// command line), such a task fails with a message that says what to do.
class RemoteClient : public QObject {
    Q_OBJECT

public:
    enum class Task { Fetch, List, Store };

    struct Result {
        Task task = Task::Fetch;
        RemoteAddress address;
        bool ok = false;
        bool cancelled = false;
        RemoteTransfer::Failure failure = RemoteTransfer::Failure::None;
        // What went wrong, naming the address; or, after success, anything the user should know
        // (permissions the server kept, a password that could not be kept in the keyring).
        QString message;
        // What went wrong, without the address.
        QString reason;
        QByteArray bytes;
        QList<RemoteEntry> entries;
    };

    explicit RemoteClient(QObject* parent = nullptr);
    ~RemoteClient() override;

    void setInteractive(bool interactive) { m_interactive = interactive; }
    // Without questions, whether a save overwrites a file that changed on the server since it was
    // read (the command line's --force); otherwise it fails and writes nothing.
    void setOverwriteUnasked(bool overwrite) { m_overwriteUnasked = overwrite; }
    void setSettings(const RemoteTransfer::Settings& settings) { m_settings = settings; }

    bool isBusy() const { return m_busy; }
    void fetch(const RemoteAddress& address);
    void list(const RemoteAddress& address);
    // Saves `bytes` over the file, which is expected to hold `expected` (what was opened or last
    // saved); the bytes it holds are kept in the history first.
    void store(const RemoteAddress& address, const QByteArray& bytes, const QByteArray& expected);
    // Stops the task under way; it finishes as cancelled within a second.
    void cancel();
    // Runs the event loop until the task under way finishes, and returns its result.
    Result waitForFinished();

    void answerTrust(bool trust);
    // An empty password declines.
    void answerPassword(const QString& password, bool remember);
    void answerOverwrite(bool overwrite);

    // The account's password for this run of the program, if one was given and accepted.
    static void forgetPasswords();

signals:
    // A task begins; finished() follows, after any questions.
    void started(RemoteClient::Task task);
    void progress(const QString& step, qint64 done, qint64 total);
    void trustQuestion(const QString& address, const QString& fingerprint, bool certificate);
    // `refused`: the last password given was not accepted.
    void passwordQuestion(const QString& address, bool refused);
    // The file is not what the save expected (`expected`; empty for a file the document did not
    // come from, which should not be there at all): it holds `onServer`, the save would put `ours`.
    void overwriteQuestion(const QString& address, const QByteArray& expected,
                           const QByteArray& onServer, const QByteArray& ours);
    void finished(const RemoteClient::Result& result);

private:
    enum class Asked { Nothing, Trust, Password, Overwrite };
    enum class PasswordSource { None, Typed, Memory, Keyring, User };

    void begin(Task task, const RemoteAddress& address);
    void run();
    void onOutcome(const RemoteTransfer::Outcome& outcome);
    void finish(const RemoteTransfer::Outcome& outcome);
    bool findPassword();
    QString failureMessage(const RemoteTransfer::Outcome& outcome) const;

    bool m_interactive = true;
    bool m_overwriteUnasked = false;
    RemoteTransfer::Settings m_settings;
    bool m_busy = false;
    Task m_task = Task::Fetch;
    RemoteAddress m_address;
    QByteArray m_bytes;
    QByteArray m_expected;
    bool m_force = false;
    QString m_password;
    PasswordSource m_source = PasswordSource::None;
    bool m_keyringTried = false;
    bool m_remember = false;
    Asked m_asked = Asked::Nothing;
    RemoteTransfer::Outcome m_pending;
    QString m_note;
    std::atomic_bool m_cancel = false;
    QThread* m_worker = nullptr;
    std::unique_ptr<Result> m_lastResult;
};
Q_DECLARE_METATYPE(RemoteClient::Result)
