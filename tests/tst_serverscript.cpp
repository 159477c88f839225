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
    QTest::addColumn<int>("unclosedCommentLine");
    QTest::addColumn<qsizetype>("fileBytes");

    QTest::newRow("empty") << QString() << QString() << 0 << qsizetype(0);
    QTest::newRow("a double quote ends the value")
        << QStringLiteral("set sv_hostname \"x\"; quit; set a \"b\"")
        << QStringLiteral("1:set|sv_hostname|\"x\" / 1:quit / 1:set|a|\"b\"") << 0 << qsizetype(38);
    QTest::newRow("; inside quotes, and outside")
        << QStringLiteral("set a \"x;y\";set b 2;;")
        << QStringLiteral("1:set|a|\"x;y\" / 1:set|b|2") << 0 << qsizetype(23);
    QTest::newRow("no escape for a quote")
        << QStringLiteral("set a \"x\\\"y\"") << QStringLiteral("1:set|a|\"x\\\"|y|\"\"") << 0
        << qsizetype(14);
    QTest::newRow("a quote ends an unquoted word and starts a quoted one")
        << QStringLiteral("set a x\"y z\"w \"\"") << QStringLiteral("1:set|a|x|\"y z\"|w|\"\"") << 0
        << qsizetype(18);
    QTest::newRow("an open quote runs to the line break")
        << QStringLiteral("set a \"x; y // z\nset b 1")
        << QStringLiteral("1:set|a|\"x; y // z\" / 2:set|b|1") << 0 << qsizetype(27);
    QTest::newRow("the line break ends a quoted value")
        << QStringLiteral("set a \"x\ny\"") << QStringLiteral("1:set|a|\"x\" / 2:y|\"\"") << 0
        << qsizetype(14);
    QTest::newRow("plain text inside quotes")
        << QStringLiteral("set a \"//x /*y*/ \\ $z\t\"")
        << QStringLiteral("1:set|a|\"//x /*y*/ \\ $z\t\"") << 0 << qsizetype(25);
    QTest::newRow("// to the end of the line, ; inside it too")
        << QStringLiteral("set a 1 // x; set b 2\r\nset c http://x")
        << QStringLiteral("1:set|a|1 / 2:set|c|http:") << 0 << qsizetype(39);
    QTest::newRow("/* */ inside a line") << QStringLiteral("set /* x; */ a/*y*/1")
                                         << QStringLiteral("1:set|a|1") << 0 << qsizetype(22);
    QTest::newRow("/* */ across lines makes one command")
        << QStringLiteral("set a /* x\ny */ 1\nset b 2") << QStringLiteral("1:set|a|1 / 3:set|b|2")
        << 0 << qsizetype(29);
    QTest::newRow("an open /* swallows the rest")
        << QStringLiteral("set a 1\n/* x\nset b \"2\"") << QStringLiteral("1:set|a|1") << 2
        << qsizetype(26);
    QTest::newRow("blank and comment lines give no command")
        << QStringLiteral("//x\n\n  \t\n/* y */\nquit") << QStringLiteral("5:quit") << 0
        << qsizetype(27);
    QTest::newRow("LF, CR LF and CR")
        << QStringLiteral("a 1\nb 2\r\nc 3\rd 4\n")
        << QStringLiteral("1:a|1 / 2:b|2 / 3:c|3 / 4:d|4") << 0 << qsizetype(20);
    QTest::newRow("above 0x7F: a blank outside quotes, kept inside")
        << QStringLiteral("set a Café Caéf \"Café €\"")
        << QStringLiteral("1:set|a|Caf|Ca|f|\"Café €\"") << 0 << qsizetype(26);
    const QString front = QStringLiteral("set a \"");
    QTest::newRow("1,023 bytes run whole")
        << front + xs(1015) + QLatin1Char('"') << QStringLiteral("1:set|a|\"%1\"").arg(xs(1015))
        << 0 << qsizetype(1025);
    QTest::newRow("1,024 bytes: the closing quote is lost")
        << front + xs(1016) + QLatin1Char('"') << QStringLiteral("1:set|a|\"%1\" cut").arg(xs(1016))
        << 0 << qsizetype(1026);
    QTest::newRow("the rest after byte 1,024 runs, read afresh")
        << front + xs(1016) + QStringLiteral("yz; quit\"\nquit")
        << QStringLiteral("1:set|a|\"%1\" cut / 1:z rest / 1:quit|\"\" rest / 2:quit").arg(xs(1016))
        << 0 << qsizetype(1040);
    QTest::newRow("a surrogate pair is one byte")
        << front + QString::fromUcs4(U"\U0001F600").repeated(1015) + QLatin1Char('"')
        << QStringLiteral("1:set|a|\"%1\"").arg(QString::fromUcs4(U"\U0001F600").repeated(1015))
        << 0 << qsizetype(1025);
    QTest::newRow("a line break in a comment is two bytes")
        << QStringLiteral("set a 1 /*\n") + xs(1009) + QStringLiteral("*/b")
        << QStringLiteral("1:set|a|1 cut") << 0 << qsizetype(1026);
    QTest::newRow("a long comment line runs its end")
        << QStringLiteral("//") + xs(1100) + QStringLiteral("\nquit")
        << QStringLiteral("1:%1 rest / 2:quit").arg(xs(78)) << 0 << qsizetype(1110);
    QTest::newRow("an open /* over 1,023 bytes is cut too")
        << QStringLiteral("/*") + xs(1030) + QStringLiteral("\nquit")
        << QStringLiteral("1:%1 rest / 2:quit rest").arg(xs(8)) << 0 << qsizetype(1040);
}

void ServerScriptTest::reading() {
    QFETCH(QString, text);
    QFETCH(QString, commands);
    QFETCH(int, unclosedCommentLine);
    QFETCH(qsizetype, fileBytes);
    const Script script = read(text);
    QCOMPARE(outline(script), commands);
    QCOMPARE(script.unclosedCommentLine, unclosedCommentLine);
    QCOMPARE(script.fileBytes, fileBytes);
}

void ServerScriptTest::assignments_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("sets");
    QTest::addColumn<int>("verb");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    auto row = [](const char* tag, const char* text, Verb verb, const char* name,
                  const char* value) {
        QTest::newRow(tag) << QString::fromUtf8(text) << true << int(verb)
                           << QString::fromUtf8(name) << QString::fromUtf8(value);
    };
    row("set", "set sv_fps \"20\"", Verb::Set, "sv_fps", "20");
    row("sets, any case", "SeTs .Admin \"Ann Lee\"", Verb::Sets, ".Admin", "Ann Lee");
    row("seta, words joined by one blank", "seta a  b   \"c\"", Verb::Seta, "a", "b c");
    row("an empty value", "set a \"\"", Verb::Set, "a", "");
    row("without set", "sv_hostname x y", Verb::Bare, "sv_hostname", "x y");
    QTest::newRow("set with a name only")
        << QStringLiteral("set x") << false << 0 << QString() << QString();
    QTest::newRow("one word") << QStringLiteral("quit") << false << 0 << QString() << QString();
}

void ServerScriptTest::assignments() {
    QFETCH(QString, text);
    QFETCH(bool, sets);
    const Script script = read(text);
    QCOMPARE(script.commands.size(), 1);
    const std::optional<Assignment> found = assignment(script.commands.first());
    QCOMPARE(found.has_value(), sets);
    if (!sets)
        return;
    QTEST(int(found->verb), "verb");
    QTEST(found->name, "name");
    QTEST(found->value, "value");
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

// Every command of a text with words, as the visitor sees them.
struct Ranges : Visitor {
    QStringView text;
    QList<CommandRange> commands;
    QStringList words;

    void command(const CommandRange& command, std::span<const WordRange> found) override {
        if (found.empty())
            return;
        commands.append(command);
        QStringList list;
        for (const WordRange& word : found) {
            const QString text = this->text.sliced(word.begin, word.end - word.begin).toString();
            list.append(word.quoted ? QLatin1Char('"') + text + QLatin1Char('"') : text);
        }
        words.append(list.join(QLatin1Char('|')));
    }
};

Ranges rangesOf(QStringView text) {
    Ranges ranges;
    ranges.text = text;
    visit(text, ranges);
    return ranges;
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
        const Ranges ranges = rangesOf(text);
        QCOMPARE(script.commands.size(), ranges.commands.size());
        const int lines = lineCount(text);
        for (qsizetype i = 0; i < ranges.commands.size(); ++i) {
            const CommandRange& command = ranges.commands[i];
            QVERIFY(0 <= command.begin && command.begin <= command.end &&
                    command.end <= text.size());
            QVERIFY(i == 0 || command.begin > ranges.commands[i - 1].begin);
            QVERIFY(command.line >= (i == 0 ? 1 : ranges.commands[i - 1].line));
            QVERIFY(command.line <= lines);
            QCOMPARE(command.cut, command.bytes > kCommandBytes);
            QCOMPARE(wordsOf(script.commands[i]), ranges.words[i]);
            QCOMPARE(script.commands[i].line, command.line);
            (void)assignment(script.commands[i]);
            // A rest is read as the text read from its beginning on; a whole command, as its
            // source read alone.
            if (!command.rest && command.cut)
                continue;
            const Ranges from = rangesOf(QStringView(text).sliced(
                command.begin, (command.rest ? text.size() : command.end) - command.begin));
            QVERIFY(!from.commands.isEmpty());
            const CommandRange& first = from.commands.first();
            QCOMPARE(first.begin, 0);
            QCOMPARE(first.end, command.end - command.begin);
            QCOMPARE(first.bytes, command.bytes);
            QCOMPARE(first.cutKeepsWords && !command.rest, command.cutKeepsWords);
            QCOMPARE(first.unclosedQuote, command.unclosedQuote);
            QCOMPARE(from.words.first(), ranges.words[i]);
        }
        qsizetype lastComment = 0;
        for (const Comment& comment : script.comments) {
            QVERIFY(lastComment <= comment.begin && comment.begin < comment.end &&
                    comment.end <= text.size());
            lastComment = comment.end;
        }
        QVERIFY(script.fileBytes >= text.size() / 2);
        int lastProblem = 1;
        for (const Problem& problem : checkText(text, known)) {
            QVERIFY(problem.line >= lastProblem && problem.line <= lines);
            QVERIFY(problem.message.endsWith(QLatin1Char('.')));
            lastProblem = problem.line;
        }
    }
}

QTEST_GUILESS_MAIN(ServerScriptTest)
#include "tst_serverscript.moc"
