// Where the server would hold something other than what a .cfg file shows: hand-kept files in
// every style that the server reads as written give no problem, and each way the server reads a
// line otherwise is found, counted in the file's own bytes.
#include "config/CfgFile.h"
#include "config/TextCheck.h"
#include "pages/settings/PageCatalogue.h"
#include "support/HandKeptFiles.h"

#include <QTest>

class TextCheckTest : public QObject {
    Q_OBJECT
private slots:
    void fineFiles_data();
    void fineFiles();
    void problemFiles_data();
    void problemFiles();
    void bytesAsInTheFile_data();
    void bytesAsInTheFile();
    void charactersTheFileCannotStore_data();
    void charactersTheFileCannotStore();
};

namespace {

QByteArray xs(qsizetype n) {
    return QByteArray(n, 'x');
}

// The problems of a file's bytes, read as `--check` and opening read them.
QStringList problemsOf(const QByteArray& bytes) {
    FileFormat format;
    const QString text = CfgFile::decode(bytes, &format);
    QStringList found;
    for (const Problem& problem : checkText(text, knownVariables(), format))
        found.append(problem.text());
    return found;
}

// `count` lines of 41 bytes and the line break, then `last` without one.
QByteArray filler(int count, const QByteArray& lineBreak, const QByteArray& last) {
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "set a \"" + xs(33) + '"' + lineBreak;
    return text + last;
}

} // namespace

// Each line as admins keep them; the server reads every one as the line shows it.
void TextCheckTest::fineFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("as the program writes it")
        << QByteArray("//Server Information\r\nset sv_hostname \"Brantholm Caf\xE9 ^1Server\"\r\n"
                      "sets .Admin \"Ann\"\r\nset scr_motd \"Welcome; no camping // be nice\"\r\n"
                      "set rconpassword \"se\\cr$t\"\r\nset sv_maxclients \"24\"\r\n"
                      "set sv_mapRotation \"gametype dm map mp_carentan\"\r\n");
    QTest::newRow("two commands, blanks around ;")
        << QByteArray("set g_log \"games_mp.log\" ; set g_logsync \"1\"\n");
    QTest::newRow("a final ;") << QByteArray("set sv_fps \"20\";\n");
    QTest::newRow("a final ; after a blank") << QByteArray("set sv_fps \"20\" ;\n");
    QTest::newRow("no blanks around ;") << QByteArray("set sv_fps 20;set sv_maxclients 16\n");
    QTest::newRow("several ;") << QByteArray("set sv_fps \"20\";;; set sv_maxclients \"8\";\n");
    QTest::newRow("commands written on purpose")
        << QByteArray("set sv_hostname \"x\"; quit; set a \"b\"\n");
    QTest::newRow("seta and sets") << QByteArray("seta sv_hostname \"Tom's ^1Server\"\n"
                                                 "sets .Web \"www.example.org\"\n");
    QTest::newRow("exec and map") << QByteArray("exec maps.cfg\nmap_rotate\nmap mp_carentan\n");
    QTest::newRow("a trailing comment") << QByteArray("sets .Admin \"Ann\" // contact\n");
    QTest::newRow("a comment directly after the value")
        << QByteArray("set sv_hostname \"x\"// \"old\"\n");
    QTest::newRow("a block comment after the value")
        << QByteArray("set sv_hostname \"x\" /* was \"y\" */\n");
    QTest::newRow("a block comment over lines")
        << QByteArray("/* old:\nset sv_fps \"x\"\n*/\nset sv_fps 20\n");
    QTest::newRow("tabs") << QByteArray("\tset\tsv_maxclients\t\"20\"\t// tabs\n");
    QTest::newRow("lone CRs") << QByteArray("set a 1\rset sv_hostname \"Caf\xE9\"\r");
    QTest::newRow("CR LF, no final line break")
        << QByteArray("set sv_maxclients \"20\"\r\nset sv_fps \"20\"");
    QTest::newRow("UTF-8 with a byte order mark")
        << QByteArray("\xEF\xBB\xBFset sv_hostname \"\xC3\x9C"
                      "ber \xD0\xA1\xD0\xB5rver\"\n");
    QTest::newRow("; and // inside quotes") << QByteArray("set rconpassword \"se;cr//et\"\n");
    QTest::newRow("blanks at the end") << QByteArray("set sv_hostname \"My server\"   \n");
    QTest::newRow("capitals") << QByteArray("SET SV_MAXCLIENTS \"24\"\nSeT Sv_Fps 20\n");
    QTest::newRow("an empty text value") << QByteArray("set sv_hostname \"\"\n");
    QTest::newRow("leading zeros") << QByteArray("set sv_maxclients \"020\"\n");
    QTest::newRow("a variable the program does not write")
        << QByteArray("rate 25000\nset g_mystery \"a b\"\n");
    QTest::newRow("blank lines and comments only") << QByteArray("\n\n// nothing\n   \n");
    QTest::newRow("an open quote at the end of the file")
        << QByteArray("set sv_fps 20\nset sv_hostname \"abc");
    QTest::newRow("an open quote, then a line of its own")
        << QByteArray("set sv_hostname \"My Server\nset sv_fps 20\nset sv_maxclients \"20\n"
                      "set g_log \"x\"\n");
    QTest::newRow("lines without set of the server's own variables")
        << QByteArray("sv_hostname \"Bare\"\nsv_pure 0\nSV_MAXCLIENTS 20\ng_gametype sd\n"
                      "rconpassword \"x\"\n");
    QTest::newRow("the longest rotation read whole")
        << "set sv_mapRotation \"" + xs(1003) + "\"\r\n";
}

void TextCheckTest::fineFiles() {
    QFETCH(QByteArray, file);
    QCOMPARE(problemsOf(file), QStringList());
}

// Each way the server reads a hand-kept line otherwise than it shows.
void TextCheckTest::problemFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("a quote inside the value")
        << QByteArray("//\nset sv_hostname \"My \"Best\" Server\"\n")
        << QStringList{"Line 2 (sv_hostname): a double quote ends the value; the server reads "
                       "\"My  Best  Server\" instead."};
    QTest::newRow("text right after the closing quote")
        << QByteArray("set sv_hostname \"x\"y ; set sv_fps 20\n")
        << QStringList{"Line 1 (sv_hostname): a double quote ends the value; the server reads "
                       "\"x y\" instead."};
    QTest::newRow("text right before an opening quote")
        << QByteArray("set sv_hostname x\"y z\"\n")
        << QStringList{"Line 1 (sv_hostname): a double quote ends the value; the server reads "
                       "\"x y z\" instead."};
    QTest::newRow("a line break inside quotes")
        << QByteArray("set sv_hostname \"abc\r\ndef\"\r\nset a 1\r\n")
        << QStringList{"Line 1 (sv_hostname): the value has no closing double quote: the line "
                       "break ends it, and the next line runs as a command of its own."};
    QTest::newRow("a backslash does not keep a quote in")
        << QByteArray("set sv_hostname \"a \\\"b\\\"\"\n")
        << QStringList{"Line 1 (sv_hostname): a double quote ends the value; the server reads "
                       "\"a \\ b\\ \" instead.",
                       "Line 1 (sv_hostname): the server leaves a value holding \\ or ; out of "
                       "the server info that server lists show."};
    QTest::newRow("Windows-1252 outside quotes")
        << QByteArray("set sv_hostname Caf\xE9\n")
        << QStringList{"Line 1 (sv_hostname): outside double quotes the server takes \"\xC3\xA9\" "
                       "for a blank; it reads \"Caf\" instead."};
    QTest::newRow("UTF-8 outside quotes, after ;")
        << QByteArray("set sv_fps 20; set sv_hostname \xC3\x9C"
                      "ber Server\n")
        << QStringList{"Line 1 (sv_hostname): outside double quotes the server takes \"\xC3\x9C\" "
                       "for a blank; it reads \"ber Server\" instead."};
    QTest::newRow("an empty number") << QByteArray("set sv_maxclients \"\"\n")
                                     << QStringList{"Line 1 (sv_maxclients): the server reads an "
                                                    "empty value as 0."};
    QTest::newRow("a number in words")
        << QByteArray("set sv_fps \"twenty\"\n")
        << QStringList{"Line 1 (sv_fps): the server reads \"twenty\" as 0."};
    QTest::newRow("a number with letters")
        << QByteArray("seta sv_fps 2O\n")
        << QStringList{"Line 1 (sv_fps): the server reads \"2O\" as 2."};
    QTest::newRow("a number with a blank in quotes")
        << QByteArray("set sv_maxclients \"20 \"\n")
        << QStringList{"Line 1 (sv_maxclients): the server reads \"20 \" as 20."};
    QTest::newRow("a negative number with letters")
        << QByteArray("set sv_fps \"-12abc\"\n")
        << QStringList{"Line 1 (sv_fps): the server reads \"-12abc\" as -12."};
    QTest::newRow("without set, a variable of the game's")
        << QByteArray("scr_dm_timelimit 20\ng_password \"x\"\n")
        << QStringList{"Line 1 (scr_dm_timelimit): without \"set\" the server ignores this "
                       "line when it starts with the file.",
                       "Line 2 (g_password): without \"set\" the server ignores this line when "
                       "it starts with the file."};
    QTest::newRow("without set, after ;, a variable of neither")
        << QByteArray("set sv_fps 20;sv_kickbantime 20\n")
        << QStringList{"Line 1 (sv_kickbantime): without \"set\" the server ignores this line "
                       "when it starts with the file."};
    QTest::newRow("a line cut, the rest runs")
        << "set sv_hostname \"" + xs(1063) + "\"\n"
        << QStringList{"Line 1 (sv_hostname): the line is 1,081 bytes long; the server cuts it "
                       "after 1,023 and runs the rest: " +
                       QString(56, 'x') + " \"\" (line 1)."};
    QTest::newRow("a line cut by its UTF-8 bytes")
        << "set sv_hostname \"" + QByteArray(505, 'x').replace("x", "\xC3\xA9") + "\"\n"
        << QStringList{"Line 1 (sv_hostname): the line is 1,028 bytes long; the server cuts it "
                       "after 1,023 and runs the rest: \"\" (line 1)."};
    QTest::newRow("an old configuration in a block comment")
        << TestSupport::kOldBlock
        << QStringList{"Line 2: the line is 1,164 bytes long; the server cuts it after 1,023 and "
                       "runs the rest: set sv_hostname \"Old\" (line 19), set g_gametype \"sd\" "
                       "(line 20), set sv_maxclients \"16\" (line 21) and 4 more."};
    QTest::newRow("a value cut, nothing after it")
        << "set sv_mapRotation " + xs(1005) + "\n"
        << QStringList{"Line 1 (sv_mapRotation): the line is 1,024 bytes long; the server reads "
                       "only its first 1,023."};
    QTest::newRow("a web address without quotes")
        << QByteArray("set sv_wwwBaseURL http://dl.example.org/main\n")
        << QStringList{"Line 1 (sv_wwwBaseURL): the server reads \"http:\"; put the value in "
                       "double quotes."};
    QTest::newRow("a # line the server takes for a command")
        << QByteArray("# r\xE9glages \"du\" serveur\n")
        << QStringList{"Line 1: the server takes no \"#\" for a comment: it runs the line as a "
                       "command it does not know, which sets nothing."};
    QTest::newRow("a game value of 256")
        << "set g_banips \"" + xs(255) + "\"\nSET Scr_Motd \"" + xs(256) + "\"\n"
        << QStringList{"Line 2 (Scr_Motd): the value is 256 characters long; at 256 or more the "
                       "server cannot load the map."};
    QTest::newRow("\\ in the server info")
        << QByteArray("sets .Admin \"a\\b\"\n")
        << QStringList{"Line 1 (.Admin): the server leaves a value holding \\ or ; out of the "
                       "server info that server lists show."};
    QTest::newRow("; in the server name")
        << QByteArray("set sv_hostname \"Fast; friendly\"\n")
        << QStringList{"Line 1 (sv_hostname): the server leaves a value holding \\ or ; out of "
                       "the server info that server lists show."};
    QTest::newRow("server info over 1,023 bytes")
        << "set sv_hostname \"" + xs(900) + "\"\nsets .Email \"" + xs(100) +
               "\"\nsets .Web \"abc\"\nsets .Web \"abcd\"\n"
        << QStringList{"Line 3 (.Web): the server info reaches 1,030 bytes; the server keeps at "
                       "most 1,023 and leaves keys out."};
    QTest::newRow("an open comment")
        << QByteArray("set a 1\n/* old\nset sv_fps 2\n")
        << QStringList{"Line 2: the comment opened here is never closed; the server ignores the "
                       "rest of the file."};
    QTest::newRow("several on one line, in order")
        << QByteArray("scr_sd_timelimit \"x\"y\n")
        << QStringList{"Line 1 (scr_sd_timelimit): a double quote ends the value; the server "
                       "reads \"x y\" instead.",
                       "Line 1 (scr_sd_timelimit): the server reads \"x y\" as 0.",
                       "Line 1 (scr_sd_timelimit): without \"set\" the server ignores this line "
                       "when it starts with the file."};
}

void TextCheckTest::problemFiles() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, problems);
    QCOMPARE(problemsOf(file), problems);
}

// The file's size as it is on the disk: its line breaks, its encoding, its byte order mark.
void TextCheckTest::bytesAsInTheFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("problems");
    const QString over = QStringLiteral("Line %1: the file is 16,385 bytes long; the server runs "
                                        "nothing of a file over 16,384 bytes.");
    // 380 lines of 42 bytes with LF, 43 with CR LF, then the last.
    QTest::newRow("LF, 16,384") << filler(380, "\n", "set a \"" + xs(415) + "\"\n")
                                << QStringList();
    QTest::newRow("LF, 16,385") << filler(380, "\n", "set a \"" + xs(416) + "\"\n")
                                << QStringList{over.arg(381)};
    QTest::newRow("CR LF, 16,384")
        << filler(380, "\r\n", "set a \"" + xs(34) + "\"\r\n") << QStringList();
    QTest::newRow("CR LF, 16,385, the last byte its LF")
        << filler(380, "\r\n", "set a \"" + xs(35) + "\"\r\n") << QStringList{over.arg(381)};
    QTest::newRow("no final line break, 16,385")
        << filler(380, "\n", "set a \"" + xs(417) + "\"") << QStringList{over.arg(381)};
    QTest::newRow("UTF-8: two bytes a letter, 16,385")
        << filler(380, "\n", "set a \"" + xs(414) + "\xC3\xA9\"\n") << QStringList{over.arg(381)};
    QTest::newRow("a byte order mark makes 16,385")
        << "\xEF\xBB\xBF" + filler(380, "\n", "set a \"" + xs(411) + "\xC3\xA9\"\n")
        << QStringList{over.arg(381)};
}

void TextCheckTest::bytesAsInTheFile() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, problems);
    QCOMPARE(problemsOf(file), problems);
}

// In the window, before saving: a character the file's encoding cannot hold, named.
void TextCheckTest::charactersTheFileCannotStore_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QStringList>("problems");
    const int windows1252 = int(FileFormat::Encoding::Windows1252);
    const int utf8 = int(FileFormat::Encoding::Utf8);
    QTest::newRow("a Cyrillic look-alike")
        << QStringLiteral("//\r\nset sv_hostname \"\u0421afe\"\r\n") << windows1252
        << QStringList{"Line 2 (sv_hostname): the character \"\u0421\" (U+0421 CYRILLIC CAPITAL "
                       "LETTER ES) cannot be stored in a Windows-1252 file."};
    QTest::newRow("Greek and more, in a comment")
        << QStringLiteral("// \u0391\u03B8\u03AE\u03BD\u03B1\r\n") << windows1252
        << QStringList{"Line 1: the character \"\u0391\" (U+0391 GREEK CAPITAL LETTER ALPHA) and "
                       "4 more on this line cannot be stored in a Windows-1252 file."};
    QTest::newRow("an emoji") << QStringLiteral("set sv_hostname \"Fun \U0001F600\"\r\n")
                              << windows1252
                              << QStringList{"Line 1 (sv_hostname): the character \"\U0001F600\" "
                                             "(U+1F600 GRINNING FACE) cannot be stored in a "
                                             "Windows-1252 file."};
    QTest::newRow("all of Windows-1252")
        << QStringLiteral("set sv_hostname \"\u20AC\u0152\u00FF\"") << windows1252 << QStringList();
    QTest::newRow("UTF-8 stores them all")
        << QStringLiteral("set sv_hostname \"\u0421\U0001F600\"\r\n") << utf8 << QStringList();
    QTest::newRow("but not half a character")
        << QStringLiteral("set sv_hostname \"a") + QChar(0xD83D) + QStringLiteral("\"\r\n") << utf8
        << QStringList{"Line 1 (sv_hostname): the character U+D83D cannot be stored in a UTF-8 "
                       "file."};
}

void TextCheckTest::charactersTheFileCannotStore() {
    QFETCH(QString, text);
    QFETCH(int, encoding);
    QFETCH(QStringList, problems);
    FileFormat format;
    format.encoding = FileFormat::Encoding(encoding);
    QStringList found;
    for (const Problem& problem : checkText(text, knownVariables(), format))
        found.append(problem.text());
    QCOMPARE(found, problems);
}

QTEST_GUILESS_MAIN(TextCheckTest)
#include "tst_textcheck.moc"
