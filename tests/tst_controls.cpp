// The control kinds: what the window relies on from each.
#include "controls/TLMDEdit.h"
#include "controls/TLMDListComboBox.h"
#include "controls/TLMDTextButton.h"

#include <QAbstractItemView>
#include <QApplication>
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
    void appendKeepsTheLineEditsContract();
    void keyboardEntrySelectsNothing();
    void comboBoxStartsEmptyAndKeepsTypedText();
    void comboBoxPickReplacesTheText();
    void comboBoxPopupHighlightsTheMatchingItem();
    void buttonCaptionIsPlainText();
    void hiddenButtonWorksAgainWhenShown();
    void disabledButtonCaptionIsGrey();
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
    QCOMPARE(edit.cursorPosition(), 0);
    QVERIFY(!edit.hasSelectedText());

    // Whatever the caret and the selection, the token goes at the end.
    edit.setSelection(0, 1);
    edit.AppendText(QStringLiteral("c"));
    QCOMPARE(edit.text(), QStringLiteral("abc"));
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

// An append is a change of the line edit like any other: whoever reads the edit as a QLineEdit,
// through its property, its shown text or its signal, sees it at once, and what follows keeps it.
void ControlsTest::appendKeepsTheLineEditsContract() {
    TLMDEdit edit;
    QLineEdit* plain = &edit;
    plain->setText(QStringLiteral("a"));
    QSignalSpy changes(plain, &QLineEdit::textChanged);
    edit.AppendText(QStringLiteral("b"));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(plain->text(), QStringLiteral("ab"));
    QCOMPARE(plain->displayText(), QStringLiteral("ab"));
    QCOMPARE(plain->property("text").toString(), QStringLiteral("ab"));
    plain->end(false);
    plain->insert(QStringLiteral("X"));
    QCOMPARE(plain->text(), QStringLiteral("abX"));
}

// Tab and Shift+Tab into an edit, or into the location box, select nothing: the next key would
// replace the whole text. The caret stays where the text rule put it.
void ControlsTest::keyboardEntrySelectsNothing() {
    QWidget window;
    auto* first = new TLMDEdit(&window);
    auto* rotation = new TLMDEdit(&window);
    auto* location = new TLMDListComboBox(&window);
    location->addItems({QStringLiteral("Chad"), QStringLiteral("Chile")});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    rotation->AppendText(QStringLiteral("gametype dm map mp_bocage "));
    location->lineEdit()->setText(QStringLiteral("Chile"));
    location->lineEdit()->setCursorPosition(2);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(rotation->hasFocus());
    QVERIFY(!rotation->hasSelectedText());
    QCOMPARE(rotation->cursorPosition(), 0);
    QTest::keyClick(rotation, Qt::Key_Tab);
    QVERIFY(location->hasFocus());
    QVERIFY(!location->lineEdit()->hasSelectedText());
    QCOMPARE(location->lineEdit()->cursorPosition(), 2);
    QTest::keyClick(location, Qt::Key_Backtab);
    QTest::keyClick(rotation, Qt::Key_X);
    QCOMPARE(rotation->text(), QStringLiteral("xgametype dm map mp_bocage "));
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

// A button that appears under the pointer ignores mouse presses for the double-click interval, so
// that the second click of a double click does not press it; any other click reaches it.
void ControlsTest::hiddenButtonWorksAgainWhenShown() {
    QWidget window;
    window.resize(300, 100);
    auto* button = new TLMDTextButton(QStringLiteral("Clear Cfg"), &window);
    button->setGeometry(10, 10, 120, 25);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QPushButton::clicked);

    QTest::mouseMove(button, button->rect().center());
    button->hide();
    button->show();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseDClick(button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 0);
    button->click(); // the keyboard, a screen reader or the program
    QCOMPARE(clicks.size(), 1);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 2);

    // Shown away from the pointer, it takes a mouse click at once.
    QTest::mouseMove(&window, QPoint(250, 80));
    button->hide();
    button->show();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 3);
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 3);
}

// Grey as RGB(128, 128, 128), whatever grey the style would choose for disabled text.
void ControlsTest::disabledButtonCaptionIsGrey() {
    TLMDTextButton button(QStringLiteral("Save CFG"));
    button.resize(124, 25);
    button.setEnabled(false);
    const QImage image = button.grab().toImage();
    // The darkest pixel inside the frame is the caption's own colour.
    int darkest = 255;
    for (int y = 5; y < image.height() - 5; ++y)
        for (int x = 5; x < image.width() - 5; ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    QCOMPARE(darkest, 128);
}

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
