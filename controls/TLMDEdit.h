#pragma once

#include <QLineEdit>

// Single-line text setting. Setting the text follows one rule everywhere: the same text leaves
// caret and selection alone; a new text puts the caret at the start with nothing selected.
//
// Appended tokens are gathered and reach the line edit once the event loop comes back to it:
// Qt lays the whole text out again on every change, which would make each of many appends in a
// row cost as much as laying out the whole text. text() always includes what was appended.
class TLMDEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TLMDEdit(QWidget* parent = nullptr);

    QString text() const;
    void SetText(const QString& text);
    // Adds the token at the end of the text, wherever the caret stands.
    void AppendText(const QString& token);

protected:
    bool event(QEvent* event) override;

private:
    void showAppended();

    QString m_appended;
    bool m_showing = false;
};
