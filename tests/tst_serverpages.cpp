// The first three pages of the window and the sections they write: Server Information, Server
// Options and Network Options.
#include "controls/TLMDListComboBox.h"
#include "settings/PageCatalogue.h"
#include "support/TestSupport.h"
#include "window/PageControl.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include <algorithm>
#include <tuple>

using namespace TestSupport;

namespace {

const QString serverInformation = QStringLiteral("//Server Information");
const QString serverOptions = QStringLiteral("//Server Options");
const QString networkOptions = QStringLiteral("//Network Options");

const QStringList serverInformationDefaults = {
    QStringLiteral("set sv_hostname \"BrantholmHost\""),
    QStringLiteral("set scr_motd \"Welcome to Brantholm server.\""),
};

const QStringList serverOptionsDefaults = {
    QStringLiteral("set sv_pure \"1\""),          QStringLiteral("set rconpassword \"\""),
    QStringLiteral("set g_password \"\""),        QStringLiteral("set sv_privatepassword \"\""),
    QStringLiteral("set sv_allowdownload \"1\""), QStringLiteral("set sv_cheats \"0\""),
    QStringLiteral("set g_log \"games_mp.log\""), QStringLiteral("set g_logsync \"1\""),
    QStringLiteral("set g_banips \"\""),          QStringLiteral("set sv_kickbantime \"300\""),
    QStringLiteral("set sv_fps \"20\""),          QStringLiteral("set sv_allowanonymous \"0\""),
    QStringLiteral("set sv_floodprotect \"1\""),
};

const QStringList networkOptionsDefaults = {
    QStringLiteral("set net_ip \"\""),      QStringLiteral("set net_port \"28950\""),
    QStringLiteral("set sv_maxrate \"0\""), QStringLiteral("set sv_maxping \"0\""),
    QStringLiteral("set sv_minping \"0\""),
};

// Every include box of a page, in the order of the lines it governs.
const QStringList serverOptionsBoxes = {"chkPure",  "chkRcon",       "chkSvpass", "chkPvtpw",
                                        "chkPvtp",  "chkMaxplayers", "chkDl",     "chkCheats",
                                        "chkLog",   "chkLogsync",    "chkBanned", "chkBanD",
                                        "chkSvfps", "chkA",          "chkFlood"};
const QStringList networkOptionsBoxes = {"chkIP",     "chkPort", "chkRate",    "chkMp", "chkMip",
                                         "chkMaster", "chkWWW",  "chkBaseurl", "chkDlD"};
const QStringList serverInformationBoxes = {"chkSvname", "chkMotd",     "chkAdmin1",   "chkMail1",
                                            "chkIRC1",   "chkWebsite1", "chkLocation", "chkAdmin2",
                                            "chkMail2",  "chkIRC2",     "chkWebsite2", "chkTS"};

// With every include box checked and every value at its default.
const QStringList serverInformationAll =
    serverInformationDefaults + QStringList{
                                    QStringLiteral("sets .Admin1 \"\""),
                                    QStringLiteral("sets .Admin2 \"\""),
                                    QStringLiteral("sets .Email1 \"@\""),
                                    QStringLiteral("sets .Email2 \"\""),
                                    QStringLiteral("sets .Irc1 \"\""),
                                    QStringLiteral("sets .Irc2 \"\""),
                                    QStringLiteral("sets .Website1 \"http://\""),
                                    QStringLiteral("sets .Website2 \"\""),
                                    QStringLiteral("sets .Location \"\""),
                                    QStringLiteral("sets .TS \"\""),
                                };
const QStringList networkOptionsAll =
    networkOptionsDefaults + QStringList{
                                 QStringLiteral("set sv_master1 \"master.brantholm.example\""),
                                 QStringLiteral("set sv_wwwDownload \"0\""),
                                 QStringLiteral("set sv_wwwBaseURL \"\""),
                                 // an empty number: no line, the server keeps its own
                             };

QStringList section(TForm1& form, const QString& header) {
    const QStringList lines = finish(form);
    if (!lines.contains(header))
        qFatal("no section %s", qPrintable(header));
    return body(lines, header);
}

void includeAll(const TForm1& form, const QStringList& boxes) {
    for (const QString& box : boxes)
        setChecked(form, qPrintable(box), true);
}

TLMDListComboBox* location(const TForm1& form) {
    return child<TLMDListComboBox>(&form, "lbLocation");
}

} // namespace

class ServerPagesTest : public QObject {
    Q_OBJECT
private slots:
    // Whole sections.
    void defaults_data();
    void defaults();
    void everyRowIncluded_data();
    void everyRowIncluded();
    void includeBoxRemovesItsLine_data();
    void includeBoxRemovesItsLine();
    void nothingIncluded();

    // Server Information.
    void contactPairs_data();
    void contactPairs();
    void locationList();
    void pickedLocation();
    void typedLocation();
    void rightColumnLevelWithLeft();

    // Server Options and Network Options.
    void radioChoices_data();
    void radioChoices();
    void downloadRedirection_data();
    void downloadRedirection();

    void valuesVerbatim_data();
    void valuesVerbatim();

    // The pages themselves.
    void irregularHints();
    void captionsWholeAndNothingOverlaps();
};

void ServerPagesTest::defaults_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Server Information") << serverInformation << serverInformationDefaults;
    QTest::newRow("Server Options") << serverOptions << serverOptionsDefaults;
    QTest::newRow("Network Options") << networkOptions << networkOptionsDefaults;
}

void ServerPagesTest::defaults() {
    QFETCH(QString, header);
    QFETCH(QStringList, expected);
    TForm1 form;
    QCOMPARE(section(form, header), expected);
}

void ServerPagesTest::everyRowIncluded_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Server Information")
        << serverInformation << serverInformationBoxes << serverInformationAll;
    QTest::newRow("Network Options") << networkOptions << networkOptionsBoxes << networkOptionsAll;
}

// Pairs numbered and in their order, the location empty, Team Speak last.
void ServerPagesTest::everyRowIncluded() {
    QFETCH(QString, header);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);
    TForm1 form;
    includeAll(form, boxes);
    QCOMPARE(section(form, header), expected);
}

void ServerPagesTest::includeBoxRemovesItsLine_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("expected");
    // `boxes` are included first; then `box` is left out, which drops the line at `index`.
    // An index past the lines: the row writes none (an empty number), so nothing changes.
    auto add = [](const QString& header, const QStringList& boxes, const QStringList& all,
                  const QString& box, qsizetype index) {
        QStringList expected = all;
        if (index < expected.size())
            expected.removeAt(index);
        QTest::addRow("%s", qPrintable(box)) << header << boxes << box << expected;
    };
    const QStringList emptyNumbers = {"chkPvtp", "chkMaxplayers", "chkDlD"};
    for (const auto& [header, boxes, all] :
         {std::tuple(serverOptions, serverOptionsBoxes, serverOptionsDefaults),
          std::tuple(networkOptions, networkOptionsBoxes, networkOptionsAll)}) {
        qsizetype line = 0;
        for (const QString& box : boxes)
            add(header, boxes, all, box, emptyNumbers.contains(box) ? all.size() : line++);
    }
    // A second contact's box also renumbers its first: the pairs have a test of their own.
    const QStringList firstContacts = {"chkSvname", "chkMotd",     "chkAdmin1",   "chkMail1",
                                       "chkIRC1",   "chkWebsite1", "chkLocation", "chkTS"};
    const qsizetype lines[] = {0, 1, 2, 4, 6, 8, 10, 11};
    for (qsizetype i = 0; i < firstContacts.size(); ++i)
        add(serverInformation, serverInformationBoxes, serverInformationAll, firstContacts[i],
            lines[i]);
}

void ServerPagesTest::includeBoxRemovesItsLine() {
    QFETCH(QString, header);
    QFETCH(QStringList, boxes);
    QFETCH(QString, box);
    QFETCH(QStringList, expected);
    TForm1 form;
    includeAll(form, boxes);
    child<QCheckBox>(&form, qPrintable(box))->click();
    QCOMPARE(section(form, header), expected);
}

void ServerPagesTest::nothingIncluded() {
    TForm1 form;
    for (const auto* boxes : {&serverInformationBoxes, &serverOptionsBoxes, &networkOptionsBoxes})
        for (const QString& box : *boxes)
            setChecked(form, qPrintable(box), false);
    // Whatever the values say.
    setChecked(form, "chkWWWs", true);
    location(form)->setEditText(QStringLiteral("Norway"));
    const QStringList lines = finish(form);
    QCOMPARE(
        lines.mid(0, 7),
        (QStringList{serverInformation, QStringLiteral("//"), serverOptions, QStringLiteral("//"),
                     networkOptions, QStringLiteral("//"), QStringLiteral("//Game Options")}));
}

void ServerPagesTest::contactPairs_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("withFirst");
    QTest::addColumn<bool>("withSecond");
    QTest::addColumn<QStringList>("lines");
    struct Pair {
        const char* key;
        const char* first;
        const char* second;
    };
    const Pair pairs[] = {{"Admin", "Admin1", "Admin2"},
                          {"Email", "Mail1", "Mail2"},
                          {"Irc", "IRC1", "IRC2"},
                          {"Website", "Website1", "Website2"}};
    for (const Pair& pair : pairs) {
        const QString key = QLatin1String(pair.key);
        auto line = [&key](const char* number, const char* text) {
            return QStringLiteral("sets .%1%2 \"%3\"")
                .arg(key, QLatin1String(number), QLatin1String(text));
        };
        const QString first = QLatin1String(pair.first);
        const QString second = QLatin1String(pair.second);
        QTest::addRow("%s neither", pair.key) << first << second << false << false << QStringList();
        QTest::addRow("%s first alone", pair.key)
            << first << second << true << false << QStringList{line("", "one")};
        QTest::addRow("%s both", pair.key)
            << first << second << true << true << QStringList{line("1", "one"), line("2", "two")};
        QTest::addRow("%s second alone", pair.key)
            << first << second << false << true << QStringList{line("2", "two")};
    }
}

void ServerPagesTest::contactPairs() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, withFirst);
    QFETCH(bool, withSecond);
    QFETCH(QStringList, lines);
    TForm1 form;
    setText(form, qPrintable(QStringLiteral("ed%1s").arg(first)), QStringLiteral("one"));
    setText(form, qPrintable(QStringLiteral("ed%1s").arg(second)), QStringLiteral("two"));
    setChecked(form, qPrintable(QStringLiteral("chk%1").arg(first)), withFirst);
    setChecked(form, qPrintable(QStringLiteral("chk%1").arg(second)), withSecond);
    QCOMPARE(section(form, serverInformation), serverInformationDefaults + lines);
}

void ServerPagesTest::locationList() {
    TForm1 form;
    TLMDListComboBox* box = location(form);
    QCOMPARE(box->count(), 237);
    QCOMPARE(box->itemText(0), QStringLiteral("Afghanistan"));
    QCOMPARE(box->itemText(236), QStringLiteral("Zimbabwe"));
    QCOMPARE(box->itemText(50), QStringLiteral("Cote D''Ivoire"));
    QCOMPARE(box->itemText(110), QStringLiteral("Korea, Dem. People''s Rep of"));
    // Stored order, not sorted: "Netherland Antilles" comes before "Netherlands".
    QCOMPARE(box->findText(QStringLiteral("Netherland Antilles")) + 1,
             box->findText(QStringLiteral("Netherlands")));
    QVERIFY(box->isEditable());
    QCOMPARE(box->maxVisibleItems(), 8);
    // Empty at start with no item picked.
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->text(), QString());
    QCOMPARE(box->accessibleName(), QStringLiteral("Location:"));
    QCOMPARE(box->accessibleDescription(), QStringLiteral("Host location. (.Location)"));
}

// Picked from the open list, the way a user does it.
void ServerPagesTest::pickedLocation() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TLMDListComboBox* box = location(form);
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(50, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(box->text(), QStringLiteral("Cote D''Ivoire"));
    setChecked(form, "chkLocation", true);
    QCOMPARE(section(form, serverInformation),
             (serverInformationDefaults + QStringList{"sets .Location \"Cote D''Ivoire\""}));
}

void ServerPagesTest::typedLocation() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TLMDListComboBox* box = location(form);
    box->setFocus();
    // Not in the list, and the start of an item that must not be completed.
    QTest::keyClicks(box->lineEdit(), QStringLiteral("United  Kingdom "));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(box->count(), 237);
    setChecked(form, "chkLocation", true);
    setChecked(form, "chkTS", true);
    setText(form, "edTSs", QStringLiteral("ts.example.org:8767"));
    QCOMPARE(section(form, serverInformation),
             (serverInformationDefaults + QStringList{"sets .Location \"United  Kingdom \"",
                                                      "sets .TS \"ts.example.org:8767\""}));
}

void ServerPagesTest::rightColumnLevelWithLeft() {
    TForm1 form;
    auto middle = [&form](const char* name) {
        return child<QWidget>(&form, name)->geometry().center().y();
    };
    const char* rows[][4] = {{"chkMotd", "edMotds", "chkTS", "edTSs"},
                             {"chkAdmin1", "edAdmin1s", "chkAdmin2", "edAdmin2s"},
                             {"chkMail1", "edMail1s", "chkMail2", "edMail2s"},
                             {"chkIRC1", "edIRC1s", "chkIRC2", "edIRC2s"},
                             {"chkWebsite1", "edWebsite1s", "chkWebsite2", "edWebsite2s"}};
    for (const auto& row : rows)
        for (const char* name : row)
            QCOMPARE(middle(name), middle(row[0]));
    QCOMPARE(middle("lbLocation"), middle("chkLocation"));
    QVERIFY(middle("chkLocation") > middle("chkWebsite1"));
}

void ServerPagesTest::radioChoices_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pure no") << "rbPure0"
                             << "set sv_pure \"0\"";
    QTest::newRow("downloads no") << "rbDl0"
                                  << "set sv_allowdownload \"0\"";
    QTest::newRow("cheats yes") << "rbCheats1"
                                << "set sv_cheats \"1\"";
    QTest::newRow("write immediately") << "rbW"
                                       << "set g_logsync \"0\"";
    QTest::newRow("anonymous yes") << "rbA1"
                                   << "set sv_allowanonymous \"1\"";
    QTest::newRow("flood no") << "rbFlood0"
                              << "set sv_floodprotect \"0\"";
}

// The button's line takes the place of its variable's line at the start values.
void ServerPagesTest::radioChoices() {
    QFETCH(QString, button);
    QFETCH(QString, expected);
    TForm1 form;
    form.show();
    child<PageControl>(&form, "PageControl1")->setCurrentWidget(child<QWidget>(&form, "TabSheet2"));
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    click(form, qPrintable(button));
    QStringList lines = serverOptionsDefaults;
    const QString variable = expected.left(expected.indexOf(QLatin1Char('"')));
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [&](const QString& l) { return l.startsWith(variable); });
    QVERIFY(line != lines.end());
    *line = expected;
    QCOMPARE(section(form, serverOptions), lines);
}

void ServerPagesTest::downloadRedirection_data() {
    QTest::addColumn<bool>("included");
    QTest::addColumn<bool>("redirect");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("left out") << false << false << QStringList();
    QTest::newRow("left out, box checked") << false << true << QStringList();
    QTest::newRow("off") << true << false << QStringList{"set sv_wwwDownload \"0\""};
    QTest::newRow("on") << true << true << QStringList{"set sv_wwwDownload \"1\""};
}

void ServerPagesTest::downloadRedirection() {
    QFETCH(bool, included);
    QFETCH(bool, redirect);
    QFETCH(QStringList, lines);
    TForm1 form;
    setChecked(form, "chkWWW", included);
    setChecked(form, "chkWWWs", redirect);
    QCOMPARE(section(form, networkOptions), networkOptionsDefaults + lines);
}

void ServerPagesTest::valuesVerbatim_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QStringList si = serverInformationDefaults;
    // A double quote is refused from the keyboard.
    si[0] = QStringLiteral("set sv_hostname \"^1Brant holm \"");
    QTest::newRow("server name") << serverInformation << "edServernames"
                                 << QStringLiteral("^1Brant \"holm\" ") << si;
    si = serverInformationDefaults;
    si[1] = QStringLiteral("set scr_motd \"\"");
    QTest::newRow("empty motd") << serverInformation << "edMotds" << QString() << si;
    QStringList so = serverOptionsDefaults;
    so[1] = QStringLiteral("set rconpassword \"  secret  \"");
    QTest::newRow("rcon") << serverOptions << "edRcons" << QStringLiteral("  se\"cret  ") << so;
    so = serverOptionsDefaults;
    so[so.indexOf(QStringLiteral("set g_log \"games_mp.log\""))] = QStringLiteral("set g_log \"\"");
    QTest::newRow("empty log") << serverOptions << "edLogs" << QString() << so;
    // An empty number writes no line.
    QStringList no = networkOptionsDefaults;
    no.removeAt(1);
    QTest::newRow("empty port") << networkOptions << "edPorts" << QString() << no;
    no = networkOptionsDefaults;
    no[4] = QStringLiteral("set sv_minping \" -5 \"");
    QTest::newRow("min ping") << networkOptions << "edMips" << QStringLiteral(" -5 \"") << no;
}

void ServerPagesTest::valuesVerbatim() {
    QFETCH(QString, header);
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* line = child<QLineEdit>(&form, qPrintable(edit));
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, text);
    QCOMPARE(section(form, header), expected);
    if (text.contains(QLatin1Char('"')))
        QCOMPARE(form.statusBar()->currentMessage(),
                 QStringLiteral("A value cannot hold a double quote: the server would end the "
                                "value there."));
}

void ServerPagesTest::irregularHints() {
    TForm1 form;
    auto hint = [&form](const char* name) { return child<QWidget>(&form, name)->statusTip(); };
    // A value control shows its own hint where its row gives one, its label the row's.
    int own = 0;
    for (const PageDeclaration& page : pageCatalogue())
        for (const SettingRow& row : page.settings) {
            if (!row.labelName)
                continue;
            QCOMPARE(hint(row.labelName), QString::fromLatin1(row.hint));
            QCOMPARE(hint(row.name), QString::fromLatin1(row.valueHint ? row.valueHint : row.hint));
            own += row.valueHint != nullptr;
        }
    QCOMPARE(own, 2);
    QCOMPARE(hint("LMDTextButton29"), QString());
    // The check box of a row with an include box is captioned with its own name.
    QCOMPARE(child<QCheckBox>(&form, "chkWWWs")->text(), QStringLiteral("chkWWWs"));
    // A radio button of a row that keeps the values out of its hints has the row's hint.
    QCOMPARE(hint("rbB"), hint("rbW"));
    QVERIFY(!hint("rbB").contains(QLatin1Char('"')));
    // The location box shows its hint in the status bar, also over its edit.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseMove(location(form)->lineEdit());
    QCOMPARE(form.statusBar()->currentMessage(), QStringLiteral("Host location. (.Location)"));
    // The password edits show what is typed.
    for (const char* edit : {"edRcons", "edSvpasss", "edPvtpws"})
        QCOMPARE(child<QLineEdit>(&form, edit)->echoMode(), QLineEdit::Normal);
}

// Every caption is drawn whole and no two controls of a page lie on each other.
void ServerPagesTest::captionsWholeAndNothingOverlaps() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char* name : {"tabMain", "TabSheet2", "TabSheet3"}) {
        auto* page = child<QWidget>(&form, name);
        child<PageControl>(&form, "PageControl1")->setCurrentWidget(page);
        const QRect area = page->rect();
        QList<QWidget*> controls;
        for (QWidget* widget : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!widget->isVisible())
                continue;
            controls.append(widget);
            const QString what =
                QStringLiteral("%1 %2").arg(QLatin1String(name), widget->objectName());
            QVERIFY2(area.contains(widget->geometry()), qPrintable(what));
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                if (!label->text().isEmpty()) {
                    QVERIFY2(label->width() >= label->sizeHint().width(),
                             qPrintable(what + label->text()));
                    QVERIFY2(label->height() >= label->fontMetrics().height(),
                             qPrintable(what + label->text()));
                }
            }
            if (auto* button = qobject_cast<QPushButton*>(widget))
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(what));
        }
        for (qsizetype i = 0; i < controls.size(); ++i)
            for (qsizetype j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(QStringLiteral("%1: %2 / %3 (%4)")
                                        .arg(QLatin1String(name), controls[i]->objectName(),
                                             controls[j]->objectName(),
                                             qobject_cast<QLabel*>(controls[j])
                                                 ? qobject_cast<QLabel*>(controls[j])->text()
                                                 : QString())));
    }
}

QTEST_MAIN(ServerPagesTest)
#include "tst_serverpages.moc"
