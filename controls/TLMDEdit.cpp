#include "controls/TLMDEdit.h"

#include <QFocusEvent>

#include <limits>

TLMDEdit::TLMDEdit(QWidget* parent)
    : QLineEdit(parent) {
    // No length limit (Qt's line edit would otherwise cut the text at 32767 characters).
    setMaxLength(std::numeric_limits<int>::max());
}

void TLMDEdit::SetText(const QString& text) {
    if (text == this->text())
        return;
    setText(text);
    setCursorPosition(0);
}

void TLMDEdit::AppendText(const QString& token) {
    if (!token.isEmpty())
        SetText(text() + token);
}

void TLMDEdit::focusInEvent(QFocusEvent* event) {
    // Qt selects the whole text when the keyboard moves into a line edit, so that the next key
    // would replace a rotation of many tokens; the caret stays where it was instead.
    const int caret = cursorPosition();
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (hasSelectedText() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                              reason == Qt::ShortcutFocusReason))
        setCursorPosition(caret);
}
