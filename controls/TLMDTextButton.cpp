#include "controls/TLMDTextButton.h"

TLMDTextButton::TLMDTextButton(const QString& caption, QWidget* parent)
    : QPushButton(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")), parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    // A greyed caption is RGB(128, 128, 128), not the style's lighter grey.
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    setPalette(colours);
}
