// Benchmarks of the checks of a .cfg text: a whole large text, and the one line of an edit that
// is checked on every keystroke.
//
// Each figure is the median of many timed runs (see README.md for the commands and the figures of
// one run); `valgrind --tool=callgrind --toggle-collect='checkText*'` counts instructions.
#include "BenchReport.h"
#include "config/TextCheck.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>

namespace {

// Lines as the program generates them, with a vocabulary of their variables.
const char* const kGenerated[] = {
    "//Server Information",
    "set sv_hostname \"Brantholm Café Server\"",
    "set scr_motd \"Welcome; no camping // be nice\"",
    "sets .Admin \"Ann\"",
    "sets .Email \"ann@example.org\"",
    "sets .Location \"Lyon\"",
    "//",
    "//Server Options",
    "set rconpassword \"secret\"",
    "set g_password \"\"",
    "set sv_privateclients \"2\"",
    "set sv_maxclients \"24\"",
    "set g_log \"games_mp.log\"",
    "set sv_kickbantime \"300\"",
    "set sv_fps \"20\"",
    "//",
    "//Network Options",
    "set net_port \"28960\"",
    "set sv_maxrate \"25000\"",
    "set sv_maxping \"250\"",
    "set sv_minping \"0\"",
    "set sv_wwwBaseURL \"http://example.org/maps\"",
    "//",
    "//Game Options",
    "set scr_friendlyfire \"1\"",
    "set scr_killcam \"1\"",
    "set scr_teambalance \"1\"",
    "//",
    "//Gametypes Configuration",
    "//-- Deathmatch",
    "set scr_dm_scorelimit \"50\"",
    "set scr_dm_timelimit \"30\"",
    "//-- Search and Destroy",
    "set scr_sd_scorelimit \"10\"",
    "set scr_sd_roundlength \"4\"",
    "//",
    "set sv_mapRotation \"gametype sd map mp_carentan gametype sd map mp_brecourt\"",
    "//Weapons",
    "set scr_allow_m1carbine \"1\"",
    "set scr_allow_thompson \"1\"",
    "set scr_allow_kar98ksniper \"0\"",
};

Vocabulary vocabulary() {
    Vocabulary known;
    for (const char* line : kGenerated) {
        const QString text = QString::fromUtf8(line);
        if (!text.startsWith(QLatin1String("set")))
            continue;
        const QString name = text.section(QLatin1Char(' '), 1, 1);
        const bool number = text.section(QLatin1Char('"'), 1, 1).toInt() != 0;
        known.add(name, number ? ValueKind::Number : ValueKind::Text);
    }
    return known;
}

template <class Work> QList<double> timed(int runs, Work work) {
    QList<double> milliseconds;
    milliseconds.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        milliseconds.append(bench::millisecondsSince(clock));
    }
    return milliseconds;
}

} // namespace

class ChecksBenchmark : public QObject {
    Q_OBJECT
private slots:
    void megabyteText();
    void megabyteLine();
    void oneLine();
};

// The generated lines over and over, 1 MiB of text.
void ChecksBenchmark::megabyteText() {
    QString text;
    while (text.size() < 1024 * 1024) {
        for (const char* line : kGenerated)
            text += QString::fromUtf8(line) + QLatin1Char('\n');
    }
    text.truncate(1024 * 1024);
    const Vocabulary known = vocabulary();
    // A file this large is one problem: the server runs none of it.
    QCOMPARE(checkText(text, known).size(), 1);
    bench::report("checkText, 1 MiB of generated text", timed(50, [&] { checkText(text, known); }),
                  20, 4);
}

// One line of 1 MiB with quotes and comments, as a pasted blob: cut every 1,023 bytes, each rest
// read afresh.
void ChecksBenchmark::megabyteLine() {
    const QString text =
        QStringLiteral("set sv_hostname \"") +
        QStringLiteral("{\"k\": \"http://v\"} /* x */ ").repeated(1024 * 1024 / 31);
    const Vocabulary known = vocabulary();
    QVERIFY(checkText(text, known).size() > 1);
    bench::report("checkText, one line of 1 MiB", timed(20, [&] { checkText(text, known); }), 20,
                  4);
}

void ChecksBenchmark::oneLine() {
    const QString line = QStringLiteral("set sv_hostname \"Brantholm Café Server 24/7\"");
    const Vocabulary known = vocabulary();
    QVERIFY(checkText(line, known).isEmpty());
    bench::report("checkText, one line", timed(10000, [&] { checkText(line, known); }), 0.1, 4);
}

QTEST_GUILESS_MAIN(ChecksBenchmark)
#include "bench_checks.moc"
