#pragma once

#include <QColor>

class QPalette;

// Colours that read on a given background, by the usual ratio of relative luminances (1:1 to
// 21:1).
namespace Contrast {

double ratio(const QColor& a, const QColor& b);

// `wanted`, made darker or lighter as far as needed to stand at `least` against `background`.
QColor readableOn(const QColor& background, const QColor& wanted, double least);

// True when the palette's windows are darker than their text: a dark desktop theme.
bool isDark(const QPalette& palette);

} // namespace Contrast
