#include "window/console/ServerConsole.h"

#include "config/Program.h"
#include "console/ServerComparison.h"
#include "controls/MessageBox.h"
#include "document/Document.h"
#include "document/SavedSettings.h"
#include "remote/Keyring.h"
#include "window/console/ComparisonDialog.h"
#include "window/console/ConnectDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QThread>

#include <utility>

namespace {

using State = Comparison::State;

// The most rows a confirmation lists by name.
constexpr qsizetype kListed = 15;

QString listed(const QStringList& lines) {
    QStringList shown = lines.mid(0, kListed);
    if (lines.size() > kListed)
        shown.append(QCoreApplication::translate("ServerConsole", "and %1 more")
                         .arg(lines.size() - kListed));
    return shown.join(QLatin1Char('\n'));
}

// The address last connected to; never the password.
const QString kAddressKey = QStringLiteral("console/address");

QString title() {
    return Program::title();
}

// The console's passwords, under a service of their own in the system keyring.
Keyring keyring() {
    return Keyring(ServerConsole::kKeyringService);
}

} // namespace

ServerConsole::ServerConsole(QMainWindow* window, const Document* document)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , m_client(new RconClient(this))
    , m_comparison(new ServerComparison(m_client, this))
    , m_serverLabel(new QLabel(window)) {
    m_serverLabel->setObjectName(QStringLiteral("lblServer"));
    window->statusBar()->addPermanentWidget(m_serverLabel);
    connect(m_comparison, &ServerComparison::compared, this, [this] {
        m_dialog->setRows(m_comparison->rows());
        m_dialog->setSummary(summary());
        m_dialog->setBusy(false);
        if (auto then = std::exchange(m_afterCompare, {}))
            then();
    });
    connect(m_comparison, &ServerComparison::failed, this,
            [this](const QString& message, RconClient::Failure failure) {
                m_afterCompare = {};
                if (m_dialog) {
                    m_dialog->setBusy(false);
                    m_dialog->setSummary(tr("Stopped: ") + message);
                }
                showFailure(message, failure);
            });
}

void ServerConsole::connectToServer() {
    connectThen({});
}

void ServerConsole::connectThen(std::function<void()> then) {
    const QList<Comparison::Setting> settings = Comparison::documentSettings(m_document->text());
    const quint16 port = documentPort(settings);
    ConnectDialog dialog(m_window);
    QString last =
        m_typedAddress.isEmpty() ? savedSettings().value(kAddressKey).toString() : m_typedAddress;
    // A file on a server: the game server runs on that host, on the port its file sets; unless
    // the user typed another port for that host already.
    if (const QString host = m_document->place().address.host();
        !host.isEmpty() &&
        parseServerAddress(m_typedAddress, port).host.compare(host, Qt::CaseInsensitive) != 0)
        last = ServerAddress{host, port, {}}.text();
    dialog.setAddress(last, port);
    QString offered;
    for (const Comparison::Setting& setting : settings)
        if (setting.name.compare(QLatin1String("rconpassword"), Qt::CaseInsensitive) == 0)
            offered = setting.value;
    std::optional<QString> remembered;
    if (const ServerAddress lastAddress = parseServerAddress(last, port);
        !last.isEmpty() && lastAddress.ok())
        if (const Keyring::Read read = keyring().read(lastAddress.text()); read.found)
            remembered = read.secret;
    dialog.setPassword(remembered.value_or(offered));
    dialog.setRememberOffered(true, remembered.has_value());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ServerAddress address = parseServerAddress(dialog.address(), port);
    if (!address.ok()) {
        MessageBox::critical(m_window, title(), address.error);
        return;
    }
    m_typedAddress = dialog.address().trimmed();
    savedSettings().setValue(kAddressKey, m_typedAddress);
    m_address = address;
    m_connected = false;
    m_client->setPassword(dialog.password());
    m_needPassword = false;
    keepPassword(dialog.remember(), dialog.password());
    m_serverLabel->setText(tr("Connecting to %1…").arg(address.text()));
    auto found = [this, address, then](const Endpoint::Lookup& lookup) {
        if (!lookup.endpoint) {
            m_serverLabel->clear();
            MessageBox::critical(
                m_window, title(),
                tr("Cannot find the server \"%1\": %2.").arg(address.host, lookup.error));
            return;
        }
        m_client->setServer(*lookup.endpoint);
        readStatus(then);
    };
    if (Endpoint::isAddress(address.host)) {
        found(Endpoint::lookUp(address.host, address.port));
        return;
    }
    // A name waits for the name service, which may take seconds: not in the window's thread.
    auto lookup = std::make_shared<Endpoint::Lookup>();
    QThread* looking = QThread::create(
        [lookup, address] { *lookup = Endpoint::lookUp(address.host, address.port); });
    connect(looking, &QThread::finished, this, [lookup, found] { found(*lookup); });
    connect(looking, &QThread::finished, looking, &QObject::deleteLater);
    looking->start();
}

void ServerConsole::keepPassword(bool remember, const QString& password) {
    const QString key = m_address.text();
    m_rememberedFor.clear();
    if (remember) {
        const QString error = keyring().write(key, password);
        if (error.isEmpty())
            m_rememberedFor = key;
        else
            QMessageBox::warning(m_window, title(),
                                 tr("The password could not be kept in the system "
                                    "keyring: %1. It is used until Ledgerwick "
                                    "closes, and kept nowhere else.")
                                     .arg(error));
        return;
    }
    // Unticked: the user no longer wants it remembered.
    if (keyring().read(key).found)
        keyring().remove(key);
}

void ServerConsole::readStatus(std::function<void()> then) {
    m_client->status([this, then](const RconClient::Reply& reply) {
        const std::optional<ConsoleText::Status> status = ConsoleText::status(reply.packet);
        if (reply.failure != RconClient::Failure::None || !status) {
            m_serverLabel->setText(tr("Not connected"));
            showFailure(RconClient::describe(reply.failure), reply.failure);
            return;
        }
        m_connected = true;
        m_serverName = ConsoleText::withoutColours(status->value(QStringLiteral("sv_hostname")));
        m_serverLabel->setText(
            tr("%1 (%2), map %3")
                .arg(m_serverName, m_address.text(), status->value(QStringLiteral("mapname"))));
        if (then)
            then();
    });
}

void ServerConsole::showDialog() {
    if (!m_dialog) {
        m_dialog = new ComparisonDialog(m_window);
        connect(m_dialog, &ComparisonDialog::compareRequested, this, &ServerConsole::compare);
        connect(m_dialog, &ComparisonDialog::applyRequested, this,
                &ServerConsole::applyDifferences);
        connect(m_dialog, &ComparisonDialog::restartRequested, this, &ServerConsole::restartMap);
    }
    m_dialog->show();
    m_dialog->raise();
}

void ServerConsole::compare() {
    m_lastApply.clear();
    startComparing();
}

void ServerConsole::startComparing(std::function<void()> then) {
    if (!m_connected || m_needPassword) {
        connectThen([this, then] { startComparing(then); });
        return;
    }
    showDialog();
    m_dialog->setBusy(true);
    m_dialog->setSummary(tr("Comparing with %1…").arg(m_address.text()));
    m_afterCompare = std::move(then);
    m_comparison->compare(Comparison::documentSettings(m_document->text()));
}

void ServerConsole::applyDifferences() {
    // Against the server's values of now, not those of an older comparison.
    m_lastApply.clear();
    startComparing([this] { confirmApply(); });
}

void ServerConsole::confirmApply() {
    QStringList sent;
    for (const Comparison::Row& row : m_comparison->toApply())
        sent.append(tr("%1: \"%2\" becomes \"%3\"").arg(row.name, row.server, row.document));
    QStringList held;
    for (const Comparison::Row& row : m_comparison->notSendable())
        held.append(row.name);
    QString notSent = held.isEmpty()
                          ? QString()
                          : tr("\n\nNot sent, since a value holding a double quote, a semicolon or "
                               "a line break would reach the server as other commands:\n%1")
                                .arg(listed(held));
    QStringList byFile;
    for (const Comparison::Row& row : m_comparison->onlyByFile())
        byFile.append(row.name);
    if (!byFile.isEmpty())
        notSent += tr("\n\nNot sent, only by the file: the console turns every character beyond "
                      "plain ASCII (é, ü, €…) and every % into \".\"; the file sets them at the "
                      "server's next restart or exec:\n%1")
                       .arg(listed(byFile));
    if (sent.isEmpty()) {
        QMessageBox::information(m_dialog, title(),
                                 tr("Nothing to apply: no setting that the server "
                                    "takes differs from the document.") +
                                     notSent);
        return;
    }
    const QString question =
        tr("Send %1 %2 to %3?\n\n%4%5")
            .arg(sent.size())
            .arg(sent.size() == 1 ? tr("setting") : tr("settings"))
            .arg(m_serverName.isEmpty() ? m_address.text() : m_serverName, listed(sent), notSent);
    if (MessageBox::ask(
            m_dialog,
            {QMessageBox::Question, title(), question, {}, QStringLiteral("ApplyQuestion")},
            {tr("Apply"), QMessageBox::Cancel}, 1) != 0)
        return;
    m_dialog->setBusy(true);
    m_dialog->setSummary(tr("Sending %1 settings…").arg(sent.size()));
    m_afterCompare = [this] {
        const QStringList waiting = m_comparison->waitingForRestart();
        m_lastApply = tr("%1 sent").arg(m_comparison->appliedCount());
        if (!waiting.isEmpty())
            m_lastApply += tr(", %1 after a restart").arg(waiting.size());
        m_lastApply += QStringLiteral(". ");
        m_dialog->setSummary(summary());
    };
    m_comparison->apply();
}

void ServerConsole::restartMap() {
    if (!m_connected)
        return;
    const QString question =
        tr("Restart the map on %1 now?\n\nmap_restart starts the round in play over "
           "for every player; the values waiting for a restart take effect.")
            .arg(m_serverName.isEmpty() ? m_address.text() : m_serverName);
    if (MessageBox::ask(
            m_dialog ? static_cast<QWidget*>(m_dialog) : m_window,
            {QMessageBox::Warning, title(), question, {}, QStringLiteral("RestartQuestion")},
            {tr("Restart the map"), QMessageBox::Cancel}, 1) != 0)
        return;
    if (m_dialog)
        m_dialog->setBusy(true);
    m_client->command(QStringLiteral("map_restart"), [this](const RconClient::Reply& reply) {
        if (reply.failure != RconClient::Failure::None) {
            if (m_dialog)
                m_dialog->setBusy(false);
            showFailure(RconClient::describe(reply.failure), reply.failure);
            return;
        }
        m_lastApply = tr("The map restarted. ");
        startComparing([this] { m_lastApply.clear(); });
    });
}

QString ServerConsole::summary() const {
    int counts[6] = {};
    for (const Comparison::Row& row : m_comparison->rows())
        ++counts[int(row.state)];
    QStringList parts;
    for (const State state : {State::Same, State::Differs, State::AfterRestart, State::OnlyByFile,
                              State::NotOnServer, State::ReadOnly})
        if (counts[int(state)] > 0)
            parts.append(
                QStringLiteral("%1 %2").arg(counts[int(state)]).arg(Comparison::stateName(state)));
    return m_lastApply + tr("%1 settings compared with %2: %3.")
                             .arg(m_comparison->rows().size())
                             .arg(m_serverName.isEmpty() ? m_address.text() : m_serverName,
                                  parts.isEmpty() ? tr("none") : parts.join(QStringLiteral(", ")));
}

void ServerConsole::showFailure(const QString& message, RconClient::Failure failure) {
    if (failure == RconClient::Failure::BadPassword ||
        failure == RconClient::Failure::NotSendable ||
        failure == RconClient::Failure::EmptyPassword)
        m_needPassword = true;
    QWidget* parent = m_dialog && m_dialog->isVisible() ? static_cast<QWidget*>(m_dialog)
                                                        : static_cast<QWidget*>(m_window);
    if (failure != RconClient::Failure::BadPassword || m_rememberedFor.isEmpty()) {
        MessageBox::critical(parent, title(), message);
        return;
    }
    // The remembered password goes only when the user says so.
    if (MessageBox::ask(
            parent,
            {QMessageBox::Critical, title(), message, {}, QStringLiteral("RefusedPassword")},
            {{tr("Forget the remembered password"), QMessageBox::DestructiveRole},
             {tr("Keep it"), QMessageBox::RejectRole}},
            1) != 0)
        return;
    const QString error = keyring().remove(m_rememberedFor);
    if (!error.isEmpty())
        QMessageBox::warning(parent, title(),
                             tr("The password could not be removed from the system "
                                "keyring: %1.")
                                 .arg(error));
    else
        m_rememberedFor.clear();
}
