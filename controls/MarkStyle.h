#pragma once

#include <QProxyStyle>

// The desktop's style, with the boxes of check boxes, the circles of radio buttons and the
// keyboard-focus frame drawn in a colour that stands out at 3:1 or more from the background the
// control stands on (a page, a sheet strip, a green or red button), ticked or not, greyed or not.
// Styles draw these edges in a shade of the window colour, which vanishes on a dark page or a
// coloured button.
class MarkStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Proxies the application's style as it is now.
    MarkStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

    // Gives every check box and radio button under `root` a style of this kind, owned by `root`.
    static void applyTo(QWidget* root);
};
