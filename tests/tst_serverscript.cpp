// How the server reads a .cfg text: commands, words, comments, lines and byte lengths.
#include "config/ServerScript.h"
#include "config/TextCheck.h"

#include <QRandomGenerator>
#include <QTest>

using namespace ServerScript;

class ServerScriptTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void assignments_data();
    void assignments();
    void randomTexts();
};

namespace {

// "word|word", quoted words in quotes.
QString wordsOf(const Command& command) {
    QStringList words;
    for (const Word& word : command.words)
        words.append(word.quoted ? QLatin1Char('"') + word.text + QLatin1Char('"') : word.text);
    return words.join(QLatin1Char('|'));
}

// "line:word|word" per command, joined by " / ".
QString outline(const Script& script) {
    QStringList commands;
    for (const Command& command : script.commands) {
        QString item = QString::number(command.line) + QLatin1Char(':') + wordsOf(command);
        if (command.cut)
            item += QLatin1String(" cut");
        if (command.rest)
            item += QLatin1String(" rest");
        commands.append(item);
    }
    return commands.join(QLatin1String(" / "));
}

int lineCount(const QString& text) {
    return int(text.count(QLatin1Char('\n')) + text.count(QLatin1Char('\r')) -
               text.count(QLatin1String("\r\n"))) +
           1;
}

QString xs(qsizetype n) {
    return QString(n, QLatin1Char('x'));
}

} // namespace

void ServerScriptTest::reading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("commands");
    QTest::addColumn<qsizetype>("fileBytes");
    QTest::addColumn<int>("unclosedCommentLine");
    auto row = [](const char* tag, const QString& text, const QString& commands,
                  qsizetype fileBytes, int unclosedCommentLine = 0) {
        QTest::newRow(tag) << text << commands << fileBytes << unclosedCommentLine;
    };
    const QString front = QStringLiteral("set a \"");
    const QString smile = QString::fromUcs4(U"\U0001F600");

    row("empty", QString(), QString(), 0);
    row("a double quote ends the value", QStringLiteral("set sv_hostname \"x\"; quit; set a \"b\""),
        QStringLiteral("1:set|sv_hostname|\"x\" / 1:quit / 1:set|a|\"b\""), 38);
    row("; inside quotes, and outside", QStringLiteral("set a \"x;y\";set b 2;;"),
        QStringLiteral("1:set|a|\"x;y\" / 1:set|b|2"), 23);
    row("no escape for a quote", QStringLiteral("set a \"x\\\"y\""),
        QStringLiteral("1:set|a|\"x\\\"|y|\"\""), 14);
    row("a quote ends an unquoted word", QStringLiteral("set a x\"y z\"w \"\""),
        QStringLiteral("1:set|a|x|\"y z\"|w|\"\""), 18);
    row("an open quote runs to the line break", QStringLiteral("set a \"x; y // z\nset b 1"),
        QStringLiteral("1:set|a|\"x; y // z\" / 2:set|b|1"), 26);
    row("the line break ends a quoted value", QStringLiteral("set a \"x\ny\""),
        QStringLiteral("1:set|a|\"x\" / 2:y|\"\""), 13);
    row("plain text inside quotes", QStringLiteral("set a \"//x /*y*/ \\ $z\t\""),
        QStringLiteral("1:set|a|\"//x /*y*/ \\ $z\t\""), 25);
    row("// to the end of the line", QStringLiteral("set a 1 // x; set b 2\r\nset c http://x"),
        QStringLiteral("1:set|a|1 / 2:set|c|http:"), 39);
    row("/* */ inside a line", QStringLiteral("set /* x; */ a/*y*/1"), QStringLiteral("1:set|a|1"),
        22);
    row("/* */ across lines makes one command", QStringLiteral("set a /* x\ny */ 1\nset b 2"),
        QStringLiteral("1:set|a|1 / 3:set|b|2"), 27);
    row("an open /* swallows the rest", QStringLiteral("set a 1\n/* x\nset b \"2\""),
        QStringLiteral("1:set|a|1"), 24, 2);
    row("blank and comment lines", QStringLiteral("//x\n\n  \t\n/* y */\nquit"),
        QStringLiteral("5:quit"), 23);
    row("LF, CR LF and CR", QStringLiteral("a 1\nb 2\r\nc 3\rd 4\n"),
        QStringLiteral("1:a|1 / 2:b|2 / 3:c|3 / 4:d|4"), 17);
    row("above 0x7F: blank outside quotes", QStringLiteral("set a Café Caéf \"Café €\""),
        QStringLiteral("1:set|a|Caf|Ca|f|\"Café €\""), 26);
    row("1,023 bytes run whole", front + xs(1015) + QLatin1Char('"'),
        QStringLiteral("1:set|a|\"%1\"").arg(xs(1015)), 1025);
    row("1,024 bytes: the closing quote is lost", front + xs(1016) + QLatin1Char('"'),
        QStringLiteral("1:set|a|\"%1\" cut").arg(xs(1016)), 1026);
    row("the rest after byte 1,024 runs, read afresh",
        front + xs(1016) + QStringLiteral("yz; quit\"\nquit"),
        QStringLiteral("1:set|a|\"%1\" cut / 1:z rest / 1:quit|\"\" rest / 2:quit").arg(xs(1016)),
        1039);
    row("a surrogate pair is one byte", front + smile.repeated(1015) + QLatin1Char('"'),
        QStringLiteral("1:set|a|\"%1\"").arg(smile.repeated(1015)), 1025);
    row("a CR LF in a comment is two bytes",
        QStringLiteral("set a 1 /*\r\n") + xs(1009) + QStringLiteral("*/b"),
        QStringLiteral("1:set|a|1 cut"), 1026);
    row("a long comment line runs its end",
        QStringLiteral("//") + xs(1100) + QStringLiteral("\nquit"),
        QStringLiteral("1:%1 rest / 2:quit").arg(xs(78)), 1109);
    row("a /* */ block over 1,023 bytes runs its rest line by line",
        QStringLiteral("/*") + xs(1021) + QStringLiteral("\nset a 1\n*/\nset b 2"),
        QStringLiteral("2:set|a|1 rest / 3:*/ rest / 4:set|b|2"), 1044);
    row("an open /* over 1,023 bytes is cut too",
        QStringLiteral("/*") + xs(1030) + QStringLiteral("\nquit"),
        QStringLiteral("1:%1 rest / 2:quit rest").arg(xs(8)), 1039);
}

void ServerScriptTest::reading() {
    QFETCH(QString, text);
    const Script script = read(text);
    QTEST(outline(script), "commands");
    QTEST(script.fileBytes, "fileBytes");
    QTEST(script.unclosedCommentLine, "unclosedCommentLine");
}

void ServerScriptTest::assignments_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("assignment"); // verb (Verb's number), name, value
    QTest::addColumn<bool>("setsAtStart");   // run as a server starts with its file
    auto row = [](const char* tag, const char* text, const char* assignment, bool atStart) {
        QTest::newRow(tag) << QString::fromUtf8(text) << QString::fromUtf8(assignment) << atStart;
    };
    row("set", "set sv_fps \"20\"", "0 sv_fps 20", true);
    row("sets, any case", "SeTs .Admin \"Ann Lee\"", "1 .Admin Ann Lee", true);
    row("seta, words joined by one blank", "seta a  b   \"c\"", "2 a b c", true);
    row("an empty value", "set a \"\"", "0 a ", true);
    row("without set", "sv_hostname x y", "3 sv_hostname x y", true);
    row("without set, the server's own in capitals", "SV_PURE 0", "3 SV_PURE 0", true);
    row("without set, the game's own", "scr_motd \"Hi\"", "3 scr_motd Hi", false);
    row("without set, a name of neither", "sv_kickbantime 30", "3 sv_kickbantime 30", false);
    row("a # line", "# do not touch", "3 # do not touch", false);
    row("set with a name only", "set x", "", false);
    row("one word", "quit", "", false);
}

void ServerScriptTest::assignments() {
    QFETCH(QString, text);
    const Script script = read(text);
    QCOMPARE(script.commands.size(), 1);
    const std::optional<Assignment> found = assignment(script.commands.first());
    QTEST(found ? QStringLiteral("%1 %2 %3").arg(int(found->verb)).arg(found->name, found->value)
                : QString(),
          "assignment");
    QTEST(found && (found->verb != Verb::Bare || registeredAtStart(found->name)), "setsAtStart");
}

namespace {

QString randomText(QRandomGenerator& random) {
    static const QStringList lines = {QStringLiteral("//Server Options %1"),
                                      QStringLiteral("//%1"),
                                      QStringLiteral("set sv_hostname \"%1\""),
                                      QStringLiteral("sets .Admin \"%1\""),
                                      QStringLiteral("set scr_dm_timelimit \"%1\""),
                                      QStringLiteral("scr_hq_scorelimit \"%1\""),
                                      QStringLiteral("set sv_mapRotation \"gametype dm map %1\""),
                                      QStringLiteral("seta g_log %1")};
    static const QStringList inserts = {
        QStringLiteral("\""),   QStringLiteral(";"),    QStringLiteral("/"),
        QStringLiteral("*"),    QStringLiteral("//"),   QStringLiteral("/*"),
        QStringLiteral("*/"),   QStringLiteral("\n"),   QStringLiteral("\r"),
        QStringLiteral("\r\n"), QStringLiteral("\t"),   QStringLiteral("é€"),
        QStringLiteral("\\"),   QString(QChar(0xD800)), QString::fromUcs4(U"\U0001F600")};
    static const QStringList runs = {
        QStringLiteral("x"),
        QStringLiteral(" "),
        QStringLiteral("\"a\" "),
        QStringLiteral("x /* y */ "),
        QStringLiteral("x /*/ y */ "),
        QStringLiteral("{\"k\":\"http://v\"} "),
        QStringLiteral("/*%1*/ \"a\" \"b\" // c\n").arg(QString(4500, QLatin1Char(' ')))};
    QString text;
    const int count = int(random.bounded(12));
    for (int i = 0; i < count; ++i) {
        const QString value = QString::number(random.bounded(100000), 36);
        text += lines[random.bounded(lines.size())].arg(value) + QLatin1Char('\n');
    }
    const int mutations = int(random.bounded(8));
    for (int i = 0; i < mutations; ++i) {
        const qsizetype at = random.bounded(text.size() + 1);
        switch (random.bounded(4)) {
        case 0:
            text.truncate(at);
            break;
        case 1: { // a long run, to be cut
            const QString& run = runs[random.bounded(runs.size())];
            text.insert(at, run.repeated(random.bounded(1000, 6000) / run.size() + 1));
            break;
        }
        default:
            text.insert(at, inserts[random.bounded(inserts.size())]);
        }
    }
    return text;
}

} // namespace

// Random and mutated texts: no crash, and what any reading must hold.
void ServerScriptTest::randomTexts() {
    QRandomGenerator random(20261208);
    Vocabulary known;
    known.add(QStringLiteral("scr_hq_scorelimit"), ValueKind::Number);
    known.add(QStringLiteral("sv_hostname"), ValueKind::Text);
    for (int round = 0; round < 10000; ++round) {
        const QString text = randomText(random);
        const Script script = read(text);
        const int lines = lineCount(text);
        for (qsizetype i = 0; i < script.commands.size(); ++i) {
            const Command& command = script.commands[i];
            QVERIFY(0 <= command.begin && command.begin <= command.end &&
                    command.end <= text.size());
            QVERIFY(i == 0 || command.begin > script.commands[i - 1].begin);
            QVERIFY(command.line >= (i == 0 ? 1 : script.commands[i - 1].line));
            QVERIFY(command.line <= lines);
            QCOMPARE(command.cut, command.bytes > kCommandBytes);
            (void)assignment(command);
            // A rest is read as the text read from its beginning on; a whole command, as its
            // source read alone.
            if (!command.rest && command.cut)
                continue;
            const Script from = read(QStringView(text).sliced(
                command.begin, (command.rest ? text.size() : command.end) - command.begin));
            QVERIFY(!from.commands.isEmpty());
            const Command& first = from.commands.first();
            QCOMPARE(first.begin, 0);
            QCOMPARE(first.end, command.end - command.begin);
            QCOMPARE(first.bytes, command.bytes);
            QCOMPARE(wordsOf(first), wordsOf(command));
        }
        qsizetype lastComment = 0;
        for (const Comment& comment : script.comments) {
            QVERIFY(lastComment <= comment.begin && comment.begin < comment.end &&
                    comment.end <= text.size());
            lastComment = comment.end;
        }
        QVERIFY(script.fileBytes >= text.size() / 2);
        FileFormat utf8;
        utf8.encoding = FileFormat::Encoding::Utf8;
        utf8.byteOrderMark = true;
        utf8.finalLineBreak = round % 2;
        for (const FileFormat& format : {FileFormat(), utf8}) {
            int lastProblem = 1;
            for (const Problem& problem : checkText(text, known, format)) {
                QVERIFY(problem.line >= lastProblem && problem.line <= lines);
                QVERIFY(problem.message.endsWith(QLatin1Char('.')));
                lastProblem = problem.line;
            }
        }
    }
}

QTEST_GUILESS_MAIN(ServerScriptTest)
#include "tst_serverscript.moc"
