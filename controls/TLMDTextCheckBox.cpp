#include "controls/TLMDTextCheckBox.h"

TLMDTextCheckBox::TLMDTextCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")), parent) {
    setTristate(false);
}
