// The window as a German desktop starts it (LANG=de_DE.UTF-8, a locale this machine need not
// have generated), and with Liberation Sans hidden, so that the window's text is drawn in the
// wider DejaVu Sans: the program's own texts in German, the settings in English, and every
// caption whole.
#include "settings/PageCatalogue.h"
#include "support/TestSupport.h"
#include "window/Translation.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace {

// The system's fonts but Liberation Sans, the font the window's own font name maps to.
const char kFontsWithoutLiberation[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont>
    <rejectfont>
      <pattern><patelt name="family"><string>Liberation Sans</string></patelt></pattern>
    </rejectfont>
  </selectfont>
</fontconfig>
)";

struct Caption {
    QString text;
    QSize needed; // what the widget needs to show it whole
};

Caption captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty())
            return {};
        if (label->wordWrap())
            return {label->text(), QSize(0, label->heightForWidth(label->width()))};
        return {label->text(), QSize(label->sizeHint().width(), label->fontMetrics().height())};
    }
    if (auto* button = qobject_cast<const QPushButton*>(widget)) {
        // Its size hint has a smallest width of the style's own: measure the caption itself, with
        // the room the style leaves beside it (its margin and frame).
        const QStyle* style = button->style();
        return {button->text(),
                QSize(button->fontMetrics().horizontalAdvance(button->text()) +
                          style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                          2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button),
                      0)};
    }
    if (auto* box = qobject_cast<const QAbstractButton*>(widget)) {
        // A check box that stands for a row's value shows its box only; its caption, the
        // component's name, is never meant to be seen.
        if (box->text().isEmpty() || box->text() == box->objectName())
            return {};
        return {box->text(), QSize(box->sizeHint().width(), 0)};
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return {frame->title(), QSize(frame->minimumSizeHint().width(), 0)};
    return {};
}

QString describe(const QWidget* widget, const QString& text, const QSize& needed = {}) {
    return QStringLiteral("%1 \"%2\" (%3x%4, needs %5x%6)")
        .arg(widget->objectName(), text)
        .arg(widget->width())
        .arg(widget->height())
        .arg(needed.width())
        .arg(needed.height());
}

// Why the caption of `widget` is not drawn whole, or nothing.
QString cut(const QWidget* widget) {
    const Caption caption = captionOf(widget);
    if (caption.text.isEmpty() ||
        (widget->width() >= caption.needed.width() && widget->height() >= caption.needed.height()))
        return {};
    return describe(widget, caption.text, caption.needed);
}

// The captions cut among what shows of `area`, and those that reach out of their parent, which
// would cut them.
QStringList cutCaptions(const QWidget* area) {
    QStringList found;
    for (const QWidget* widget : area->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        if (const QString why = cut(widget); !why.isEmpty())
            found.append(why);
        if ((qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget)) &&
            !widget->parentWidget()->rect().contains(widget->geometry()))
            found.append(describe(widget, QStringLiteral("outside its parent")));
    }
    return found;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void germanWhereTheProgramSpeaks_data();
    void germanWhereTheProgramSpeaks();
    void standardButtonsInGerman();
    void savedInGerman();
    void nothingCut_data();
    void nothingCut();

private:
    std::unique_ptr<Translation> m_translation;
};

void LanguageTest::initTestCase() {
    // What the program's start does, from the system's locale.
    QCOMPARE(QLocale::system().language(), QLocale::German);
    m_translation = std::make_unique<Translation>();
    QVERIFY(m_translation->hasProgramTexts());
}

void LanguageTest::germanWhereTheProgramSpeaks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a menu") << "este1" << QByteArray("title") << "&Datei";
    QTest::newRow("a menu item") << "Exit1" << QByteArray("text") << "&Beenden";
    QTest::newRow("a button") << "btnFinish" << QByteArray("text") << "Fertig!";
    QTest::newRow("a button's hint") << "btnFinish" << QByteArray("statusTip") << "CFG erstellen";
    // The settings are the server's words, as its documentation and forums use them.
    QTest::newRow("a setting") << "Label1" << QByteArray("text") << "Server name:";
    QTest::newRow("a setting's hint")
        << "chkSvname" << QByteArray("statusTip") << "Add this line to the cfg?";
}

void LanguageTest::germanWhereTheProgramSpeaks() {
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QString, expected);
    TForm1 form;
    const QObject* object = form.findChild<QObject*>(name);
    QVERIFY(object);
    QCOMPARE(object->property(property.constData()).toString(), expected);
}

// Qt's own words in the program's questions: the standard buttons come from Qt's translation.
void LanguageTest::standardButtonsInGerman() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    child<QLineEdit>(&form, "edServernames")->setText(QStringLiteral("Bei Ulla"));
    QStringList seen;
    const ModalHandler answer([&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return false;
        seen << box->text() << box->informativeText();
        for (QMessageBox::StandardButton which :
             {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
            seen << box->button(which)->text();
        box->button(QMessageBox::Cancel)->click();
        return true;
    });
    child<QAction>(&form, "New1")->trigger();
    QCOMPARE(seen,
             (QStringList{"Die Einstellungen haben ungespeicherte Änderungen.",
                          "Möchten Sie sie speichern?", "Speichern", "Verwerfen", "Abbrechen"}));
    // Cancelled: nothing changed.
    QCOMPARE(child<QLineEdit>(&form, "edServernames")->text(), QStringLiteral("Bei Ulla"));
}

// The status bar after saving: German words, the size grouped as German groups digits.
void LanguageTest::savedInGerman() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("server.cfg"));
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    finish(form);
    QVERIFY(!saveThroughDialog(form, path).seen);
    const qint64 size = QFileInfo(path).size();
    QVERIFY(size >= 1000); // so that its digits are grouped: "2.334", not "2,334"
    QCOMPARE(form.statusBar()->currentMessage(),
             QStringLiteral("server.cfg gespeichert (%1 Bytes).")
                 .arg(QLocale(QLocale::German).toString(size)));
}

void LanguageTest::nothingCut_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<bool>("finished");
    QTest::newRow("banner") << "Panel1" << false;
    QTest::newRow("bottom strip") << "bottomStrip" << false;
    QTest::newRow("bottom strip with a text") << "bottomStrip" << true;
    for (const PageDeclaration& page : pageCatalogue())
        QTest::newRow(page.name) << QString::fromLatin1(page.name) << true;
}

void LanguageTest::nothingCut() {
    QFETCH(QString, area);
    QFETCH(bool, finished);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The font the window's own font name gets here.
    QCOMPARE(QFontInfo(form.font()).family(), QStringLiteral("DejaVu Sans"));
    if (finished) {
        finish(form);
        // A setting changed after "Finish!": the editor page says so on its title strip.
        child<QLineEdit>(&form, "edServernames")->setText(QStringLiteral("Bei Ulla"));
    }
    auto* shown = child<QWidget>(&form, qPrintable(area));
    if (auto* pages = qobject_cast<QTabWidget*>(shown->parentWidget()->parentWidget()))
        pages->setCurrentWidget(shown);
    QVERIFY(shown->isVisible());
    const QStringList found = cutCaptions(shown);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1String("; "))));
}

int main(int argc, char* argv[]) {
    // As a German desktop sets it.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(name);
    qputenv("LANG", "de_DE.UTF-8");
    QTemporaryDir fonts;
    const QString fontConfig = fonts.filePath(QStringLiteral("fonts.conf"));
    writeFile(fontConfig, kFontsWithoutLiberation);
    qputenv("FONTCONFIG_FILE", QFile::encodeName(fontConfig));
    QApplication application(argc, argv);
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"
