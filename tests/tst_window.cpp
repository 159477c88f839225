// The main window as it opens: frame, menu, pages and tabs, start-up state, hints, web pages, the
// keyboard, the about boxes.
#include "settings/PageCatalogue.h"
#include "support/TestSupport.h"
#include "window/PageControl.h"

#include <QAction>
#include <QDesktopServices>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
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
    void webPages_data();
    void webPages();
    void aboutBoxes_data();
    void aboutBoxes();
    void menuAccessLetters();
    void pageKeysWorkEverywhere_data();
    void pageKeysWorkEverywhere();
    void tabFollowsEachPagesKeyboardOrder();
    void customLinesButtonFocusesTheBox();
    void openingNoteStaysUntilTheUserActs();
    void exitEndsTheEventLoop();
    void artworkAndFonts();
};

void WindowTest::frame() {
    TForm1 form;
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Ledgerwick 1.1"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowHandle()->title(), QStringLiteral("Brantholm - Ledgerwick 1.1"));
    // The client area of the window's fixed size: banner, pages, strip and status bar, one under
    // the other, each across the whole width.
    QWidget* client = form.centralWidget();
    QCOMPARE(client->width(), 770);
    QCOMPARE(client->height() + form.statusBar()->height(), 497);
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    int y = 0;
    for (const char* part : {"Panel1", "PageControl1", "bottomStrip"}) {
        const QRect area = child<QWidget>(&form, part)->geometry();
        QCOMPARE(area, QRect(0, y, client->width(), area.height()));
        y += area.height();
    }
    QCOMPARE(y, client->height());
    QVERIFY(form.statusBar()->height() >= form.statusBar()->fontMetrics().height());
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

void WindowTest::webPages_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("Help > Support Forum")
        << "Support1" << QUrl("https://www.kestrane.example/forums/");
    QTest::newRow("About > Kestrane") << "Kestrane1" << QUrl("https://www.kestrane.example");
    QTest::newRow("test colors") << "LMDTextButton29" << QUrl("https://www.kestrane.example/ncs/");
}

void WindowTest::webPages() {
    QFETCH(QString, control);
    QFETCH(QUrl, address);
    TForm1 form;
    form.show();
    auto press = [&] {
        if (auto* action = form.findChild<QAction*>(control))
            action->trigger();
        else
            child<QAbstractButton>(&form, qPrintable(control))->click();
    };
    {
        // A desktop with a browser gets the address, and nothing else shows.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        MessageCatcher none;
        press();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls, QList<QUrl>{address});
        QVERIFY2(!none.message.seen, qPrintable(none.message.text));
    }
    // Without one (as on the test platform, which opens nothing), the address shows to be copied.
    QString text;
    QString shownAddress;
    bool selectable = false;
    const ModalHandler handler([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box)
            return false;
        text = box->text();
        shownAddress = box->informativeText();
        selectable = box->textInteractionFlags() & Qt::TextSelectableByMouse;
        box->accept();
        return true;
    });
    press();
    QCOMPARE(text, QStringLiteral("No web browser could be started to show this page. Copy its "
                                  "address into a browser:"));
    QCOMPARE(shownAddress, address.toString());
    QVERIFY(selectable);
}

void WindowTest::aboutBoxes_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("says");
    QTest::newRow("About Ledgerwick")
        << "AboutLedgerwick1"
        << "About Ledgerwick"
        << QStringList{"Ledgerwick 1.1", "configuration file of a Brantholm game server",
                       "Licence: ", QStringLiteral("Qt %1").arg(qVersion())};
    QTest::newRow("About Qt") << "AboutQt1"
                              << "About Qt"
                              << QStringList{QStringLiteral("Qt version %1").arg(qVersion())};
}

void WindowTest::aboutBoxes() {
    QFETCH(QString, item);
    QFETCH(QString, title);
    QFETCH(QStringList, says);
    TForm1 form;
    form.show();
    auto* action = child<QAction>(&form, qPrintable(item));
    QVERIFY(child<QMenu>(&form, "este21")->actions().contains(action));
    QString seenTitle;
    QString seenText;
    const ModalHandler handler([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box)
            return false;
        seenTitle = box->windowTitle();
        seenText = box->text() + box->informativeText();
        box->accept();
        return true;
    });
    action->trigger();
    QCOMPARE(seenTitle, title);
    for (const QString& part : says)
        QVERIFY2(seenText.contains(part), qPrintable(part + QLatin1String(" not in ") + seenText));
}

// Every menu title and command has an access letter of its own within its menu, and Alt with a
// title's letter opens that menu.
void WindowTest::menuAccessLetters() {
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto letters = [](const QList<QAction*>& actions, QStringList& faults) {
        QSet<QChar> seen;
        for (const QAction* action : actions) {
            if (action->isSeparator())
                continue;
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            const QChar letter =
                key.isEmpty() ? QChar() : QChar(char16_t(key[0].key() & 0xffff)).toLower();
            if (letter.isNull() || seen.contains(letter))
                faults.append(action->text());
            seen.insert(letter);
        }
    };
    QStringList faults;
    letters(form.menuBar()->actions(), faults);
    // The recent files are a list of paths, not of commands.
    for (QMenu* menu : form.menuBar()->findChildren<QMenu*>())
        if (menu->objectName() != QLatin1String("OpenRecent1"))
            letters(menu->actions(), faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String(", "))));

    const struct {
        Qt::Key key;
        const char* menu;
    } menus[] = {{Qt::Key_F, "este1"}, {Qt::Key_H, "este21"}, {Qt::Key_A, "About1"}};
    for (const auto& entry : menus) {
        auto* menu = child<QMenu>(&form, entry.menu);
        QTest::keyClick(&form, entry.key, Qt::AltModifier);
        QTRY_VERIFY2(menu->isVisible(), entry.menu);
        menu->close();
        QTRY_VERIFY(!menu->isVisible());
    }
}

void WindowTest::pageKeysWorkEverywhere_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("back");
    QTest::addColumn<QString>("expected");
    QTest::newRow("in a page") << "tabMain"
                               << "edServernames" << false << "TabSheet2";
    QTest::newRow("in a page, back round") << "tabMain"
                                           << "edServernames" << true << "TabSheet1";
    QTest::newRow("on the strip's box") << "TabSheet3"
                                        << "chkNewSlashes" << false << "TabSheet4";
    QTest::newRow("on Finish!") << "TabSheet3"
                                << "btnFinish" << true << "TabSheet2";
    QTest::newRow("on a radio button") << "TabSheet2"
                                       << "rbPure1" << false << "TabSheet3";
    QTest::newRow("in the custom lines") << "tabCustom"
                                         << "memCustom" << false << "tabMain";
    QTest::newRow("in the custom lines, back") << "tabCustom"
                                               << "memCustom" << true << "TabSheet1";
    QTest::newRow("in the votes, back") << "tabVotes"
                                        << "chkMap" << true << "TabSheet1";
    QTest::newRow("in the editor") << "tabEditor"
                                   << "editor" << false << "TabSheet1";
    QTest::newRow("in the editor, back") << "tabEditor"
                                         << "editor" << true << "TabSheet6";
}

// Ctrl+Tab and Ctrl+Shift+Tab change page wherever the focus is.
void WindowTest::pageKeysWorkEverywhere() {
    QFETCH(QString, page);
    QFETCH(QString, focus);
    QFETCH(bool, back);
    QFETCH(QString, expected);
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* pages = child<QTabWidget>(&form, "PageControl1");
    if (page == QLatin1String("tabEditor"))
        click(form, "btnFinish");
    pages->setCurrentWidget(child<QWidget>(&form, qPrintable(page)));
    auto* widget = child<QWidget>(&form, qPrintable(focus));
    widget->setFocus(Qt::MouseFocusReason);
    QVERIFY(widget->hasFocus());
    if (back)
        QTest::keyClick(widget, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    else
        QTest::keyClick(widget, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pages->currentWidget()->objectName(), expected);
}

// Tab on each page goes through its controls in the order the page declares: none passed over
// that Tab can reach, none out of turn. A radio group takes Tab once, at its chosen button.
void WindowTest::tabFollowsEachPagesKeyboardOrder() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (const PageDeclaration& page : pageCatalogue()) {
        if (page.keyboard.empty())
            continue;
        QStringList order;
        for (const char* name : page.keyboard)
            order.append(QLatin1String(name));
        auto* first = child<QWidget>(&form, page.keyboard.front());
        auto* pages = child<PageControl>(&form, "PageControl1");
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(first))
                pages->setCurrentIndex(i);
        const auto place = [&order](QWidget* widget) {
            for (; widget; widget = widget->parentWidget())
                if (order.contains(widget->objectName()))
                    return int(order.indexOf(widget->objectName()));
            return -1;
        };
        first->setFocus(Qt::TabFocusReason);
        // A panel holds a group of choices, and may hold a button beside them: each stop in it
        // counts as the panel's.
        QList<int> visited{place(QApplication::focusWidget())};
        for (qsizetype i = 1; i < 4 * order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const int now = place(QApplication::focusWidget());
            if (now < visited.last())
                break; // round again, or out of the page
            if (now > visited.last())
                visited.append(now);
        }
        for (qsizetype i = 0; i < order.size(); ++i) {
            auto* widget = child<QWidget>(&form, qPrintable(order[i]));
            auto* radio = qobject_cast<QRadioButton*>(widget);
            const bool reachable = widget->isEnabled() && widget->isVisible() &&
                                   (widget->focusPolicy() & Qt::TabFocus) &&
                                   (!radio || radio->isChecked());
            QVERIFY2(!reachable || visited.contains(int(i)),
                     qPrintable(QString::fromLatin1(page.name) + ": Tab passes over " + order[i]));
        }
    }
}

void WindowTest::customLinesButtonFocusesTheBox() {
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* button = child<QAbstractButton>(&form, "btnCustom");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(&form, "memCustom"));
    QTest::keyClicks(QApplication::focusWidget(), "map mp_harbor");
    QCOMPARE(child<QPlainTextEdit>(&form, "memCustom")->toPlainText(),
             QStringLiteral("map mp_harbor"));
}

// What opening a file says stays in the status bar while the mouse passes over controls, and
// goes when the user clicks or types; then the hints show again.
void WindowTest::openingNoteStaysUntilTheUserActs() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("server.cfg"));
    writeFile(path, "set sv_hostname \"Harbor\"\r\nmap mp_harbor\r\n");
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QStatusBar* bar = form.statusBar();
    QVERIFY(form.openFile(path));
    const QString note =
        QStringLiteral("server.cfg: 1 setting on the pages, 1 other line kept in place.");
    QCOMPARE(bar->currentMessage(), note);
    auto* name = child<QWidget>(&form, "edServernames");
    for (const char* over : {"edServernames", "btnFinish", "chkNewSlashes", "edMotds"})
        QTest::mouseMove(child<QWidget>(&form, over));
    QTest::mouseMove(form.menuBar());
    QCOMPARE(bar->currentMessage(), note);
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(bar->currentMessage(), QString());
    QTest::mouseMove(child<QWidget>(&form, "btnFinish"));
    QCOMPARE(bar->currentMessage(), QStringLiteral("Create CFG"));
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
