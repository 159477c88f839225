#include "controls/MarkStyle.h"

#include "controls/Contrast.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// Well over 3:1, so that the soft edges of a drawn circle still reach it.
constexpr double kMarkContrast = 4.5;

QColor markColour(const QPalette& palette) {
    // The option's palette is in the control's state: greyed colours for a greyed control.
    return Contrast::readableOn(palette.color(QPalette::Window),
                                palette.color(QPalette::WindowText), kMarkContrast);
}

} // namespace

MarkStyle::MarkStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void MarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_IndicatorCheckBox:
    case PE_IndicatorRadioButton: {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->save();
        painter->setBrush(Qt::NoBrush);
        if (element == PE_IndicatorCheckBox) {
            painter->setRenderHint(QPainter::Antialiasing, false);
            painter->setPen(QPen(markColour(option->palette), 1));
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        } else {
            painter->setRenderHint(QPainter::Antialiasing, true);
            painter->setPen(QPen(markColour(option->palette), 1.5));
            painter->drawEllipse(QRectF(option->rect).adjusted(0.75, 0.75, -0.75, -0.75));
        }
        painter->restore();
        return;
    }
    case PE_FrameFocusRect:
        // Shown once the keyboard moves the focus, as the style would; solid, in the caption's
        // colour.
        if (!(option->state & State_KeyboardFocusChange))
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(markColour(option->palette), 1));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void MarkStyle::applyTo(QWidget* root) {
    auto* style = new MarkStyle;
    style->setParent(root);
    const QList<QAbstractButton*> buttons = root->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
            button->setStyle(style);
}
