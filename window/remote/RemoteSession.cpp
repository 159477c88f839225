#include "window/remote/RemoteSession.h"

#include "window/remote/PasswordDialog.h"

#include "config/CfgFile.h"
#include "config/LineDiff.h"
#include "controls/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

namespace {

// A task shorter than this shows no progress at all.
constexpr int kProgressDelay = 300;

} // namespace

RemoteSession::RemoteSession(QWidget* window, RemoteClient* client)
    : QObject(window)
    , m_window(window)
    , m_client(client)
    , m_later(new QTimer(this)) {
    m_later->setSingleShot(true);
    connect(m_later, &QTimer::timeout, this, [this] {
        if (m_progress && m_client->isBusy() && !m_asking)
            m_progress->show();
    });
    connect(m_client, &RemoteClient::started, this, &RemoteSession::started);
    connect(m_client, &RemoteClient::finished, this, &RemoteSession::finished);
    connect(m_client, &RemoteClient::progress, this,
            [this](const QString& step, qint64 done, qint64 total) {
                if (m_asking || !m_progress)
                    return;
                m_progress->setLabelText(step + QStringLiteral("…"));
                if (total > 0) {
                    m_progress->setRange(0, 1000);
                    m_progress->setValue(int(done * 1000 / total));
                }
            });
    connect(m_client, &RemoteClient::trustQuestion, this, &RemoteSession::askTrust);
    connect(m_client, &RemoteClient::passwordQuestion, this, &RemoteSession::askPassword);
    connect(m_client, &RemoteClient::overwriteQuestion, this, &RemoteSession::askOverwrite);
}

QWidget* RemoteSession::owner() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() ? modal : m_window;
}

RemoteClient::Result RemoteSession::list(const RemoteAddress& address) {
    m_client->list(address);
    return m_client->waitForFinished();
}

void RemoteSession::started() {
    auto* progress = new QProgressDialog(owner());
    progress->setObjectName(QStringLiteral("RemoteProgress"));
    progress->setWindowTitle(QStringLiteral("Ledgerwick"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setRange(0, 0);
    progress->setLabelText(tr("Connecting…"));
    // Shown only when the task takes long enough to be noticed.
    progress->setMinimumDuration(1000000);
    progress->reset();
    progress->hide();
    connect(progress, &QProgressDialog::canceled, m_client, &RemoteClient::cancel);
    delete m_progress;
    m_progress = progress;
    m_cancelled = false;
    m_later->start(kProgressDelay);
}

void RemoteSession::finished(const RemoteClient::Result& result) {
    m_later->stop();
    if (m_progress)
        m_progress->deleteLater();
    m_progress = nullptr;
    m_cancelled = result.cancelled;
    if (!result.cancelled)
        return;
    const QString address = result.address.toString();
    emit note(result.task == RemoteClient::Task::Fetch
                  ? tr("Cancelled: %1 was not opened.").arg(address)
              : result.task == RemoteClient::Task::List
                  ? tr("Cancelled: %1 was not listed.").arg(address)
                  : tr("Cancelled: nothing was saved to %1.").arg(address));
}

void RemoteSession::holdProgress() {
    m_asking = true;
    if (m_later)
        m_later->stop();
    if (m_progress && m_progress->isVisible()) {
        m_progress->setRange(0, 0);
        m_progress->setLabelText(tr("Waiting for your answer…"));
    }
}

void RemoteSession::resumeProgress() {
    m_asking = false;
    if (!m_progress || !m_client->isBusy())
        return;
    if (m_progress->isVisible())
        m_progress->setLabelText(tr("Connecting…"));
    else
        m_later->start(kProgressDelay);
}

void RemoteSession::askTrust(const QString& address, const QString& fingerprint, bool certificate) {
    const QString text = certificate ? tr("No authority this computer trusts vouches for the "
                                          "certificate of the server at %1.\n\nIts SHA-256 "
                                          "fingerprint is:\n%2\n\nTrust it only if the server's "
                                          "administrator confirms this fingerprint.")
                                           .arg(address, fingerprint)
                                     : tr("Ledgerwick has not met the server at %1 before.\n\nIts "
                                          "host key's fingerprint is:\n%2\n\nTrust it only if the "
                                          "server's administrator confirms this fingerprint.")
                                           .arg(address, fingerprint);
    holdProgress();
    const bool trust =
        MessageBox::ask(
            owner(),
            {QMessageBox::Warning, tr("Unknown server"), text, {}, QStringLiteral("TrustQuestion")},
            {tr("Trust and connect"), QMessageBox::Cancel}, 1) == 0;
    resumeProgress();
    m_client->answerTrust(trust);
}

void RemoteSession::askPassword(const QString& address, bool refused) {
    PasswordDialog dialog(address, refused, owner());
    holdProgress();
    const int answer = dialog.exec();
    resumeProgress();
    if (answer == QDialog::Accepted)
        m_client->answerPassword(dialog.password(), dialog.remember());
    else
        m_client->answerPassword(QString(), false);
}

void RemoteSession::askOverwrite(const QString& address, const QByteArray& expected,
                                 const QByteArray& onServer, const QByteArray& ours) {
    // A file the document came from is held against what it was then; another file against the
    // text about to be saved.
    const bool elsewhere = expected.isEmpty();
    const LineDiff diff(CfgFile::decode(elsewhere ? ours : expected), CfgFile::decode(onServer));
    const int changedLines = diff.count();
    const QString counted =
        changedLines == 1 ? tr("1 line differs") : tr("%1 lines differ").arg(changedLines);
    QString text =
        elsewhere ? tr("There is a file at %1 already: %2 from your text").arg(address, counted)
                  : tr("The file at %1 has changed on the server since you "
                       "opened it: %2")
                        .arg(address, counted);
    text += QLatin1Char('.');
    text += elsewhere ? tr("\n\nOverwrite it with your text? (Its bytes are kept in "
                           "History.)")
                      : tr("\n\nOverwrite them with your version? (The server's "
                           "version is kept in History.)");
    // The lines themselves as a unified diff, each side named by the file's name as diff -u
    // names a file, with what it is after a tab.
    const QString name = address.section(QLatin1Char('/'), -1);
    const QString details = diff.unified(name + QLatin1Char('\t') +
                                             (elsewhere ? tr("your text") : tr("as you opened it")),
                                         name + QLatin1Char('\t') + tr("on the server now"));
    holdProgress();
    const bool overwrite = MessageBox::ask(owner(),
                                           {QMessageBox::Warning,
                                            tr("Changed on the server"),
                                            text,
                                            {},
                                            QStringLiteral("OverwriteQuestion")},
                                           {tr("Overwrite"), QMessageBox::Cancel}, 1, details) == 0;
    resumeProgress();
    m_client->answerOverwrite(overwrite);
}
