#include "pages/PageSheet.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace {

const QPixmap& titleStrip() {
    static const QPixmap strip(QStringLiteral(":/title-strip.png"));
    return strip;
}

void appendFocusable(QWidget* widget, QList<QWidget*>& chain) {
    if (widget->focusPolicy() & Qt::TabFocus) {
        chain.append(widget);
        return;
    }
    for (QObject* child : widget->children())
        if (auto* w = qobject_cast<QWidget*>(child))
            appendFocusable(w, chain);
}

void setTextColour(QPalette& palette, const QColor& colour) {
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, colour);
}

} // namespace

PageSheet::PageSheet(const PageDeclaration& page, QWidget* parent)
    : QWidget(parent)
    , m_keyboard(page.keyboard) {
    setObjectName(QLatin1String(page.name));
    // The page shows the window's button-face colour, so that its white strips stand out.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    auto* label = new QLabel(QString::fromLatin1(page.title), this);
    if (page.titleName)
        label->setObjectName(QLatin1String(page.titleName));
    QFont font = headingFont(13);
    label->setFont(font);
    // Maroon on the light title strip.
    colour(label, 0, 0xff800000);
    label->setStatusTip(QString::fromLatin1(page.titleHint));
    label->setGeometry(8, 3, kWidth - 16, kTitleHeight - 6);
}

void PageSheet::addStrip(const QRect& rect) {
    m_strips.append(rect);
}

void PageSheet::addColumnDivider(int x) {
    addStrip(QRect(x, kTitleHeight, kDivider, kHeight - kTitleHeight));
}

QLabel* PageSheet::addHeading(const char* text, const QRect& strip, int pixelSize,
                              Qt::Alignment alignment) {
    addStrip(strip);
    auto* heading = new QLabel(QString::fromLatin1(text), this);
    heading->setFont(headingFont(pixelSize));
    colour(heading, 0, 0xff000000);
    heading->setAlignment(alignment);
    heading->setGeometry(alignment & Qt::AlignHCenter ? strip : strip.adjusted(6, 0, -6, 0));
    return heading;
}

QLabel* PageSheet::addCornerPicture(const char* resource, int margin) {
    const QPixmap picture{QString::fromLatin1(resource)};
    auto* label = new QLabel(this);
    label->setPixmap(picture);
    label->setGeometry(kWidth - margin - picture.width(), kHeight - margin - picture.height(),
                       picture.width(), picture.height());
    return label;
}

void PageSheet::whiteBackground(QWidget* widget) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    // A button fills its background with the Button colour.
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    setTextColour(palette, Qt::black);
    // A greyed one still looks greyed.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    widget->setPalette(palette);
}

void PageSheet::colour(QWidget* widget, QRgb background, QRgb text) {
    if (qAlpha(background) == 0 && qAlpha(text) == 0)
        return;
    QPalette palette = widget->palette();
    if (qAlpha(background) != 0) {
        widget->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, QColor::fromRgba(background));
        palette.setColor(QPalette::Button, QColor::fromRgba(background));
    }
    // Captions only: the marks inside check boxes and radio buttons keep the palette's Text on
    // Base.
    if (qAlpha(text) != 0)
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(role, QColor::fromRgba(text));
    widget->setPalette(palette);
}

void PageSheet::readableText(QWidget* widget, QRgb wanted) {
    auto luminance = [](const QColor& colour) {
        auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const QColor background = widget->palette().color(QPalette::Window);
    const double back = luminance(background);
    const bool lightBackground = back > 0.18;
    const QColor toward = lightBackground ? QColor(Qt::black) : QColor(Qt::white);
    const QColor start = QColor::fromRgba(wanted);
    QColor text = start;
    // Contrast as the usual ratio of luminances; 5:1 leaves room for the edges of small letters.
    for (int step = 1; step <= 20; ++step) {
        const double front = luminance(text);
        if ((qMax(front, back) + 0.05) / (qMin(front, back) + 0.05) >= 5.0)
            break;
        const double share = step / 20.0;
        text = QColor::fromRgbF(start.redF() + (toward.redF() - start.redF()) * share,
                                start.greenF() + (toward.greenF() - start.greenF()) * share,
                                start.blueF() + (toward.blueF() - start.blueF()) * share);
    }
    colour(widget, 0, text.rgba());
}

QFont PageSheet::headingFont(int pixelSize) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

void PageSheet::finishKeyboardOrder() {
    QList<QWidget*> chain;
    for (const char* name : m_keyboard) {
        auto* widget = findChild<QWidget*>(QLatin1String(name));
        // Every test that makes the window finds such a fault of a declaration.
        if (!widget)
            qFatal("%s: the keyboard order names %s, which the page does not have",
                   qPrintable(objectName()), name);
        appendFocusable(widget, chain);
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void PageSheet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(QRect(0, 0, width(), kTitleHeight), titleStrip());
    for (const QRect& strip : m_strips)
        painter.fillRect(strip, Qt::white);
}
