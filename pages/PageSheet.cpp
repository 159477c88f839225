#include "pages/PageSheet.h"

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

} // namespace

PageSheet::PageSheet(const char* objectName, const char* title, const char* titleHint,
                     QWidget* parent, const char* titleName)
    : QWidget(parent) {
    setObjectName(QLatin1String(objectName));
    // The page shows the window's button-face colour, so that its white strips stand out.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    auto* label = new QLabel(QString::fromLatin1(title), this);
    if (titleName)
        label->setObjectName(QLatin1String(titleName));
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    label->setPalette(palette);
    label->setStatusTip(QString::fromLatin1(titleHint));
    label->setGeometry(8, 3, kWidth - 16, kTitleHeight - 6);
}

void PageSheet::addStrip(const QRect& rect) {
    m_strips.append(rect);
}

void PageSheet::addColumnDivider(int x) {
    addStrip(QRect(x, kTitleHeight, kDivider, kHeight - kTitleHeight));
}

QLabel* PageSheet::addCornerPicture(const char* resource, int margin) {
    const QPixmap picture{QString::fromLatin1(resource)};
    auto* label = new QLabel(this);
    label->setPixmap(picture);
    label->setGeometry(kWidth - margin - picture.width(), kHeight - margin - picture.height(),
                       picture.width(), picture.height());
    return label;
}

void PageSheet::setFocusOrder(std::initializer_list<const char*> names) {
    QList<QWidget*> chain;
    for (const char* name : names) {
        auto* widget = findChild<QWidget*>(QLatin1String(name));
        Q_ASSERT_X(widget, "PageSheet::setFocusOrder", name);
        if (widget)
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
