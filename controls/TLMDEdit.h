#pragma once

#include <QLineEdit>

class QMimeData;

// Single-line text setting. Setting the text follows one rule everywhere: the same text leaves
// caret and selection alone; a new text puts the caret at the start with nothing selected.
// Entering it by the keyboard selects nothing either.
//
// The server ends a value at a double quote and a line at a line break, so the user cannot put
// either into an edit: the key is refused, and pasted or dropped text has each line break turned
// into a blank and each double quote into a single quote. The edit says so through a status tip
// event, which the window's status bar shows. Text the program sets is taken as it is.
class TLMDEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TLMDEdit(QWidget* parent = nullptr);

    void SetText(const QString& text);
    // Adds the token at the end of the text, wherever the caret stands.
    void AppendText(const QString& token);

    // Text as a value can hold it; `changes` tells what was changed (nothing, quotes, line breaks).
    struct Cleaned {
        QString text;
        bool quotes = false;
        bool lineBreaks = false;
    };
    static Cleaned cleaned(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Inserts text from the clipboard or a drop at the caret, cleaned.
    void insertCleaned(const QString& text);
    void tell(const QString& message);
};
