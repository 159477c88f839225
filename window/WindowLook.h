#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// What the window's parts share of its look: its size, its fonts, its pictures.
namespace WindowLook {

constexpr int kClientWidth = 770;

// The window's fonts are those of its original platform: mapped once to fonts Debian installs.
void substituteFonts();
QFont font(int pixelSize = 11);
QLabel* picture(const QString& resource, QWidget* parent);
// Moves the window to its stored place, moved in where a small screen would cut it off.
void placeOnScreen(QWidget* window);

} // namespace WindowLook
