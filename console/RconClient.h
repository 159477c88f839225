#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QTimer;
class QUdpSocket;

// Talks to a server's remote console over UDP, one request at a time: the next goes after the
// reply, never sooner than `spacing` after the last one (servers drop requests that come
// faster). A reply is every packet from the server's address and port until it has been quiet
// for `quiet`; a request without any reply within `timeout` is sent again, up to `tries` times.
// "Bad rconpassword." stops everything at once: nothing more goes out with that password, since
// servers lock out addresses that guess. A reply that does not end (more than `largest` bytes, or
// packets for longer than `longest`) is cut off: a flood never fills the memory nor stalls a
// comparison.
class RconClient : public QObject {
    Q_OBJECT
public:
    enum class Failure {
        None,
        NoAnswer,    // no packet after every try
        BadPassword, // the server refused the password
        NoPassword,  // the server has no password set
        NotSendable, // the command or password cannot travel in a command
        EmptyPassword,
        Flood,      // the reply did not end
        NoServer,   // no address set
        Unreadable, // packets came, none of the expected kind
    };

    struct Reply {
        Failure failure = Failure::None;
        QString text;      // the printed text of every part, joined
        QByteArray packet; // the first packet, as it came
        int parts = 0;
        qint64 bytes = 0; // of every part
    };
    using Handler = std::function<void(const Reply&)>;

    struct Timing {
        int quiet = 250;
        int timeout = 2000;
        int tries = 3;
        int spacing = 250;
        int longest = 5000;
        qint64 largest = 2 * 1024 * 1024;
    };

    explicit RconClient(QObject* parent = nullptr);

    void setServer(const QHostAddress& address, quint16 port);
    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }
    // A new password also lifts the stop after a refused one.
    void setPassword(const QString& password);
    bool hasPassword() const { return !m_password.isEmpty(); }
    void setTiming(const Timing& timing) { m_timing = timing; }

    // Queues "getstatus" (no password needed); the reply's packet is the status packet.
    void status(Handler handler);
    // Queues "rcon PASSWORD COMMAND"; the reply's text is what the console printed.
    void command(const QString& command, Handler handler);
    // Drops every request not yet answered; their handlers are not called.
    void cancel();
    bool busy() const { return m_current || !m_queue.isEmpty(); }
    // Packets sent, tries included.
    int packetsSent() const { return m_sent; }

    static QString describe(Failure failure);

private:
    struct Request {
        bool rcon = false;
        QString text;
        Handler handler;
    };

    void sendNext();
    void sendCurrent();
    void readPackets();
    void finish(Reply reply);
    void timedOut();

    QUdpSocket* m_socket;
    QTimer* m_quiet;
    QTimer* m_timeout;
    QTimer* m_pace;
    QTimer* m_flood;
    QElapsedTimer m_sinceSent;
    QHostAddress m_address;
    quint16 m_port = 0;
    QString m_password;
    bool m_refused = false;
    Timing m_timing;
    QList<Request> m_queue;
    std::optional<Request> m_current;
    Reply m_reply;
    int m_tries = 0;
    int m_sent = 0;
};
