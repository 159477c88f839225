// Bad and large input: line breaks and megabytes pasted into edits and into the memo, long memos
// saved byte for byte, characters a .cfg cannot store, and many rotation presses.
#include "controls/TLMDEdit.h"
#include "support/TestSupport.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {

// Pastes `text` into `widget` as a user would: through the clipboard and Ctrl+V.
void paste(QWidget* widget, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

// Configuration-like lines of every kind the memo may hold, `count` of them.
QStringList manyLines(int count) {
    const QStringList kinds = {QStringLiteral("set sv_hostname \"Brantholm %1\""),
                               QStringLiteral("sets .Admin \"é € “ %1\""), QString(),
                               QStringLiteral("  \t blanks %1 and \"quotes\"  "),
                               QStringLiteral("//-- %1")};
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(kinds[i % kinds.size()].contains(QLatin1String("%1"))
                         ? kinds[i % kinds.size()].arg(i)
                         : kinds[i % kinds.size()]);
    return lines;
}

} // namespace

class LargeInputTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lineBreaksPastedIntoAnEdit_data();
    void lineBreaksPastedIntoAnEdit();
    void megabytesPastedIntoAnEdit();
    void megabytesPastedIntoTheMemo();
    void manyLinesSavedByteForByte();
    void charactersACfgCannotStore_data();
    void charactersACfgCannotStore();
    void thousandRotationPresses();

private:
    TestFiles::FreshFolder m_folder;
    QString path(const char* name) const { return m_folder.file(name); }
};

void LargeInputTest::init() {
    m_folder.renew();
}

void LargeInputTest::lineBreaksPastedIntoAnEdit_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("message");
    const QString breaks = QStringLiteral(
        "Pasted: each line break became a blank, since the server would end the line there.");
    QTest::newRow("LF") << QStringLiteral("North\nSouth") << QStringLiteral("North South")
                        << breaks;
    QTest::newRow("CR LF") << QStringLiteral("North\r\nSouth") << QStringLiteral("North South")
                           << breaks;
    QTest::newRow("CR") << QStringLiteral("North\rSouth") << QStringLiteral("North South")
                        << breaks;
    QTest::newRow("several, and at the ends")
        << QStringLiteral("\nNorth\n\nSouth\n") << QStringLiteral(" North  South ") << breaks;
    QTest::newRow("quotes") << QStringLiteral("x\"; quit; set a \"b")
                            << QStringLiteral("x'; quit; set a 'b")
                            << QStringLiteral("Pasted: each double quote became a single quote, "
                                              "since the server would end the value there.");
    QTest::newRow("both") << QStringLiteral("\"North\"\nSouth") << QStringLiteral("'North' South")
                          << QStringLiteral("Pasted: each line break became a blank and each "
                                            "double quote a single quote, since a value cannot "
                                            "hold them.");
    QTest::newRow("nothing to change")
        << QStringLiteral("North; //South") << QStringLiteral("North; //South") << QString();
}

// A line break or a double quote pasted into an edit would end the value on the server: each line
// break becomes a blank, each double quote a single quote, and the status bar says so. The row
// stays one line.
void LargeInputTest::lineBreaksPastedIntoAnEdit() {
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QFETCH(QString, message);
    TForm1 form;
    form.show();
    auto* name = child<QLineEdit>(&form, "edServernames");
    name->clear();
    form.statusBar()->clearMessage();
    paste(name, pasted);
    QCOMPARE(name->text(), kept);
    QCOMPARE(form.statusBar()->currentMessage(), message);

    const QStringList lines = finish(form);
    QCOMPARE(lines.at(1), QStringLiteral("set sv_hostname \"") + kept + QLatin1Char('"'));
    QCOMPARE(lines.at(2), QStringLiteral("set scr_motd \"Welcome to Brantholm server.\""));
    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    QCOMPARE(readFile(path("server.cfg")), TestFiles::savedBytes(lines));
}

// 5 MB on one line: the line edit takes it whole, "Finish!" writes it, saving writes it.
void LargeInputTest::megabytesPastedIntoAnEdit() {
    QString big;
    big.reserve(5 * 1024 * 1024);
    while (big.size() < 5 * 1024 * 1024)
        big += QStringLiteral("Brantholm \"host\" é € “ ");
    TForm1 form;
    form.show();
    auto* motd = child<QLineEdit>(&form, "edMotds");
    motd->selectAll();
    paste(motd, big);
    big.replace(QLatin1Char('"'), QLatin1Char('\''));
    QCOMPARE(motd->text(), big);

    const QStringList lines = finish(form);
    QVERIFY(lines.contains(QStringLiteral("set scr_motd \"") + big + QLatin1Char('"')));
    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    QCOMPARE(readFile(path("server.cfg")), TestFiles::savedBytes(lines));
}

// 5 MB of lines pasted over the generated text.
void LargeInputTest::megabytesPastedIntoTheMemo() {
    QStringList lines;
    qsizetype size = 0;
    for (const QString& line : manyLines(400000)) {
        lines.append(line);
        size += line.size() + 1;
        if (size > 5 * 1024 * 1024)
            break;
    }
    TForm1 form;
    form.show();
    finish(form);
    auto* memo = child<QPlainTextEdit>(&form, "editor");
    memo->selectAll();
    paste(memo, lines.join(QLatin1Char('\n')));
    QCOMPARE(memo->blockCount(), lines.size());

    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    QCOMPARE(readFile(path("server.cfg")), TestFiles::savedBytes(lines));
}

void LargeInputTest::manyLinesSavedByteForByte() {
    const QStringList lines = manyLines(200000);
    TForm1 form;
    form.show();
    finish(form);
    child<QPlainTextEdit>(&form, "editor")->setPlainText(lines.join(QLatin1Char('\n')));
    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    QCOMPARE(readFile(path("server.cfg")), TestFiles::savedBytes(lines));
    // Saved again over itself: the same bytes.
    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    QCOMPARE(readFile(path("server.cfg")), TestFiles::savedBytes(lines));
}

void LargeInputTest::charactersACfgCannotStore_data() {
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QString>("character");
    QTest::newRow("a letter outside the code page")
        << QStringLiteral("Ω") << QStringLiteral("\"Ω\" (U+03A9 GREEK CAPITAL LETTER OMEGA)");
    QTest::newRow("outside the basic plane")
        << QStringLiteral("\U0001F600") << QStringLiteral("\"\U0001F600\" (U+1F600 GRINNING FACE)");
    QTest::newRow("a lone high surrogate at the end")
        << QString(QChar(0xD83D)) << QStringLiteral("U+D83D");
    QTest::newRow("a lone low surrogate")
        << QString(QChar(0xDE00)) + QStringLiteral("x") << QStringLiteral("U+DE00");
}

// At the end of 5 MB of memo: the error box names the last line, soon, and the old file stays.
void LargeInputTest::charactersACfgCannotStore() {
    QFETCH(QString, tail);
    QFETCH(QString, character);
    QStringList lines = manyLines(150000);
    lines.last() += tail;
    TForm1 form;
    form.show();
    finish(form);
    child<QPlainTextEdit>(&form, "editor")->setPlainText(lines.join(QLatin1Char('\n')));
    writeFile(path("server.cfg"), "old contents");
    QElapsedTimer clock;
    clock.start();
    const MessageSeen seen = saveThroughDialog(form, path("server.cfg"));
    QVERIFY(seen.seen);
    QVERIFY2(clock.elapsed() < 20000, "finding the character took too long");
    QCOMPARE(seen.icon, int(QMessageBox::Critical));
    QCOMPARE(seen.text, QStringLiteral("Line %1: the character %2 cannot be stored in a "
                                       "Windows-1252 file.")
                            .arg(lines.size())
                            .arg(character));
    QCOMPARE(readFile(path("server.cfg")), QByteArray("old contents"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"server.cfg"});
}

// 1,000 presses on the real buttons, the event loop between them as between presses by hand: the
// text is every token in order, written and saved whole.
void LargeInputTest::thousandRotationPresses() {
    TForm1 form;
    form.show();
    child<QTabWidget>(&form, "PageControl1")->setCurrentWidget(child<QWidget>(&form, "TabSheet6"));
    auto* rotation = child<TLMDEdit>(&form, "edRotation");
    QList<QAbstractButton*> buttons;
    QStringList tokens;
    for (int n = 1; n <= 22; ++n) {
        buttons.append(
            child<QAbstractButton>(&form, qPrintable(QStringLiteral("LMDTextButton%1").arg(n))));
        const qsizetype before = rotation->text().size();
        QTest::mouseClick(buttons.last(), Qt::LeftButton);
        tokens.append(rotation->text().mid(before));
        QVERIFY(!tokens.last().isEmpty());
    }
    rotation->SetText(QString());

    QString expected;
    for (int i = 0; i < 1000; ++i) {
        QTest::mouseClick(buttons[i % buttons.size()], Qt::LeftButton);
        QCoreApplication::processEvents();
        expected += tokens[i % tokens.size()];
    }
    QCOMPARE(rotation->text(), expected);
    QCOMPARE(rotation->cursorPosition(), 0);

    const QStringList lines = finish(form);
    QVERIFY(lines.contains(QStringLiteral("set sv_mapRotation \"") + expected + QLatin1Char('"')));
    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    QCOMPARE(readFile(path("server.cfg")), TestFiles::savedBytes(lines));
}

QTEST_MAIN(LargeInputTest)
#include "tst_largeinput.moc"
