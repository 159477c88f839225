#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QHostAddress;
class QTimer;
class QUdpSocket;

// A game server's remote console for the tests, on 127.0.0.1 on a free port, built from what was
// measured on real servers (../shared/SERVER-CONSOLE.md, SERVER-READING.md), not from the
// program's own reader: it reads commands with a reader of its own, turns every byte above 127
// and every '%' of a request into '.', and cuts its output into packets as a server does: a
// buffer of 1,007 bytes of text sent as soon as the next piece would not fit, each flag column of
// cvarlist a piece of its own, so that packets end inside lines.
class ConsoleServer : public QObject {
    Q_OBJECT
public:
    enum class Behaviour {
        Normal,
        Silent,      // no map running: no reply at all
        Garbage,     // every reply is bytes of no use, some as print packets
        OtherPort,   // a forged reply from another port comes before each real one
        LoseFirst,   // the first packet of all is lost on the way
        RateLimited, // requests less than 200 ms after the last one taken are dropped
        Flood,       // an rcon reply of 60,000-byte packets that never ends
        Drip,        // an rcon reply of small packets, 100 ms apart, that never ends
        OddLine,     // cvarlist holds a line of no variable, and counts it
    };

    struct Variable {
        QString name;
        QString value;
        QString defaultValue;
        QString flags; // the letters of its flag columns
        std::optional<QString> latched;
    };

    // The largest text of one packet, and the flag columns a real server prints, in order.
    static constexpr int kPacketText = 1007;
    static inline const QString kNineColumns = QStringLiteral("SsURIALC?");
    static inline const QString kSevenColumns = QStringLiteral("SURIALC");

    explicit ConsoleServer(QObject* parent = nullptr);

    quint16 port() const;
    // Declares a variable with flags ("S", "L", "R", any together); its value is its default.
    void declare(const QString& name, const QString& flags, const QString& value = {});
    // Takes the variables of a captured reply to cvarlist (a *.packets file: each packet's length
    // as 4 bytes big-endian, then its bytes), with their flag columns, in their order; the
    // password becomes the listed rconpassword. False when the capture does not read.
    bool load(const QByteArray& capture);
    // Runs a .cfg text as the server does at start-up: every byte as it is.
    void run(const QString& text);
    const Variable* variable(const QString& name) const;

    // The packets of a capture, as they came.
    static QList<QByteArray> capturedPackets(const QByteArray& capture);

    QString password = QStringLiteral("secret");
    QString mapName = QStringLiteral("mp_harbor");
    QString columns = kNineColumns;
    Behaviour behaviour = Behaviour::Normal;

    // Every request that arrived (the text after the four 0xFF bytes), taken or not.
    QStringList requests;
    int dropped = 0;
    int packets = 0; // reply packets sent
    // What the server broadcast to the players as chat: unknown words sent to it.
    QStringList broadcasts;

private:
    void readRequests();
    // The console's output, in the pieces the server prints it in.
    QList<QByteArray> execute(const QString& commandText);
    QList<QByteArray> runCommand(const QStringList& words);
    QList<QByteArray> cvarlist(const QString& prefix) const;
    void reply(const QByteArray& head, const QList<QByteArray>& pieces, const QHostAddress& to,
               quint16 port);
    void flood(const QHostAddress& to, quint16 port);

    QUdpSocket* m_socket;
    QUdpSocket* m_other;
    QTimer* m_flood;
    QHash<QString, Variable> m_variables; // by lower-case name
    QStringList m_order;                  // lower-case names in the order they came
    qint64 m_lastTaken = -1;
    bool m_lostOne = false;
};
