// The window under a light and a dark desktop palette: every caption stays readable, at 4.5:1 or
// more, also where the window fixes a background (white strips, coloured buttons, pictures) or a
// text colour of its own.
// With LEDGERWICK_SCREENSHOTS set to a folder, the dark pages are saved there as pictures.
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTest>

using namespace TestSupport;

namespace {

QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    const QColor text(0xee, 0xee, 0xee);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    return dark;
}

double luminance(QRgb colour) {
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// Where a widget draws its caption, in its own coordinates.
QRect captionArea(QWidget* widget) {
    QStyle* style = widget->style();
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, box) & box->rect();
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio) &
               radio->rect();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    }
    auto* label = qobject_cast<QLabel*>(widget);
    return label && !label->text().isEmpty() ? label->contentsRect() : QRect();
}

struct Caption {
    QString who;
    double ratio = 0;
};

// The caption's background is the commonest colour of its area, its text the colour that stands
// out most from it.
Caption measure(const QImage& image, QWidget* widget, QWidget* window, bool& skipped) {
    const QRect area = captionArea(widget);
    skipped = area.width() < 4 || area.height() < 4;
    if (skipped)
        return {};
    const QRect inWindow(widget->mapTo(window, area.topLeft()), area.size());
    QHash<QRgb, int> counts;
    for (int y = inWindow.top(); y <= inWindow.bottom(); ++y)
        for (int x = inWindow.left(); x <= inWindow.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    skipped = counts.size() < 2;
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = qMax(best, contrast(it.key(), background));
    const QString text = widget->property("text").toString() + widget->property("title").toString();
    return {widget->objectName() + QLatin1String(" \"") + text.left(30) + QLatin1Char('"'), best};
}

} // namespace

class ThemeTest : public QObject {
    Q_OBJECT
private slots:
    void captionsStayReadable_data();
    void captionsStayReadable();
};

void ThemeTest::captionsStayReadable_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::style()->standardPalette();
    QTest::newRow("dark") << darkPalette();
}

void ThemeTest::captionsStayReadable() {
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* pages = child<QTabWidget>(&form, "PageControl1");
    const QString pictures = qEnvironmentVariable("LEDGERWICK_SCREENSHOTS");

    QStringList unreadable;
    int measured = 0;
    for (int i = 0; i < pages->count(); ++i) {
        QWidget* page = pages->widget(i);
        pages->setCurrentWidget(page);
        const QImage image = form.grab().toImage();
        if (!pictures.isEmpty() && QTest::currentDataTag() == QLatin1String("dark"))
            image.save(pictures + QStringLiteral("/dark-%1.png").arg(page->objectName()));
        QList<QWidget*> widgets = page->findChildren<QWidget*>();
        if (i == 0) // the banner and the bottom strip once
            for (const char* name : {"Panel1", "bottomStrip"})
                widgets += child<QWidget>(&form, name)->findChildren<QWidget*>();
        for (QWidget* widget : std::as_const(widgets)) {
            // A greyed control may read faintly: that is how it says it is out of use.
            if (!widget->isVisible() || !widget->isEnabled())
                continue;
            bool skipped = false;
            const Caption caption = measure(image, widget, &form, skipped);
            if (skipped)
                continue;
            ++measured;
            if (caption.ratio < 4.5)
                unreadable.append(
                    QStringLiteral("%1 %2:1").arg(caption.who).arg(caption.ratio, 0, 'f', 1));
        }
    }
    QApplication::setPalette(before);
    QVERIFY2(measured > 50, qPrintable(QString::number(measured)));
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1String("; "))));
}

QTEST_MAIN(ThemeTest)
#include "tst_theme.moc"
