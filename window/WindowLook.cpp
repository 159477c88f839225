#include "window/WindowLook.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace WindowLook {

void substituteFonts() {
    static const bool once = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        return true;
    }();
    Q_UNUSED(once);
}

QFont font(int pixelSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    return font;
}

QLabel* picture(const QString& resource, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(resource));
    return label;
}

void placeOnScreen(QWidget* window) {
    QPoint place(405, 334);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        place.setX(
            qBound(free.left(), place.x(), qMax(free.left(), free.right() - window->width())));
        place.setY(
            qBound(free.top(), place.y(), qMax(free.top(), free.bottom() - window->height())));
    }
    window->move(place);
}

} // namespace WindowLook
