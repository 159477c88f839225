#include "controls/Contrast.h"

#include <QPalette>

#include <cmath>

namespace Contrast {

namespace {

double luminance(const QColor& colour) {
    auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double ratio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readableOn(const QColor& background, const QColor& wanted, double least) {
    // Toward black on a light background, toward white on a dark one, in small steps so that the
    // colour keeps as much of its hue as it can.
    const QColor toward = luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    QColor colour = wanted;
    for (int step = 1; step <= 20 && ratio(colour, background) < least; ++step) {
        const double share = step / 20.0;
        colour = QColor::fromRgbF(wanted.redF() + (toward.redF() - wanted.redF()) * share,
                                  wanted.greenF() + (toward.greenF() - wanted.greenF()) * share,
                                  wanted.blueF() + (toward.blueF() - wanted.blueF()) * share);
    }
    return colour;
}

bool isDark(const QPalette& palette) {
    return luminance(palette.color(QPalette::Window)) <
           luminance(palette.color(QPalette::WindowText));
}

} // namespace Contrast
