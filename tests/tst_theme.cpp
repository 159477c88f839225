// The window under a light palette, a dark one and the one Qt takes from GTK's Adwaita dark theme:
// every caption stays readable, at 4.5:1 or more (a greyed one fainter, at 3:1 or more), also where
// the window fixes a background (coloured buttons, pictures) or a text colour of its own; every
// check box and radio button, ticked or not, greyed or not, and every keyboard-focus frame stands
// out at 3:1 or more from the background it stands on. Measured on grabbed pixels.
// Also with a file open whose values some rows have no choice for, which they show as the file's.
// With LEDGERWICK_SCREENSHOTS set to a folder, the dark pages are saved there as pictures.
#include "support/TestSupport.h"
#include "window/ChangeMarks.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
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

// The palette Qt 6.4 gives its widgets on a GTK desktop whose theme is Adwaita:dark, read from a
// program started there (QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark).
QPalette adwaitaDarkPalette() {
    QPalette palette;
    auto set = [&palette](QPalette::ColorGroup group, QPalette::ColorRole role, QRgb colour) {
        palette.setColor(group, role, QColor::fromRgb(colour));
    };
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool greyed = group == QPalette::Disabled;
        set(group, QPalette::WindowText, greyed ? 0x828282 : 0xf0f0f0);
        set(group, QPalette::Button, 0x323232);
        set(group, QPalette::Light, 0x4b4b4b);
        set(group, QPalette::Midlight, 0x2a2a2a);
        set(group, QPalette::Dark, greyed ? 0xbebebe : 0x212121);
        set(group, QPalette::Mid, 0x262626);
        set(group, QPalette::Text, greyed ? 0x828282 : 0xf0f0f0);
        set(group, QPalette::BrightText, 0x4b4b4b);
        set(group, QPalette::ButtonText, greyed ? 0x828282 : 0xf0f0f0);
        set(group, QPalette::Base, greyed ? 0x323232 : 0x242424);
        set(group, QPalette::Window, 0x323232);
        set(group, QPalette::Shadow, greyed ? 0x252525 : 0x191919);
        set(group, QPalette::Highlight, greyed ? 0x919191 : 0x308cc6);
        set(group, QPalette::HighlightedText, 0xf0f0f0);
        set(group, QPalette::AlternateBase, 0x2b2b2b);
        set(group, QPalette::PlaceholderText, 0xf0f0f0);
    }
    return palette;
}

// A page's picture is named after its caption, as the README's pictures are.
QString pictureName(const QWidget* page) {
    static const QHash<QString, QString> names = {{"tabMain", "server-information"},
                                                  {"TabSheet2", "server-options"},
                                                  {"TabSheet3", "network-options"},
                                                  {"TabSheet4", "game-options"},
                                                  {"tabVotes", "votes"},
                                                  {"TabSheet5", "gametypes"},
                                                  {"TabSheet6", "map-rotation"},
                                                  {"tabEditor", "editor"},
                                                  {"TabSheet1", "weapons"},
                                                  {"tabCustom", "custom-lines"}};
    return names.value(page->objectName(), page->objectName());
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

QRgb commonest(const QImage& image, const QRect& area, const QRect& without = {}) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.rect().contains(x, y) && !without.contains(x, y))
                ++counts[image.pixel(x, y) | 0xff000000];
    QRgb found = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(found))
            found = it.key();
    return found;
}

// Where a check box or radio button draws its box or circle, in the window's coordinates.
QRect markArea(QAbstractButton* button, QWidget* window) {
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<QRadioButton*>(button);
    const QRect area = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
    return {button->mapTo(window, area.topLeft()), area.size()};
}

// A box or circle stands out when at least one and a half of its sides' worth of its pixels
// reach 3:1 against the background around it: a check mark alone does not make it visible.
QString markFault(const QImage& image, QAbstractButton* button, QWidget* window) {
    const QRect mark = markArea(button, window);
    const QRgb background = commonest(image, mark.adjusted(-2, -2, 2, 2), mark);
    int standing = 0;
    for (int y = mark.top(); y <= mark.bottom(); ++y)
        for (int x = mark.left(); x <= mark.right(); ++x)
            standing += contrast(image.pixel(x, y), background) >= 3.0 ? 1 : 0;
    if (standing >= qMin(mark.width(), mark.height()) * 3 / 2)
        return {};
    return QStringLiteral("%1 (%2, %3): %4 pixels at 3:1 on #%5")
        .arg(button->objectName(), QLatin1String(button->isChecked() ? "ticked" : "unticked"),
             QLatin1String(button->isEnabled() ? "enabled" : "greyed"))
        .arg(standing)
        .arg(background & 0xffffff, 6, 16, QLatin1Char('0'));
}

// The focus frame is what changes when the keyboard brings the focus: enough of it must reach
// 3:1 against the control's background.
QString focusFault(TForm1& form, const QImage& before, QAbstractButton* button) {
    const QRect area(button->mapTo(&form, QPoint()), button->size());
    // As a key brings it: the frame shows for keyboard users only.
    button->setFocus(Qt::ShortcutFocusReason);
    if (!button->hasFocus())
        return button->objectName() + QLatin1String(" takes no focus");
    const QImage after = form.grab(area).toImage();
    const QRgb background = commonest(before, area);
    int changed = 0;
    int standing = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QRgb pixel = after.pixel(x, y);
            if (pixel == before.pixel(area.x() + x, area.y() + y))
                continue;
            ++changed;
            standing += contrast(pixel, background) >= 3.0 ? 1 : 0;
        }
    if (standing >= 2 * qMin(area.width(), area.height()))
        return {};
    return QStringLiteral("focus on %1: %2 of %3 changed pixels at 3:1 on #%4")
        .arg(button->objectName())
        .arg(standing)
        .arg(changed)
        .arg(background & 0xffffff, 6, 16, QLatin1Char('0'));
}

// Opens `bytes` as a file in the window, unless they are empty.
bool openAsFile(TForm1& form, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return true;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("mod.cfg"));
    writeFile(path, bytes);
    return form.openFile(path);
}

QList<QAbstractButton*> marked(QWidget* parent) {
    QList<QAbstractButton*> found;
    for (QAbstractButton* button : parent->findChildren<QAbstractButton*>())
        if ((qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) &&
            button->isVisible())
            found.append(button);
    return found;
}

} // namespace

class ThemeTest : public QObject {
    Q_OBJECT
private slots:
    void captionsStayReadable_data();
    void captionsStayReadable();
    void marksStandOut_data() { captionsStayReadable_data(); }
    void marksStandOut();
    void changedLinesRead_data() { captionsStayReadable_data(); }
    void changedLinesRead();
};

void ThemeTest::captionsStayReadable_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QByteArray>("file"); // opened first, unless empty
    QTest::newRow("light") << QApplication::style()->standardPalette() << QByteArray();
    QTest::newRow("dark") << darkPalette() << QByteArray();
    QTest::newRow("Adwaita dark") << adwaitaDarkPalette() << QByteArray();
    // A value for each kind of place the row's own choice for it takes.
    const QByteArray file = "set g_gametype \"ctf\"\nset sv_pure 2\nset g_logsync 3\n"
                            "set g_allowvote 2\nset scr_re_showcarrier 2\nset sv_wwwDownload 2\n"
                            "set g_allowVoteKick 7\nset scr_allow_bar 5\n";
    QTest::newRow("light, values from a file") << QApplication::style()->standardPalette() << file;
    QTest::newRow("dark, values from a file") << darkPalette() << file;
}

void ThemeTest::captionsStayReadable() {
    QFETCH(QPalette, palette);
    QFETCH(QByteArray, file);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(openAsFile(form, file));
    auto* pages = child<QTabWidget>(&form, "PageControl1");
    const QString pictures = qEnvironmentVariable("LEDGERWICK_SCREENSHOTS");

    QStringList unreadable;
    int measured = 0;
    int greyed = 0;
    for (int i = 0; i < pages->count(); ++i) {
        QWidget* page = pages->widget(i);
        pages->setCurrentWidget(page);
        const QImage image = form.grab().toImage();
        if (!pictures.isEmpty() && QTest::currentDataTag() == QLatin1String("dark"))
            image.save(pictures + QStringLiteral("/dark-%1.png").arg(pictureName(page)));
        QList<QWidget*> widgets = page->findChildren<QWidget*>();
        if (i == 0) // the banner and the bottom strip once
            for (const char* name : {"Panel1", "bottomStrip"})
                widgets += child<QWidget>(&form, name)->findChildren<QWidget*>();
        for (QWidget* widget : std::as_const(widgets)) {
            if (!widget->isVisible())
                continue;
            bool skipped = false;
            const Caption caption = measure(image, widget, &form, skipped);
            if (skipped)
                continue;
            // A greyed control reads fainter than the others, which is how it says it is out of
            // use, but it can still be read.
            if (!widget->isEnabled()) {
                ++greyed;
                if (caption.ratio < 3.0 || caption.ratio >= 4.5)
                    unreadable.append(QStringLiteral("greyed %1 %2:1")
                                          .arg(caption.who)
                                          .arg(caption.ratio, 0, 'f', 1));
                continue;
            }
            ++measured;
            if (caption.ratio < 4.5)
                unreadable.append(
                    QStringLiteral("%1 %2:1").arg(caption.who).arg(caption.ratio, 0, 'f', 1));
        }
    }
    QApplication::setPalette(before);
    QVERIFY2(measured > 50 && greyed > 0,
             qPrintable(QStringLiteral("%1 and %2 greyed").arg(measured).arg(greyed)));
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1String("; "))));
}

void ThemeTest::marksStandOut() {
    QFETCH(QPalette, palette);
    QFETCH(QByteArray, file);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(openAsFile(form, file));
    auto* pages = child<QTabWidget>(&form, "PageControl1");
    auto* strip = child<QWidget>(&form, "bottomStrip");

    QStringList faults;
    int ticked = 0;
    int unticked = 0;
    int greyed = 0;
    int focused = 0;
    auto measure = [&](const QList<QAbstractButton*>& buttons) {
        const QImage image = form.grab().toImage();
        for (QAbstractButton* button : buttons) {
            (button->isChecked() ? ticked : unticked) += 1;
            greyed += button->isEnabled() ? 0 : 1;
            const QString fault = markFault(image, button, &form);
            if (!fault.isEmpty())
                faults.append(fault);
        }
    };
    for (int i = 0; i < pages->count(); ++i) {
        QWidget* page = pages->widget(i);
        pages->setCurrentWidget(page);
        QList<QAbstractButton*> buttons = marked(page);
        if (i == 0)
            buttons += marked(strip);
        measure(buttons);
        // Each box the other way round.
        for (QAbstractButton* button : std::as_const(buttons))
            if (qobject_cast<QCheckBox*>(button))
                button->toggle();
        measure(buttons);
        // The keyboard's focus frame, from one control to the next.
        pages->tabBar()->setFocus();
        const QImage unfocused = form.grab().toImage();
        for (QAbstractButton* button : std::as_const(buttons))
            if (button->isEnabled() && button->focusPolicy() & Qt::TabFocus) {
                ++focused;
                const QString fault = focusFault(form, unfocused, button);
                if (!fault.isEmpty())
                    faults.append(fault);
            }
        pages->tabBar()->setFocus();
        page->setEnabled(false);
        strip->setEnabled(i != 0);
        measure(buttons);
        page->setEnabled(true);
        strip->setEnabled(true);
    }
    QApplication::setPalette(before);
    QVERIFY2(ticked > 100 && unticked > 100 && greyed > 100 && focused > 100,
             qPrintable(QStringLiteral("%1 ticked, %2 unticked, %3 greyed, %4 focused")
                            .arg(ticked)
                            .arg(unticked)
                            .arg(greyed)
                            .arg(focused)));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
}

// The marks beside the lines a save would change read at 4.5:1 or more on their margin.
void ThemeTest::changedLinesRead() {
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    TForm1 form;
    form.show();
    QVERIFY(openAsFile(form, "// mine\nset sv_hostname \"Old\"\nset sv_maxclients 16\n"));
    setText(form, "edServernames", QStringLiteral("New"));
    finish(form);
    child<QPlainTextEdit>(&form, "editor")->appendPlainText(QStringLiteral("set g_motd \"Hi\""));
    QTRY_COMPARE(form.findChild<ChangeMarks*>()->count(), 2);
    const QImage image = form.grab().toImage();
    QApplication::setPalette(before);
    const QString pictures = qEnvironmentVariable("LEDGERWICK_SCREENSHOTS");
    if (!pictures.isEmpty())
        image.save(pictures + QStringLiteral("/changes-%1.png").arg(QTest::currentDataTag()));
    auto* margin = child<QWidget>(&form, "ChangeMarks");
    const QRect area(margin->mapTo(&form, QPoint()), margin->size());
    const QRgb background = commonest(image, area);
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = qMax(best, contrast(image.pixel(x, y), background));
    QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
}

QTEST_MAIN(ThemeTest)
#include "tst_theme.moc"
