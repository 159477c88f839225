// Finish, edit and Clear: the three workflow states and the moves between them.
#include "support/TestSupport.h"
#include "window/PageControl.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace TestSupport;

namespace {

QStringList comments(const QStringList& lines) {
    return lines.filter(QRegularExpression(QStringLiteral("^//")));
}

enum class State { Initial, Generated, Cleared };

// Compares every control that tells the workflow state.
void verifyState(const TForm1& form, State state) {
    const bool generated = state == State::Generated;
    auto* pages = child<PageControl>(&form, "PageControl1");
    QCOMPARE(pages->isTabShown(child<QWidget>(&form, "tabEditor")), generated);
    QCOMPARE(pages->currentWidget(), child<QWidget>(&form, generated ? "tabEditor" : "tabMain"));
    auto* finish = child<QWidget>(&form, "btnFinish");
    QCOMPARE(finish->isVisible(), !generated);
    QCOMPARE(finish->isEnabled(), !generated);
    auto* clear = child<QWidget>(&form, "btnClear");
    QCOMPARE(clear->isVisible(), generated);
    QVERIFY(clear->isEnabled());
    auto* save = child<QWidget>(&form, "btnSave");
    QCOMPARE(save->isVisible(), state != State::Initial);
    QCOMPARE(save->isEnabled(), generated);
    QCOMPARE(child<QAction>(&form, "Save1")->isEnabled(), generated);
    QCOMPARE(child<QWidget>(&form, "chkNewSlashes")->isEnabled(), !generated);
    QCOMPARE(child<QPlainTextEdit>(&form, "editor")->toPlainText().isEmpty(), !generated);
}

} // namespace

class WorkflowTest : public QObject {
    Q_OBJECT
private slots:
    void initialFinishClearFinish();
    void finishWritesTheDocumentStructure();
    void slashesFollowTheBoxAfterClear();
    void settingsReachTheTextOnlyThroughClearAndFinish();
    void theMemoIsTheUsersToEdit();
};

void WorkflowTest::initialFinishClearFinish() {
    TForm1 form;
    form.show();
    verifyState(form, State::Initial);
    click(form, "btnFinish");
    verifyState(form, State::Generated);
    QVERIFY(child<QAbstractButton>(&form, "chkNewSlashes")->isChecked());
    click(form, "btnClear");
    verifyState(form, State::Cleared);
    click(form, "btnFinish");
    verifyState(form, State::Generated);
}

void WorkflowTest::finishWritesTheDocumentStructure() {
    TForm1 form;
    const QStringList lines = finish(form);
    QCOMPARE(lines.first(), QStringLiteral("//Server Information"));
    QCOMPARE(comments(lines), kCommentLines);
    QVERIFY(!lines.last().startsWith(QLatin1String("//")) || lines.last() == "//Weapons");
}

void WorkflowTest::slashesFollowTheBoxAfterClear() {
    TForm1 form;
    form.show();
    finish(form);
    auto* slashes = child<QAbstractButton>(&form, "chkNewSlashes");
    QTest::mouseClick(slashes, Qt::LeftButton); // greyed: the click changes nothing
    QVERIFY(slashes->isChecked());
    click(form, "btnClear");
    QTest::mouseClick(slashes, Qt::LeftButton);
    QVERIFY(!slashes->isChecked());
    QCOMPARE(comments(finish(form)), QStringList());
    QVERIFY(!slashes->isChecked() && !slashes->isEnabled());
}

void WorkflowTest::settingsReachTheTextOnlyThroughClearAndFinish() {
    TForm1 form;
    form.show();
    const QStringList first = finish(form);
    QVERIFY(first.contains(QStringLiteral("set g_log \"games_mp.log\"")));
    setText(form, "edLogs", QStringLiteral("other.log"));
    QCOMPARE(memoLines(form), first);
    click(form, "btnClear");
    QCOMPARE(child<QLineEdit>(&form, "edLogs")->text(), QStringLiteral("other.log"));
    const QStringList second = finish(form);
    QVERIFY(second.contains(QStringLiteral("set g_log \"other.log\"")));
    QVERIFY(!second.contains(QStringLiteral("set g_log \"games_mp.log\"")));
}

void WorkflowTest::theMemoIsTheUsersToEdit() {
    TForm1 form;
    form.show();
    finish(form);
    auto* memo = child<QPlainTextEdit>(&form, "editor");
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(memo->tabChangesFocus());

    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("set sv_pure \"0\""));
    QCOMPARE(memoLines(form).last(), QStringLiteral("set sv_pure \"0\""));
    // A long line wraps on screen only.
    QTest::keyClicks(memo, QString(400, QLatin1Char('x')));
    QVERIFY(!memo->toPlainText().contains(QLatin1String("x\nx")));
    QVERIFY(memo->document()->lastBlock().layout()->lineCount() > 1);
    // Tab moves on instead of typing a tab character.
    QTest::keyClick(memo, Qt::Key_Tab);
    QVERIFY(!memo->toPlainText().contains(QLatin1Char('\t')));
}

QTEST_MAIN(WorkflowTest)
#include "tst_workflow.moc"
