#pragma once

#include "settings/PageCatalogue.h"

#include <QList>
#include <QRect>
#include <QWidget>

class QLabel;

// A page of the page control: the title strip across the top, sheet strips behind values and
// between columns, and a small picture in the lower right corner. The strips are white under a
// light desktop palette; under a dark one they take the palette's own colours.
class PageSheet : public QWidget {
    Q_OBJECT
public:
    // The page title sits on the title strip; its label gets `titleName` as its component name.
    PageSheet(const PageDeclaration& page, QWidget* parent = nullptr);

    static constexpr int kWidth = 766;
    static constexpr int kHeight = 354;
    static constexpr int kTitleHeight = 24;
    // The width of the bar between two columns of rows.
    static constexpr int kDivider = 6;

    // Sheet area painted under the controls, e.g. behind an edit or as a column divider.
    void addStrip(const QRect& rect);
    // The bar between two columns, its left edge at x, from the title strip down.
    void addColumnDivider(int x);
    // A heading in bold Verdana on a sheet strip.
    QLabel* addHeading(const QString& text, const QRect& strip, int pixelSize,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // A picture at the lower right corner, `margin` pixels from both edges.
    QLabel* addCornerPicture(const char* resource, int margin = 6);

    // The colour of the strips: the palette's colour for text fields (white in a light palette).
    static QColor sheetColour(const QPalette& palette);
    // A control drawn on a sheet strip, in the strip's colour with the text colour that goes with
    // it.
    static void sheetBackground(QWidget* widget);
    // Fixed colours; a zero background leaves the palette's, a zero text colour the palette's
    // text colour (which suits the background left).
    static void colour(QWidget* widget, QRgb background, QRgb text);
    // A caption in a colour of its own on the page's background: the colour, made darker or
    // lighter as far as needed to read well on whatever background the desktop gives the page.
    static void readableText(QWidget* widget, QRgb wanted);
    // True under a dark desktop palette, whose light artwork would glare.
    static bool isDark(const QPalette& palette);
    // Bold Verdana of the page headings.
    static QFont headingFont(int pixelSize);

protected:
    // Once every control is made: the keyboard goes through the controls the page's declaration
    // names, in their order; a container stands for its children in their order. A name that no
    // control of the page has stops the program.
    void finishKeyboardOrder();

    void paintEvent(QPaintEvent* event) override;

private:
    QList<QRect> m_strips;
    std::span<const char* const> m_keyboard;
};
