#include "console/RconClient.h"

#include "console/ConsoleText.h"

#include <QCoreApplication>
#include <QTimer>
#include <QUdpSocket>

namespace {

// Larger than any packet the server sends; a longer one is cut, not refused.
constexpr qint64 kLargestPacket = 65536;

RconClient::Reply withFailure(RconClient::Failure failure) {
    RconClient::Reply reply;
    reply.failure = failure;
    return reply;
}

} // namespace

RconClient::RconClient(QObject* parent)
    : QObject(parent)
    , m_socket(new QUdpSocket(this))
    , m_quiet(new QTimer(this))
    , m_timeout(new QTimer(this))
    , m_pace(new QTimer(this))
    , m_flood(new QTimer(this)) {
    for (QTimer* timer : {m_quiet, m_timeout, m_pace, m_flood})
        timer->setSingleShot(true);
    // A coarse timer may fire a little early; the spacing is a limit the server counts.
    m_pace->setTimerType(Qt::PreciseTimer);
    connect(m_socket, &QUdpSocket::readyRead, this, &RconClient::readPackets);
    connect(m_quiet, &QTimer::timeout, this, [this] { finish(m_reply); });
    connect(m_timeout, &QTimer::timeout, this, &RconClient::timedOut);
    connect(m_pace, &QTimer::timeout, this, &RconClient::sendCurrent);
    connect(m_flood, &QTimer::timeout, this, [this] { finish(withFailure(Failure::Flood)); });
}

void RconClient::setServer(const QHostAddress& address, quint16 port) {
    cancel();
    m_address = address;
    m_port = port;
    m_socket->close();
}

void RconClient::setPassword(const QString& password) {
    m_password = password;
    m_refused = false;
}

void RconClient::status(Handler handler) {
    m_queue.append({false, QStringLiteral("getstatus"), std::move(handler)});
    sendNext();
}

void RconClient::command(const QString& command, Handler handler) {
    m_queue.append({true, command, std::move(handler)});
    sendNext();
}

void RconClient::cancel() {
    m_queue.clear();
    m_current.reset();
    m_quiet->stop();
    m_timeout->stop();
    m_pace->stop();
    m_flood->stop();
}

QString RconClient::describe(Failure failure) {
    switch (failure) {
    case Failure::None:
        break;
    case Failure::NoAnswer:
        return QCoreApplication::translate(
            "RconClient", "The server did not answer (3 tries, 2 seconds each). Is the address "
                          "right, and is a map running?");
    case Failure::BadPassword:
        return QCoreApplication::translate(
            "RconClient", "The server refused the password (\"Bad rconpassword.\"). Nothing "
                          "more was sent, since servers lock out addresses that guess.");
    case Failure::NoPassword:
        return QCoreApplication::translate(
            "RconClient", "The server has no remote console password set, so it takes no "
                          "commands over the network.");
    case Failure::NotSendable:
        return QCoreApplication::translate(
            "RconClient", "The password holds a blank, a double quote, a semicolon or a "
                          "character that the console cannot carry.");
    case Failure::EmptyPassword:
        return QCoreApplication::translate(
            "RconClient", "The remote console password is empty: type the server's "
                          "rconpassword.");
    case Failure::Flood:
        return QCoreApplication::translate(
            "RconClient", "The server's reply did not end: reading stopped after 2 MiB or 5 "
                          "seconds of it.");
    case Failure::NoServer:
        return QCoreApplication::translate("RconClient", "No server is connected.");
    case Failure::Unreadable:
        return QCoreApplication::translate("RconClient", "The server's reply could not be read.");
    }
    return {};
}

void RconClient::sendNext() {
    if (m_current || m_queue.isEmpty())
        return;
    m_current = m_queue.takeFirst();
    m_tries = 0;
    const qint64 since = m_sinceSent.isValid() ? m_sinceSent.elapsed() : m_timing.spacing;
    // Zero delay still waits for the event loop, so that a handler never runs inside the call
    // that queued its request.
    m_pace->start(int(qMax<qint64>(0, m_timing.spacing - since)));
}

void RconClient::sendCurrent() {
    if (!m_current)
        return;
    Reply failed;
    if (m_address.isNull() || m_port == 0)
        failed.failure = Failure::NoServer;
    else if (m_current->rcon && m_refused)
        failed.failure = Failure::BadPassword;
    else if (m_current->rcon && m_password.isEmpty())
        failed.failure = Failure::EmptyPassword;
    else if (m_current->rcon && !ConsoleText::sendableWord(m_password))
        failed.failure = Failure::NotSendable;
    const QString text = m_current->rcon
                             ? QStringLiteral("rcon %1 %2").arg(m_password, m_current->text)
                             : m_current->text;
    const std::optional<QByteArray> packet = ConsoleText::request(text);
    if (!packet && failed.failure == Failure::None)
        failed.failure = Failure::NotSendable;
    if (failed.failure != Failure::None) {
        finish(failed);
        return;
    }
    if (m_socket->state() != QAbstractSocket::BoundState)
        m_socket->bind(m_address.protocol() == QAbstractSocket::IPv6Protocol
                           ? QHostAddress::AnyIPv6
                           : QHostAddress::AnyIPv4);
    // Whatever is still waiting belongs to an earlier request.
    while (m_socket->hasPendingDatagrams())
        m_socket->readDatagram(nullptr, 0);
    m_reply = {};
    ++m_tries;
    ++m_sent;
    m_socket->writeDatagram(*packet, m_address, m_port);
    m_sinceSent.start();
    m_timeout->start(m_timing.timeout);
}

void RconClient::readPackets() {
    while (m_socket->hasPendingDatagrams()) {
        const qint64 size = qBound<qint64>(0, m_socket->pendingDatagramSize(), kLargestPacket);
        QByteArray packet(size, Qt::Uninitialized);
        QHostAddress from;
        quint16 fromPort = 0;
        const qint64 read = m_socket->readDatagram(packet.data(), size, &from, &fromPort);
        if (read < 0)
            continue;
        packet.truncate(read);
        if (!m_current || m_pace->isActive() || fromPort != m_port ||
            !from.isEqual(m_address, QHostAddress::ConvertV4MappedToIPv4))
            continue;
        // Only packets of the kind asked count: anything else neither answers nor extends it.
        if (!m_current->rcon) {
            if (!ConsoleText::status(packet) || m_reply.parts > 0)
                continue;
        } else {
            const std::optional<QString> text = ConsoleText::printText(packet);
            if (!text)
                continue;
            m_reply.text += *text;
        }
        if (m_reply.parts++ == 0) {
            m_reply.packet = packet;
            m_flood->start(m_timing.longest);
        }
        m_reply.bytes += packet.size();
        if (m_reply.bytes > m_timing.largest) {
            finish(withFailure(Failure::Flood));
            return;
        }
        m_timeout->stop();
        m_quiet->start(m_timing.quiet);
    }
}

void RconClient::timedOut() {
    if (m_tries < m_timing.tries) {
        sendCurrent();
        return;
    }
    Reply reply;
    reply.failure = Failure::NoAnswer;
    finish(reply);
}

void RconClient::finish(Reply reply) {
    m_quiet->stop();
    m_timeout->stop();
    m_flood->stop();
    if (!m_current)
        return;
    if (m_current->rcon && reply.failure == Failure::None) {
        if (reply.text.startsWith(QLatin1String("Bad rconpassword."))) {
            reply.failure = Failure::BadPassword;
            m_refused = true;
        } else if (reply.text.startsWith(QLatin1String("No rconpassword set"))) {
            reply.failure = Failure::NoPassword;
        }
    }
    const Handler handler = std::move(m_current->handler);
    m_current.reset();
    // Nothing queued goes out after a refused password.
    if (reply.failure == Failure::BadPassword)
        m_queue.clear();
    if (handler)
        handler(reply);
    sendNext();
}
