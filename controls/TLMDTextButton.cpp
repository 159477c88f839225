#include "controls/TLMDTextButton.h"

TLMDTextButton::TLMDTextButton(const QString& caption, QWidget* parent)
    : QPushButton(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")), parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}
