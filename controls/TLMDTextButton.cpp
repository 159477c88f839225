#include "controls/TLMDTextButton.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QStyle>

TLMDTextButton::TLMDTextButton(const QString& caption, QWidget* parent)
    : QPushButton(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")), parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    // A greyed caption is RGB(128, 128, 128), not the style's lighter grey.
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    setPalette(colours);
}

void TLMDTextButton::setVisible(bool visible) {
    const bool appearing = visible && isHidden() && window()->isVisible();
    QPushButton::setVisible(visible);
    if (appearing && rect().contains(mapFromGlobal(QCursor::pos())))
        m_appeared.start();
    else if (!visible)
        m_appeared.invalidate();
}

int TLMDTextButton::captionWidth() const {
    const QStyle* s = style();
    return fontMetrics().horizontalAdvance(text()) +
           s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) +
           2 * s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
}

bool TLMDTextButton::justAppeared() const {
    return m_appeared.isValid() && m_appeared.elapsed() < QApplication::doubleClickInterval();
}

void TLMDTextButton::mousePressEvent(QMouseEvent* event) {
    if (justAppeared()) {
        event->ignore();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void TLMDTextButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (justAppeared()) {
        event->ignore();
        return;
    }
    QPushButton::mouseDoubleClickEvent(event);
}
