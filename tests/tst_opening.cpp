// Opening an admin's own .cfg: its values on the pages, its other lines kept as custom lines, bad
// files refused with nothing changed; and typed work never dropped without asking.
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
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

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

// A file as an admin keeps it: letter cases, seta, a line without set, several commands on a
// line, comments, unknown variables, a variable set twice, LF line ends, UTF-8.
const QByteArray kHandWritten = "// My server, tuned by hand\n"
                                "SET SV_HOSTNAME \"Old name\"\n"
                                "seta sv_hostname \"^1Brant holm\"\n"
                                "set sv_maxclients 24; set g_gametype \"sd\"\n"
                                "sets .Admin \"Ann\"\n"
                                "sets .Email1 \"ann@example.org\"\n"
                                "set sv_pure \"2\"\n"
                                "scr_hq_timelimit \"20\"\n"
                                "set scr_allow_bar 0\n"
                                "map mp_harbor\n"
                                "set sv_fps \"30\" // keep this note\n"
                                "exec other.cfg; set g_log \"x.log\"\n"
                                "/* a block\n"
                                "   comment */\n"
                                "sets .Location \"C\xC3\xB4te d'Ivoire \xE2\x82\xAC\"\n"
                                "set sv_mapRotation \"gametype dm map mp_bocage \"\n"
                                "set sv_wwwDownload \"1\"\n"
                                "set g_allowVoteKick 1\n"
                                "set sv_custom_thing \"42\"\n";

} // namespace

class OpeningTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void handWrittenFileLandsWhereItBelongs();
    void valuesNoControlHoldsStayAfterThePages();
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

void OpeningTest::handWrittenFileLandsWhereItBelongs() {
    writeFile(path("server.cfg"), kHandWritten);
    TForm1 form;
    form.show();
    finish(form);
    QVERIFY(form.openFile(path("server.cfg")));

    // The settings state, on the first page.
    QVERIFY(child<QWidget>(&form, "btnFinish")->isVisible());
    QVERIFY(child<QPlainTextEdit>(&form, "editor")->toPlainText().isEmpty());
    QCOMPARE(child<QTabWidget>(&form, "PageControl1")->currentWidget()->objectName(),
             QStringLiteral("tabMain"));
    QCOMPARE(form.statusBar()->currentMessage(),
             QStringLiteral("server.cfg: 12 settings on the pages, 9 custom lines."));

    // The last of a twice-set variable wins; values go to their controls and include their rows.
    QCOMPARE(text(form, "edServernames"), QStringLiteral("^1Brant holm"));
    QVERIFY(checked(form, "chkSvname"));
    QCOMPARE(text(form, "edMaxplayerss"), QStringLiteral("24"));
    QVERIFY(checked(form, "gt5") && checked(form, "chkGametype"));
    QCOMPARE(text(form, "edAdmin1s"), QStringLiteral("Ann"));
    QVERIFY(checked(form, "chkAdmin1") && !checked(form, "chkAdmin2"));
    QCOMPARE(text(form, "edHq2s"), QStringLiteral("20"));
    QCOMPARE(text(form, "edSvfpss"), QStringLiteral("30"));
    QCOMPARE(text(form, "edLogs"), QStringLiteral("x.log"));
    QCOMPARE(text(form, "lbLocation"), QString::fromUtf8("C\xC3\xB4te d'Ivoire \xE2\x82\xAC"));
    QCOMPARE(text(form, "edRotation"), QStringLiteral("gametype dm map mp_bocage "));
    QVERIFY(checked(form, "chkMpr"));
    QVERIFY(checked(form, "chkWWW") && checked(form, "chkWWWs"));
    QVERIFY(checked(form, "chkKick") && !checked(form, "chkBar"));
    // Rows the file does not mention are left out; boxes without include box keep their start.
    QVERIFY(!checked(form, "chkMotd") && !checked(form, "chkPure") && !checked(form, "chkIP"));
    QVERIFY(checked(form, "chkGarand") && !checked(form, "chkPanzer") && checked(form, "chkMap"));
    QVERIFY(!checked(form, "chkNewSlashes")); // the file holds no generated comment line

    // Everything else, verbatim and in file order, under a note of what changed.
    QCOMPARE(customLines(form),
             QStringLiteral("// Opened: set more than once, the last one is on the pages: "
                            "sv_hostname (2 times). now written with set: sv_hostname, "
                            "scr_hq_timelimit.\n"
                            "// My server, tuned by hand\n"
                            "sets .Email1 \"ann@example.org\"\n"
                            "set sv_pure \"2\"\n"
                            "map mp_harbor\n"
                            "// keep this note\n"
                            "exec other.cfg\n"
                            "/* a block\n"
                            "   comment */\n"
                            "set sv_custom_thing \"42\""));

    // "Finish!" writes the custom lines at the end, and opening that text gives the same text.
    const QStringList lines = finish(form);
    QCOMPARE(lines.mid(lines.size() - 10), customLines(form).split(QLatin1Char('\n')));
    QVERIFY(!saveThroughDialog(form, path("again.cfg")).seen);
    TForm1 second;
    QVERIFY(second.openFile(path("again.cfg")));
    QCOMPARE(finish(second), lines);
}

// A value no box or button writes stays as a custom line after the page's own line, which an
// earlier holdable setting of it keeps; opened, finished and saved again, the file stays the same.
void OpeningTest::valuesNoControlHoldsStayAfterThePages() {
    writeFile(path("odd.cfg"), "set sv_pure \"1\"\nset scr_allow_fg42 \"x\"\nset sv_pure \"2\"\n");
    TForm1 form;
    QVERIFY(form.openFile(path("odd.cfg")));
    QVERIFY(checked(form, "chkPure") && checked(form, "rbPure1"));
    QVERIFY(!checked(form, "chkFg"));
    QCOMPARE(customLines(form), QStringLiteral("set scr_allow_fg42 \"x\"\nset sv_pure \"2\""));
    const QStringList lines = finish(form);
    QVERIFY(!saveThroughDialog(form, path("again.cfg")).seen);
    for (int round = 0; round < 2; ++round) {
        TForm1 again;
        QVERIFY(again.openFile(path("again.cfg")));
        QCOMPARE(finish(again), lines);
        QVERIFY(!saveThroughDialog(again, path("again.cfg")).seen);
    }
}

void OpeningTest::badFilesChangeNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // what the file holds; empty: none is made
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << "missing.cfg" << QByteArray()
                             << QStringLiteral("No such file or directory.");
    QTest::newRow("a folder") << "folder.cfg" << QByteArray() << QStringLiteral("Is a directory.");
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
    QTest::addColumn<QString>("path"); // what drops the text
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    const QList<std::pair<QString, int>> answers = {{"Save", QMessageBox::Save},
                                                    {"Discard", QMessageBox::Discard},
                                                    {"Cancel", QMessageBox::Cancel},
                                                    {"Escape", QMessageBox::Escape}};
    for (const QString& way : {QStringLiteral("close"), QStringLiteral("Exit"),
                               QStringLiteral("Clear Cfg"), QStringLiteral("Open")})
        for (const auto& [name, answer] : answers)
            QTest::addRow("%s, %s", qPrintable(way), qPrintable(name))
                << way << answer << (answer == QMessageBox::Save || answer == QMessageBox::Discard);
}

// Save runs the normal save and goes on once it succeeded; Discard goes on; Cancel and Escape
// leave everything as it was. A generated text nobody edited is not asked about.
void OpeningTest::unsavedEditsAreAskedAbout() {
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
        else if (path == QLatin1String("Clear Cfg"))
            click(form, "btnClear");
        else
            form.openFile(this->path("other.cfg"));
    };
    auto dropped = [&] {
        if (path == QLatin1String("close") || path == QLatin1String("Exit"))
            return !form.isVisible();
        // Opening, too, leaves the text empty.
        return memo->toPlainText().isEmpty();
    };

    // Unedited: no question.
    finish(form);
    int asked = 0;
    {
        const ModalHandler none = answerBox(QMessageBox::Cancel, &asked);
        drop();
    }
    QCOMPARE(asked, 0);
    QVERIFY(dropped());

    form.show();
    if (!child<QWidget>(&form, "btnFinish")->isHidden())
        finish(form);
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("map mp_depot"));
    const QString edited = memo->toPlainText();
    {
        const ModalHandler question = answerBox(QMessageBox::StandardButton(answer), &asked);
        const ModalHandler dialog = answerSaveDialog(this->path("saved.cfg"));
        drop();
    }
    QCOMPARE(asked, 1);
    QCOMPARE(QFile::exists(this->path("saved.cfg")), answer == QMessageBox::Save);
    QCOMPARE(dropped(), goesOn);
    if (!goesOn) {
        QVERIFY(form.isVisible());
        QCOMPARE(memo->toPlainText(), edited);
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
