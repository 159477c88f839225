// Comparing 200 variables with a console server on 127.0.0.1: the whole comparison, and how long
// the event loop waits at most meanwhile (a timer that should fire every 10 ms notes its gaps).
#include "BenchReport.h"
#include "console/ServerComparison.h"
#include "support/ConsoleServer.h"

#include <QSignalSpy>
#include <QTimer>

class BenchConsole : public QObject {
    Q_OBJECT
private slots:
    void compareTwoHundredVariables();
};

void BenchConsole::compareTwoHundredVariables() {
    ConsoleServer server;
    QString document;
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("scr_setting_%1").arg(i, 3, 10, QLatin1Char('0'));
        // One in forty latched: each is asked by name after the list.
        server.declare(name, i % 40 == 0 ? QStringLiteral("L") : QStringLiteral("A"),
                       QStringLiteral("value number %1").arg(i));
        document += QStringLiteral("set %1 \"value number %2\"\n").arg(name).arg(i);
    }
    const QList<Comparison::Setting> settings = Comparison::documentSettings(document);
    RconClient client;
    client.setServer(*Endpoint::lookUp(QStringLiteral("127.0.0.1"), server.port()).endpoint);
    client.setPassword(server.password);
    ServerComparison comparison(&client);

    constexpr int kRuns = 10;
    QList<double> whole;
    QList<double> waits;
    for (int run = 0; run < kRuns; ++run) {
        QTimer ticker;
        QElapsedTimer sinceTick;
        double longest = 0;
        connect(&ticker, &QTimer::timeout, [&] {
            longest = qMax(longest, bench::millisecondsSince(sinceTick));
            sinceTick.restart();
        });
        QSignalSpy compared(&comparison, &ServerComparison::compared);
        QElapsedTimer clock;
        ticker.start(10);
        sinceTick.start();
        clock.start();
        comparison.compare(settings);
        QVERIFY(compared.wait(10000));
        whole.append(bench::millisecondsSince(clock));
        waits.append(longest);
        QCOMPARE(int(comparison.rows().size()), 200);
    }
    bench::report("longest wait of the event loop", waits, 50);
    bench::report("200 variables compared", whole, 3000);
}

QTEST_MAIN(BenchConsole)
#include "bench_console.moc"
