// Saving from the window: the dialog, the text saved as the memo holds it, and a failure told in
// an error box. What a save does to the files is the document's (tst_documentsave).
#include "config/CfgFile.h"
#include "support/TestSupport.h"
#include "window/ChangeMarks.h"
#include "window/ChangesDialog.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

// What the save dialog proposes when it opens (it is then cancelled).
QStringList proposedFiles(TForm1& form) {
    QStringList proposed;
    const ModalHandler handler([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (!dialog)
            return false;
        proposed = dialog->selectedFiles();
        static_cast<QDialog*>(dialog)->reject();
        return true;
    });
    click(form, "btnSave");
    return proposed;
}

// "Finish!" with the two number settings that start empty filled in: a text the server reads as it
// shows, which saves without a question first.
QStringList finishClean(TForm1& form) {
    setText(form, "edMaxplayerss", QStringLiteral("20"));
    setText(form, "edPvtps", QStringLiteral("0"));
    return finish(form);
}

void setMemo(TForm1& form, const QString& text) {
    child<QPlainTextEdit>(&form, "editor")->setPlainText(text);
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void verifyError(const MessageSeen& seen, const QString& text) {
    QVERIFY2(seen.seen, "no error box");
    QCOMPARE(seen.title, QStringLiteral("Ledgerwick 1.1"));
    QCOMPARE(seen.icon, int(QMessageBox::Critical));
    QCOMPARE(seen.text, text);
}

} // namespace

class SaveTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void savesTheGeneratedText();
    void dialogSettings();
    void secondSaveProposesTheFirstPath();
    void cancelWritesNothing();
    void savesTheMemoAsEdited_data();
    void savesTheMemoAsEdited();
    void characterACfgCannotStore();
    void cannotCreate_data();
    void cannotCreate();
    void successIsTold();
    void showsWhatASaveChanges_data();
    void showsWhatASaveChanges();
    void vanishedFolderProposesTheNearestOne();

private:
    TestFiles::FreshFolder m_folder;
    QString path(const char* name) const { return m_folder.file(name); }
};

void SaveTest::init() {
    // Each test starts without a folder saved by an earlier one.
    QSettings(QStringLiteral("Kestrane"), QStringLiteral("Ledgerwick")).clear();
    m_folder.renew();
    ::umask(022);
}

void SaveTest::savesTheGeneratedText() {
    TForm1 form;
    form.show();
    const QStringList lines = finishClean(form);
    const MessageSeen seen = saveThroughDialog(form, path("server.cfg"));
    QVERIFY(!seen.seen);
    QCOMPARE(readFile(path("server.cfg")), TestFiles::savedBytes(lines));
    // Still generated: the text stays and can be saved again, also through the menu.
    QCOMPARE(memoLines(form), lines);
    QVERIFY(child<QWidget>(&form, "btnSave")->isEnabled());
    {
        const ModalHandler answer = answerSaveDialog(path("menu.cfg"));
        child<QAction>(&form, "Save1")->trigger();
    }
    QCOMPARE(readFile(path("menu.cfg")), TestFiles::savedBytes(lines));
    QFileInfo info(path("server.cfg"));
    QCOMPARE(int(info.permissions() & 0x7777),
             int(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                 QFile::ReadGroup | QFile::ReadOther));
    QCOMPARE(entries(m_folder->path()), (QStringList{"menu.cfg", "server.cfg"}));
}

void SaveTest::dialogSettings() {
    TForm1 form;
    form.show();
    finishClean(form);
    QString proposed;
    QStringList filters;
    QString suffix;
    bool save = false;
    bool noQuestion = false;
    const ModalHandler handler([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (!dialog)
            return false;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        proposed = name->text();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        save = dialog->acceptMode() == QFileDialog::AcceptSave;
        noQuestion = dialog->testOption(QFileDialog::DontConfirmOverwrite);
        // A name typed without an extension gets ".cfg".
        typeFileName(dialog, m_folder->filePath(QStringLiteral("plain")));
        static_cast<QDialog*>(dialog)->accept();
        return true;
    });
    click(form, "btnSave");
    QCOMPARE(proposed, QStringLiteral("servercfg"));
    QCOMPARE(filters, QStringList{QStringLiteral(".cfg (*.cfg)")});
    QCOMPARE(suffix, QStringLiteral("cfg"));
    QVERIFY(save);
    QVERIFY(noQuestion);
    QVERIFY(QFile::exists(path("plain.cfg")));
}

void SaveTest::secondSaveProposesTheFirstPath() {
    TForm1 form;
    form.show();
    finishClean(form);
    saveThroughDialog(form, path("first.cfg"));
    QCOMPARE(proposedFiles(form), QStringList{path("first.cfg")});
}

void SaveTest::cancelWritesNothing() {
    TForm1 form;
    form.show();
    const QStringList lines = finishClean(form);
    const ModalHandler cancel = answerSaveDialog(QString());
    click(form, "btnSave");
    QCOMPARE(entries(m_folder->path()), QStringList());
    QCOMPARE(memoLines(form), lines);
    QVERIFY(child<QWidget>(&form, "btnSave")->isEnabled());
    QVERIFY(child<QWidget>(&form, "btnClear")->isVisible());
}

void SaveTest::savesTheMemoAsEdited_data() {
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("typed lines") << QStringLiteral("set a \"1\"\nset b \"é\"")
                                 << QByteArray("set a \"1\"\r\nset b \"\xE9\"\r\n");
    QTest::newRow("a trailing line break is not doubled")
        << QStringLiteral("x\n") << QByteArray("x\r\n");
    QTest::newRow("emptied memo") << QString() << QByteArray();
    QTest::newRow("blank lines and blanks")
        << QStringLiteral(" \n\n\u00A0") << QByteArray(" \r\n\r\n\xA0\r\n");
}

void SaveTest::savesTheMemoAsEdited() {
    QFETCH(QString, memo);
    QFETCH(QByteArray, bytes);
    TForm1 form;
    form.show();
    finishClean(form);
    writeFile(path("edited.cfg"), "old contents");
    setMemo(form, memo);
    QVERIFY(!saveThroughDialog(form, path("edited.cfg")).seen);
    QCOMPARE(readFile(path("edited.cfg")), bytes);
}

void SaveTest::characterACfgCannotStore() {
    TForm1 form;
    form.show();
    finishClean(form);
    writeFile(path("kept.cfg"), "kept");
    setMemo(form, QStringLiteral("set a \"1\"\nset sv_hostname \"Ωmega and ж\""));
    verifyError(saveThroughDialog(form, path("kept.cfg")),
                QStringLiteral("Line 2: the character \"Ω\" (U+03A9 GREEK CAPITAL LETTER OMEGA) "
                               "cannot be stored in a Windows-1252 file."));
    QCOMPARE(readFile(path("kept.cfg")), QByteArray("kept"));
    QCOMPARE(entries(m_folder->path()), QStringList{"kept.cfg"});
}

void SaveTest::cannotCreate_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    // The next dialog proposes the failed attempt's name, in its folder when that exists.
    QTest::addColumn<QString>("proposed");
    QTest::newRow("missing folder") << QStringLiteral("missing/server.cfg")
                                    << QStringLiteral("No such file or directory") << "server.cfg";
    QTest::newRow("parent is a file")
        << QStringLiteral("file/server.cfg") << QStringLiteral("Not a directory") << "server.cfg";
    QTest::newRow("read-only file")
        << QStringLiteral("readonly.cfg") << QStringLiteral("Permission denied") << "readonly.cfg";
}

void SaveTest::cannotCreate() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QFETCH(QString, proposed);
    TForm1 form;
    form.show();
    finishClean(form);
    writeFile(path("file"), "a file");
    writeFile(path("readonly.cfg"), "read only");
    QVERIFY(QFile::setPermissions(path("readonly.cfg"), QFile::ReadOwner | QFile::ReadUser));
    const QString target = m_folder->filePath(name);
    verifyError(saveThroughDialog(form, target),
                QStringLiteral("Cannot create file \"%1\". %2.").arg(target, reason));
    QCOMPARE(readFile(path("readonly.cfg")), QByteArray("read only"));
    QCOMPARE(entries(m_folder->path()), (QStringList{"file", "readonly.cfg"}));
    QCOMPARE(proposedFiles(form), QStringList{m_folder->filePath(proposed)});
}

void SaveTest::successIsTold() {
    TForm1 form;
    form.show();
    finishClean(form);
    // 2,332 characters and the line break added at the end: 2,334 bytes.
    setMemo(form, QString(2332, QLatin1Char('x')));
    const MessageSeen seen = saveThroughDialog(form, path("server.cfg"));
    QVERIFY2(!seen.seen, qPrintable(seen.text));
    QCOMPARE(readFile(path("server.cfg")).size(), 2334);
    QCOMPARE(form.statusBar()->currentMessage(), QStringLiteral("Saved server.cfg (2,334 bytes)."));
    // The mouse passing over a control leaves it.
    QTest::mouseMove(child<QWidget>(&form, "btnClear"));
    QCOMPARE(form.statusBar()->currentMessage(), QStringLiteral("Saved server.cfg (2,334 bytes)."));
}

void SaveTest::showsWhatASaveChanges_data() {
    // `file` is opened first, unless empty; then `edits`: "control=value", or a line added to the
    // text after "Finish!". `marks` one character for each line of the text, `note` the status
    // bar then, `changes` what File > Changes... shows, `saved` the status bar after the save.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("saved");
    const QByteArray file = "seta sv_hostname \"Fox\"\r\nset sv_maxclients 16\r\nexec maps.cfg\r\n";
    QTest::newRow("opened, nothing changed")
        << file << QStringList() << "..."
        << "No lines differ from server.cfg as opened"
        << "Nothing would change: the text is the same as server.cfg as opened or last saved."
        << "Saved server.cfg (no lines changed).";
    QTest::newRow("opened, one setting changed")
        << file << QStringList{"edServernames=Wolf"} << "\u2022.."
        << "1 line differs from server.cfg as opened"
        << "--- server.cfg\n+++ server.cfg\n@@ -1,3 +1,3 @@\n-seta sv_hostname \"Fox\"\n"
           "+seta sv_hostname \"Wolf\"\n set sv_maxclients 16\n exec maps.cfg\n"
        << "Saved server.cfg (1 line changed).";
    QTest::newRow("opened, two settings changed, a line added")
        << file << QStringList{"edServernames=Wolf", "edMaxplayerss=24", "set g_motd \"Hi\""}
        << "\u2022\u2022.+"
        << "3 lines differ from server.cfg as opened"
        << "--- server.cfg\n+++ server.cfg\n@@ -1,3 +1,4 @@\n-seta sv_hostname \"Fox\"\n-set "
           "sv_maxclients 16\n+seta sv_hostname \"Wolf\"\n+set sv_maxclients \"24\"\n exec "
           "maps.cfg\n+set g_motd \"Hi\"\n"
        << "Saved server.cfg (3 lines changed).";
    QTest::newRow("new document") << QByteArray() << QStringList{"edMaxplayerss=20", "edPvtps=0"}
                                  << ""
                                  << ""
                                  << ""
                                  << "Saved server.cfg (%1 bytes).";
}

// Before a save, the editor marks the lines it would change and the status bar counts them; File
// > Changes... shows them as a unified diff; the save then says how many lines it changed.
void SaveTest::showsWhatASaveChanges() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, edits);
    QFETCH(QString, marks);
    QFETCH(QString, note);
    QFETCH(QString, changes);
    QFETCH(QString, saved);
    TForm1 form;
    form.show();
    writeFile(path("server.cfg"), file);
    QVERIFY(file.isEmpty() || form.openFile(path("server.cfg")));
    auto* editor = child<QPlainTextEdit>(&form, "editor");
    auto* changesItem = child<QAction>(&form, "Changes1");
    QVERIFY(!changesItem->isEnabled());
    for (const QString& edit : std::as_const(edits))
        if (edit.startsWith(u'e'))
            setText(form, qPrintable(edit.section(u'=', 0, 0)), edit.section(u'=', 1));
    finish(form);
    for (const QString& edit : std::as_const(edits))
        if (edit.startsWith(u's'))
            editor->appendPlainText(edit);
    auto* changeMarks = form.findChild<ChangeMarks*>();
    auto marked = [&] {
        QString marks;
        for (int line = 0; line < editor->blockCount() && changeMarks->count() >= 0; ++line)
            marks += changeMarks->markOf(line).isNull() ? QChar(u'.') : changeMarks->markOf(line);
        return marks;
    };
    QTRY_COMPARE(marked(), marks);
    const QString said = note.isEmpty() ? QStringLiteral("differ") : note;
    QTRY_COMPARE(form.statusBar()->currentMessage().contains(said), !note.isEmpty());
    QCOMPARE(changesItem->isEnabled(), !changes.isEmpty());
    QString shown;
    {
        const ModalHandler read(
            [&](QWidget* modal) {
                auto* dialog = qobject_cast<ChangesDialog*>(modal);
                if (!dialog)
                    return false;
                shown = dialog->edChanges->isVisible() ? dialog->edChanges->toPlainText()
                                                       : dialog->lblChanges->text();
                dialog->reject();
                return true;
            },
            kPersonsPace);
        changesItem->trigger();
    }
    QCOMPARE(shown, changes);

    QVERIFY(!saveThroughDialog(form, path("server.cfg")).seen);
    const QString bytes = QLocale(QLocale::English).toString(readFile(path("server.cfg")).size());
    QCOMPARE(form.statusBar()->currentMessage(), file.isEmpty() ? saved.arg(bytes) : saved);
    // What was saved is what the next save is held against.
    QVERIFY(changesItem->isEnabled() && changeMarks->count() <= 0);
}

// The folder of the last saved file is gone: the dialog proposes the nearest folder that is still
// there, never the lost path taken as relative to the working folder, even where that exists.
void SaveTest::vanishedFolderProposesTheNearestOne() {
    const QString gone = path("league/weekend");
    QVERIFY(QDir().mkpath(gone));
    TForm1 form;
    form.show();
    finishClean(form);
    QVERIFY(!saveThroughDialog(form, gone + QStringLiteral("/server.cfg")).seen);
    QVERIFY(QDir(gone).removeRecursively());
    QTemporaryDir working;
    QVERIFY(QDir(working.path()).mkpath(gone.mid(1)));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working.path()));

    QString folder;
    QString name;
    const ModalHandler handler([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (!dialog)
            return false;
        folder = dialog->directory().absolutePath();
        name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        static_cast<QDialog*>(dialog)->accept();
        return true;
    });
    click(form, "btnSave");
    QDir::setCurrent(before);
    QCOMPARE(folder, path("league"));
    QCOMPARE(name, QStringLiteral("server.cfg"));
    QCOMPARE(entries(path("league")), QStringList{"server.cfg"});
    QCOMPARE(entries(working.path() + gone), QStringList());
}

QTEST_MAIN(SaveTest)
#include "tst_save.moc"
