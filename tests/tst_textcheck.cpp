// Where the server would hold something other than what a .cfg text shows.
#include "config/TextCheck.h"

#include <QTest>

class TextCheckTest : public QObject {
    Q_OBJECT
private slots:
    void problems_data();
    void problems();
};

namespace {

QString xs(qsizetype n) {
    return QString(n, QLatin1Char('x'));
}

// `count` lines of 41 characters (43 bytes saved), then `last`.
QString filler(int count, const QString& last) {
    QStringList lines(count, QStringLiteral("set a \"") + xs(33) + QLatin1Char('"'));
    lines.append(last);
    return lines.join(QLatin1Char('\n'));
}

// What the program generates with ordinary values.
const char* const kGenerated = R"(//Server Information
set sv_hostname "Brantholm Café ^1Server"
sets .Admin "Ann"
sets .Email "ann@example.org"
set scr_motd "Welcome; no camping // be nice /* really */"
//
//Server Options
set rconpassword "se\cr$t"
set sv_maxclients "24"
set sv_fps "-20"
set g_log "games_mp.log"
//
//-- Headquarters
set scr_hq_scorelimit "450"
set sv_mapRotation "gametype dm map mp_carentan gametype hq map mp_brecourt"
set scr_allow_m1carbine "1"
)";

} // namespace

void TextCheckTest::problems_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("problems");
    const QString hostname = QStringLiteral("set sv_hostname \"");

    QTest::newRow("generated") << QString::fromUtf8(kGenerated) << QStringList();
    QTest::newRow("a quote in the value, the rest runs")
        << QStringLiteral("set sv_hostname \"x\"; quit; set a \"b\"")
        << QStringList{QStringLiteral("Line 1 (sv_hostname): a double quote ends the value; the "
                                      "server runs the rest as commands.")};
    QTest::newRow("a quote in the value, read otherwise")
        << QStringLiteral("//\nset sv_hostname \"The \"Best\" \"")
        << QStringList{QStringLiteral("Line 2 (sv_hostname): a double quote ends the value; the "
                                      "server reads \"The  Best  \" instead.")};
    QTest::newRow("a comment after the value")
        << QStringLiteral("set sv_hostname \"x\" // \"old\"") << QStringList();
    QTest::newRow("no closing quote, the next line runs")
        << QStringLiteral("set sv_hostname \"abc\r\ndef\"\r\nset a 1")
        << QStringList{QStringLiteral("Line 1 (sv_hostname): the value has no closing double "
                                      "quote: the line break ends it, and the next line runs as "
                                      "a command of its own.")};
    QTest::newRow("no closing quote, nothing follows")
        << QStringLiteral("set sv_hostname \"abc\n\nset a 1\nset g_log \"x") << QStringList();
    QTest::newRow("cut, the rest runs")
        << hostname + xs(1063) + QLatin1Char('"')
        << QStringList{QStringLiteral("Line 1 (sv_hostname): the line is 1,081 bytes long; the "
                                      "server cuts it after 1,023 and runs the rest as a "
                                      "command.")};
    QTest::newRow("1,024 bytes, the closing quote lost")
        << QStringLiteral("set sv_mapRotation \"") + xs(1003) + QLatin1Char('"') << QStringList();
    QTest::newRow("a game value of 256 or more")
        << QStringLiteral("set g_banips \"") + xs(255) + QStringLiteral("\"\nSET Scr_Motd \"") +
               xs(256) + QLatin1Char('"')
        << QStringList{QStringLiteral("Line 2 (Scr_Motd): the value is 256 characters long; at "
                                      "256 or more the server cannot load the map.")};
    QTest::newRow("\\ or ; keeps a value out of the server info")
        << QStringLiteral("sets .Admin \"a\\b\"\nset sv_hostname \"a;b\"\nset a \"\\;\"")
        << QStringList{QStringLiteral("Line 1 (.Admin): the server leaves a value holding \\ or ; "
                                      "out of the server info that server lists show."),
                       QStringLiteral("Line 2 (sv_hostname): the server leaves a value holding \\ "
                                      "or ; out of the server info that server lists show.")};
    QTest::newRow("server info over 1,023 bytes")
        << hostname + xs(900) + QStringLiteral("\"\nsets .Email \"") + xs(100) +
               QStringLiteral("\"\nsets .Web \"abc\"\nsets .Web \"abcd\"")
        << QStringList{QStringLiteral("Line 3 (.Web): the server info reaches 1,030 bytes; the "
                                      "server keeps at most 1,023 and leaves keys out.")};
    QTest::newRow("numbers")
        << QStringLiteral("set sv_maxclients \"\"\nset sv_fps \"abc\"\nset SV_FPS \"-12abc\"\n"
                          "set sv_maxclients \"0012345\"")
        << QStringList{QStringLiteral("Line 1 (sv_maxclients): the server reads an empty value "
                                      "as 0."),
                       QStringLiteral("Line 2 (sv_fps): the server reads \"abc\" as 0."),
                       QStringLiteral("Line 3 (SV_FPS): the server reads \"-12abc\" as -12.")};
    QTest::newRow("without set")
        << QStringLiteral("scr_hq_scorelimit \"4x\"\nfoo \"1\"")
        << QStringList{QStringLiteral("Line 1 (scr_hq_scorelimit): the server reads \"4x\" as 4."),
                       QStringLiteral("Line 1 (scr_hq_scorelimit): without \"set\" the server "
                                      "ignores this line when it starts with the file.")};
    QTest::newRow("16,384 bytes") << filler(380, QStringLiteral("set a \"") + xs(35))
                                  << QStringList();
    QTest::newRow("16,385 bytes") << filler(380, QStringLiteral("set a \"") + xs(36))
                                  << QStringList{QStringLiteral(
                                         "Line 381: the file is 16,385 bytes long; the server runs "
                                         "nothing of a file over 16,384 bytes.")};
    QTest::newRow("an open comment")
        << QStringLiteral("set a 1\n/* old\nset b 2")
        << QStringList{QStringLiteral("Line 2: the comment opened here is never closed; the server "
                                      "ignores the rest of the file.")};
}

void TextCheckTest::problems() {
    QFETCH(QString, text);
    Vocabulary known;
    for (const char* name : {"sv_maxclients", "sv_fps", "scr_hq_scorelimit"})
        known.add(QLatin1String(name), ValueKind::Number);
    for (const char* name : {"sv_hostname", "scr_motd", "g_log", "sv_mapRotation"})
        known.add(QLatin1String(name), ValueKind::Text);
    QStringList found;
    for (const Problem& problem : checkText(text, known))
        found.append(problem.text());
    QTEST(found, "problems");
}

QTEST_GUILESS_MAIN(TextCheckTest)
#include "tst_textcheck.moc"
