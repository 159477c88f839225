#include "pages/PageSheet.h"

#include "controls/Contrast.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

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
    auto* label = new QLabel(QCoreApplication::translate("Pages", page.title), this);
    if (page.titleName)
        label->setObjectName(QLatin1String(page.titleName));
    QFont font = headingFont(13);
    label->setFont(font);
    // Maroon on the light title strip, lighter on a dark one.
    readableText(label, 0xff800000);
    label->setStatusTip(QCoreApplication::translate("Pages", page.titleHint));
    label->setGeometry(8, 3, kWidth - 16, kTitleHeight - 6);
}

void PageSheet::addStrip(const QRect& rect) {
    m_strips.append(rect);
}

void PageSheet::addColumnDivider(int x) {
    addStrip(QRect(x, kTitleHeight, kDivider, kHeight - kTitleHeight));
}

QLabel* PageSheet::addHeading(const QString& text, const QRect& strip, int pixelSize,
                              Qt::Alignment alignment) {
    addStrip(strip);
    auto* heading = new QLabel(text, this);
    heading->setFont(headingFont(pixelSize));
    sheetBackground(heading);
    heading->setAutoFillBackground(false);
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

QColor PageSheet::sheetColour(const QPalette& palette) {
    return palette.color(QPalette::Base);
}

void PageSheet::sheetBackground(QWidget* widget) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    const QColor sheet = sheetColour(palette);
    // A greyed one still looks greyed, and can still be read.
    const QColor greyed =
        Contrast::readableOn(sheet, palette.color(QPalette::Disabled, QPalette::Text), 3.0);
    // A button fills its background with the Button colour.
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
        palette.setColor(role, sheet);
    setTextColour(palette, palette.color(QPalette::Text));
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
        palette.setColor(QPalette::Disabled, role, sheet);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, greyed);
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
    // 5:1 leaves room for the edges of small letters.
    const QColor background = widget->palette().color(QPalette::Window);
    colour(widget, 0, Contrast::readableOn(background, QColor::fromRgba(wanted), 5.0).rgba());
}

bool PageSheet::isDark(const QPalette& palette) {
    return Contrast::isDark(palette);
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
    const QRect title(0, 0, width(), kTitleHeight);
    // The light strip picture belongs to a light page; a dark page gets a strip of its own colours.
    if (isDark(palette())) {
        painter.fillRect(title, sheetColour(palette()));
        painter.fillRect(title.adjusted(0, title.height() - 1, 0, 0),
                         palette().color(QPalette::Mid));
    } else {
        painter.drawPixmap(title, titleStrip());
    }
    for (const QRect& strip : m_strips)
        painter.fillRect(strip, sheetColour(palette()));
}
