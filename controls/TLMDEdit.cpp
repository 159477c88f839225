#include "controls/TLMDEdit.h"

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
    if (token.isEmpty())
        return;
    SetText(text() + token);
}
