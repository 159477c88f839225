#pragma once

#include <QPushButton>

// Push button whose caption is plain text: an ampersand is shown, not taken as a mnemonic.
class TLMDTextButton : public QPushButton {
    Q_OBJECT
public:
    explicit TLMDTextButton(const QString& caption, QWidget* parent = nullptr);
};
