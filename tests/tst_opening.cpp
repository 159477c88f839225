// Opening an admin's own .cfg: its values on the pages, the file itself written back with only the
// user's changes; bad files refused with nothing changed; and typed work never dropped without
// asking.
#include "config/CfgFile.h"
#include "pages/SettingsPage.h"
#include "support/HandKeptFiles.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace TestSupport;

namespace {

QString text(const TForm1& form, const char* name) {
    if (auto* box = form.findChild<QComboBox*>(QLatin1String(name)))
        return box->currentText();
    return child<QLineEdit>(&form, name)->text();
}

bool checked(const TForm1& form, const char* name) {
    return child<QAbstractButton>(&form, name)->isChecked();
}

QString customLines(const TForm1& form) {
    return child<QPlainTextEdit>(&form, "memCustom")->toPlainText();
}

// Answers the next message box with the button `answer` (or Escape), noting that it came.
ModalHandler answerBox(QMessageBox::StandardButton answer, int* asked) {
    return ModalHandler([answer, asked](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box)
            return false;
        ++*asked;
        if (answer == QMessageBox::Escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(answer)->click();
        return true;
    });
}

// Where a row shows another value than the server holds once it has run the file (each
// variable's last command, the rest of a cut line among them; a line without "set" only for the
// server's own variables), or one the file does not set.
QString rowsOtherThanTheServer(const TForm1& form, const QByteArray& bytes) {
    FileFormat format;
    const QString text = CfgFile::decode(bytes, &format);
    QHash<QString, QString> server;
    for (const ServerScript::Command& command : ServerScript::read(text, format).commands)
        if (const auto set = ServerScript::assignment(command);
            set &&
            (set->verb != ServerScript::Verb::Bare || ServerScript::registeredAtStart(set->name)))
            server.insert(set->name.toLower(), set->value);
    QStringList wrong;
    for (const SettingsPage* page : form.findChildren<SettingsPage*>())
        for (const RowControls& row : page->rows()) {
            const QString name = QString::fromLatin1(row.row->variable).toLower();
            const QString shown = row.isIncluded() ? row.value() : QStringLiteral("nothing");
            if (row.row->form != LineForm::Contact && // their keys are numbered
                (server.contains(name) ? shown != server[name] : row.include && row.isIncluded()))
                wrong.append(name + " shows " + shown + ", the server holds " + server[name]);
        }
    return wrong.join(QLatin1String("; "));
}

} // namespace

class OpeningTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void handKeptFilesComeBackByteForByte_data();
    void handKeptFilesComeBackByteForByte();
    void oneChangeIsOneEdit_data();
    void oneChangeIsOneEdit();
    void aValueNoChoiceWritesStaysTheFiles();
    void everyDocumentStartsFresh();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void unsavedEditsAreAskedAbout_data();
    void unsavedEditsAreAskedAbout();
    void undoBeginsAtTheGeneratedText();
    void doubleClickOnFinishKeepsTheText();
    void openDialogRecentFilesAndDrop();

private:
    TestFiles::FreshFolder m_folder;
    QString path(const char* name) const { return m_folder.file(name); }
};

void OpeningTest::init() {
    m_folder.renew();
    QSettings(QStringLiteral("Kestrane"), QStringLiteral("Ledgerwick")).clear();
}

void OpeningTest::handKeptFilesComeBackByteForByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    for (const HandKept& file : kHandKept)
        QTest::newRow(file.name) << file.bytes;
}

// Opened, the pages show what the server ends with; finished and saved without a change, a file is
// what it was, byte for byte; its own lines stay where they stand, and the custom lines box holds
// none of them.
void OpeningTest::handKeptFilesComeBackByteForByte() {
    QFETCH(QByteArray, bytes);
    writeFile(path("server.cfg"), bytes);
    TForm1 form;
    form.show();
    setText(form, "edServernames", QStringLiteral("Another document")); // asked about below
    {
        int asked = 0;
        const ModalHandler discard = answerBox(QMessageBox::Discard, &asked);
        QVERIFY(form.openFile(path("server.cfg")));
        QCOMPARE(asked, 1);
    }
    QVERIFY(customLines(form).isEmpty());
    const QString wrong = rowsOtherThanTheServer(form, bytes);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QVERIFY(!child<QWidget>(&form, "chkNewSlashes")->isEnabled());
    static const QRegularExpression said(
        R"(^server\.cfg: \d+ settings? on the pages, \d+ other lines? kept in place\.$)");
    QVERIFY2(said.match(form.statusBar()->currentMessage()).hasMatch(),
             qPrintable(form.statusBar()->currentMessage()));
    QCOMPARE(form.windowHandle()->title(),
             QStringLiteral("server.cfg - Brantholm - Ledgerwick 1.1"));
    finish(form);
    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    QCOMPARE(readFile(path("server.cfg")), bytes);
    // Saved, the file is opened anew: "Finish!" once more changes nothing.
    click(form, "btnClear");
    finish(form);
    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    QCOMPARE(readFile(path("server.cfg")), bytes);
}

void OpeningTest::oneChangeIsOneEdit_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray head = "exec base_defaults.cfg\n// Names\n";
    const QByteArray name = "seta sv_hostname \"Old\"   // shown in lists\n";
    const QByteArray players = "set sv_maxclients \"24\"; set sv_privateclients \"2\"\n";
    const QByteArray log = "\tset g_log \"games.log\"\n";
    const QByteArray tail = "map mp_harbor\n";
    const QByteArray file = head + name + players + log + tail;
    QTest::newRow("a value typed")
        << file << "type New into edServernames"
        << head + "seta sv_hostname \"New\"   // shown in lists\n" + players + log + tail;
    QTest::newRow("the first of a line left out")
        << file << "untick chkMaxplayers"
        << head + name + "set sv_privateclients \"2\"\n" + log + tail;
    QTest::newRow("the last of a line left out")
        << file << "untick chkPvtp" << head + name + "set sv_maxclients \"24\"\n" + log + tail;
    QTest::newRow("a number emptied") << file << "empty edMaxplayerss"
                                      << head + name + "set sv_privateclients \"2\"\n" + log + tail;
    QTest::newRow("a line of its own left out")
        << file << "untick chkLog" << head + name + players + tail;
    QTest::newRow("a row the file does not set")
        << file << "type Hi into edMotds"
        << head + name + "set scr_motd \"Hi\"\n" + players + log + tail;
    QTest::newRow("a vote changed")
        << file << "click chkKick"
        << head + name + players + log + "set g_allowVoteKick \"1\"\n" + tail;

    // Files kept by hand in shapes of their own.
    QTest::newRow("an empty number the file writes stays")
        << QByteArray("set sv_hostname \"A\"\r\nset sv_privateclients \"\"\r\n")
        << "type B into edServernames"
        << QByteArray("set sv_hostname \"B\"\r\nset sv_privateclients \"\"\r\n");
    QTest::newRow("letters the server takes for blanks go with the value")
        << QByteArray("set sv_hostname \xC9"
                      "clair Caf\xE9\r\n")
        << "type Bistro into edServernames" << QByteArray("set sv_hostname \"Bistro\"\r\n");
    QTest::newRow("a gametype no button writes")
        << QByteArray("set g_gametype \"dm\"\nset g_gametype \"ctf\"\n") << "click gt5"
        << QByteArray("set g_gametype \"dm\"\nset g_gametype \"sd\"\n");
    QTest::newRow("a value the server runs from the rest of a cut line")
        << kOldBlock << "type New into edServernames"
        << QByteArray(kOldBlock).replace("\"Old\"", "\"New\"");
    QTest::newRow("a value the server cuts, all of it")
        << "set sv_hostname \"" + QByteArray(1100, 'x') + "\" // long\n"
        << "type New into edServernames" << QByteArray("set sv_hostname \"New\" // long\n");
    QTest::newRow("a line without set that the server ignores")
        << QByteArray("sv_pure 0\ng_password \"old\"\n") << "type new into edSvpasss"
        << QByteArray("sv_pure 0\nset g_password \"new\"\ng_password \"old\"\n");
}

// One change in the window is one change in the file: the verb, the name as written, the rest of
// the line and every other line stay; the value changes where the server ends with it.
void OpeningTest::oneChangeIsOneEdit() {
    QFETCH(QByteArray, file);
    QFETCH(QString, change);
    QFETCH(QByteArray, expected);
    writeFile(path("server.cfg"), file);
    TForm1 form;
    form.show();
    QVERIFY(form.openFile(path("server.cfg")));
    QVERIFY(!form.isWindowModified());
    const QStringList words = change.split(QLatin1Char(' '));
    const QByteArray control = words.last().toLatin1();
    if (words[0] == QLatin1String("type")) {
        auto* edit = child<QLineEdit>(&form, control.constData());
        edit->selectAll();
        QTest::keyClicks(edit, words[1]);
    } else if (words[0] == QLatin1String("empty")) {
        child<QLineEdit>(&form, control.constData())->selectAll();
        QTest::keyClick(child<QLineEdit>(&form, control.constData()), Qt::Key_Delete);
    } else {
        child<QAbstractButton>(&form, control.constData())->click();
    }
    QVERIFY(form.isWindowModified());
    QCOMPARE(form.windowHandle()->title(),
             QStringLiteral("server.cfg* - Brantholm - Ledgerwick 1.1"));
    finish(form);
    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    QCOMPARE(readFile(path("server.cfg")), expected);
    QVERIFY(!form.isWindowModified());
}

// A value that no choice of its row writes (a mod's gametype, a vote of 7): the row says so and
// keeps it, and "Finish!" keeps its line; another choice rewrites the line, and the file's value
// can be chosen again.
void OpeningTest::aValueNoChoiceWritesStaysTheFiles() {
    writeFile(path("mod.cfg"), "set g_gametype \"ctf\"\nset g_allowVoteKick \"7\"\n");
    TForm1 form;
    form.show();
    QVERIFY(form.openFile(path("mod.cfg")));
    auto* ctf = child<QRadioButton>(&form, "Panel8FromFile");
    auto* kick = child<QCheckBox>(&form, "chkKick");
    QCOMPARE(ctf->text(), QStringLiteral("ctf (from the file)"));
    QVERIFY(ctf->isChecked() && !ctf->isHidden() && checked(form, "chkGametype"));
    QCOMPARE(kick->checkState(), Qt::PartiallyChecked);
    QCOMPARE(child<QLabel>(&form, "chkKickFromFile")->accessibleName(),
             QStringLiteral("7 (from the file)"));
    click(form, "gt5");
    kick->click(); // half checked, then checked
    QCOMPARE(finish(form), (QStringList{"set g_gametype \"sd\"", "set g_allowVoteKick \"1\""}));
    click(form, "btnClear");
    ctf->click();
    kick->click();
    kick->click(); // unchecked, then the file's again
    QCOMPARE(finish(form), (QStringList{"set g_gametype \"ctf\"", "set g_allowVoteKick \"7\""}));
}

// A new document and an opened one start from the rows' start values; a typed value includes its
// row, a value the program sets does not; a value edited in the saved text is the document's.
void OpeningTest::everyDocumentStartsFresh() {
    writeFile(path("a.cfg"), "set sv_hostname \"A\"\nsets .Admin \"Ann\"\nset sv_maxclients 8\n");
    writeFile(path("b.cfg"), "set sv_maxclients \"16\"\r\n");
    TForm1 form;
    form.show();
    QCOMPARE(form.windowHandle()->title(), QStringLiteral("Brantholm - Ledgerwick 1.1"));
    const QString startName = text(form, "edServernames");
    const bool startIncluded = checked(form, "chkSvname");

    QVERIFY(!checked(form, "chkAdmin1") && !checked(form, "chkAdmin2"));
    setText(form, "edAdmin1s", QStringLiteral("set, not typed"));
    QVERIFY(!checked(form, "chkAdmin1"));
    QTest::keyClicks(child<QLineEdit>(&form, "edAdmin2s"), QStringLiteral("typed"));
    QVERIFY(checked(form, "chkAdmin2"));
    QCOMPARE(form.windowHandle()->title(), QStringLiteral("Brantholm* - Ledgerwick 1.1"));

    {
        int asked = 0;
        const ModalHandler discard = answerBox(QMessageBox::Discard, &asked);
        QVERIFY(form.openFile(path("a.cfg")));
        QVERIFY(form.openFile(path("b.cfg")));
        QCOMPARE(asked, 1);
    }
    // Nothing of a.cfg or of the typed values is left in a row b.cfg does not set.
    QCOMPARE(text(form, "edServernames"), startName);
    QVERIFY(!checked(form, "chkSvname") && !checked(form, "chkAdmin1") &&
            !checked(form, "chkAdmin2") && !checked(form, "chkMotd"));
    QVERIFY(text(form, "edAdmin1s").isEmpty() && text(form, "edAdmin2s").isEmpty());
    QCOMPARE(text(form, "edMaxplayerss"), QStringLiteral("16"));

    // A value edited in the text and saved stays through the next "Finish!".
    auto* memo = child<QPlainTextEdit>(&form, "editor");
    finish(form);
    memo->selectAll();
    QTest::keyClicks(memo, QStringLiteral("set sv_maxclients \"20\""));
    QVERIFY(!saveThroughDialog(form, path("b.cfg")).seen);
    QCOMPARE(readFile(path("b.cfg")), QByteArray("set sv_maxclients \"20\"\r\n"));
    QCOMPARE(text(form, "edMaxplayerss"), QStringLiteral("20"));
    click(form, "btnClear");
    QCOMPARE(finish(form), QStringList{"set sv_maxclients \"20\""});

    // A file that cannot be read replaces nothing: no question before its error box.
    click(form, "btnClear");
    setText(form, "edMaxplayerss", QStringLiteral("30"));
    {
        const MessageCatcher catcher;
        QVERIFY(!form.openFile(path("missing.cfg")));
        QVERIFY(catcher.message.text.startsWith(QStringLiteral("Cannot open file")));
    }
    QCOMPARE(text(form, "edMaxplayerss"), QStringLiteral("30"));

    // File > New: every row at its start, no file, no layout.
    {
        int asked = 0;
        const ModalHandler discard = answerBox(QMessageBox::Discard, &asked);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(asked, 1);
    }
    QCOMPARE(form.windowHandle()->title(), QStringLiteral("Brantholm - Ledgerwick 1.1"));
    QCOMPARE(text(form, "edServernames"), startName);

    // A UTF-8 file stores every character: no mark for a Cyrillic name while it is open.
    writeFile(path("utf8.cfg"), "set sv_hostname \"Caf\xC3\xA9\"\n");
    auto* name = child<QLineEdit>(&form, "edServernames");
    auto marked = [name] {
        const auto* mark = name->findChild<QAction*>(QStringLiteral("warning"));
        return mark && mark->isVisible();
    };
    QVERIFY(form.openFile(path("utf8.cfg")));
    name->setText(QStringLiteral("\u0421\u0435\u0440\u0432\u0435\u0440"));
    QVERIFY(!marked());
    {
        int asked = 0;
        const ModalHandler discard = answerBox(QMessageBox::Discard, &asked);
        child<QAction>(&form, "New1")->trigger();
    }
    name->setText(QStringLiteral("\u0421\u0435\u0440\u0432\u0435\u0440"));
    QVERIFY(marked());
    QCOMPARE(checked(form, "chkSvname"), startIncluded);
    QVERIFY(child<QWidget>(&form, "chkNewSlashes")->isEnabled());
    QCOMPARE(finish(form).first(), kCommentLines.first());
}

void OpeningTest::badFilesChangeNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // what the file holds; empty: none is made
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << "missing.cfg" << QByteArray()
                             << QStringLiteral("No such file or directory.");
    QTest::newRow("a folder") << "folder.cfg" << QByteArray()
                              << QStringLiteral("It is not a regular file but a folder.");
    QTest::newRow("not text") << "binary.cfg" << QByteArray("set a 1\n\0\1\2", 11)
                              << QStringLiteral("It is not a text file: it holds NUL bytes.");
    QTest::newRow("too large") << "large.cfg" << QByteArray(1024 * 1024 + 1, 'x')
                               << QStringLiteral("It is larger than 1 MiB, far more than a .cfg "
                                                 "file holds.");
}

// The standard error box says which file and why; the pages, the memo and the custom lines are
// exactly as before.
void OpeningTest::badFilesChangeNothing() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    const QString file = m_folder->filePath(name);
    if (name == QLatin1String("folder.cfg"))
        QVERIFY(QDir().mkdir(file));
    else if (!bytes.isEmpty())
        writeFile(file, bytes);
    TForm1 form;
    form.show();
    setText(form, "edServernames", QStringLiteral("Mine"));
    child<QPlainTextEdit>(&form, "memCustom")->setPlainText(QStringLiteral("map mp_depot"));
    const QStringList lines = finish(form);

    const MessageCatcher catcher;
    QVERIFY(!form.openFile(file));
    QVERIFY(catcher.message.seen);
    QCOMPARE(catcher.message.title, QStringLiteral("Ledgerwick 1.1"));
    QCOMPARE(catcher.message.icon, int(QMessageBox::Critical));
    QCOMPARE(catcher.message.text, QStringLiteral("Cannot open file \"%1\". %2").arg(file, why));
    QCOMPARE(memoLines(form), lines);
    QCOMPARE(text(form, "edServernames"), QStringLiteral("Mine"));
    QCOMPARE(customLines(form), QStringLiteral("map mp_depot"));
}

void OpeningTest::unsavedEditsAreAskedAbout_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("path"); // what drops the document
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    const QList<std::pair<QString, int>> answers = {{"Save", QMessageBox::Save},
                                                    {"Discard", QMessageBox::Discard},
                                                    {"Cancel", QMessageBox::Cancel},
                                                    {"Escape", QMessageBox::Escape}};
    for (const QString change : {"text", "value", "include box", "custom line"})
        for (const QString way : {"close", "Exit", "New", "Open", "Clear Cfg"}) {
            // Clear Cfg drops the text only, and asks only about the text.
            if (way == QLatin1String("Clear Cfg") && change != QLatin1String("text"))
                continue;
            for (const auto& [name, answer] : answers)
                QTest::addRow("%s, %s, %s", qPrintable(change), qPrintable(way), qPrintable(name))
                    << change << way << answer
                    << (answer == QMessageBox::Save || answer == QMessageBox::Discard);
        }
}

// Save saves (generating the text first when none is shown) and goes on once it succeeded;
// Discard goes on; Cancel and Escape leave everything as it was. A generated text nobody edited
// is not asked about.
void OpeningTest::unsavedEditsAreAskedAbout() {
    QFETCH(QString, change);
    QFETCH(QString, path);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    writeFile(this->path("other.cfg"), "set sv_hostname \"Other\"\n");
    TForm1 form;
    form.show();
    auto* memo = child<QPlainTextEdit>(&form, "editor");
    auto drop = [&] {
        if (path == QLatin1String("close"))
            form.close();
        else if (path == QLatin1String("Exit"))
            child<QAction>(&form, "Exit1")->trigger();
        else if (path == QLatin1String("New"))
            child<QAction>(&form, "New1")->trigger();
        else if (path == QLatin1String("Clear Cfg"))
            click(form, "btnClear");
        else
            form.openFile(this->path("other.cfg"));
    };

    // Unedited: no question.
    finish(form);
    int asked = 0;
    {
        const ModalHandler none = answerBox(QMessageBox::Cancel, &asked);
        drop();
    }
    QCOMPARE(asked, 0);
    form.show();
    if (!child<QWidget>(&form, "btnClear")->isHidden())
        click(form, "btnClear");
    QVERIFY(!form.isWindowModified());

    if (change == QLatin1String("text")) {
        finish(form);
        memo->moveCursor(QTextCursor::End);
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("map mp_depot"));
    } else if (change == QLatin1String("value")) {
        QTest::keyClicks(child<QLineEdit>(&form, "edServernames"), QStringLiteral(" typed"));
    } else if (change == QLatin1String("include box")) {
        click(form, "chkAdmin1");
    } else {
        child<QPlainTextEdit>(&form, "memCustom")->setPlainText(QStringLiteral("map mp_depot"));
    }
    QVERIFY(form.isWindowModified());
    const QString edited = memo->toPlainText();
    {
        const ModalHandler question = answerBox(QMessageBox::StandardButton(answer), &asked);
        const ModalHandler dialog = answerSaveDialog(this->path("saved.cfg"));
        drop();
    }
    QCOMPARE(asked, 1);
    QCOMPARE(QFile::exists(this->path("saved.cfg")), answer == QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        const QByteArray mark = change == QLatin1String("value")         ? "typed"
                                : change == QLatin1String("include box") ? ".Admin"
                                                                         : "mp_depot";
        QVERIFY(readFile(this->path("saved.cfg")).contains(mark));
    }
    if (path == QLatin1String("close") || path == QLatin1String("Exit"))
        QCOMPARE(!form.isVisible(), goesOn);
    else if (goesOn)
        QVERIFY(memo->toPlainText().isEmpty());
    if (!goesOn) {
        QVERIFY(form.isVisible());
        QVERIFY(form.isWindowModified());
        QCOMPARE(memo->toPlainText(), edited);
    } else if (path == QLatin1String("New") || path == QLatin1String("Open")) {
        QVERIFY(!form.isWindowModified());
    }
}

// One Ctrl+Z right after "Finish!" leaves the text: it is where the memo's undo history begins.
// The text shows from its first line.
void OpeningTest::undoBeginsAtTheGeneratedText() {
    TForm1 form;
    form.show();
    auto* memo = child<QPlainTextEdit>(&form, "editor");
    const QStringList lines = finish(form);
    QCOMPARE(memo->cursorForPosition(QPoint(2, 2)).blockNumber(), 0); // the top line shown
    QCOMPARE(memo->textCursor().position(), 0);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(memoLines(form), lines);
    QTest::keyClicks(memo, QStringLiteral("x"));
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(memoLines(form), lines);
    QVERIFY(!memo->document()->isUndoAvailable());
}

// The second click of a double click on "Finish!" lands on "Clear Cfg", which appears in its
// place: it is ignored. The editor page says when a setting changes after "Finish!".
void OpeningTest::doubleClickOnFinishKeepsTheText() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* finishButton = child<QAbstractButton>(&form, "btnFinish");
    QTest::mouseMove(finishButton, finishButton->rect().center());
    QTest::mouseClick(finishButton, Qt::LeftButton);
    auto* clear = child<QAbstractButton>(&form, "btnClear");
    QTest::mouseDClick(clear, Qt::LeftButton);
    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(!memoLines(form).isEmpty());
    QVERIFY(clear->isVisible());

    auto* notice = child<QLabel>(&form, "lblSettingsChanged");
    QVERIFY(!notice->isVisible());
    setChecked(form, "chkPanzer", true);
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("Settings changed since Finish!: press Clear Cfg, then "
                                            "Finish! to take them in."));
    clear->click();
    QVERIFY(!notice->isVisible());
}

// File > Open through its dialog, File > Open Recent, a file dropped on the window; the dialogs
// start in the folder last used, the save dialog proposes the opened file.
void OpeningTest::openDialogRecentFilesAndDrop() {
    writeFile(path("a.cfg"), "set sv_hostname \"A\"\r\n");
    writeFile(path("b.cfg"), "set sv_hostname \"B\"\r\n");
    TForm1 form;
    form.show();
    QStringList filters;
    QString folder;
    {
        const ModalHandler dialog([&](QWidget* widget) {
            auto* open = qobject_cast<QFileDialog*>(widget);
            if (!open)
                return false;
            filters = open->nameFilters();
            typeFileName(open, path("a.cfg"));
            static_cast<QDialog*>(open)->accept();
            return true;
        });
        child<QAction>(&form, "Open1")->trigger();
    }
    QCOMPARE(filters, (QStringList{".cfg (*.cfg)", "All files (*)"}));
    QCOMPARE(text(form, "edServernames"), QStringLiteral("A"));
    QVERIFY(form.openFile(path("b.cfg")));

    auto* recent = child<QMenu>(&form, "OpenRecent1");
    QStringList listed;
    for (QAction* item : recent->actions())
        listed.append(item->text());
    QCOMPARE(listed, (QStringList{path("b.cfg"), path("a.cfg")}));
    recent->actions().at(1)->trigger();
    QCOMPARE(text(form, "edServernames"), QStringLiteral("A"));

    {
        const ModalHandler dialog([&](QWidget* widget) {
            auto* open = qobject_cast<QFileDialog*>(widget);
            if (!open)
                return false;
            folder = open->directory().absolutePath();
            static_cast<QDialog*>(open)->reject();
            return true;
        });
        child<QAction>(&form, "Open1")->trigger();
    }
    QCOMPARE(folder, m_folder->path());
    finish(form);
    QStringList proposed;
    {
        const ModalHandler dialog([&](QWidget* widget) {
            auto* save = qobject_cast<QFileDialog*>(widget);
            if (!save)
                return false;
            proposed = save->selectedFiles();
            static_cast<QDialog*>(save)->reject();
            return true;
        });
        const MessageCatcher anyway; // the empty number settings ask first
        click(form, "btnSave");
    }
    QCOMPARE(proposed, QStringList{path("a.cfg")});

    click(form, "btnClear");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("b.cfg"))});
    // As a drag from a file manager comes: it enters, moves, and drops.
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &move);
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &drop);
    QTRY_COMPARE(text(form, "edServernames"), QStringLiteral("B"));
}

QTEST_MAIN(OpeningTest)
#include "tst_opening.moc"
