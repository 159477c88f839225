// The remote console against a console server on 127.0.0.1: what its replies mean, how the
// program compares a document with it and applies the differences, and how it meets a server
// that refuses, stays silent, sends garbage, drops requests or is impersonated from another port.
#include "console/ComparisonModel.h"
#include "console/ServerAddress.h"
#include "console/ServerComparison.h"
#include "support/ConsoleServer.h"
#include "support/Files.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

using State = Comparison::State;

namespace {

// The variables of the server in the tests, with the flags a real one gives them.
void declareServer(ConsoleServer& server) {
    server.declare(QStringLiteral("sv_hostname"), QStringLiteral("S"), QStringLiteral("noname"));
    server.declare(QStringLiteral("sv_maxclients"), QStringLiteral("SAL"), QStringLiteral("8"));
    server.declare(QStringLiteral("g_gametype"), QStringLiteral("SL"), QStringLiteral("dm"));
    server.declare(QStringLiteral("g_motd"), QStringLiteral("A"));
    server.declare(QStringLiteral("scr_dm_timelimit"), QStringLiteral("A"), QStringLiteral("30"));
    server.declare(QStringLiteral("version"), QStringLiteral("SR"), QStringLiteral("BH 1.3"));
    server.declare(QStringLiteral("rconpassword"), QString(), QStringLiteral("secret"));
}

struct Outcome {
    bool done = false;
    QString error;
    RconClient::Failure failure = RconClient::Failure::None;
};

// Runs one comparison (or Apply, which compares after) to its end.
Outcome finish(ServerComparison& comparison, const std::function<void()>& start) {
    Outcome outcome;
    QSignalSpy compared(&comparison, &ServerComparison::compared);
    QSignalSpy failed(&comparison, &ServerComparison::failed);
    start();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(compared.size() + failed.size() > 0, 15000); }();
    outcome.done = !compared.isEmpty();
    if (!failed.isEmpty()) {
        outcome.error = failed.first().at(0).toString();
        outcome.failure = failed.first().at(1).value<RconClient::Failure>();
    }
    return outcome;
}

QStringList states(const QList<Comparison::Row>& rows) {
    QStringList list;
    for (const Comparison::Row& row : rows)
        list.append(row.name + QLatin1Char(':') + Comparison::stateName(row.state));
    return list;
}

// Every rcon command the server took that was a single word it did not know.
QStringList bareUnknownWords(const ConsoleServer& server) {
    QStringList words;
    for (const QString& request : server.requests) {
        const QStringList parts = request.split(QLatin1Char(' '));
        if (parts.size() == 3 && parts[0] == QLatin1String("rcon") &&
            parts[2] != QLatin1String("cvarlist") && parts[2] != QLatin1String("map_restart") &&
            !server.variable(parts[2]))
            words.append(parts[2]);
    }
    return words;
}

} // namespace

class ConsoleTest : public QObject {
    Q_OBJECT
private slots:
    void queryReplies_data();
    void queryReplies();
    void listing_data();
    void listing();
    void captures_data();
    void captures();
    void addresses_data();
    void addresses();
    void compareAndApply_data();
    void compareAndApply();
    void meetingAServer_data();
    void meetingAServer();
    // How fast, and the event loop meanwhile: bench/bench_console.
    void twoHundredVariables();
};

void ConsoleTest::queryReplies_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("latched"); // "-" for none

    QTest::newRow("default") << "\"g_motd\" is:\"^7\", the default\n"
                             << true << ""
                             << "-";
    QTest::newRow("changed") << "\"sv_maxclients\" is:\"16^7\" default:\"8^7\"\n"
                             << true << "16"
                             << "-";
    QTest::newRow("latched") << "\"sv_maxclients\" is:\"8^7\", the default\nlatched: \"24\"\n"
                             << true << "8"
                             << "24";
    QTest::newRow("own colour codes") << "\"sv_hostname\" is:\"^1Red^7 Fort^7\" default:\"x^7\"\n"
                                      << true << "^1Red^7 Fort"
                                      << "-";
    QTest::newRow("quote in default") << "\"a\" is:\"1^7\" default:\"say \"hi\"^7\"\n"
                                      << true << "1"
                                      << "-";
    QTest::newRow("chat echo") << "server: g_unknown\n"
                               << false << ""
                               << "-";
    QTest::newRow("cut short") << "\"sv_maxclients\" is:\"16" << false << ""
                               << "-";
    QTest::newRow("empty") << "" << false << ""
                           << "-";
}

void ConsoleTest::queryReplies() {
    QFETCH(QString, reply);
    QFETCH(bool, read);
    const std::optional<ConsoleText::Query> query = ConsoleText::query(reply);
    QCOMPARE(query.has_value(), read);
    if (!read)
        return;
    QFETCH(QString, value);
    QFETCH(QString, latched);
    QCOMPARE(query->value, value);
    QCOMPARE(query->latched.value_or(QStringLiteral("-")), latched);
}

void ConsoleTest::listing_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("variables"); // name=value flags
    QTest::addColumn<QStringList>("unread");
    QTest::addColumn<bool>("complete");

    // Nine columns, as a real server printed them, letters this program has no use for kept.
    const QString lines = "S    AL   sv_maxclients \"8\"\n"
                          "          g_motd \"a b\"\n"
                          "Ss R   C? version \"BH 1.3 ^7x\"\n";
    const QStringList all{"sv_maxclients=8 S    AL  ", "g_motd=a b          ",
                          "version=BH 1.3 ^7x Ss R   C?"};
    QTest::newRow("whole") << lines + "\n3 total cvars\n3 cvar indexes\n"
                           << all << QStringList() << true;
    QTest::newRow("CR LF") << QString(lines + "\n3 total cvars\n").replace("\n", "\r\n") << all
                           << QStringList() << true;
    QTest::newRow("seven columns, other letters")
        << "S   AL  sv_maxclients \"8\"\nXYZ     g_x \"1\"\n\n2 total cvars\n"
        << QStringList{"sv_maxclients=8 S   AL ", "g_x=1 XYZ    "} << QStringList() << true;
    QTest::newRow("closing line lost") << lines << all << QStringList() << false;
    QTest::newRow("a part lost") << lines.section('\n', 1) + "\n3 total cvars\n"
                                 << all.mid(1) << QStringList() << false;
    QTest::newRow("unreadable lines named")
        << "\xff\xfe\n \"\"\n         \"1\"\ng_cut \"1\n" + lines + "\n7 total cvars\n"
        << all << QStringList{"\xff\xfe", " \"\"", "         \"1\"", "g_cut \"1"} << false;
}

void ConsoleTest::listing() {
    QFETCH(QString, reply);
    QFETCH(QStringList, variables);
    QFETCH(QStringList, unread);
    QFETCH(bool, complete);
    const ConsoleText::Listing listing = ConsoleText::listing(reply);
    QStringList seen;
    for (const ConsoleText::Listed& listed : listing.variables)
        seen.append(listed.name + '=' + listed.value + ' ' + listed.flags);
    QCOMPARE(seen, variables);
    QCOMPARE(listing.unread, unread);
    QCOMPARE(listing.complete(), complete);
}

void ConsoleTest::captures_data() {
    QTest::addColumn<QString>("capture");
    QTest::addColumn<int>("packets");
    QTest::newRow("nine columns") << "cvarlist-nine-columns.packets" << 4;
    QTest::newRow("seven columns") << "cvarlist-seven-columns.packets" << 3;
}

// Replies as real servers cut them, packets ending inside lines: the fixture loaded with one
// sends it again byte for byte, and the program reads every variable of it.
void ConsoleTest::captures() {
    QFETCH(QString, capture);
    QFETCH(int, packets);
    const QByteArray bytes = TestFiles::readFile(QFINDTESTDATA("console-captures/" + capture));
    const QList<QByteArray> captured = ConsoleServer::capturedPackets(bytes);
    QCOMPARE(int(captured.size()), packets);
    ConsoleServer server;
    QVERIFY(server.load(bytes));
    QCOMPARE(server.password, QStringLiteral("capsecret"));

    QUdpSocket socket;
    socket.writeDatagram(ConsoleText::marker() + "rcon capsecret cvarlist", QHostAddress::LocalHost,
                         server.port());
    QList<QByteArray> sent;
    auto received = [&] {
        while (socket.hasPendingDatagrams()) {
            QByteArray packet(socket.pendingDatagramSize(), Qt::Uninitialized);
            packet.truncate(socket.readDatagram(packet.data(), packet.size()));
            sent.append(packet);
        }
        return int(sent.size());
    };
    QTRY_COMPARE_WITH_TIMEOUT(received(), packets, 5000);
    QTest::qWait(100);
    QCOMPARE(received(), packets);
    for (int i = 0; i < packets; ++i)
        QCOMPARE(sent[i], captured[i]);

    RconClient client;
    client.setServer(QHostAddress::LocalHost, server.port());
    client.setPassword(server.password);
    ServerComparison comparison(&client);
    const QList<Comparison::Setting> settings = Comparison::documentSettings(
        u"sets sv_hostname \"^1Night ^7League\"\nset sv_maxclients 16\nset sv_cheats 1\n"
        "set scr_motd \"Be nice; play fair\"\nset g_customgreeting \"welcome back\"\n"
        "set sv_mapRotation \"gametype tdm map mp_harbor map mp_depot gametype sd map "
        "mp_harbor\"\nset g_spare39 \"Nº 1\"\nset g_new 1\n");
    const Outcome outcome = finish(comparison, [&] { comparison.compare(settings); });
    QVERIFY2(outcome.done, qPrintable(outcome.error));
    QCOMPARE(states(comparison.rows()),
             QStringList({"sv_hostname:Same", "sv_maxclients:Same", "sv_cheats:Read-only",
                          "scr_motd:Same", "g_customgreeting:Same", "sv_mapRotation:Same",
                          "g_spare39:Only by the file", "g_new:Not on the server"}));
}

void ConsoleTest::addresses_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("address"); // host:port, or "error"

    QTest::newRow("host only") << "game.example"
                               << "game.example:27001";
    QTest::newRow("with port") << " 127.0.0.1:28960 "
                               << "127.0.0.1:28960";
    QTest::newRow("v6 bare") << "::1"
                             << "[::1]:27001";
    QTest::newRow("v6 with port") << "[::1]:5"
                                  << "[::1]:5";
    QTest::newRow("port too large") << "h:65536"
                                    << "error";
    QTest::newRow("port missing") << "h:"
                                  << "error";
    QTest::newRow("nothing") << "  "
                             << "error";
}

void ConsoleTest::addresses() {
    QFETCH(QString, typed);
    QFETCH(QString, address);
    const ServerAddress parsed = parseServerAddress(typed, 27001);
    QCOMPARE(parsed.ok() ? parsed.text() : QStringLiteral("error"), address);
}

void ConsoleTest::compareAndApply_data() {
    QTest::addColumn<QString>("serverConfig");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("compared");
    QTest::addColumn<QStringList>("applied");
    QTest::addColumn<QStringList>("restarted"); // after map_restart

    const QString server = "sets sv_hostname \"^1Red^7 Fort\"\nset g_motd \"Be nice\"\n"
                           "set scr_dm_timelimit 20\n";
    // An admin's own file: comments, seta, a bare line, two commands on a line, a trailing
    // comment, tabs, CR LF and a name written in capitals.
    const QString handWritten = "// my server\r\nseta sv_hostname \"^1Red^7 Fort\"\r\n"
                                "set g_motd \"Be nice\" ; set\tscr_dm_timelimit 20 // twenty\r\n"
                                "g_gametype dm\r\nSET SV_MAXCLIENTS 8\r\n";
    const QStringList allSame{"sv_hostname:Same", "g_motd:Same", "scr_dm_timelimit:Same",
                              "SV_MAXCLIENTS:Same"};
    QTest::newRow("all same") << server << handWritten << allSame << allSame << allSame;

    const QString differs = "sets sv_hostname \"Blue Fort\"\rset g_motd \"Be kind\"\r"
                            "set scr_dm_timelimit 15\rset scr_dm_timelimit 25\r";
    QTest::newRow("differs, then same")
        << server << differs
        << QStringList{"sv_hostname:Differs", "g_motd:Differs", "scr_dm_timelimit:Differs"}
        << QStringList{"sv_hostname:Same", "g_motd:Same", "scr_dm_timelimit:Same"}
        << QStringList{"sv_hostname:Same", "g_motd:Same", "scr_dm_timelimit:Same"};

    QTest::newRow("latched") << server << "set sv_maxclients 16\nsets g_gametype dm\n"
                             << QStringList{"sv_maxclients:Differs", "g_gametype:Same"}
                             << QStringList{"sv_maxclients:After restart", "g_gametype:Same"}
                             << QStringList{"sv_maxclients:Same", "g_gametype:Same"};

    QTest::newRow("unknown and read-only")
        << server << "set g_unknown 1\nset scr_custom \"x y\"\nset version \"BH 2\"\n"
        << QStringList{"g_unknown:Not on the server", "scr_custom:Not on the server",
                       "version:Read-only"}
        << QStringList{"g_unknown:Not on the server", "scr_custom:Not on the server",
                       "version:Read-only"}
        << QStringList{"g_unknown:Not on the server", "scr_custom:Not on the server",
                       "version:Read-only"};

    QTest::newRow("a value that cannot be sent")
        << server << "set g_motd \"a;quit\"\nset scr_dm_timelimit \"9\"\n"
        << QStringList{"g_motd:Differs", "scr_dm_timelimit:Differs"}
        << QStringList{"g_motd:Differs", "scr_dm_timelimit:Same"}
        << QStringList{"g_motd:Differs", "scr_dm_timelimit:Same"};

    // The console turns such characters into '.': the file carries them, at the next restart.
    QTest::newRow("values only the file carries")
        << server + "set g_motd \"Caf., 100. fun\"\n"
        << "sets sv_hostname \"Café Fort\"\nset g_motd \"Café, 100% fun\"\nset scr_dm_timelimit 9\n"
        << QStringList{"sv_hostname:Only by the file", "g_motd:Only by the file",
                       "scr_dm_timelimit:Differs"}
        << QStringList{"sv_hostname:Only by the file", "g_motd:Only by the file",
                       "scr_dm_timelimit:Same"}
        << QStringList{"sv_hostname:Only by the file", "g_motd:Only by the file",
                       "scr_dm_timelimit:Same"};

    QTest::newRow("colour codes of a latched value")
        << server + "set g_gametype \"^2tdm\"\n"
        << "set g_gametype \"^2tdm\"\n"
        << QStringList{"g_gametype:Same"} << QStringList{"g_gametype:Same"}
        << QStringList{"g_gametype:Same"};
}

void ConsoleTest::compareAndApply() {
    QFETCH(QString, serverConfig);
    QFETCH(QString, document);
    QFETCH(QStringList, compared);
    QFETCH(QStringList, applied);
    QFETCH(QStringList, restarted);

    ConsoleServer server;
    declareServer(server);
    server.run(serverConfig);
    RconClient client;
    client.setServer(QHostAddress::LocalHost, server.port());
    client.setPassword(QStringLiteral("secret"));
    ServerComparison comparison(&client);
    const QList<Comparison::Setting> settings = Comparison::documentSettings(document);

    QVERIFY(finish(comparison, [&] { comparison.compare(settings); }).done);
    QCOMPARE(states(comparison.rows()), compared);
    const qsizetype before = server.requests.size();
    const qsizetype toSend = comparison.toApply().size();

    QVERIFY(finish(comparison, [&] { comparison.apply(); }).done);
    QCOMPARE(states(comparison.rows()), applied);
    // One command per row sent, none for the others; then the list and the latched again.
    const QStringList sent = server.requests.mid(before, toSend);
    for (const QString& request : sent)
        QVERIFY2(request.startsWith("rcon secret set") && !request.contains(';'),
                 qPrintable(request));
    QCOMPARE(comparison.appliedCount(), int(toSend));
    QCOMPARE(server.requests.value(before + toSend), QStringLiteral("rcon secret cvarlist"));

    bool done = false;
    client.command(QStringLiteral("map_restart"), [&](const auto&) { done = true; });
    QTRY_VERIFY_WITH_TIMEOUT(done, 15000);
    QVERIFY(finish(comparison, [&] { comparison.compare(settings); }).done);
    QCOMPARE(states(comparison.rows()), restarted);

    QCOMPARE(server.broadcasts, QStringList());
    QCOMPARE(bareUnknownWords(server), QStringList());
}

void ConsoleTest::meetingAServer_data() {
    QTest::addColumn<ConsoleServer::Behaviour>("behaviour");
    QTest::addColumn<QString>("serverPassword");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("requests"); // that reached the server
    QTest::addColumn<QString>("says"); // in the error

    using B = ConsoleServer::Behaviour;
    using F = RconClient::Failure;
    // The document has one latched variable: a list, then one query.
    QTest::newRow("answers") << B::Normal << "secret"
                             << "secret" << int(F::None) << 2 << "";
    QTest::newRow("bad password, one request") << B::Normal << "secret"
                                               << "guess" << int(F::BadPassword) << 1 << "";
    QTest::newRow("no password on the server") << B::Normal << ""
                                               << "secret" << int(F::NoPassword) << 1 << "";
    QTest::newRow("a password that cannot travel") << B::Normal << "a b"
                                                   << "a b" << int(F::NotSendable) << 0 << "";
    QTest::newRow("no map running: 3 tries") << B::Silent << "secret"
                                             << "secret" << int(F::NoAnswer) << 3 << "";
    QTest::newRow("garbage: the list asked 3 times")
        << B::Garbage << "secret"
        << "secret" << int(F::Unreadable) << 3 << "These lines could not be read";
    QTest::newRow("forged replies from another port") << B::OtherPort << "secret"
                                                      << "secret" << int(F::None) << 2 << "";
    QTest::newRow("first request lost, asked again") << B::LoseFirst << "secret"
                                                     << "secret" << int(F::None) << 3 << "";
    QTest::newRow("drops requests sent too fast") << B::RateLimited << "secret"
                                                  << "secret" << int(F::None) << 2 << "";
    QTest::newRow("an empty password, said so") << B::Normal << "secret"
                                                << "" << int(F::EmptyPassword) << 0 << "is empty";
    QTest::newRow("a reply that never ends, cut at 2 MiB")
        << B::Flood << "secret"
        << "secret" << int(F::Flood) << 1 << "2 MiB or 5 seconds";
    QTest::newRow("a reply that never ends, cut at 5 s")
        << B::Drip << "secret"
        << "secret" << int(F::Flood) << 1 << "2 MiB or 5 seconds";
    // Asked again, the same reply: nothing was lost on the way, and no more is asked.
    QTest::newRow("a line of no variable, named")
        << B::OddLine << "secret"
        << "secret" << int(F::Unreadable) << 2
        << "read 7 of 8 variables. These lines could not be read:\n\"one odd line\"";
}

void ConsoleTest::meetingAServer() {
    QFETCH(ConsoleServer::Behaviour, behaviour);
    QFETCH(QString, serverPassword);
    QFETCH(QString, password);
    QFETCH(int, failure);
    QFETCH(int, requests);
    QFETCH(QString, says);

    ConsoleServer server;
    declareServer(server);
    server.run(QStringLiteral("set sv_maxclients 12\nset g_motd hi\n"));
    server.behaviour = behaviour;
    server.password = serverPassword;
    RconClient client;
    client.setServer(QHostAddress::LocalHost, server.port());
    client.setPassword(password);
    ServerComparison comparison(&client);
    QElapsedTimer took;
    took.start();
    const Outcome outcome = finish(comparison, [&] {
        comparison.compare(Comparison::documentSettings(u"set sv_maxclients 12\nset g_motd hi\n"));
    });
    QCOMPARE(int(outcome.failure), failure);
    QVERIFY2(outcome.error.contains(says), qPrintable(outcome.error));
    // Every packet came: the network is not blamed.
    QVERIFY2(!outcome.error.contains("lost"), qPrintable(outcome.error));
    // A flood stops at its size, a drip at its time.
    if (behaviour == ConsoleServer::Behaviour::Flood)
        QVERIFY2(took.elapsed() < 4000, qPrintable(QString::number(took.elapsed())));
    if (behaviour == ConsoleServer::Behaviour::Drip)
        QVERIFY2(took.elapsed() >= 4500 && took.elapsed() < 8000,
                 qPrintable(QString::number(took.elapsed())));
    QCOMPARE(outcome.done, failure == int(RconClient::Failure::None));
    QCOMPARE(outcome.error.isEmpty(), outcome.done);
    if (outcome.done)
        QCOMPARE(states(comparison.rows()), QStringList({"sv_maxclients:Same", "g_motd:Same"}));
    QCOMPARE(int(server.requests.size()), requests);

    // After a refused password nothing more goes out, whatever is asked.
    if (failure == int(RconClient::Failure::BadPassword)) {
        finish(comparison, [&] { comparison.compare({}); });
        QCOMPARE(int(server.requests.size()), requests);
    }
    // The fixture itself drops a burst, so the pacing above is what kept it from dropping.
    if (behaviour == ConsoleServer::Behaviour::RateLimited) {
        QCOMPARE(server.dropped, 0);
        QUdpSocket burst;
        for (int i = 0; i < 10; ++i)
            burst.writeDatagram(ConsoleText::marker() + "getstatus", QHostAddress::LocalHost,
                                server.port());
        QTRY_COMPARE(int(server.requests.size()), requests + 10);
        QVERIFY(server.dropped >= 8);
    }
}

void ConsoleTest::twoHundredVariables() {
    ConsoleServer server;
    declareServer(server);
    QString document;
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("scr_setting_%1").arg(i, 3, 10, QLatin1Char('0'));
        server.declare(name, i % 40 == 0 ? QStringLiteral("L") : QStringLiteral("A"),
                       QStringLiteral("value number %1").arg(i));
        document += QStringLiteral("set %1 \"value number %2\"\n").arg(name).arg(i % 50 ? i : -i);
    }
    RconClient client;
    client.setServer(QHostAddress::LocalHost, server.port());
    client.setPassword(QStringLiteral("secret"));
    ServerComparison comparison(&client);
    QVERIFY(finish(comparison, [&] {
                comparison.compare(Comparison::documentSettings(document));
            }).done);

    QCOMPARE(int(comparison.rows().size()), 200);
    int differs = 0;
    for (const Comparison::Row& row : comparison.rows())
        differs += row.state == State::Differs;
    QCOMPARE(differs, 3); // 50, 100 and 150 negated in the document
    // One list, in several parts, and only the 5 latched variables asked by name.
    QCOMPARE(server.requests.first(), QStringLiteral("rcon secret cvarlist"));
    QCOMPARE(int(server.requests.size()), 1 + 5);
    QVERIFY(server.packets > server.requests.size() + 3);
}

QTEST_MAIN(ConsoleTest)
#include "tst_console.moc"
