#include "controls/TLMDEdit.h"

TLMDEdit::TLMDEdit(QWidget* parent)
    : QLineEdit(parent) {}

void TLMDEdit::SetText(const QString& text) {
    if (text == this->text())
        return;
    setText(text);
    setCursorPosition(0);
}

void TLMDEdit::AppendText(const QString& token) {
    if (token.isEmpty())
        return;
    SetText(text() + token);
}
