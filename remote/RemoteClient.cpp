#include "remote/RemoteClient.h"

#include "remote/History.h"
#include "remote/Keyring.h"
#include "remote/KnownHosts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QThread>

using Failure = RemoteTransfer::Failure;
using Outcome = RemoteTransfer::Outcome;

namespace {

// Passwords accepted in this run of the program, by account: held in memory only, so that a save
// does not ask again for what the open was given.
QHash<QString, QString>& passwords() {
    static QHash<QString, QString> map;
    return map;
}

Outcome failure(Failure kind, const QString& reason) {
    Outcome outcome;
    outcome.failure = kind;
    outcome.reason = reason;
    return outcome;
}

} // namespace

RemoteClient::RemoteClient(QObject* parent)
    : QObject(parent) {
    qRegisterMetaType<RemoteClient::Result>();
}

RemoteClient::~RemoteClient() {
    if (m_worker) {
        m_cancel = true;
        m_worker->wait();
        delete m_worker;
    }
}

void RemoteClient::forgetPasswords() {
    passwords().clear();
}

void RemoteClient::fetch(const RemoteAddress& address) {
    begin(Task::Fetch, address);
}

void RemoteClient::list(const RemoteAddress& address) {
    begin(Task::List, address);
}

void RemoteClient::store(const RemoteAddress& address, const QByteArray& bytes,
                         const QByteArray& expected) {
    m_bytes = bytes;
    m_expected = expected;
    begin(Task::Store, address);
}

void RemoteClient::begin(Task task, const RemoteAddress& address) {
    if (m_busy) {
        Result result;
        result.task = task;
        result.address = address;
        result.message = QCoreApplication::translate("Remote", "Another transfer is under way.");
        emit finished(result);
        return;
    }
    m_busy = true;
    m_task = task;
    m_address = address;
    m_force = false;
    m_note.clear();
    m_keyringTried = false;
    m_remember = false;
    emit started(task);
    m_password = address.typedPassword();
    m_source = m_password.isEmpty() ? PasswordSource::None : PasswordSource::Typed;
    if (m_source == PasswordSource::None && passwords().contains(address.account())) {
        m_password = passwords().value(address.account());
        m_source = PasswordSource::Memory;
    }
    // SFTP tries the agent and the user's keys first; FTP has nothing but a password.
    if (m_source == PasswordSource::None && address.protocol() != RemoteAddress::Protocol::Sftp &&
        !address.user().isEmpty())
        findPassword();
    run();
}

bool RemoteClient::findPassword() {
    if (m_keyringTried)
        return false;
    m_keyringTried = true;
    const Keyring::Read read = Keyring().read(m_address.account());
    if (!read.found || read.secret.isEmpty())
        return false;
    m_password = read.secret;
    m_source = PasswordSource::Keyring;
    return true;
}

void RemoteClient::run() {
    m_cancel = false;
    m_asked = Asked::Nothing;
    const RemoteAddress address = m_address;
    const QString password = m_password;
    const RemoteTransfer::Settings settings = m_settings;
    const Task task = m_task;
    const QByteArray bytes = m_bytes;
    const QByteArray expected = m_expected;
    const bool force = m_force;
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    m_worker = QThread::create([this, address, password, settings, task, bytes, expected, force] {
        // Progress is passed on a few times a second at most; the window has no use for more.
        // A new step is told at once, so that the window names what is being done.
        QElapsedTimer sinceReport;
        sinceReport.start();
        QString lastStep;
        auto report = [this, &sinceReport, &lastStep](const QString& step, qint64 done,
                                                      qint64 total) {
            if (step == lastStep && done != total && sinceReport.elapsed() < 50)
                return;
            lastStep = step;
            sinceReport.restart();
            emit progress(step, done, total);
        };
        RemoteTransfer transfer(address, password, settings, m_cancel, report);
        Outcome outcome;
        switch (task) {
        case Task::Fetch:
            outcome = transfer.fetch();
            break;
        case Task::List:
            outcome = transfer.list();
            break;
        case Task::Store:
            outcome = transfer.store(bytes, expected, force, [&](const QByteArray& old) {
                return History().keep(address.userAtHostPort(), address.path(), old);
            });
            break;
        }
        QMetaObject::invokeMethod(
            this, [this, outcome] { onOutcome(outcome); }, Qt::QueuedConnection);
    });
    m_worker->start();
}

void RemoteClient::cancel() {
    m_cancel = true;
    if (m_asked != Asked::Nothing) {
        m_asked = Asked::Nothing;
        finish(failure(Failure::Cancelled, QCoreApplication::translate("Remote", "Cancelled.")));
    }
}

void RemoteClient::onOutcome(const Outcome& outcome) {
    if (m_cancel && !outcome.ok()) {
        finish(failure(Failure::Cancelled, QCoreApplication::translate("Remote", "Cancelled.")));
        return;
    }
    switch (outcome.failure) {
    case Failure::UnknownHostKey:
    case Failure::UnknownCertificate:
        if (!m_interactive || outcome.fingerprint.isEmpty())
            break;
        m_pending = outcome;
        m_asked = Asked::Trust;
        emit trustQuestion(m_address.toString(), outcome.fingerprint,
                           outcome.failure == Failure::UnknownCertificate);
        return;
    case Failure::LoginDenied:
        if (m_source == PasswordSource::Memory)
            passwords().remove(m_address.account());
        // The keyring first, unless what failed came from it.
        if (m_source != PasswordSource::Keyring && m_source != PasswordSource::User &&
            m_source != PasswordSource::Typed && findPassword()) {
            run();
            return;
        }
        if (!m_interactive)
            break;
        m_pending = outcome;
        m_asked = Asked::Password;
        emit passwordQuestion(m_address.toString(), m_source != PasswordSource::None);
        return;
    case Failure::ChangedOnServer: {
        if (!m_interactive) {
            if (!m_overwriteUnasked || m_force)
                break;
            m_force = true;
            QMetaObject::invokeMethod(this, &RemoteClient::run, Qt::QueuedConnection);
            return;
        }
        m_pending = outcome;
        m_asked = Asked::Overwrite;
        emit overwriteQuestion(m_address.toString(), m_expected, outcome.bytes, m_bytes);
        return;
    }
    default:
        break;
    }
    finish(outcome);
}

void RemoteClient::answerTrust(bool trust) {
    if (m_asked != Asked::Trust)
        return;
    m_asked = Asked::Nothing;
    if (!trust) {
        finish(failure(Failure::Cancelled, QCoreApplication::translate("Remote", "Cancelled.")));
        return;
    }
    const KnownHosts known(m_settings.knownHostsFolder);
    QString error;
    const bool kept =
        m_pending.failure == Failure::UnknownHostKey
            ? known.trustKey(m_address.hostAndPort(), m_pending.hostKey, &error)
            : known.trustCertificate(m_address.hostAndPort(),
                                     {m_pending.fingerprint, m_pending.publicKeyHash}, &error);
    if (!kept) {
        finish(failure(Failure::Other, error));
        return;
    }
    QMetaObject::invokeMethod(this, &RemoteClient::run, Qt::QueuedConnection);
}

void RemoteClient::answerPassword(const QString& password, bool remember) {
    if (m_asked != Asked::Password)
        return;
    m_asked = Asked::Nothing;
    if (password.isEmpty()) {
        finish(failure(Failure::Cancelled, QCoreApplication::translate("Remote", "Cancelled.")));
        return;
    }
    m_password = password;
    m_source = PasswordSource::User;
    m_remember = remember;
    QMetaObject::invokeMethod(this, &RemoteClient::run, Qt::QueuedConnection);
}

void RemoteClient::answerOverwrite(bool overwrite) {
    if (m_asked != Asked::Overwrite)
        return;
    m_asked = Asked::Nothing;
    if (!overwrite) {
        finish(failure(Failure::Cancelled,
                       QCoreApplication::translate("Remote", "Cancelled: nothing was written.")));
        return;
    }
    m_force = true;
    QMetaObject::invokeMethod(this, &RemoteClient::run, Qt::QueuedConnection);
}

QString RemoteClient::failureMessage(const Outcome& outcome) const {
    QString reason = outcome.reason;
    if (!m_interactive) {
        switch (outcome.failure) {
        case Failure::UnknownHostKey:
            reason += QStringLiteral(" Open the address once in Ledgerwick's window and trust the "
                                     "key, or add it to ~/.ssh/known_hosts.");
            break;
        case Failure::UnknownCertificate:
            reason += QStringLiteral(" Open the address once in Ledgerwick's window and trust the "
                                     "certificate.");
            break;
        case Failure::LoginDenied:
            if (m_source == PasswordSource::None)
                reason += QStringLiteral(" No key, agent or keyring entry was accepted: open the "
                                         "address once in Ledgerwick's window and remember the "
                                         "password in the system keyring.");
            else if (m_source == PasswordSource::Typed)
                reason += QStringLiteral(" Check the user name and the password typed into the "
                                         "address.");
            else
                reason += QStringLiteral(" Correct the password kept in the system keyring by "
                                         "opening the address in Ledgerwick's window.");
            break;
        case Failure::ChangedOnServer:
            reason += QStringLiteral(" Nothing was written; --force overwrites it.");
            break;
        default:
            break;
        }
    }
    return reason;
}

void RemoteClient::finish(const Outcome& outcome) {
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }
    Result result;
    result.task = m_task;
    result.address = m_address;
    result.ok = outcome.ok();
    result.failure = outcome.failure;
    result.cancelled = outcome.failure == Failure::Cancelled;
    result.bytes = outcome.bytes;
    result.entries = outcome.entries;
    if (result.ok) {
        result.message = outcome.note;
        // A password that worked is known for the rest of the run, and kept if the user asked.
        if (m_source != PasswordSource::None)
            passwords().insert(m_address.account(), m_password);
        if (m_remember) {
            const QString error = Keyring().write(m_address.account(), m_password);
            if (!error.isEmpty())
                result.message =
                    (result.message + QLatin1Char(' ') +
                     QCoreApplication::translate("Remote", "The password was not remembered: %1")
                         .arg(error))
                        .trimmed();
        }
    } else {
        result.reason = failureMessage(outcome);
        const QString sentence =
            m_task == Task::Fetch  ? QCoreApplication::translate("Remote", "Cannot open %1: %2")
            : m_task == Task::List ? QCoreApplication::translate("Remote", "Cannot list %1: %2")
                                   : QCoreApplication::translate("Remote", "Cannot save to %1: %2");
        result.message = sentence.arg(m_address.toString(), result.reason);
    }
    m_password.fill(QChar(0));
    m_password.clear();
    m_bytes.clear();
    m_busy = false;
    m_lastResult = std::make_unique<Result>(result);
    emit finished(result);
}

RemoteClient::Result RemoteClient::waitForFinished() {
    if (m_busy) {
        QEventLoop loop;
        connect(this, &RemoteClient::finished, &loop, &QEventLoop::quit);
        if (m_busy)
            loop.exec();
    }
    return m_lastResult ? *m_lastResult : Result();
}
