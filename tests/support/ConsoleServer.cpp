#include "support/ConsoleServer.h"

#include "config/ServerScript.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTimer>
#include <QUdpSocket>

namespace {

const QByteArray kMarker(4, '\xff');
const char kFlagLetters[] = "SURIALC";
// Where each flag's letter stands in a line of cvarlist, as measured: the name in column 11.
const int kFlagColumn[] = {0, 1, 2, 3, 5, 6, 7};

QByteArray encode(const QString& text) {
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

} // namespace

ConsoleServer::ConsoleServer(QObject* parent)
    : QObject(parent)
    , m_socket(new QUdpSocket(this))
    , m_other(new QUdpSocket(this)) {
    if (!m_socket->bind(QHostAddress::LocalHost, 0) || !m_other->bind(QHostAddress::LocalHost, 0))
        qFatal("the console server cannot listen on 127.0.0.1");
    connect(m_socket, &QUdpSocket::readyRead, this, &ConsoleServer::readRequests);
}

quint16 ConsoleServer::port() const {
    return m_socket->localPort();
}

void ConsoleServer::declare(const QString& name, const QString& flags, const QString& value) {
    Variable variable{name, value, value, QString(10, QLatin1Char(' ')), std::nullopt};
    for (int i = 0; i < 7; ++i)
        if (flags.contains(QLatin1Char(kFlagLetters[i])))
            variable.flags[kFlagColumn[i]] = QLatin1Char(kFlagLetters[i]);
    const QString key = name.toLower();
    if (!m_variables.contains(key))
        m_order.append(key);
    m_variables.insert(key, variable);
}

void ConsoleServer::run(const QString& text) {
    for (const ServerScript::Command& command : ServerScript::read(text).commands) {
        QStringList words;
        for (const ServerScript::Word& word : command.words)
            words.append(word.text);
        // At start-up a latched variable takes its value at once: the map starts after.
        const std::optional<ServerScript::Assignment> assignment =
            ServerScript::assignment(command);
        if (assignment && assignment->verb != ServerScript::Verb::Bare) {
            if (!m_variables.contains(assignment->name.toLower()))
                declare(assignment->name, assignment->verb == ServerScript::Verb::Sets
                                              ? QStringLiteral("S")
                                              : QString());
            m_variables[assignment->name.toLower()].value = assignment->value;
            continue;
        }
        runCommand(words);
    }
}

const ConsoleServer::Variable* ConsoleServer::variable(const QString& name) const {
    const auto found = m_variables.constFind(name.toLower());
    return found == m_variables.cend() ? nullptr : &*found;
}

void ConsoleServer::readRequests() {
    while (m_socket->hasPendingDatagrams()) {
        QByteArray packet(qMax<qint64>(0, m_socket->pendingDatagramSize()), Qt::Uninitialized);
        QHostAddress from;
        quint16 fromPort = 0;
        packet.truncate(qMax<qint64>(
            0, m_socket->readDatagram(packet.data(), packet.size(), &from, &fromPort)));
        if (!packet.startsWith(kMarker))
            continue;
        const QString text = decode(packet.mid(4));
        requests.append(text);

        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (behaviour == Behaviour::Silent || (behaviour == Behaviour::LoseFirst && !m_lostOne) ||
            (behaviour == Behaviour::RateLimited && m_lastTaken >= 0 && now - m_lastTaken < 200)) {
            m_lostOne = true;
            ++dropped;
            continue;
        }
        m_lastTaken = now;

        if (behaviour == Behaviour::Garbage) {
            QByteArray junk(1 + QRandomGenerator::global()->bounded(2000), Qt::Uninitialized);
            for (char& byte : junk)
                byte = char(QRandomGenerator::global()->bounded(256));
            m_socket->writeDatagram(junk, from, fromPort);
            m_socket->writeDatagram(kMarker + "print", from, fromPort);
            m_socket->writeDatagram(kMarker + "print\n" + junk, from, fromPort);
            continue;
        }
        if (behaviour == Behaviour::OtherPort)
            m_other->writeDatagram(text.startsWith(QLatin1String("getstatus"))
                                       ? kMarker + "statusResponse\n\\sv_hostname\\Forged\n"
                                       : kMarker + "print\n\"x\" is:\"forged^7\", the default\n" +
                                             "S      sv_forged \"1\"\n\n1 total cvars\n",
                                   from, fromPort);

        if (text.startsWith(QLatin1String("getstatus"))) {
            QString info;
            for (const QString& key : std::as_const(m_order))
                if (m_variables[key].flags.contains(QLatin1Char('S')))
                    info += QStringLiteral("\\%1\\%2")
                                .arg(m_variables[key].name, m_variables[key].value);
            info += QStringLiteral("\\mapname\\") + mapName;
            reply("statusResponse\n", encode(info + QStringLiteral("\n0 48 \"Wren\"\n")), from,
                  fromPort);
            continue;
        }
        if (!text.startsWith(QLatin1String("rcon "))) // not answered, as the server does
            continue;
        // rcon PASSWORD COMMAND: the password is the first word after "rcon".
        const QString rest = text.mid(5);
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        const QString given = blank < 0 ? rest : rest.left(blank);
        QString output;
        if (password.isEmpty())
            output = QStringLiteral("No rconpassword set on the server.\n");
        else if (given != password)
            output = QStringLiteral("Bad rconpassword.\n");
        else
            output = execute(blank < 0 ? QString() : rest.mid(blank + 1));
        reply("print\n", encode(output), from, fromPort);
    }
}

QString ConsoleServer::execute(const QString& commandText) {
    QString output;
    for (const ServerScript::Command& command : ServerScript::read(commandText).commands) {
        QStringList words;
        for (const ServerScript::Word& word : command.words)
            words.append(word.text);
        output += runCommand(words);
    }
    return output;
}

QString ConsoleServer::runCommand(const QStringList& words) {
    if (words.isEmpty())
        return {};
    const QString verb = words.first().toLower();
    if (verb == QLatin1String("set") || verb == QLatin1String("sets") ||
        verb == QLatin1String("seta")) {
        if (words.size() < 3)
            return QStringLiteral("usage: set <variable> <value>\n");
        const QString key = words[1].toLower();
        const QString value = words.mid(2).join(QLatin1Char(' '));
        if (!m_variables.contains(key))
            declare(words[1], verb == QLatin1String("sets") ? QStringLiteral("S") : QString());
        Variable& variable = m_variables[key];
        if (verb == QLatin1String("sets"))
            variable.flags[kFlagColumn[0]] = QLatin1Char('S');
        if (variable.flags.contains(QLatin1Char('R')) || variable.flags.contains(QLatin1Char('I')))
            return QStringLiteral("%1 is read only.\n").arg(variable.name);
        if (variable.flags.contains(QLatin1Char('L'))) {
            if (value == variable.value) {
                variable.latched.reset();
                return {};
            }
            variable.latched = value;
            return QStringLiteral("%1 will be changed upon restarting.\n").arg(variable.name);
        }
        variable.value = value;
        return {};
    }
    if (verb == QLatin1String("cvarlist")) {
        const QString prefix = words.value(1).toLower();
        QString lines;
        int total = 0;
        for (const QString& key : std::as_const(m_order)) {
            ++total;
            if (key.startsWith(prefix))
                lines +=
                    QStringLiteral("%1%2 \"%3\"\n")
                        .arg(m_variables[key].flags, m_variables[key].name, m_variables[key].value);
        }
        return lines + QStringLiteral("\n%1 total cvars\n%1 cvar indexes\n").arg(total);
    }
    if (verb == QLatin1String("map_restart")) {
        for (Variable& variable : m_variables)
            if (variable.latched)
                variable.value = *std::exchange(variable.latched, std::nullopt);
        return {};
    }
    const auto found = m_variables.find(verb);
    if (found == m_variables.end()) {
        // Neither variable nor command: the server says it to every player.
        broadcasts.append(QStringLiteral("server: ") + words.join(QLatin1Char(' ')));
        return {};
    }
    if (words.size() > 1) {
        found->value = words.mid(1).join(QLatin1Char(' '));
        return {};
    }
    QString line =
        found->value == found->defaultValue
            ? QStringLiteral("\"%1\" is:\"%2^7\", the default\n").arg(found->name, found->value)
            : QStringLiteral("\"%1\" is:\"%2^7\" default:\"%3^7\"\n")
                  .arg(found->name, found->value, found->defaultValue);
    if (found->latched)
        line += QStringLiteral("latched: \"%1\"\n").arg(*found->latched);
    return line;
}

void ConsoleServer::reply(const QByteArray& head, const QByteArray& text, const QHostAddress& to,
                          quint16 port) {
    // The parts go one after another, a few milliseconds apart, as a busy server sends them.
    int delay = 0;
    qsizetype at = 0;
    do {
        const QByteArray packet = kMarker + head + text.mid(at, packetText);
        at += packetText;
        ++packets;
        QTimer::singleShot(delay, this,
                           [this, packet, to, port] { m_socket->writeDatagram(packet, to, port); });
        delay += 5;
    } while (at < text.size());
}
