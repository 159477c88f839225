// `ledgerwick --set` over 100 hand-kept files of 16 KiB, as a deploy script changes every server's
// name, map rotation and player count at once: the command's own work from the request to the last
// file saved (History first, one rename each), and the same with --dry-run. Target: under 1 s.
#include "BenchReport.h"

#include "cli/SetCommand.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <iterator>

class SetCommandBenchmark : public QObject {
    Q_OBJECT
private slots:
    void hundredFiles_data();
    void hundredFiles();
};

namespace {

// A hand-kept file of 16,384 bytes: settings, comments, commands after ';', a mod's own lines.
QByteArray handKept(int seed) {
    const QByteArray lines[] = {
        "// Server " + QByteArray::number(seed) + "\r\n",
        "set sv_hostname \"^1Brantholm ^7Caf\xE9 " + QByteArray::number(seed) + "\"\r\n",
        "sets .Admin \"Ann\" // contact\r\n",
        "set g_log \"games_mp.log\" ; set g_logsync \"1\"\r\n",
        "seta sv_maxclients 24\r\n",
        "\tset\tscr_motd\t\"Welcome; no camping\"\r\n",
        "set sv_mapRotation \"gametype dm map mp_carentan gametype hq map mp_brecourt\"\r\n",
        "set mod_thing_" + QByteArray::number(seed) + " 1\r\n",
        "/* old:\r\nset sv_fps 30\r\n*/\r\n",
    };
    QByteArray file;
    for (int i = 0; file.size() < 16384 - 14; ++i)
        file += lines[i % std::size(lines)];
    file.truncate(16384 - 14);
    return file + "\r\nmap_rotate\r\n";
}

} // namespace

void SetCommandBenchmark::hundredFiles_data() {
    QTest::addColumn<bool>("dryRun");
    QTest::newRow("saved") << false;
    QTest::newRow("--dry-run") << true;
}

void SetCommandBenchmark::hundredFiles() {
    QFETCH(bool, dryRun);
    QTemporaryDir folder, data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    SetRequest request;
    request.dryRun = dryRun;
    for (int i = 0; i < 100; ++i) {
        const QString name = folder.filePath(QStringLiteral("server%1.cfg").arg(i));
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(handKept(i));
        request.targets.append(QFile::encodeName(name));
    }
    QList<double> milliseconds;
    for (int run = 0; run < 11; ++run) {
        // Other values each run, so that every file changes.
        const QString n = QString::number(run);
        request.assignments = {{QStringLiteral("sv_hostname"), QStringLiteral("Server ") + n},
                               {QStringLiteral("sv_maxclients"), QString::number(20 + run)},
                               {QStringLiteral("sv_mapRotation"), QStringLiteral("map mp_") + n},
                               {QStringLiteral("mod_new"), n}};
        QByteArray out, errors;
        QBuffer outDevice(&out), errorDevice(&errors);
        outDevice.open(QIODevice::WriteOnly);
        errorDevice.open(QIODevice::WriteOnly);
        QElapsedTimer clock;
        clock.start();
        const int status = setFiles(request, outDevice, errorDevice);
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        QVERIFY2(status == 1 && errors.isEmpty(), errors.constData());
        if (run > 0) // the first fills the disk cache
            milliseconds.append(elapsed);
    }
    bench::report(dryRun ? "--set --dry-run of 100 files of 16 KiB"
                         : "--set of 100 files of 16 KiB, saved",
                  milliseconds, 1000);
}

QTEST_GUILESS_MAIN(SetCommandBenchmark)
#include "bench_setcommand.moc"
