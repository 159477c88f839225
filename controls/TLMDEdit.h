#pragma once

#include <QLineEdit>

// Single-line text setting. Setting the text follows one rule everywhere: the same text leaves
// caret and selection alone; a new text puts the caret at the start with nothing selected.
// Entering it by the keyboard selects nothing either.
class TLMDEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TLMDEdit(QWidget* parent = nullptr);

    void SetText(const QString& text);
    // Adds the token at the end of the text, wherever the caret stands.
    void AppendText(const QString& token);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
