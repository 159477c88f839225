#include "support/ConsoleServer.h"

#include <QDataStream>
#include <QDateTime>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTimer>
#include <QUdpSocket>

#include <memory>

namespace {

const QByteArray kMarker(4, '\xff');
const QByteArray kPrint = kMarker + "print\n";

QByteArray encode(const QString& text) {
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

// The commands of a text as the server reads them: a command ends at a line break (even inside
// double quotes) and at a ';' outside them; a word is a run of non-blank characters or
// everything between two double quotes; outside them "//" comments to the end of the line, "/*"
// to the next "*/", and a byte above 127 counts as a blank.
QList<QStringList> commandsOf(const QString& text) {
    QList<QStringList> commands;
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    auto endWord = [&] {
        if (inWord)
            words.append(word);
        word.clear();
        inWord = false;
    };
    auto endCommand = [&] {
        endWord();
        if (!words.isEmpty())
            commands.append(words);
        words.clear();
        quoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            endCommand();
        } else if (quoted) {
            if (c == QLatin1Char('"')) {
                words.append(word);
                word.clear();
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == QLatin1Char(';')) {
            endCommand();
        } else if (c == QLatin1Char('"')) {
            endWord();
            quoted = true;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            while (i + 1 < text.size() && text[i + 1] != QLatin1Char('\n') &&
                   text[i + 1] != QLatin1Char('\r'))
                ++i;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            endWord();
            const qsizetype close = text.indexOf(QLatin1String("*/"), i + 2);
            i = close < 0 ? text.size() : close + 1;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c.unicode() > 127) {
            endWord();
        } else {
            word += c;
            inWord = true;
        }
    }
    endCommand();
    return commands;
}

} // namespace

ConsoleServer::ConsoleServer(QObject* parent)
    : QObject(parent)
    , m_socket(new QUdpSocket(this))
    , m_other(new QUdpSocket(this))
    , m_flood(new QTimer(this)) {
    if (!m_socket->bind(QHostAddress::LocalHost, 0) || !m_other->bind(QHostAddress::LocalHost, 0))
        qFatal("the console server cannot listen on 127.0.0.1");
    connect(m_socket, &QUdpSocket::readyRead, this, &ConsoleServer::readRequests);
}

quint16 ConsoleServer::port() const {
    return m_socket->localPort();
}

void ConsoleServer::declare(const QString& name, const QString& flags, const QString& value) {
    const QString key = name.toLower();
    if (!m_variables.contains(key))
        m_order.append(key);
    m_variables.insert(key, Variable{name, value, value, flags, std::nullopt});
}

QList<QByteArray> ConsoleServer::capturedPackets(const QByteArray& capture) {
    QList<QByteArray> list;
    QDataStream stream(capture);
    while (!stream.atEnd()) {
        quint32 size = 0;
        stream >> size;
        QByteArray packet(qsizetype(size), Qt::Uninitialized);
        if (stream.readRawData(packet.data(), int(size)) != int(size))
            return {};
        list.append(packet);
    }
    return list;
}

bool ConsoleServer::load(const QByteArray& capture) {
    QByteArray text;
    for (const QByteArray& packet : capturedPackets(capture)) {
        if (!packet.startsWith(kPrint))
            return false;
        text += packet.mid(kPrint.size());
    }
    // The columns are told by their number; the name is the last word before ' "'.
    for (const QString& line : decode(text).split(QLatin1Char('\n'))) {
        if (line.isEmpty())
            break;
        const qsizetype quote = line.indexOf(QLatin1String(" \""));
        const qsizetype nameAt = line.left(quote).lastIndexOf(QLatin1Char(' ')) + 1;
        if (quote < 0 || nameAt == 0 || !line.endsWith(QLatin1Char('"')))
            return false;
        const QString flagColumns = line.left(nameAt - 1);
        columns = flagColumns.size() == kSevenColumns.size() ? kSevenColumns : kNineColumns;
        if (flagColumns.size() != columns.size())
            return false;
        QString letters;
        for (qsizetype i = 0; i < flagColumns.size(); ++i) {
            if (flagColumns[i] != QLatin1Char(' ') && flagColumns[i] != columns[i])
                return false;
            if (flagColumns[i] != QLatin1Char(' '))
                letters += flagColumns[i];
        }
        declare(line.mid(nameAt, quote - nameAt), letters, line.mid(quote + 2).chopped(1));
    }
    if (const Variable* rcon = variable(QStringLiteral("rconpassword")))
        password = rcon->value;
    return !m_order.isEmpty();
}

void ConsoleServer::run(const QString& text) {
    for (const QStringList& words : commandsOf(text)) {
        const QString verb = words.first().toLower();
        // At start-up a latched variable takes its value at once: the map starts after.
        if ((verb == QLatin1String("set") || verb == QLatin1String("sets") ||
             verb == QLatin1String("seta")) &&
            words.size() >= 3) {
            const QString key = words[1].toLower();
            if (!m_variables.contains(key))
                declare(words[1], verb == QLatin1String("sets") ? QStringLiteral("S") : QString());
            m_variables[key].value = words.mid(2).join(QLatin1Char(' '));
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
        requests.append(decode(packet.mid(4)));
        // What the console runs: every byte above 127 and every '%' is a '.'.
        QByteArray carried = packet.mid(4);
        for (char& byte : carried)
            if (static_cast<unsigned char>(byte) > 127 || byte == '%')
                byte = '.';
        const QString text = decode(carried);

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
            m_socket->writeDatagram(kPrint + junk, from, fromPort);
            continue;
        }
        if (behaviour == Behaviour::OtherPort)
            m_other->writeDatagram(text.startsWith(QLatin1String("getstatus"))
                                       ? kMarker + "statusResponse\n\\sv_hostname\\Forged\n"
                                       : kPrint + "\"x\" is:\"forged^7\", the default\n" +
                                             "S         sv_forged \"1\"\n\n1 total cvars\n",
                                   from, fromPort);

        if (text.startsWith(QLatin1String("getstatus"))) {
            QString info;
            for (const QString& key : std::as_const(m_order))
                if (m_variables[key].flags.contains(QLatin1Char('S')))
                    info += QStringLiteral("\\%1\\%2")
                                .arg(m_variables[key].name, m_variables[key].value);
            const Variable* map = variable(QStringLiteral("mapname"));
            info += QStringLiteral("\\mapname\\") + (map ? map->value : mapName);
            reply("statusResponse\n", {encode(info + QStringLiteral("\n0 48 \"Wren\"\n"))}, from,
                  fromPort);
            continue;
        }
        if (!text.startsWith(QLatin1String("rcon "))) // not answered, as the server does
            continue;
        if (behaviour == Behaviour::Flood || behaviour == Behaviour::Drip) {
            flood(from, fromPort);
            continue;
        }
        // rcon PASSWORD COMMAND: the password is the first word after "rcon".
        const QString rest = text.mid(5);
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        const QString given = blank < 0 ? rest : rest.left(blank);
        QList<QByteArray> output;
        if (password.isEmpty())
            output = {"No rconpassword set on the server.\n"};
        else if (given != password)
            output = {"Bad rconpassword.\n"};
        else
            output = execute(blank < 0 ? QString() : rest.mid(blank + 1));
        reply("print\n", output, from, fromPort);
    }
}

QList<QByteArray> ConsoleServer::execute(const QString& commandText) {
    QList<QByteArray> output;
    for (const QStringList& words : commandsOf(commandText))
        output += runCommand(words);
    return output;
}

QList<QByteArray> ConsoleServer::runCommand(const QStringList& words) {
    const QString verb = words.first().toLower();
    if (verb == QLatin1String("set") || verb == QLatin1String("sets") ||
        verb == QLatin1String("seta")) {
        if (words.size() < 3)
            return {"usage: set <variable> <value>\n"};
        const QString key = words[1].toLower();
        const QString value = words.mid(2).join(QLatin1Char(' '));
        if (!m_variables.contains(key))
            declare(words[1], QString());
        Variable& variable = m_variables[key];
        if (verb == QLatin1String("sets") && !variable.flags.contains(QLatin1Char('S')))
            variable.flags += QLatin1Char('S');
        if (variable.flags.contains(QLatin1Char('R')) || variable.flags.contains(QLatin1Char('I')))
            return {encode(QStringLiteral("%1 is read only.\n").arg(variable.name))};
        if (variable.flags.contains(QLatin1Char('L'))) {
            if (value == variable.value) {
                variable.latched.reset();
                return {};
            }
            variable.latched = value;
            return {
                encode(QStringLiteral("%1 will be changed upon restarting.\n").arg(variable.name))};
        }
        variable.value = value;
        return {};
    }
    if (verb == QLatin1String("cvarlist"))
        return cvarlist(words.value(1).toLower());
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
    return {encode(line)};
}

QList<QByteArray> ConsoleServer::cvarlist(const QString& prefix) const {
    // Each flag column is printed on its own, a letter or a blank, then the rest of the line.
    QList<QByteArray> pieces;
    int listed = 0;
    for (const QString& key : m_order) {
        if (!key.startsWith(prefix))
            continue;
        ++listed;
        const Variable& variable = m_variables[key];
        for (const QChar column : columns)
            pieces.append(variable.flags.contains(column) ? encode(QString(column)) : " ");
        pieces.append(encode(QStringLiteral(" %1 \"%2\"\n").arg(variable.name, variable.value)));
    }
    if (behaviour == Behaviour::OddLine) {
        pieces.append("one odd line\n");
        ++listed;
    }
    pieces.append("\n");
    pieces.append(QByteArray::number(listed) + " total cvars\n");
    pieces.append(QByteArray::number(listed) + " cvar indexes\n");
    return pieces;
}

void ConsoleServer::reply(const QByteArray& head, const QList<QByteArray>& pieces,
                          const QHostAddress& to, quint16 port) {
    QList<QByteArray> texts{QByteArray()};
    for (QByteArray piece : pieces) {
        while (!piece.isEmpty()) {
            if (texts.last().size() + piece.size() > kPacketText && !texts.last().isEmpty())
                texts.append(QByteArray());
            const qsizetype room = kPacketText - texts.last().size();
            texts.last() += piece.left(room);
            piece.remove(0, room);
        }
    }
    // The parts go one after another, a few milliseconds apart, as a busy server sends them.
    int delay = 0;
    for (const QByteArray& text : std::as_const(texts)) {
        const QByteArray packet = kMarker + head + text;
        ++packets;
        QTimer::singleShot(delay, this,
                           [this, packet, to, port] { m_socket->writeDatagram(packet, to, port); });
        delay += 5;
    }
}

void ConsoleServer::flood(const QHostAddress& to, quint16 port) {
    // Bounded, so that a test that does not stop reading still ends.
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    const bool drip = behaviour == Behaviour::Drip;
    m_flood->disconnect();
    m_flood->setInterval(drip ? 100 : 1);
    connect(m_flood, &QTimer::timeout, this, [this, since, drip, to, port] {
        if (since->hasExpired(8000)) {
            m_flood->stop();
            return;
        }
        ++packets;
        m_socket->writeDatagram(kPrint + QByteArray(drip ? 200 : 60000, 'x') + '\n', to, port);
    });
    m_flood->start();
}
