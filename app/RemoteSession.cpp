#include "app/RemoteSession.h"

#include "app/PasswordDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

RemoteSession::RemoteSession(QWidget* window)
    : QObject(window)
    , m_window(window)
    , m_client(new RemoteClient(this)) {
    connect(m_client, &RemoteClient::trustQuestion, this, &RemoteSession::askTrust);
    connect(m_client, &RemoteClient::passwordQuestion, this, &RemoteSession::askPassword);
    connect(m_client, &RemoteClient::overwriteQuestion, this, &RemoteSession::askOverwrite);
}

QWidget* RemoteSession::owner() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() ? modal : m_window;
}

RemoteClient::Result RemoteSession::fetch(const RemoteAddress& address) {
    return run([&] { m_client->fetch(address); });
}

RemoteClient::Result RemoteSession::list(const RemoteAddress& address) {
    return run([&] { m_client->list(address); });
}

RemoteClient::Result RemoteSession::store(const RemoteAddress& address, const QByteArray& bytes,
                                          const QByteArray& expected) {
    m_elsewhere = expected.isEmpty();
    return run([&] { m_client->store(address, bytes, expected); });
}

RemoteClient::Result RemoteSession::run(const std::function<void()>& start) {
    QProgressDialog progress(owner());
    progress.setObjectName(QStringLiteral("RemoteProgress"));
    progress.setWindowTitle(QStringLiteral("Ledgerwick"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setRange(0, 0);
    progress.setLabelText(tr("Connecting…"));
    // Shown only when the task takes long enough to be noticed.
    progress.setMinimumDuration(1000000);
    progress.reset();
    progress.hide();
    QTimer later;
    later.setSingleShot(true);
    connect(&later, &QTimer::timeout, &progress, [&] {
        if (m_client->isBusy())
            progress.show();
    });
    connect(&progress, &QProgressDialog::canceled, m_client, &RemoteClient::cancel);
    const auto update = connect(m_client, &RemoteClient::progress, &progress,
                                [&](const QString& step, qint64 done, qint64 total) {
                                    progress.setLabelText(step + QStringLiteral("…"));
                                    if (total > 0) {
                                        progress.setRange(0, 1000);
                                        progress.setValue(int(done * 1000 / total));
                                    }
                                });
    later.start(300);
    start();
    const RemoteClient::Result result = m_client->waitForFinished();
    disconnect(update);
    return result;
}

void RemoteSession::askTrust(const QString& address, const QString& fingerprint, bool certificate) {
    QMessageBox box(QMessageBox::Warning, tr("Unknown server"),
                    certificate ? tr("No authority this computer trusts vouches for the "
                                     "certificate of the server at %1.\n\nIts SHA-256 "
                                     "fingerprint is:\n%2\n\nTrust it only if the server's "
                                     "administrator confirms this fingerprint.")
                                      .arg(address, fingerprint)
                                : tr("Ledgerwick has not met the server at %1 before.\n\nIts "
                                     "host key's fingerprint is:\n%2\n\nTrust it only if the "
                                     "server's administrator confirms this fingerprint.")
                                      .arg(address, fingerprint),
                    QMessageBox::NoButton, owner());
    box.setObjectName(QStringLiteral("TrustQuestion"));
    QPushButton* trust = box.addButton(tr("Trust and connect"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    m_client->answerTrust(box.clickedButton() == trust);
}

void RemoteSession::askPassword(const QString& address, bool refused) {
    PasswordDialog dialog(address, refused, owner());
    if (dialog.exec() == QDialog::Accepted)
        m_client->answerPassword(dialog.password(), dialog.remember());
    else
        m_client->answerPassword(QString(), false);
}

void RemoteSession::askOverwrite(const QString& address, int changedLines,
                                 const QStringList& lines) {
    const QString counted =
        changedLines == 1 ? tr("1 line differs") : tr("%1 lines differ").arg(changedLines);
    QString text =
        m_elsewhere ? tr("There is a file at %1 already: %2 from your text").arg(address, counted)
                    : tr("The file at %1 has changed on the server since you "
                         "opened it: %2")
                          .arg(address, counted);
    text += lines.isEmpty() ? QStringLiteral(".")
                            : tr(", among them:\n\n") + lines.join(QLatin1Char('\n'));
    text += m_elsewhere ? tr("\n\nOverwrite it with your text? (Its bytes are kept in "
                             "History.)")
                        : tr("\n\nOverwrite them with your version? (The server's "
                             "version is kept in History.)");
    QMessageBox box(QMessageBox::Warning, tr("Changed on the server"), text, QMessageBox::NoButton,
                    owner());
    box.setObjectName(QStringLiteral("OverwriteQuestion"));
    QPushButton* overwrite = box.addButton(tr("Overwrite"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    m_client->answerOverwrite(box.clickedButton() == overwrite);
}
