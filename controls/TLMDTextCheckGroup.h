#pragma once

#include <QGroupBox>

// A captioned frame; it has no items of its own and nothing reads it.
class TLMDTextCheckGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TLMDTextCheckGroup(const QString& caption, QWidget* parent = nullptr);
};
