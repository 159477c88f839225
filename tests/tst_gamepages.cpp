// The Game Options page with its Votes page, and the Gametypes page: their controls and the two
// sections of the text they write.
#include "support/TestSupport.h"
#include "window/PageControl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>

using namespace TestSupport;

namespace {

const QStringList kGameOptions = {
    R"(set g_gametype "dm")",
    R"(set g_allowvote "1")",
    R"(set g_allowVoteKick "0")",
    R"(set g_allowVoteMap "1")",
    R"(set g_allowVoteMapRestart "1")",
    R"(set g_allowVoteMapRotate "0")",
    R"(set g_allowVoteTempBanUser "0")",
    R"(set g_allowVoteTypeMap "1")",
    R"(set g_allowVoteDrawFriend "0")",
    R"(set g_allowVoteFriendlyFire "1")",
    R"(set g_allowVoteKillCam "1")",
    R"(set scr_drawfriend "1")",
    R"(set scr_forcerespawn "1")",
    R"(set scr_friendlyfire "0")",
    R"(set scr_killcam "1")",
    R"(set scr_freelook "1")",
    R"(set scr_spectateenemy "1")",
    R"(set scr_teambalance "0")",
    R"(set scr_teamscorepenalty "1")",
    R"(set g_deadchat "0")",
};
const QStringList kVotes = kGameOptions.mid(2, 9);
// Eleven on the Game Options page, twenty on the Gametypes page.
constexpr int kIncludeBoxes = 11 + 20;

const QStringList kGametypes = {
    R"(//Gametypes Configuration)",
    R"(//-- Deathmatch)",
    R"(set scr_dm_scorelimit "50")",
    R"(set scr_dm_timelimit "30")",
    R"(//-- Headquarters)",
    R"(set scr_hq_scorelimit "450")",
    R"(set scr_hq_timelimit "30")",
    R"(//-- Team Deathmatch)",
    R"(set scr_tdm_scorelimit "100")",
    R"(set scr_tdm_timelimit "30")",
    R"(//-- Behind Enemy Lines)",
    R"(set scr_bel_scorelimit "50")",
    R"(set scr_bel_timelimit "30")",
    R"(set scr_bel_alivepointtime "10")",
    R"(//-- Retrieval)",
    R"(set scr_re_scorelimit "10")",
    R"(set scr_re_timelimit "0")",
    R"(set scr_re_graceperiod "15")",
    R"(set scr_re_roundlength "4")",
    R"(set scr_re_roundlimit "0")",
    R"(set scr_re_showcarrier "0")",
    R"(//-- Search and Destroy)",
    R"(set scr_sd_scorelimit "10")",
    R"(set scr_sd_timelimit "0")",
    R"(set scr_sd_graceperiod "15")",
    R"(set scr_sd_roundlength "4")",
    R"(set scr_sd_roundlimit "0")",
    R"(//)",
};

QStringList withoutComments(const QStringList& lines) {
    QStringList kept;
    for (const QString& line : lines)
        if (!line.startsWith(QLatin1String("//")))
            kept.append(line);
    return kept;
}

// The Gametypes section: its header up to the separator that closes it.
QStringList gametypesSection(const QStringList& lines) {
    const qsizetype start = lines.indexOf(kGametypes.first());
    const qsizetype end = lines.indexOf(QStringLiteral("//"), start + 1);
    return start < 0 || end < 0 ? QStringList() : lines.mid(start, end - start + 1);
}

// The Game Options body followed by the Gametypes section, generated with comments.
QStringList bothSections(TForm1& form) {
    const QStringList lines = finish(form);
    return body(lines, QStringLiteral("//Game Options")) + gametypesSection(lines);
}

// `lines` with the line of the same variable (the text up to its first double quote) replaced.
QStringList withLine(QStringList lines, const QString& line) {
    const QString variable = line.left(line.indexOf(QLatin1Char('"')) + 1);
    for (QString& l : lines)
        if (l.startsWith(variable))
            l = line;
    return lines;
}

QList<QCheckBox*> includeBoxes(const TForm1& form) {
    QList<QCheckBox*> boxes;
    for (const char* page : {"TabSheet4", "TabSheet5"})
        for (QCheckBox* box : child<QWidget>(&form, page)->findChildren<QCheckBox*>())
            if (box->text().isEmpty())
                boxes.append(box);
    return boxes;
}

} // namespace

class GamePagesTest : public QObject {
    Q_OBJECT
private slots:
    void sectionsAtTheirDefaults();
    void includeBoxesDecideTheirOwnLine();
    void radioChoices_data();
    void radioChoices();
    void editsAreWrittenAsTyped();
    void votesPageRoundTrip();
    void hints();
};

void GamePagesTest::sectionsAtTheirDefaults() {
    {
        TForm1 form;
        const QStringList lines = finish(form);
        QCOMPARE(body(lines, QStringLiteral("//Game Options")), kGameOptions);
        const qsizetype gametypes = lines.indexOf(kGametypes.first());
        QCOMPARE(lines.value(gametypes - 1), QStringLiteral("//"));
        QCOMPARE(lines.mid(gametypes, kGametypes.size()), kGametypes);
    }
    {
        // Without comment lines the two sections follow each other directly, and the whole text
        // is the commented one without its comment lines.
        TForm1 commented;
        TForm1 form;
        setChecked(form, "chkNewSlashes", false);
        const QStringList lines = finish(form);
        const QStringList expected = kGameOptions + withoutComments(kGametypes);
        const qsizetype start = lines.indexOf(kGameOptions.first());
        QCOMPARE(lines.mid(start, expected.size()), expected);
        QCOMPARE(lines, withoutComments(finish(commented)));
    }
}

void GamePagesTest::includeBoxesDecideTheirOwnLine() {
    const QStringList defaults = kGameOptions + kGametypes;
    {
        TForm1 form;
        const QList<QCheckBox*> boxes = includeBoxes(form);
        QCOMPARE(boxes.size(), kIncludeBoxes);
        for (QCheckBox* box : boxes) {
            QVERIFY(box->isChecked());
            QCOMPARE(box->statusTip(), QStringLiteral("Add this line to the cfg?"));
            box->setChecked(false);
        }
        // The allowed votes have no box and are still read; the Gametypes section keeps only
        // its comment lines.
        setChecked(form, "chkKick", true);
        const QStringList comments = kGametypes.filter(QRegularExpression(QStringLiteral("^//")));
        QCOMPARE(bothSections(form), withLine(kVotes, R"(set g_allowVoteKick "1")") + comments);
    }

    // Each box takes out exactly one line, each a different one, and together every line that is
    // not an allowed vote.
    QStringList removed;
    for (int i = 0; i < kIncludeBoxes; ++i) {
        TForm1 form;
        QCheckBox* box = includeBoxes(form).at(i);
        box->setChecked(false);
        const QStringList lines = bothSections(form);
        QVERIFY2(lines.size() == defaults.size() - 1, qPrintable(box->objectName()));
        qsizetype at = 0;
        while (at < lines.size() && lines[at] == defaults[at])
            ++at;
        QVERIFY2(lines.mid(at) == defaults.mid(at + 1), qPrintable(box->objectName()));
        QVERIFY2(!removed.contains(defaults[at]), qPrintable(box->objectName()));
        removed.append(defaults[at]);
    }
    QStringList withBoxes = withoutComments(defaults);
    for (const QString& vote : kVotes)
        withBoxes.removeOne(vote);
    removed.sort();
    withBoxes.sort();
    QCOMPARE(removed, withBoxes);
}

void GamePagesTest::radioChoices_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("line");
    const char* rows[][2] = {
        {"gt2", R"(set g_gametype "tdm")"},         {"gt3", R"(set g_gametype "bel")"},
        {"gt4", R"(set g_gametype "re")"},          {"gt5", R"(set g_gametype "sd")"},
        {"gt6", R"(set g_gametype "hq")"},          {"rbAV0", R"(set g_allowvote "0")"},
        {"rbDF0", R"(set scr_drawfriend "0")"},     {"rbFR00", R"(set scr_forcerespawn "0")"},
        {"rbD1", R"(set g_deadchat "1")"},          {"rbFF1", R"(set scr_friendlyfire "1")"},
        {"rbFF2", R"(set scr_friendlyfire "2")"},   {"rbFF3", R"(set scr_friendlyfire "3")"},
        {"rbKK0", R"(set scr_killcam "0")"},        {"rbFL0", R"(set scr_freelook "0")"},
        {"rbSE0", R"(set scr_spectateenemy "0")"},  {"rbP0", R"(set scr_teamscorepenalty "0")"},
        {"rbRe1", R"(set scr_re_showcarrier "1")"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void GamePagesTest::radioChoices() {
    QFETCH(QString, button);
    QFETCH(QString, line);
    TForm1 form;
    auto* chosen = child<QRadioButton>(&form, qPrintable(button));
    chosen->setChecked(true);
    int checked = 0;
    for (QRadioButton* other : chosen->parentWidget()->findChildren<QRadioButton*>())
        checked += other->isChecked();
    QCOMPARE(checked, 1);
    // The button's hint names the value it writes.
    const QString value = line.mid(line.indexOf(QLatin1Char('"')));
    QVERIFY(chosen->statusTip().endsWith(QLatin1Char(' ') + value + QLatin1Char(')')));
    QCOMPARE(bothSections(form), withLine(kGameOptions + kGametypes, line));
}

void GamePagesTest::editsAreWrittenAsTyped() {
    TForm1 form;
    setText(form, "edMaxDiffs", QString());
    setText(form, "edDm2s", QStringLiteral("1500"));
    setText(form, "edRe4s", QString());
    setText(form, "edHq1s", QStringLiteral(R"( 7" )"));
    setText(form, "edHq2s", QStringLiteral("15"));
    QStringList expected = kGameOptions + kGametypes;
    for (const char* line : {R"(set scr_dm_timelimit "1500")", R"(set scr_hq_scorelimit " 7" ")",
                             R"(set scr_hq_timelimit "15")"})
        expected = withLine(expected, QString::fromLatin1(line));
    // An emptied number writes no line: the server keeps its own value.
    expected.removeIf([](const QString& line) {
        return line.startsWith(QLatin1String("set scr_teambalance ")) ||
               line.startsWith(QLatin1String("set scr_re_roundlength "));
    });
    QCOMPARE(bothSections(form), expected);
}

void GamePagesTest::votesPageRoundTrip() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* pages = child<PageControl>(&form, "PageControl1");
    QTabBar* tabs = pages->tabBar();
    auto* gameOptions = child<QWidget>(&form, "TabSheet4");
    auto* votes = child<QWidget>(&form, "tabVotes");
    const QPoint gameOptionsTab = tabs->tabRect(pages->indexOf(gameOptions)).center();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, gameOptionsTab);
    QCOMPARE(pages->currentWidget(), gameOptions);

    // "Allowed Votes" stands in the voting panel after "Yes" and "No" and leaves the choice be.
    auto* allowedVotes = child<QAbstractButton>(&form, "LMDTextButton30");
    auto* no = child<QAbstractButton>(&form, "rbAV0");
    QCOMPARE(allowedVotes->parentWidget(), child<QWidget>(&form, "Panel9"));
    QVERIFY(allowedVotes->x() > no->geometry().right());
    no->setChecked(true);
    setChecked(form, "chkAllowVote", false);
    QTest::mouseClick(allowedVotes, Qt::LeftButton);
    QVERIFY(no->isChecked());
    QCOMPARE(pages->currentWidget(), votes);
    QVERIFY(votes->isVisible());
    QVERIFY(!pages->isTabShown(votes));

    for (const char* box : {"chkKick", "chkMap", "chkKK"})
        click(form, box);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, gameOptionsTab);
    QCOMPARE(pages->currentWidget(), gameOptions);
    QVERIFY(!votes->isVisible());
    QVERIFY(child<QAbstractButton>(&form, "chkKick")->isChecked());
    QVERIFY(!child<QAbstractButton>(&form, "chkMap")->isChecked());

    // Voting switched off does not touch the votes.
    QStringList expected = kGameOptions;
    expected.removeAt(1);
    for (const char* line : {R"(set g_allowVoteKick "1")", R"(set g_allowVoteMap "0")",
                             R"(set g_allowVoteKillCam "0")"})
        expected = withLine(expected, QString::fromLatin1(line));
    QCOMPARE(body(finish(form), QStringLiteral("//Game Options")), expected);
}

void GamePagesTest::hints() {
    TForm1 form;
    QCOMPARE(child<QWidget>(&form, "LMDTextButton30")->statusTip(),
             QStringLiteral("Select allowed votes"));
    // Every edit of the Gametypes page has its label's hint, but the two of Headquarters.
    QStringList withoutHint;
    for (QLineEdit* edit : child<QWidget>(&form, "TabSheet5")->findChildren<QLineEdit*>())
        if (edit->statusTip().isEmpty())
            withoutHint.append(edit->objectName());
    withoutHint.sort();
    QCOMPARE(withoutHint, QStringList({"edHq1s", "edHq2s"}));
}

QTEST_MAIN(GamePagesTest)
#include "tst_gamepages.moc"
