#include "window/WindowLook.h"

#include <QLabel>

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

} // namespace WindowLook
