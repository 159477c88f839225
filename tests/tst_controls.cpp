// The control kinds: what the window relies on from each.
#include "controls/TLMDEdit.h"
#include "controls/TLMDListComboBox.h"
#include "controls/TLMDTextButton.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void editReadsItsTextWhole();
    void appendTextPutsTheCaretAtTheStart();
    void unchangedTextLeavesCaretAndSelection();
    void manyAppendsAreShownOnce();
    void comboBoxStartsEmptyAndKeepsTypedText();
    void comboBoxPickReplacesTheText();
    void comboBoxPopupHighlightsTheMatchingItem();
    void buttonCaptionIsPlainText();
    void hiddenButtonWorksAgainWhenShown();
    void disabledCheckBoxKeepsItsState();
};

void ControlsTest::editReadsItsTextWhole() {
    TLMDEdit edit;
    edit.SetText(QStringLiteral(" x "));
    QCOMPARE(edit.text(), QStringLiteral(" x "));
    // No length limit: Qt's default of 32767 characters would cut a long text.
    edit.AppendText(QString(40000, QLatin1Char('a')));
    QCOMPARE(edit.text().size(), 40003);
}

void ControlsTest::appendTextPutsTheCaretAtTheStart() {
    TLMDEdit edit;
    edit.setText(QStringLiteral("a"));
    edit.setCursorPosition(1);
    edit.AppendText(QStringLiteral("b"));
    QCOMPARE(edit.text(), QStringLiteral("ab"));
    // The caret moves when the edit shows the new text: once the event loop has come by.
    QCoreApplication::processEvents();
    QCOMPARE(edit.QLineEdit::text(), QStringLiteral("ab"));
    QCOMPARE(edit.cursorPosition(), 0);
    QVERIFY(!edit.hasSelectedText());

    // Whatever the caret and the selection, the token goes at the end.
    edit.setSelection(0, 1);
    edit.AppendText(QStringLiteral("c"));
    QCOMPARE(edit.text(), QStringLiteral("abc"));
    QCoreApplication::processEvents();
    QCOMPARE(edit.cursorPosition(), 0);
    QVERIFY(!edit.hasSelectedText());
}

void ControlsTest::unchangedTextLeavesCaretAndSelection() {
    TLMDEdit edit;
    edit.setText(QStringLiteral("abcdef"));
    edit.setSelection(2, 3);
    edit.SetText(QStringLiteral("abcdef"));
    QCOMPARE(edit.selectionStart(), 2);
    QCOMPARE(edit.selectedText(), QStringLiteral("cde"));
    edit.AppendText(QString());
    QCOMPARE(edit.selectedText(), QStringLiteral("cde"));
    edit.SetText(QStringLiteral("abcdefg"));
    QCOMPARE(edit.cursorPosition(), 0);
    QVERIFY(!edit.hasSelectedText());
}

// Appends in a row cost no layout of the whole text each; the edit shows them all at once, and
// anything that reaches the edit first (a key, a text set from outside) meets the whole text.
void ControlsTest::manyAppendsAreShownOnce() {
    TLMDEdit edit;
    edit.show();
    QSignalSpy changes(&edit, &QLineEdit::textChanged);
    for (int i = 0; i < 1000; ++i)
        edit.AppendText(QStringLiteral("map mp_bocage "));
    QCOMPARE(edit.text().size(), 14000);
    QCOMPARE(changes.size(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(changes.size(), 1);
    QCOMPARE(edit.QLineEdit::text().size(), 14000);

    edit.AppendText(QStringLiteral("gametype dm "));
    QTest::keyClick(&edit, Qt::Key_X);
    QVERIFY(edit.text().startsWith(QLatin1String("xmap mp_bocage ")));
    QVERIFY(edit.text().endsWith(QLatin1String("gametype dm ")));

    edit.AppendText(QStringLiteral("map "));
    edit.QLineEdit::setText(QStringLiteral("typed"));
    QCoreApplication::processEvents();
    QCOMPARE(edit.text(), QStringLiteral("typed"));
}

void ControlsTest::comboBoxStartsEmptyAndKeepsTypedText() {
    TLMDListComboBox box;
    box.addItems({QStringLiteral("Germany"), QStringLiteral("Greece")});
    box.setCurrentIndex(-1);
    QCOMPARE(box.text(), QString());
    QCOMPARE(box.maxVisibleItems(), 8);
    QVERIFY(box.isEditable());
    box.show();
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("germ"));
    QCOMPARE(box.text(), QStringLiteral("germ")); // no completion from the list
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.text(), QStringLiteral("germ"));
    QCOMPARE(box.count(), 2); // nothing inserted
    QTest::keyClicks(&box, QStringLiteral("any"));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.text(), QStringLiteral("germany")); // typed, not the item's spelling
    QCOMPARE(box.count(), 2);
}

void ControlsTest::comboBoxPickReplacesTheText() {
    TLMDListComboBox box;
    box.addItems({QStringLiteral("Cote D''Ivoire"), QStringLiteral("Croatia")});
    box.setCurrentIndex(-1);
    box.show();
    box.lineEdit()->setText(QStringLiteral("typed"));
    box.showPopup();
    QAbstractItemView* list = box.view();
    const QModelIndex second = list->model()->index(1, 0);
    list->setCurrentIndex(second);
    QTest::keyClick(list->viewport(), Qt::Key_Return);
    QCOMPARE(box.text(), QStringLiteral("Croatia"));
    QCOMPARE(box.lineEdit()->cursorPosition(), 0);
    QCOMPARE(box.count(), 2);
}

void ControlsTest::comboBoxPopupHighlightsTheMatchingItem() {
    TLMDListComboBox box;
    box.addItems({QStringLiteral("Chad"), QStringLiteral("Chile"), QStringLiteral("China")});
    box.setCurrentIndex(-1);
    box.show();
    box.lineEdit()->setText(QStringLiteral("CHILE"));
    box.showPopup();
    QCOMPARE(box.view()->currentIndex().row(), 1);
    QCOMPARE(box.lineEdit()->selectedText(), QStringLiteral("CHILE"));
    // Closing without a pick keeps the text.
    QTest::keyClick(box.view()->viewport(), Qt::Key_Escape);
    QCOMPARE(box.text(), QStringLiteral("CHILE"));
}

void ControlsTest::buttonCaptionIsPlainText() {
    TLMDTextButton button(QStringLiteral("Salt & Pepper"));
    QCOMPARE(button.text(), QStringLiteral("Salt && Pepper"));
    QVERIFY(button.shortcut().isEmpty());
}

void ControlsTest::hiddenButtonWorksAgainWhenShown() {
    QWidget window;
    auto* button = new TLMDTextButton(QStringLiteral("Finish!"), &window);
    window.show();
    QSignalSpy clicks(button, &QPushButton::clicked);
    button->hide();
    button->click(); // programmatic clicks reach even a hidden button; the user cannot
    button->show();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 2);
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 2);
}

void ControlsTest::disabledCheckBoxKeepsItsState() {
    QCheckBox box(QStringLiteral("Springfield"));
    box.setEnabled(false);
    box.show();
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::keyClick(&box, Qt::Key_Space);
    QVERIFY(!box.isChecked());
}

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
