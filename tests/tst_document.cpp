// The whole configuration text with every control at its start value, line for line, and the
// bytes it saves as.
#include "support/TestSupport.h"
#include "window/Translation.h"

#include <QCheckBox>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {

const QStringList kDefaultDocument = {
    "//Server Information",
    "set sv_hostname \"BrantholmHost\"",
    "set scr_motd \"Welcome to Brantholm server.\"",
    "//",
    "//Server Options",
    "set sv_pure \"1\"",
    "set rconpassword \"\"",
    "set g_password \"\"",
    "set sv_privatepassword \"\"",
    "set sv_allowdownload \"1\"",
    "set sv_cheats \"0\"",
    "set g_log \"games_mp.log\"",
    "set g_logsync \"1\"",
    "set g_banips \"\"",
    "set sv_kickbantime \"300\"",
    "set sv_fps \"20\"",
    "set sv_allowanonymous \"0\"",
    "set sv_floodprotect \"1\"",
    "//",
    "//Network Options",
    "set net_ip \"\"",
    "set net_port \"28950\"",
    "set sv_maxrate \"0\"",
    "set sv_maxping \"0\"",
    "set sv_minping \"0\"",
    "//",
    "//Game Options",
    "set g_gametype \"dm\"",
    "set g_allowvote \"1\"",
    "set g_allowVoteKick \"0\"",
    "set g_allowVoteMap \"1\"",
    "set g_allowVoteMapRestart \"1\"",
    "set g_allowVoteMapRotate \"0\"",
    "set g_allowVoteTempBanUser \"0\"",
    "set g_allowVoteTypeMap \"1\"",
    "set g_allowVoteDrawFriend \"0\"",
    "set g_allowVoteFriendlyFire \"1\"",
    "set g_allowVoteKillCam \"1\"",
    "set scr_drawfriend \"1\"",
    "set scr_forcerespawn \"1\"",
    "set scr_friendlyfire \"0\"",
    "set scr_killcam \"1\"",
    "set scr_freelook \"1\"",
    "set scr_spectateenemy \"1\"",
    "set scr_teambalance \"0\"",
    "set scr_teamscorepenalty \"1\"",
    "set g_deadchat \"0\"",
    "//",
    "//Gametypes Configuration",
    "//-- Deathmatch",
    "set scr_dm_scorelimit \"50\"",
    "set scr_dm_timelimit \"30\"",
    "//-- Headquarters",
    "set scr_hq_scorelimit \"450\"",
    "set scr_hq_timelimit \"30\"",
    "//-- Team Deathmatch",
    "set scr_tdm_scorelimit \"100\"",
    "set scr_tdm_timelimit \"30\"",
    "//-- Behind Enemy Lines",
    "set scr_bel_scorelimit \"50\"",
    "set scr_bel_timelimit \"30\"",
    "set scr_bel_alivepointtime \"10\"",
    "//-- Retrieval",
    "set scr_re_scorelimit \"10\"",
    "set scr_re_timelimit \"0\"",
    "set scr_re_graceperiod \"15\"",
    "set scr_re_roundlength \"4\"",
    "set scr_re_roundlimit \"0\"",
    "set scr_re_showcarrier \"0\"",
    "//-- Search and Destroy",
    "set scr_sd_scorelimit \"10\"",
    "set scr_sd_timelimit \"0\"",
    "set scr_sd_graceperiod \"15\"",
    "set scr_sd_roundlength \"4\"",
    "set scr_sd_roundlimit \"0\"",
    "//",
    "set sv_mapRotation \"\"",
    "//Weapons",
    "set scr_allow_m1carbine \"1\"",
    "set scr_allow_m1garand \"1\"",
    "set scr_allow_thompson \"1\"",
    "set scr_allow_bar \"1\"",
    "set scr_allow_enfield \"1\"",
    "set scr_allow_sten \"1\"",
    "set scr_allow_bren \"1\"",
    "set scr_allow_springfield \"1\"",
    "set scr_allow_kar98k \"1\"",
    "set scr_allow_mp40 \"1\"",
    "set scr_allow_mp44 \"1\"",
    "set scr_allow_kar98ksniper \"1\"",
    "set scr_allow_nagant \"1\"",
    "set scr_allow_ppsh \"1\"",
    "set scr_allow_nagantsniper \"1\"",
    "set scr_allow_fg42 \"0\"",
    "set scr_allow_panzerfaust \"0\"",
};

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void defaults_data();
    void defaults();
    void savedBytes();
    void everyIncludeBoxUnchecked();
};

void DocumentTest::defaults_data() {
    QTest::addColumn<bool>("slashes");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("expected");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("with slashes") << true << english << kDefaultDocument;
    QStringList bare = kDefaultDocument;
    bare.removeIf([](const QString& line) { return line.startsWith(QLatin1String("//")); });
    QTest::newRow("without slashes") << false << english << bare;
    // The server reads the same file whatever the language the program speaks.
    QTest::newRow("in German") << true << QLocale(QLocale::German, QLocale::Germany)
                               << kDefaultDocument;
}

void DocumentTest::defaults() {
    QFETCH(bool, slashes);
    QFETCH(QLocale, locale);
    QFETCH(QStringList, expected);
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    const Translation translation(locale);
    QCOMPARE(translation.hasProgramTexts(), locale.language() == QLocale::German);
    TForm1 form;
    setChecked(form, "chkNewSlashes", slashes);
    QCOMPARE(finish(form), expected);
}

void DocumentTest::savedBytes() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("servercfg.cfg"));
    TForm1 form;
    form.show();
    finish(form);
    QVERIFY(!saveThroughDialog(form, path).seen);
    QCOMPARE(readFile(path), TestFiles::savedBytes(kDefaultDocument));
}

// The comment lines and the rows without include box remain: the nine votes, the weapons.
void DocumentTest::everyIncludeBoxUnchecked() {
    TForm1 form;
    for (QCheckBox* box : form.findChildren<QCheckBox*>())
        if (box->accessibleDescription() == QLatin1String("Add this line to the cfg?") ||
            box->objectName() == QLatin1String("chkMpr"))
            box->setChecked(false);
    const QStringList lines = finish(form);
    QStringList expected;
    for (const QString& line : kDefaultDocument)
        if (line.startsWith(QLatin1String("//")) || line.contains(QLatin1String("g_allowVote")) ||
            line.contains(QLatin1String("scr_allow_")))
            expected.append(line);
    QCOMPARE(lines, expected);
}

QTEST_MAIN(DocumentTest)
#include "tst_document.moc"
