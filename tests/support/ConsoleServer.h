#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QHostAddress;
class QUdpSocket;

// A game server's remote console for the tests, on 127.0.0.1 on a free port: it keeps its
// variables by reading commands with the program's own reader of the server's language, and
// answers getstatus and rcon as the server does, a long reply split over several packets.
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
    };

    struct Variable {
        QString name;
        QString value;
        QString defaultValue;
        QString flags; // the flag columns of cvarlist, blanks after them up to the name
        std::optional<QString> latched;
    };

    explicit ConsoleServer(QObject* parent = nullptr);

    quint16 port() const;
    // Declares a variable with flags ("S", "L", "R", any together); its value is its default.
    void declare(const QString& name, const QString& flags, const QString& value = {});
    // Runs a .cfg text as the server does at start-up.
    void run(const QString& text);
    const Variable* variable(const QString& name) const;

    QString password = QStringLiteral("secret");
    QString mapName = QStringLiteral("mp_harbor");
    Behaviour behaviour = Behaviour::Normal;
    int packetText = 1400; // bytes of text in one print packet at most

    // Every request that arrived (the text after the four 0xFF bytes), taken or not.
    QStringList requests;
    int dropped = 0;
    int packets = 0; // reply packets sent
    // What the server broadcast to the players as chat: unknown words sent to it.
    QStringList broadcasts;

private:
    void readRequests();
    QString execute(const QString& commandText);
    QString runCommand(const QStringList& words);
    void reply(const QByteArray& head, const QByteArray& text, const QHostAddress& to,
               quint16 port);

    QUdpSocket* m_socket;
    QUdpSocket* m_other;
    QHash<QString, Variable> m_variables; // by lower-case name
    QStringList m_order;                  // lower-case names in the order they came
    qint64 m_lastTaken = -1;
    bool m_lostOne = false;
};
