// The window tells the user whenever the server would read the file otherwise than the window and
// the memo show: the rotation's length as it grows, a mark inside an edit that breaks a rule, the
// list of problems after "Finish!" and the question before saving them.
#include "controls/TLMDEdit.h"
#include "support/TestSupport.h"
#include "window/EditorPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

using namespace TestSupport;

namespace {

// The warning mark inside the edit of a row, and the button that shows it.
QAction* warning(QLineEdit* edit) {
    return edit->findChild<QAction*>(QStringLiteral("warning"));
}

QLineEdit* field(const TForm1& form, const char* name) {
    if (auto* box = form.findChild<QComboBox*>(QLatin1String(name)))
        return box->lineEdit();
    return child<QLineEdit>(&form, name);
}

QStringList problemList(const TForm1& form) {
    QStringList items;
    const auto* list = child<QListWidget>(&form, "lstProblems");
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

const QString kEmptyNumber = QStringLiteral("the server reads an empty value as 0.");

} // namespace

class ServerReadingTest : public QObject {
    Q_OBJECT
private slots:
    void rotationPressesTellItsLength();
    void marksShowWhereAValueBreaksARule_data();
    void marksShowWhereAValueBreaksARule();
    void problemsAfterFinishFollowTheMemo();
    void saveAsksAboutProblems_data();
    void saveAsksAboutProblems();
};

void ServerReadingTest::rotationPressesTellItsLength() {
    TForm1 form;
    form.show();
    child<QTabWidget>(&form, "PageControl1")->setCurrentWidget(child<QWidget>(&form, "TabSheet6"));
    auto* bocage = child<QAbstractButton>(&form, "LMDTextButton7"); // "map mp_bocage ", 14
    QTest::mouseClick(bocage, Qt::LeftButton);
    QCOMPARE(form.statusBar()->currentMessage(),
             QStringLiteral("Rotation: 14 of 1,003 characters"));
    for (int i = 1; i < 71; ++i)
        bocage->click();
    QCOMPARE(form.statusBar()->currentMessage(),
             QStringLiteral("Rotation: 994 of 1,003 characters"));
    bocage->click();
    QCOMPARE(form.statusBar()->currentMessage(),
             QStringLiteral("Rotation: 1,008 of 1,003 characters: the server would cut it."));
    QVERIFY(warning(child<TLMDEdit>(&form, "edRotation"))->isVisible());
}

void ServerReadingTest::marksShowWhereAValueBreaksARule_data() {
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("included");
    QTest::addColumn<QString>("says"); // empty: no mark
    QTest::newRow("a good name") << QByteArray("edServernames") << QStringLiteral("My server")
                                 << true << QString();
    QTest::newRow("a name with a semicolon")
        << QByteArray("edServernames") << QStringLiteral("Fast; friendly") << true
        << QStringLiteral("The server leaves a value holding \\ or ; out of the server info "
                          "that server lists show.");
    QTest::newRow("a contact with a backslash")
        << QByteArray("edAdmin1s") << QStringLiteral("ann\\bob") << true
        << QStringLiteral("The server leaves a value holding \\ or ; out of the server info "
                          "that server lists show.");
    QTest::newRow("the location, set by the program with a quote")
        << QByteArray("lbLocation") << QStringLiteral("Chad \" Chile") << true
        << QStringLiteral("A double quote ends the value; the server reads \"Chad  Chile \" "
                          "instead.");
    QTest::newRow("a name in Cyrillic letters")
        << QByteArray("edServernames") << QStringLiteral("\u0421\u0435\u0440\u0432\u0435\u0440")
        << true
        << QStringLiteral("The character \"\u0421\" (U+0421 CYRILLIC CAPITAL LETTER ES) and 5 "
                          "more on this line cannot be stored in a Windows-1252 file.");
    QTest::newRow("a name that runs a command")
        << QByteArray("edServernames") << QStringLiteral("x\"; quit; set a \"b") << true
        << QStringLiteral("A double quote ends the value; the server runs the rest as commands.");
    // Left empty, a number writes no line: the server keeps its own value.
    QTest::newRow("max players empty")
        << QByteArray("edMaxplayerss") << QString() << true << QString();
    QTest::newRow("max players in words")
        << QByteArray("edMaxplayerss") << QStringLiteral("twenty") << true
        << QStringLiteral("The server reads \"twenty\" as 0.");
    QTest::newRow("max players 20")
        << QByteArray("edMaxplayerss") << QStringLiteral("20") << true << QString();
    QTest::newRow("left out, no mark")
        << QByteArray("edMaxplayerss") << QStringLiteral("twenty") << false << QString();
    QTest::newRow("a log file name of 256")
        << QByteArray("edLogs") << QString(256, QLatin1Char('l')) << true
        << QStringLiteral("The value is 256 characters long; at 256 or more the server cannot "
                          "load the map.");
    QTest::newRow("a rotation too long for its line")
        << QByteArray("edRotation") << QString(1004, QLatin1Char('r')) << true
        << QStringLiteral("The line is 1,025 bytes long; the server cuts it after 1,023 and runs "
                          "the rest as a command.");
    QTest::newRow("the longest rotation that is read whole")
        << QByteArray("edRotation") << QString(1003, QLatin1Char('r')) << true << QString();
}

// The mark shows while the row is included and its line breaks a rule; hovering it shows in the
// status bar what the server will do.
void ServerReadingTest::marksShowWhereAValueBreaksARule() {
    QFETCH(QByteArray, edit);
    QFETCH(QString, text);
    QFETCH(bool, included);
    QFETCH(QString, says);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QLineEdit* line = field(form, edit.constData());
    QWidget* row = line->parentWidget();
    if (auto* box = qobject_cast<QComboBox*>(row))
        row = box->parentWidget();
    child<QTabWidget>(&form, "PageControl1")->setCurrentWidget(row);
    // Every row here is included by the box on its left; the rotation by the box under it.
    const char* includeName = edit == "edRotation"   ? "chkMpr"
                              : edit == "lbLocation" ? "chkLocation"
                                                     : nullptr;
    QCheckBox* include = nullptr;
    if (includeName)
        include = child<QCheckBox>(&form, includeName);
    for (QCheckBox* box : row->findChildren<QCheckBox*>())
        if (!include && box->accessibleName() == line->accessibleName())
            include = box;
    QVERIFY(include);
    include->setChecked(included);
    line->setText(text);

    // An edit that has nothing to warn of has no mark, or a hidden one.
    QAction* mark = warning(line);
    QCOMPARE(mark && mark->isVisible(), !says.isEmpty());
    if (says.isEmpty())
        return;
    QCOMPARE(mark->statusTip(), says);
    QToolButton* button = nullptr;
    for (QObject* object : mark->associatedObjects())
        if (auto* b = qobject_cast<QToolButton*>(object))
            button = b;
    QVERIFY(button && button->isVisible());
    QVERIFY(button->toolTip().isEmpty());
    QTest::mouseMove(&form, QPoint(1, 1));
    form.statusBar()->clearMessage();
    QTest::mouseMove(button, button->rect().center());
    QTRY_COMPARE(form.statusBar()->currentMessage(), says);
}

// After "Finish!" the editor lists what the server would read otherwise, one item a problem; the
// list follows the user's edits, and an item takes the memo's caret to its line.
void ServerReadingTest::problemsAfterFinishFollowTheMemo() {
    TForm1 form;
    form.show();
    auto* list = child<QListWidget>(&form, "lstProblems");
    auto* memo = child<QPlainTextEdit>(&form, "editor");
    finish(form);
    // The first text of a new document has none.
    QVERIFY(problemList(form).isEmpty());
    QVERIFY(!list->isVisible());
    // Empty numbers typed into the text are.
    QTextCursor(memo->document()->findBlockByNumber(9))
        .insertText(QStringLiteral("set sv_privateclients \"\"\nset sv_maxclients \"\"\n"));
    QTRY_COMPARE(problemList(form),
                 (QStringList{QStringLiteral("Line 10 (sv_privateclients): ") + kEmptyNumber,
                              QStringLiteral("Line 11 (sv_maxclients): ") + kEmptyNumber}));
    QVERIFY(list->isVisible());
    const int shortMemo = memo->height();

    list->setCurrentRow(1);
    QCOMPARE(memo->textCursor().blockNumber(), 10);

    // The user mends one line and breaks another; the list follows within a frame.
    QTextCursor cursor(memo->document()->findBlockByNumber(10));
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor.insertText(QStringLiteral("\nset sv_maxclients \"20\""));
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\nset sv_hostname \"My \"Best\" \u0421erver\""));
    QTRY_COMPARE(problemList(form),
                 (QStringList{QStringLiteral("Line 10 (sv_privateclients): ") + kEmptyNumber,
                              QStringLiteral("Line 98 (sv_hostname): the character \"\u0421\" "
                                             "(U+0421 CYRILLIC CAPITAL LETTER ES) cannot be "
                                             "stored in a Windows-1252 file."),
                              QStringLiteral("Line 98 (sv_hostname): a double quote ends the "
                                             "value; the server reads \"My  Best  \u0421erver\" "
                                             "instead.")}));
    // A UTF-8 file stores every character.
    FileFormat utf8;
    utf8.encoding = FileFormat::Encoding::Utf8;
    form.findChild<EditorPage*>()->setFormat(utf8);
    QTRY_COMPARE(problemList(form).size(), 2);
    QVERIFY(!problemList(form).join(QLatin1Char('\n')).contains(QLatin1String("stored")));

    // With no problem left the page is as it always was.
    {
        const ModalHandler discard([](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box)
                box->button(QMessageBox::Discard)->click();
            return box != nullptr;
        });
        click(form, "btnClear");
    }
    setText(form, "edMaxplayerss", QStringLiteral("20"));
    setText(form, "edPvtps", QStringLiteral("0"));
    finish(form);
    QVERIFY(problemList(form).isEmpty());
    QVERIFY(!list->isVisible());
    QVERIFY(memo->height() > shortMemo);
}

void ServerReadingTest::saveAsksAboutProblems_data() {
    QTest::addColumn<bool>("anyway");
    QTest::newRow("Save anyway") << true;
    QTest::newRow("Cancel") << false;
}

// One question, with a standard warning box, listing up to ten problems and how many more.
void ServerReadingTest::saveAsksAboutProblems() {
    QFETCH(bool, anyway);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("server.cfg"));
    TForm1 form;
    form.show();
    finish(form);
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines.append(QStringLiteral("set sv_fps \"%1x\"").arg(i));
    child<QPlainTextEdit>(&form, "editor")->setPlainText(lines.join(QLatin1Char('\n')));

    QString title;
    QString text;
    int icon = 0;
    int asked = 0;
    const ModalHandler question([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box)
            return false;
        ++asked;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == (anyway ? QLatin1String("Save anyway") : QLatin1String("Cancel")))
                button->click();
        return true;
    });
    {
        const ModalHandler dialog = answerSaveDialog(path);
        click(form, "btnSave");
    }
    QCOMPARE(asked, 1);
    QCOMPARE(title, QStringLiteral("Ledgerwick 1.1"));
    QCOMPARE(icon, int(QMessageBox::Warning));
    QVERIFY2(text.contains(QStringLiteral("Line 1 (sv_fps): the server reads \"0x\" as 0.")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Line 10 (sv_fps)")), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("Line 11 (sv_fps)")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("and 2 more.")), qPrintable(text));
    QCOMPARE(QFile::exists(path), anyway);
}

QTEST_MAIN(ServerReadingTest)
#include "tst_serverreading.moc"
