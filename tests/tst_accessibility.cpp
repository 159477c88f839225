// What a screen reader learns from the window: every control a user operates has a name, and
// every hint is also the control's description. Read through Qt's accessibility interfaces, the
// same ones the desktop's accessibility bus is fed from.
#include "support/TestSupport.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

using namespace TestSupport;

namespace {

QString accessibleText(QObject* object, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(kind) : QStringLiteral("<no accessible interface>");
}

QString name(QObject* object) {
    return accessibleText(object, QAccessible::Name);
}

QString description(QObject* object) {
    return accessibleText(object, QAccessible::Description);
}

QString who(const QObject* object) {
    return QStringLiteral("%1 \"%2\"")
        .arg(QLatin1String(object->metaObject()->className()), object->objectName());
}

// A control the user clicks, types into or picks from. The line edit inside a combo box and the
// scroll bars of the memo are parts of their control, not controls of their own.
bool operated(const QWidget* widget) {
    if (qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QTabBar*>(widget))
        return false;
    if (qobject_cast<const QLineEdit*>(widget) &&
        qobject_cast<const QComboBox*>(widget->parentWidget()))
        return false;
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget);
}

// The window as a user meets it.
struct Window {
    TForm1 form;
    Window() {
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
    }
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName();
    void hintsAreDescriptions();
    void captionlessControlsTakeTheirRowsLabel();
    void radioGroupsAreNamedAfterTheirRow();
    void menuItems();
    void memoIsNamedAndItsTextIsReadable();
    void onlyShownTabsAreOffered();
    void windowLooksTheSame();
};

void AccessibilityTest::everyControlHasAName() {
    Window window;
    QStringList nameless;
    int controls = 0;
    for (QWidget* widget : window.form.findChildren<QWidget*>()) {
        if (!operated(widget))
            continue;
        ++controls;
        if (name(widget).trimmed().isEmpty() &&
            !widget->objectName().startsWith(QLatin1String("qt_")))
            nameless.append(who(widget));
    }
    QVERIFY2(controls > 100, qPrintable(QString::number(controls)));
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1String(", "))));
}

void AccessibilityTest::hintsAreDescriptions() {
    Window window;
    QStringList wrong;
    int hinted = 0;
    for (QWidget* widget : window.form.findChildren<QWidget*>()) {
        if (widget->statusTip().isEmpty())
            continue;
        ++hinted;
        if (description(widget) != widget->statusTip())
            wrong.append(QStringLiteral("%1: \"%2\"").arg(who(widget), description(widget)));
    }
    QVERIFY2(hinted > 150, qPrintable(QString::number(hinted)));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("\n"))));
    // A description is never made up where there is no hint.
    QCOMPARE(description(child<QWidget>(&window.form, "LMDTextButton1")), QString());
}

void AccessibilityTest::captionlessControlsTakeTheirRowsLabel() {
    Window window;
    const struct {
        const char* control;
        const char* name;
    } expected[] = {
        {"chkSvname", "Server name:"},
        {"edServernames", "Server name:"},
        {"chkAdmin1", "Administrator:"},
        {"edAdmin1s", "Administrator:"},
        {"chkLocation", "Location:"},
        {"lbLocation", "Location:"},
        {"edRotation", "Rotation Info:"},
        {"btnFinish", "Finish!"},
        {"chkNewSlashes", "Check this if you want to add slashes in the cfg to organize."},
    };
    for (const auto& e : expected)
        QCOMPARE(name(child<QWidget>(&window.form, e.control)), QLatin1String(e.name));
    QCOMPARE(description(child<QWidget>(&window.form, "chkSvname")),
             QStringLiteral("Add this line to the cfg?"));
    QCOMPARE(description(child<QWidget>(&window.form, "edServernames")),
             QStringLiteral("The name of your server, displayed in server browsers. (sv_hostname) "
                            "you may use colors."));
    // The location box's typing field speaks for the box.
    auto* location = child<QComboBox>(&window.form, "lbLocation");
    QVERIFY(location->lineEdit());
    QCOMPARE(name(location->lineEdit()), QStringLiteral("Location:"));
    QCOMPARE(description(location->lineEdit()), QStringLiteral("Host location. (.Location)"));
}

void AccessibilityTest::radioGroupsAreNamedAfterTheirRow() {
    Window window;
    int groups = 0;
    QStringList nameless;
    for (QRadioButton* button : window.form.findChildren<QRadioButton*>()) {
        QWidget* panel = button->parentWidget();
        if (panel->findChildren<QRadioButton*>().first() != button)
            continue;
        ++groups;
        if (name(panel).trimmed().isEmpty())
            nameless.append(who(panel));
    }
    QVERIFY2(groups >= 5, qPrintable(QString::number(groups)));
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1String(", "))));
    auto* cheats = child<QRadioButton>(&window.form, "rbCheats1");
    QCOMPARE(name(cheats->parentWidget()), QStringLiteral("Allow cheats:"));
    // Read with its row, not as a bare "Yes".
    QCOMPARE(name(cheats), QStringLiteral("Allow cheats: Yes"));
    QCOMPARE(
        description(cheats),
        QStringLiteral("Allow players to use in-built cheats such as godmode. (sv_cheats \"1\")"));
}

void AccessibilityTest::menuItems() {
    Window window;
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window.form.menuBar());
    QVERIFY(bar);
    QStringList titles;
    QStringList seen;
    for (int m = 0; m < bar->childCount(); ++m) {
        QAccessibleInterface* title = bar->child(m);
        titles.append(title->text(QAccessible::Name));
        QMenu* menu = qobject_cast<QAction*>(title->object())->menu();
        QVERIFY(menu);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
        QCOMPARE(list->childCount(), menu->actions().size());
        for (int i = 0; i < list->childCount(); ++i) {
            QAction* action = menu->actions().at(i);
            QAccessibleInterface* item = list->child(i);
            QCOMPARE(item->object(), action);
            if (action->isSeparator()) {
                QCOMPARE(item->role(), QAccessible::Separator);
                continue;
            }
            QCOMPARE(item->role(), QAccessible::MenuItem);
            QCOMPARE(item->parent()->object(), menu);
            QCOMPARE(list->indexOfChild(item), i);
            // Read without the access letter's mark.
            QCOMPARE(item->text(QAccessible::Name), QString(action->text()).remove(u'&'));
            QCOMPARE(item->text(QAccessible::Description), action->statusTip());
            QCOMPARE(item->state().disabled, !action->isEnabled());
            QVERIFY(item->state().invisible); // the menu is closed
            QVERIFY(item->actionInterface());
            // An item that opens a menu of its own shows it; the others are pressed.
            QCOMPARE(item->actionInterface()->actionNames(),
                     QStringList{action->menu() ? QAccessibleActionInterface::showMenuAction()
                                                : QAccessibleActionInterface::pressAction()});
            seen.append(item->text(QAccessible::Name) + QLatin1String(": ") +
                        item->text(QAccessible::Description));
        }
    }
    QCOMPARE(titles, QStringList({"File", "Server", "Help", "About"}));
    QCOMPARE(seen,
             QStringList({"New: Start a new CFG: every setting at its start value",
                          "Open...: Open a CFG to change it",
                          "Open from Server...: Open a CFG on the game server's host, at its "
                          "sftp://, ftps:// or ftp:// address",
                          "Open Recent: ", "Save: Save CFG",
                          "Save As...: Save CFG to another file: on this computer or on a server",
                          "Changes...: What a save would change: the lines that differ from "
                          "the file as opened or last saved",
                          "History...: Earlier versions of this CFG, kept at each save: open or "
                          "restore one",
                          "Exit: Exit Program",
                          "Connect...: Connect to a running server over its remote console",
                          "Compare: Compare the document's settings with what the running server "
                          "holds",
                          "Apply differences: Send the document's value of every setting that "
                          "differs to the server",
                          "map_restart: Restart the map, so that values waiting for a restart "
                          "take effect",
                          "Support Forum: Support Forums",
                          "About Ledgerwick: Version, licence and what Ledgerwick does",
                          "About Qt: The Qt toolkit Ledgerwick is built with",
                          "Kestrane: Visit Kestrane website"}));

    // "Press" does what a click does, and nothing while the item is greyed.
    QSignalSpy saved(child<QAction>(&window.form, "Save1"), &QAction::triggered);
    QAccessibleInterface* save =
        QAccessible::queryAccessibleInterface(child<QAction>(&window.form, "Save1"));
    QCOMPARE(save->object(), child<QAction>(&window.form, "Save1"));
    save->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(saved.count(), 0);
    QSignalSpy exited(child<QAction>(&window.form, "Exit1"), &QAction::triggered);
    QAccessibleInterface* exit =
        QAccessible::queryAccessibleInterface(child<QAction>(&window.form, "Exit1"));
    QVERIFY(exit);
    exit->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(exited.count(), 1);
}

void AccessibilityTest::memoIsNamedAndItsTextIsReadable() {
    Window window;
    auto* memo = child<QPlainTextEdit>(&window.form, "editor");
    QCOMPARE(name(memo), QStringLiteral("Your CFG"));
    QCOMPARE(description(memo), QStringLiteral("You may edit your CFG here before save..."));
    const QStringList lines = finish(window.form);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(memo);
    QVERIFY(face && face->textInterface());
    const QString text = face->textInterface()->text(0, face->textInterface()->characterCount());
    QVERIFY(text.startsWith(QStringLiteral("//Server Information\n"
                                           "set sv_hostname \"BrantholmHost\"\n")));
    QCOMPARE(text.split(QLatin1Char('\n')), lines);
}

// Names and descriptions are for screen readers only: no pop-up tip, nothing drawn differently.
void AccessibilityTest::windowLooksTheSame() {
    Window window;
    for (QWidget* widget : window.form.findChildren<QWidget*>())
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(who(widget)));
    QCOMPARE(child<QAbstractButton>(&window.form, "chkSvname")->text(), QString());
    QCOMPARE(child<QLineEdit>(&window.form, "edServernames")->text(),
             QStringLiteral("BrantholmHost"));
}

// The tab row offers the shown tabs by their captions; the hidden editor and Votes tabs are not
// there as nameless tabs. After "Finish!" the editor's tab is there, at its place.
void AccessibilityTest::onlyShownTabsAreOffered() {
    Window window;
    auto tabs = [&window] {
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(
            child<QTabWidget>(&window.form, "PageControl1")->tabBar());
        QStringList names;
        for (int i = 0; row && i < row->childCount(); ++i)
            if (QAccessibleInterface* tab = row->child(i); tab->role() == QAccessible::PageTab)
                names.append(tab->text(QAccessible::Name));
        return names;
    };
    const QStringList shown = {
        "Server Information", "Server Options", "Network Options", "Game Options",
        "Gametypes",          "Map Rotation",   "Weapons"};
    QCOMPARE(tabs(), shown);
    child<QAbstractButton>(&window.form, "btnFinish")->click();
    QStringList withEditor = shown;
    withEditor.insert(6, QStringLiteral("editor"));
    QCOMPARE(tabs(), withEditor);
    // A tab is pressed as a screen reader presses it.
    QAccessibleInterface* row = QAccessible::queryAccessibleInterface(
        child<QTabWidget>(&window.form, "PageControl1")->tabBar());
    row->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(child<QTabWidget>(&window.form, "PageControl1")->currentWidget()->objectName(),
             QStringLiteral("TabSheet2"));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
