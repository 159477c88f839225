// The main window as it opens: frame, menu, pages and tabs, start-up state, hints, web pages.
#include "app/PageControl.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDesktopServices>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

using namespace TestSupport;

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void frame();
    void startUpState();
    void pagesAndTabs();
    void votesPageShowsWithoutATab();
    void hintsShowInTheStatusBar();
    void menuHints();
    void webPages();
    void exitEndsTheEventLoop();
    void artworkAndFonts();
};

void WindowTest::frame() {
    TForm1 form;
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Ledgerwick 1.1"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowHandle()->title(), QStringLiteral("Brantholm - Ledgerwick 1.1"));
    QWidget* client = form.centralWidget();
    QCOMPARE(client->width(), 770);
    QCOMPARE(client->height() + form.statusBar()->height(), 497);
    QCOMPARE(form.statusBar()->height(), 19);
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(child<QWidget>(&form, "Panel1")->height(), 57);
    QCOMPARE(child<QWidget>(&form, "PageControl1")->height(), 384);
    QCOMPARE(child<QTabWidget>(&form, "PageControl1")->tabPosition(), QTabWidget::South);
    QCOMPARE(child<QLabel>(&form, "Label38")->text(), QStringLiteral("Ledgerwick v1.1"));
}

void WindowTest::startUpState() {
    TForm1 form;
    form.show();
    auto* pages = child<PageControl>(&form, "PageControl1");
    QCOMPARE(pages->currentWidget(), child<QWidget>(&form, "tabMain"));
    QVERIFY(!pages->isTabShown(child<QWidget>(&form, "tabEditor")));
    QVERIFY(!pages->isTabShown(child<QWidget>(&form, "tabVotes")));
    auto* finish = child<QAbstractButton>(&form, "btnFinish");
    QVERIFY(finish->isVisible() && finish->isEnabled());
    auto* save = child<QAbstractButton>(&form, "btnSave");
    QVERIFY(!save->isVisible() && !save->isEnabled());
    QVERIFY(!child<QAbstractButton>(&form, "btnClear")->isVisible());
    QVERIFY(!child<QAction>(&form, "Save1")->isEnabled());
    auto* slashes = child<QAbstractButton>(&form, "chkNewSlashes");
    QVERIFY(slashes->isChecked() && slashes->isEnabled());
    QVERIFY(child<QPlainTextEdit>(&form, "editor")->toPlainText().isEmpty());
}

void WindowTest::pagesAndTabs() {
    TForm1 form;
    auto* pages = child<PageControl>(&form, "PageControl1");
    // The hidden tabs stand behind the shown ones.
    const char* names[] = {"tabMain",   "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5",
                           "TabSheet6", "TabSheet1", "tabEditor", "tabVotes",  "tabCustom"};
    const char* captions[] = {"Server Information",
                              "Server Options",
                              "Network Options",
                              "Game Options",
                              "Gametypes",
                              "Map Rotation",
                              "Weapons",
                              "",
                              "",
                              ""};
    QCOMPARE(pages->count(), 10);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), QLatin1String(names[i]));
        QCOMPARE(pages->tabText(i), QLatin1String(captions[i]));
        QCOMPARE(pages->isTabVisible(i), captions[i][0] != 0);
        if (captions[i][0])
            QVERIFY(!pages->tabIcon(i).isNull());
    }
    // Shown, the editor tab has its caption and icon back, between "Map Rotation" and "Weapons".
    pages->setTabShown(child<QWidget>(&form, "tabEditor"), true);
    QCOMPARE(pages->tabText(6), QStringLiteral("editor"));
    QVERIFY(!pages->tabIcon(6).isNull());
    QCOMPARE(pages->tabText(7), QStringLiteral("Weapons"));
    pages->setTabShown(child<QWidget>(&form, "tabEditor"), false);
    QCOMPARE(pages->tabText(6), QStringLiteral("Weapons"));
}

void WindowTest::votesPageShowsWithoutATab() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* pages = child<PageControl>(&form, "PageControl1");
    auto* votes = child<QWidget>(&form, "tabVotes");

    pages->setCurrentIndex(1);
    const QImage firstTabUnselected = pages->tabBar()->grab().toImage();
    form.LMDTextButton30Click();
    QCOMPARE(pages->currentWidget(), votes);
    QVERIFY(votes->isVisible());
    QVERIFY(!pages->isTabShown(votes));
    // No piece of the hidden tab may be drawn over the first tab: it looks as it does when
    // another tab is selected (the frame lines at its two ends aside, which Fusion draws
    // differently next to a selected tab).
    const QImage withVotes = pages->tabBar()->grab().toImage();
    const QRect first = pages->tabBar()->tabRect(0).adjusted(2, 0, -6, 0);
    QCOMPARE(withVotes.copy(first), firstTabUnselected.copy(first));

    // Choosing a tab leaves the page; it stays without a tab.
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(3).center());
    QCOMPARE(pages->currentWidget(), child<QWidget>(&form, "TabSheet4"));
    QVERIFY(!pages->isTabShown(votes));
}

void WindowTest::hintsShowInTheStatusBar() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStatusBar* bar = form.statusBar();
    auto* finish = child<QWidget>(&form, "btnFinish");
    QTest::mouseMove(finish);
    QCOMPARE(bar->currentMessage(), QStringLiteral("Create CFG"));
    // An empty area of a page has no hint: the bar empties.
    auto* page = child<QWidget>(&form, "tabMain");
    QTest::mouseMove(page, QPoint(page->width() / 2, page->height() - 3));
    QCOMPARE(bar->currentMessage(), QString());
    QTest::mouseMove(child<QWidget>(&form, "chkNewSlashes"));
    QCOMPARE(bar->currentMessage(),
             QStringLiteral("Check this if you want to add slashes in the cfg to organize. '//' "
                            "and '//Description'"));
    QTest::mouseMove(child<QWidget>(&form, "Image35"));
    QCOMPARE(bar->currentMessage(), QStringLiteral("Brantholm"));
    // Hints are never tool tips.
    for (const QWidget* widget : form.findChildren<QWidget*>())
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
}

void WindowTest::menuHints() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* file = child<QMenu>(&form, "este1");
    auto* exit = child<QAction>(&form, "Exit1");
    // Shortcuts, shown in the menu.
    QCOMPARE(exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(child<QAction>(&form, "Save1")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(child<QAction>(&form, "Open1")->shortcut(), QKeySequence(QKeySequence::Open));
    form.menuBar()->setActiveAction(file->menuAction());
    QVERIFY(QTest::qWaitForWindowExposed(file));
    file->setActiveAction(exit);
    QCOMPARE(form.statusBar()->currentMessage(), QStringLiteral("Exit Program"));
    // The greyed "Save" shows its hint too when the mouse highlights it.
    auto* save = child<QAction>(&form, "Save1");
    QVERIFY(!save->isEnabled());
    QTest::mouseMove(file, file->actionGeometry(save).center());
    QTRY_COMPARE(form.statusBar()->currentMessage(), QStringLiteral("Save CFG"));
    file->close();
    const char* hints[][2] = {{"Save1", "Save CFG"},
                              {"Support1", "Support Forums"},
                              {"Kestrane1", "Visit Kestrane website"}};
    for (const auto& hint : hints)
        QCOMPARE(child<QAction>(&form, hint[0])->statusTip(), QLatin1String(hint[1]));
}

void WindowTest::webPages() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    TForm1 form;
    child<QAction>(&form, "Support1")->trigger();
    child<QAction>(&form, "Kestrane1")->trigger();
    child<QAbstractButton>(&form, "LMDTextButton29")->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.urls, (QList<QUrl>{QUrl("https://www.kestrane.example/forums/"),
                                        QUrl("https://www.kestrane.example"),
                                        QUrl("https://www.kestrane.example/ncs/")}));
}

void WindowTest::exitEndsTheEventLoop() {
    TForm1 form;
    form.show();
    QTimer::singleShot(0, &form, [&form] { child<QAction>(&form, "Exit1")->trigger(); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void WindowTest::artworkAndFonts() {
    // The two JPEG pictures decode through Qt's JPEG plugin (libjpeg).
    QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
    const struct {
        const char* resource;
        QSize size;
    } jpegs[] = {{":/banner.jpg", {770, 57}}, {":/strip.jpg", {770, 37}}};
    for (const auto& jpeg : jpegs) {
        QImageReader reader(QLatin1String(jpeg.resource));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), jpeg.size);
    }
    TForm1 form;
    for (int i = 0; i < 9; ++i)
        QCOMPARE(QPixmap(QStringLiteral(":/tab%1.png").arg(i)).size(), QSize(16, 16));
    QVERIFY(!form.windowIcon().isNull());

    // The window's fonts map to fonts the set-up installs.
    QCOMPARE(QFontInfo(form.font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(form.font()).pixelSize(), 11);
    QCOMPARE(QFontInfo(child<QLabel>(&form, "Label2")->font()).family(),
             QStringLiteral("DejaVu Sans"));
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
