#include "controls/TLMDListComboBox.h"

#include "controls/TLMDEdit.h"

#include <QAbstractItemView>
#include <QLineEdit>

TLMDListComboBox::TLMDListComboBox(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    // Its typing field behaves as every other edit.
    setLineEdit(new TLMDEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
    // Typed text stays exactly as typed: no inline completion from the list.
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    connect(this, &QComboBox::textActivated, this, [this] { applyTextRule(); });
}

void TLMDListComboBox::rememberText() {
    const QLineEdit* edit = lineEdit();
    m_textBefore = edit->text();
    m_caretBefore = edit->cursorPosition();
    m_selectionStart = edit->selectionStart();
    m_selectionLength = edit->selectedText().size();
}

// Picking an item sets the text like any edit: a new text puts the caret at the start, the same
// text leaves caret and selection where they were.
void TLMDListComboBox::applyTextRule() {
    QLineEdit* edit = lineEdit();
    if (edit->text() != m_textBefore) {
        edit->setCursorPosition(0);
        return;
    }
    if (m_selectionStart >= 0)
        edit->setSelection(m_selectionStart, m_selectionLength);
    else
        edit->setCursorPosition(m_caretBefore);
}

void TLMDListComboBox::showPopup() {
    rememberText();
    const QString current = lineEdit()->text();
    const int match = findText(current, Qt::MatchFixedString);
    // The list may not change the text while it is open: block the index change that
    // highlighting the matching item would otherwise cause.
    {
        const QSignalBlocker block(this);
        setCurrentIndex(match);
        lineEdit()->setText(current);
    }
    QComboBox::showPopup();
    lineEdit()->selectAll();
    m_selectionStart = -1;
    m_caretBefore = 0;
}

void TLMDListComboBox::wheelEvent(QWheelEvent* event) {
    rememberText();
    QComboBox::wheelEvent(event);
    applyTextRule();
}
