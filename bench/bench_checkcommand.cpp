// `ledgerwick --check` over 100 files of 16 KiB, the whole process from start to exit, as a deploy
// script runs it. Target: under 1 s.
#include "BenchReport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <iterator>

class CheckCommandBenchmark : public QObject {
    Q_OBJECT
private slots:
    void hundredFiles();
};

namespace {

// A hand-kept file of 16,384 bytes: settings, comments, commands after ';', a few problems.
QByteArray handKept(int seed) {
    const QByteArray lines[] = {
        "// Server " + QByteArray::number(seed) + "\r\n",
        "set sv_hostname \"^1Brantholm ^7Caf\xE9 " + QByteArray::number(seed) + "\"\r\n",
        "sets .Admin \"Ann\" // contact\r\n",
        "set g_log \"games_mp.log\" ; set g_logsync \"1\"\r\n",
        "seta sv_maxclients 24\r\n",
        "set sv_fps \"20\";\r\n",
        "\tset\tscr_motd\t\"Welcome; no camping\"\r\n",
        "set sv_mapRotation \"gametype dm map mp_carentan gametype hq map mp_brecourt\"\r\n",
        "scr_hq_scorelimit \"450\"\r\n",
        "/* old:\r\nset sv_fps 30\r\n*/\r\n",
    };
    QByteArray file;
    for (int i = 0; file.size() < 16384; ++i)
        file += lines[i % std::size(lines)];
    file.truncate(16384 - 2);
    return file + "\r\n";
}

} // namespace

void CheckCommandBenchmark::hundredFiles() {
    QTemporaryDir folder;
    QStringList arguments{QStringLiteral("--check")};
    for (int i = 0; i < 100; ++i) {
        const QString name = folder.filePath(QStringLiteral("server%1.cfg").arg(i));
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(handKept(i));
        arguments.append(name);
    }
    QList<double> milliseconds;
    for (int run = 0; run < 11; ++run) {
        QProcess process;
        QElapsedTimer clock;
        clock.start();
        process.start(QStringLiteral(LEDGERWICK_PROGRAM), arguments);
        QVERIFY(process.waitForFinished(60000));
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        QCOMPARE(process.exitCode(), 1); // the line without "set" in each file
        if (run > 0)                     // the first fills the disk cache
            milliseconds.append(elapsed);
    }
    bench::report("--check of 100 files of 16 KiB, whole process", milliseconds, 1000);
}

QTEST_GUILESS_MAIN(CheckCommandBenchmark)
#include "bench_checkcommand.moc"
