#pragma once

#include <QCheckBox>

// Two-state check box with a plain-text caption to the right of its box.
class TLMDTextCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TLMDTextCheckBox(const QString& caption, QWidget* parent = nullptr);
};
