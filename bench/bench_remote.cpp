// Benchmarks of files on servers over loopback SFTP (a real sshd started here, as the tests do):
// opening and saving a 16 KiB file, connection included, and how soon the event loop answers
// while a transfer runs. See README.md for the command and the figures of one run.
#include "BenchReport.h"
#include "remote/KnownHosts.h"
#include "remote/RemoteClient.h"
#include "support/LoopbackServers.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace bench;

namespace {

constexpr int kRuns = 30;

QByteArray sixteenKiB(int variant) {
    QByteArray text =
        "// server.cfg\r\nset sv_hostname \"Run " + QByteArray::number(variant) + "\"\r\n";
    for (int n = 0; text.size() < 16 * 1024 - 40; ++n)
        text += "set custom_" + QByteArray::number(n) + " \"a value of some length\"\r\n";
    return text;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class BenchRemote : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void openOverSftp();
    void saveOverSftp();
    void eventLoopDuringTransfer();

private:
    QTemporaryDir m_data;
    std::unique_ptr<LoopbackServers::Sshd> m_sshd;
    QString m_path;
    RemoteAddress m_address;
};

void BenchRemote::initTestCase() {
    m_sshd = std::make_unique<LoopbackServers::Sshd>();
    QVERIFY2(m_sshd->start(), qPrintable(m_sshd->error()));
    qputenv("HOME", m_sshd->home().toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    qunsetenv("SSH_AUTH_SOCK");
    QVERIFY(KnownHosts().trustKey(QStringLiteral("127.0.0.1:%1").arg(m_sshd->port()),
                                  m_sshd->hostKey(), nullptr));
    m_path = m_sshd->files() + QStringLiteral("/server.cfg");
    write(m_path, sixteenKiB(0));
    m_sshd->own(m_path);
    m_address = RemoteAddress::parse(m_sshd->address(QStringLiteral("server.cfg")));
}

void BenchRemote::openOverSftp() {
    QList<double> times;
    for (int run = 0; run < kRuns; ++run) {
        RemoteClient client;
        QElapsedTimer clock;
        clock.start();
        client.fetch(m_address);
        const RemoteClient::Result result = client.waitForFinished();
        times << millisecondsSince(clock);
        QVERIFY2(result.ok && result.bytes.size() > 16000, qPrintable(result.message));
    }
    report("open 16 KiB over SFTP, connection included", times, 300);
}

void BenchRemote::saveOverSftp() {
    // Each save: read again and compare, keep the old version, upload, rename aside and over,
    // read back.
    QList<double> times;
    QByteArray current = sixteenKiB(0);
    write(m_path, current);
    for (int run = 1; run <= kRuns; ++run) {
        const QByteArray next = sixteenKiB(run);
        RemoteClient client;
        QElapsedTimer clock;
        clock.start();
        client.store(m_address, next, current);
        const RemoteClient::Result result = client.waitForFinished();
        times << millisecondsSince(clock);
        QVERIFY2(result.ok, qPrintable(result.message));
        current = next;
    }
    report("save 16 KiB over SFTP, connection included", times, 300);
}

void BenchRemote::eventLoopDuringTransfer() {
    // A timer asks every 5 ms; the gaps between its answers while files of 1 MiB go back and
    // forth are how long the window would wait to paint.
    QByteArray large(RemoteTransfer::kMaxFileSize - 1, 'x');
    write(m_path, large);
    QList<double> gaps;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    connect(&ticker, &QTimer::timeout, this, [&] {
        gaps << millisecondsSince(sinceTick);
        sinceTick.restart();
    });
    RemoteClient client;
    sinceTick.start();
    ticker.start();
    for (int run = 0; run < 10; ++run) {
        QByteArray next = large;
        next[0] = char('a' + run);
        client.store(m_address, next, large);
        QVERIFY(client.waitForFinished().ok);
        large = next;
    }
    ticker.stop();
    std::sort(gaps.begin(), gaps.end());
    qInfo().noquote() << QStringLiteral("largest gap %1 ms over %2 ticks")
                             .arg(gaps.last(), 0, 'f', 1)
                             .arg(gaps.size());
    report("event loop's answer during 1 MiB saves over SFTP", gaps, 50);
}

QTEST_MAIN(BenchRemote)
#include "bench_remote.moc"
