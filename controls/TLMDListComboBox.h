#pragma once

#include <QComboBox>

// Editable drop-down list: the user may type any text or pick an item, which replaces the text.
// The list keeps its stored order and never grows by what the user types.
class TLMDListComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TLMDListComboBox(QWidget* parent = nullptr);

    QString text() const { return currentText(); }

    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void rememberText();
    void applyTextRule();

    QString m_textBefore;
    int m_caretBefore = 0;
    int m_selectionStart = -1;
    int m_selectionLength = 0;
};
