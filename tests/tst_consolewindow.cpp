// The Server menu of the real window against a console server on 127.0.0.1, its dialogs driven as
// a user would; and `ledgerwick --compare`, the real program started as a script starts it.
#include "console/ComparisonModel.h"
#include "document/SavedSettings.h"
#include "remote/Keyring.h"
#include "support/ConsoleServer.h"
#include "support/SecretService.h"
#include "support/TestSupport.h"
#include "window/console/ComparisonDialog.h"
#include "window/console/ServerConsole.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

Keyring keyring() {
    return Keyring(ServerConsole::kKeyringService);
}

// Long enough for a whole Apply (a comparison, the commands, a comparison) on a busy machine.
constexpr int kWait = 15000;

void declareServer(ConsoleServer& server) {
    server.declare(QStringLiteral("sv_hostname"), QStringLiteral("S"), QStringLiteral("noname"));
    server.declare(QStringLiteral("sv_maxclients"), QStringLiteral("SAL"), QStringLiteral("8"));
    server.declare(QStringLiteral("g_motd"), QStringLiteral("A"));
    server.declare(QStringLiteral("scr_dm_timelimit"), QStringLiteral("A"), QStringLiteral("30"));
    server.declare(QStringLiteral("rconpassword"), QString(), QStringLiteral("secret"));
    server.run(QStringLiteral("sets sv_hostname \"^1Red^7 Fort\"\nset g_motd \"Be nice\"\n"));
}

// Fills in the connect dialog when it comes and accepts it, at a person's pace.
ModalHandler answerConnect(const QString& address, const QString& password) {
    return ModalHandler(
        [address, password](QWidget* modal) {
            if (modal->objectName() != QLatin1String("ConnectDialog"))
                return false;
            modal->findChild<QLineEdit*>(QStringLiteral("edServerAddress"))->setText(address);
            modal->findChild<QLineEdit*>(QStringLiteral("edConsolePassword"))->setText(password);
            static_cast<QDialog*>(modal)->accept();
            return true;
        },
        kPersonsPace);
}

// Notes the text of the next message box named `name` (any, when empty) and presses `button`, as
// a person does: after reading it.
struct BoxAnswer {
    QString text;
    std::optional<ModalHandler> handler;
};

std::unique_ptr<BoxAnswer> answerBox(const QString& name, const QString& button) {
    auto answer = std::make_unique<BoxAnswer>();
    BoxAnswer* seen = answer.get();
    answer->handler.emplace(
        [seen, name, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box || (!name.isEmpty() && box->objectName() != name))
                return false;
            seen->text = box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == button || button.isEmpty()) {
                    b->click();
                    return true;
                }
            return false;
        },
        kPersonsPace);
    return answer;
}

// A message box that no step of the test answers (say, a keyring that failed on a busy machine) is
// noted and closed after a long while, so that the test fails with its text instead of hanging.
ModalHandler closeUnexpected(QStringList* seen) {
    return ModalHandler(
        [seen](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen->append(box->text());
                box->reject();
            }
            return false;
        },
        20000);
}

QStringList tableStates(const ComparisonDialog* dialog) {
    const auto* table = dialog->findChild<QTableView*>(QStringLiteral("tblComparison"));
    QStringList rows;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        rows.append(table->model()->index(r, ComparisonModel::Variable).data().toString() + ':' +
                    table->model()->index(r, ComparisonModel::StateColumn).data().toString());
    return rows;
}

int rconSets(const ConsoleServer& server) {
    int sets = 0;
    for (const QString& request : server.requests)
        sets += request.startsWith(QLatin1String("rcon secret set"));
    return sets;
}

} // namespace

class ConsoleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void connectCompareApplyRestart();
    void aPasswordRememberedInTheKeyring();
    void theGeneratedTextBeforeFinish();
    void anOpenedFileBeforeFinish();
    void aRefusedPasswordStopsAtOnce();
    void compareFromTheCommandLine_data();
    void compareFromTheCommandLine();
    void applyOnSeveralServers();
    void ctrlCAtThePasswordPrompt();

private:
    std::unique_ptr<SecretService> m_keyring;
};

void ConsoleWindowTest::initTestCase() {
    // Every window here reads the keyring when it connects: a keyring of the tests' own.
    m_keyring = std::make_unique<SecretService>();
    QVERIFY(m_keyring->running());
    QTRY_VERIFY_WITH_TIMEOUT(keyring().read(QStringLiteral("nothing")).error.isEmpty(), 10000);
    // Its keyring made and unlocked: a busy machine takes a moment longer for that than for the
    // first reply.
    QTRY_VERIFY_WITH_TIMEOUT(keyring().write(QStringLiteral("probe"), "x").isEmpty(), 20000);
    QVERIFY(keyring().remove(QStringLiteral("probe")).isEmpty());
}

void ConsoleWindowTest::connectCompareApplyRestart() {
    ConsoleServer server;
    declareServer(server);
    TForm1 form;
    form.show();
    click(form, "btnFinish");
    // The document: the text in the editor, as the user left it.
    child<QPlainTextEdit>(&form, "editor")
        ->setPlainText("// mine\nsets sv_hostname \"^1Red^7 Fort\"\nset sv_maxclients \"16\"\n"
                       "set g_motd \"Be kind, 100%\" // was nice\nset g_unknownsetting 1\n"
                       "seta scr_dm_timelimit 20\nset rconpassword \"secret\"\n");

    {
        const ModalHandler connectDialog =
            answerConnect(QStringLiteral("127.0.0.1:%1").arg(server.port()), "secret");
        child<QAction>(&form, "Connect1")->trigger();
    }
    QTRY_COMPARE_WITH_TIMEOUT(
        child<QLabel>(&form, "lblServer")->text(),
        QStringLiteral("Red Fort (127.0.0.1:%1), map mp_harbor").arg(server.port()), kWait);
    QCOMPARE(server.requests, QStringList{"getstatus"});

    child<QAction>(&form, "Compare1")->trigger();
    auto* dialog = child<ComparisonDialog>(&form, "ComparisonDialog");
    QVERIFY(dialog->isVisible());
    const QStringList compared{"sv_hostname:Same",         "sv_maxclients:Differs",
                               "g_motd:Only by the file",  "g_unknownsetting:Not on the server",
                               "scr_dm_timelimit:Differs", "rconpassword:Same"};
    QTRY_COMPARE_WITH_TIMEOUT(tableStates(dialog), compared, kWait);
    // The password's values are dots until the user asks for them.
    const QAbstractItemModel* shown = child<QTableView>(dialog, "tblComparison")->model();
    auto* showPasswords = child<QCheckBox>(dialog, "chkShowPasswords");
    QVERIFY(!showPasswords->isChecked());
    QCOMPARE(shown->index(5, ComparisonModel::Server).data().toString(), QString(8, QChar(0x2022)));
    showPasswords->click();
    QCOMPARE(shown->index(5, ComparisonModel::Document).data().toString(),
             QStringLiteral("secret"));
    showPasswords->click();
    // The README's picture, when asked for (under Xvfb).
    if (qEnvironmentVariableIsSet("LEDGERWICK_SHOT"))
        dialog->grab().save(qEnvironmentVariable("LEDGERWICK_SHOT"));

    // Filtered by state, then sorted by name.
    child<QComboBox>(dialog, "cmbStateFilter")->setCurrentText("Differs");
    QCOMPARE(tableStates(dialog), compared.filter(":Differs"));
    auto* table = child<QTableView>(dialog, "tblComparison");
    table->sortByColumn(ComparisonModel::Variable, Qt::AscendingOrder);
    QCOMPARE(tableStates(dialog).first(), QStringLiteral("scr_dm_timelimit:Differs"));
    child<QComboBox>(dialog, "cmbStateFilter")->setCurrentIndex(0);
    table->sortByColumn(-1, Qt::AscendingOrder);
    QCOMPARE(tableStates(dialog), compared);

    // Cancelled, nothing is sent.
    {
        const auto answer = answerBox("ApplyQuestion", "Cancel");
        child<QAction>(&form, "ApplyDifferences1")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!answer->text.isEmpty(), kWait);
    }
    QCOMPARE(rconSets(server), 0);
    {
        const auto answer = answerBox("ApplyQuestion", "Apply");
        child<QAction>(&form, "ApplyDifferences1")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!answer->text.isEmpty(), kWait);
        QCOMPARE(answer->text.section("\n\n", 0, 0),
                 QStringLiteral("Send 2 settings to Red Fort?"));
        QCOMPARE(answer->text.section("\n\n", 1, 1).split('\n'),
                 QStringList({"sv_maxclients: \"8\" becomes \"16\"",
                              "scr_dm_timelimit: \"30\" becomes \"20\""}));
        // A value the console would turn into "Be kind, 100." is listed apart, with the reason.
        QVERIFY2(answer->text.section("\n\n", 2).startsWith("Not sent, only by the file: the "
                                                            "console turns") &&
                     answer->text.endsWith("next restart or exec:\ng_motd"),
                 qPrintable(answer->text));
    }
    QTRY_COMPARE_WITH_TIMEOUT(
        tableStates(dialog),
        QStringList({"sv_hostname:Same", "sv_maxclients:After restart", "g_motd:Only by the file",
                     "g_unknownsetting:Not on the server", "scr_dm_timelimit:Same",
                     "rconpassword:Same"}),
        kWait);
    QCOMPARE(rconSets(server), 2);
    QVERIFY(child<QLabel>(dialog, "lblComparisonSummary")
                ->text()
                .startsWith("2 sent, 1 after a restart. 6 settings compared with Red Fort"));

    auto* restart = child<QPushButton>(dialog, "btnMapRestart");
    QVERIFY(restart->isEnabled());
    {
        const auto answer = answerBox("RestartQuestion", "Restart the map");
        restart->click();
        QTRY_VERIFY_WITH_TIMEOUT(!answer->text.isEmpty(), kWait);
    }
    QTRY_COMPARE_WITH_TIMEOUT(tableStates(dialog).at(1), QStringLiteral("sv_maxclients:Same"),
                              kWait);
    QVERIFY(!restart->isEnabled());
    QCOMPARE(int(server.requests.filter("map_restart").size()), 1);
    QCOMPARE(server.broadcasts, QStringList());
    // The password went nowhere but to the server.
    QVERIFY(!readFile(savedSettings().fileName()).contains("secret"));
}

void ConsoleWindowTest::aPasswordRememberedInTheKeyring() {
    QStringList unexpected;
    const ModalHandler guard = closeUnexpected(&unexpected);
    ConsoleServer server;
    declareServer(server);
    const QString address = QStringLiteral("127.0.0.1:%1").arg(server.port());
    {
        TForm1 form;
        form.show();
        const ModalHandler connectDialog([&](QWidget* modal) {
            if (modal->objectName() != QLatin1String("ConnectDialog"))
                return false;
            child<QLineEdit>(modal, "edServerAddress")->setText(address);
            child<QLineEdit>(modal, "edConsolePassword")->setText("secret");
            child<QCheckBox>(modal, "chkRememberPassword")->setChecked(true);
            static_cast<QDialog*>(modal)->accept();
            return true;
        });
        child<QAction>(&form, "Connect1")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>(&form, "lblServer")->text().startsWith("Red Fort"),
                                 kWait);
    }
    QVERIFY2(keyring().read(address).secret == QStringLiteral("secret"),
             qPrintable(unexpected.join('\n')));
    QVERIFY(!readFile(savedSettings().fileName()).contains("secret"));

    // A later window offers it for the address last used; the server's password has changed.
    server.password = QStringLiteral("changed");
    TForm1 form;
    form.show();
    QString offered;
    QString addressOffered;
    bool ticked = false;
    const ModalHandler connectDialog([&](QWidget* modal) {
        if (modal->objectName() != QLatin1String("ConnectDialog"))
            return false;
        addressOffered = child<QLineEdit>(modal, "edServerAddress")->text();
        offered = child<QLineEdit>(modal, "edConsolePassword")->text();
        ticked = child<QCheckBox>(modal, "chkRememberPassword")->isChecked();
        static_cast<QDialog*>(modal)->accept();
        return true;
    });
    const auto refused = answerBox("RefusedPassword", "Forget the remembered password");
    child<QAction>(&form, "Compare1")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!refused->text.isEmpty(), kWait);
    QCOMPARE(addressOffered, address);
    QCOMPARE(offered, QStringLiteral("secret"));
    QVERIFY(ticked);
    const Keyring::Read read = keyring().read(address);
    QVERIFY(read.error.isEmpty());
    QVERIFY(!read.found);
    QCOMPARE(server.requests.filter("rcon").size(), qsizetype(1));
    QCOMPARE(unexpected, QStringList());
}

void ConsoleWindowTest::theGeneratedTextBeforeFinish() {
    ConsoleServer server;
    declareServer(server);
    TForm1 form;
    form.show();
    setText(form, "edServernames", QStringLiteral("^1Red^7 Fort"));
    {
        const ModalHandler connectDialog =
            answerConnect(QStringLiteral("127.0.0.1:%1").arg(server.port()), "secret");
        child<QAction>(&form, "Compare1")->trigger();
        // The connect dialog came first, then the comparison of the pages' text.
        QTRY_VERIFY_WITH_TIMEOUT(form.findChild<ComparisonDialog*>(), kWait);
    }
    auto* dialog = child<ComparisonDialog>(&form, "ComparisonDialog");
    QTRY_VERIFY_WITH_TIMEOUT(tableStates(dialog).contains("sv_hostname:Same"), kWait);
    // Most of what the pages write is unknown to this small server, and none of it was asked
    // by name: only the one latched variable it lists.
    QVERIFY(tableStates(dialog).filter(":Not on the server").size() > 20);
    QCOMPARE(server.broadcasts, QStringList());
    const bool latched =
        !tableStates(dialog).filter(QRegularExpression("^sv_maxclients:")).isEmpty();
    QCOMPARE(server.requests,
             QStringList({"getstatus", "rcon secret cvarlist"}) +
                 (latched ? QStringList{"rcon secret sv_maxclients"} : QStringList{}));
}

void ConsoleWindowTest::anOpenedFileBeforeFinish() {
    ConsoleServer server;
    declareServer(server);
    QTemporaryDir folder;
    const QString path = folder.filePath("server.cfg");
    // Kept by hand: tabs, a trailing comment, two commands on a line, CR line ends, seta.
    writeFile(path, "//my own\rseta\tsv_hostname \"^1Red^7 Fort\" // the name\r"
                    "exec other.cfg\rset g_motd \"Be nice\"; set scr_dm_timelimit 45\r");
    TForm1 form;
    form.show();
    QVERIFY(form.openFile(path));
    {
        const ModalHandler connectDialog =
            answerConnect(QStringLiteral("127.0.0.1:%1").arg(server.port()), "secret");
        child<QAction>(&form, "Compare1")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(form.findChild<ComparisonDialog*>(), kWait);
    }
    auto* dialog = child<ComparisonDialog>(&form, "ComparisonDialog");
    QTRY_VERIFY_WITH_TIMEOUT(!tableStates(dialog).isEmpty(), kWait);
    const QStringList rows = tableStates(dialog);
    QVERIFY2(rows.contains("sv_hostname:Same"), qPrintable(rows.join(' ')));
    QVERIFY2(rows.contains("g_motd:Same"), qPrintable(rows.join(' ')));
    QVERIFY2(rows.contains("scr_dm_timelimit:Differs"), qPrintable(rows.join(' ')));
    QCOMPARE(server.broadcasts, QStringList());
}

void ConsoleWindowTest::aRefusedPasswordStopsAtOnce() {
    ConsoleServer server;
    declareServer(server);
    TForm1 form;
    form.show();
    click(form, "btnFinish");
    child<QPlainTextEdit>(&form, "editor")->setPlainText("set g_motd hello\n");
    const auto box = answerBox(QString(), QString());
    {
        const ModalHandler connectDialog =
            answerConnect(QStringLiteral("127.0.0.1:%1").arg(server.port()), "guess");
        child<QAction>(&form, "Compare1")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!box->text.isEmpty(), kWait);
    }
    QVERIFY2(box->text.contains("refused the password"), qPrintable(box->text));
    QCOMPARE(server.requests, QStringList({"getstatus", "rcon guess cvarlist"}));
}

void ConsoleWindowTest::compareFromTheCommandLine_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");

    // As an admin's editor saves it: a byte-order mark, CR LF.
    QTest::newRow("all same")
        << "\xef\xbb\xbfset g_motd \"Be nice\"\r\nsets sv_hostname \"^1Red^7 Fort\"\r\n"
        << "secret" << 0 << "";
    QTest::newRow("differences") << "set g_motd \"Be kind\"\nset sv_maxclients 8\nset g_new 1\n"
                                 << "secret" << 1
                                 << "g_motd: document \"Be kind\", server \"Be nice\"\n"
                                    "g_new: document \"1\", not on the server\n";
    // No password's value goes into a job's log.
    QTest::newRow("passwords") << "set rconpassword \"N3wRotatedPass\"\nset g_password \"hush\"\n"
                               << "secret" << 1
                               << "rconpassword: differs\ng_password: not on the server\n";
    QTest::newRow("only by the file")
        << "set g_motd \"Be nice, 100%\"\n"
        << "secret" << 1
        << "g_motd: document \"Be nice, 100%\", server \"Be nice\" (only by the file)\n";
    QTest::newRow("refused password") << "set g_motd x\n"
                                      << "guess" << 2 << "";
    QTest::newRow("no file") << ""
                             << "secret" << 2 << "";
}

void ConsoleWindowTest::compareFromTheCommandLine() {
    QFETCH(QString, file);
    QFETCH(QString, password);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    ConsoleServer server;
    declareServer(server);
    QTemporaryDir folder;
    const QString path = folder.filePath("server.cfg");
    if (!file.isEmpty())
        writeFile(path, file.toUtf8());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display of any kind.
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("LEDGERWICK_RCON_PASSWORD", password);
    program.setProcessEnvironment(environment);
    program.start(LEDGERWICK_PROGRAM, {"--compare", path, "--server",
                                       QStringLiteral("127.0.0.1:%1").arg(server.port())});
    // The server answers from this test's event loop while the program runs.
    QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 20000);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), output);
    QCOMPARE(program.exitCode(), exitCode);
    QCOMPARE(errors.isEmpty(), exitCode != 2);
    QVERIFY(!program.arguments().join(' ').contains(password));
    if (password == "guess")
        QCOMPARE(int(server.requests.size()), 1);
}

// `--compare FILE --server A FILE2 --server B --apply`, against servers that list their variables
// as a real one does: each brought along and reported under its address; what the console cannot
// carry stays, and makes the status 1.
void ConsoleWindowTest::applyOnSeveralServers() {
    const QByteArray capture =
        readFile(QFINDTESTDATA("console-captures/cvarlist-nine-columns.packets"));
    ConsoleServer first, second;
    QVERIFY(first.load(capture));
    QVERIFY(second.load(capture));
    QTemporaryDir folder;
    const QString one = folder.filePath("one.cfg"), two = folder.filePath("two.cfg");
    writeFile(one, "set sv_hostname \"Day League\"\r\nset sv_maxclients 20\r\n");
    writeFile(two, "set scr_dm_timelimit 20\nset scr_motd \"100% fair\"\n");
    const auto address = [](const ConsoleServer& server) {
        return QStringLiteral("127.0.0.1:%1").arg(server.port());
    };

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.insert("LEDGERWICK_RCON_PASSWORD", "capsecret");
    program.setProcessEnvironment(environment);
    program.start(LEDGERWICK_PROGRAM, {"--compare", one, "--server", address(first), two,
                                       "--server", address(second), "--apply"});
    QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 30000);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), QString());
    QCOMPARE(
        QString::fromUtf8(program.readAllStandardOutput()),
        "== " + address(first) + " (" + one +
            ") ==\n"
            "sv_hostname: document \"Day League\", server \"^1Night ^7League\"\n"
            "sv_maxclients: document \"20\", server \"16\"\n"
            "Applied: 2 sent, 1 at the next restart (sv_maxclients).\n"
            "sv_maxclients: document \"20\", server \"16\" (after restart)\n"
            "== " +
            address(second) + " (" + two +
            ") ==\n"
            "scr_dm_timelimit: document \"20\", server \"30\"\n"
            "scr_motd: document \"100% fair\", server \"Be nice; play fair\" (only by the file)\n"
            "Applied: 1 sent.\n"
            "scr_motd: document \"100% fair\", server \"Be nice; play fair\" (only by the file)\n");
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(first.variable("sv_hostname")->value, QStringLiteral("Day League"));
    QCOMPARE(second.variable("scr_dm_timelimit")->value, QStringLiteral("20"));
    QCOMPARE(second.variable("scr_motd")->value, QStringLiteral("Be nice; play fair"));
}

// `--compare` without LEDGERWICK_RCON_PASSWORD asks on its terminal with the echo off; Ctrl+C there
// ends it with the echo on again, as the shell needs it.
void ConsoleWindowTest::ctrlCAtThePasswordPrompt() {
    QTemporaryDir folder;
    const QString path = folder.filePath("server.cfg");
    writeFile(path, "set g_motd x\n");
    QByteArrayList environment;
    for (const QString& variable : QProcess::systemEnvironment())
        if (!variable.startsWith("LEDGERWICK_RCON_PASSWORD="))
            environment.append(variable.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    QByteArray program(LEDGERWICK_PROGRAM), file = path.toLocal8Bit();
    std::vector<char*> argv{program.data(),
                            const_cast<char*>("--compare"),
                            file.data(),
                            const_cast<char*>("--server"),
                            const_cast<char*>("127.0.0.1:1"),
                            nullptr};

    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    QVERIFY(child >= 0);
    if (child == 0) {
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    const int slave = open(ptsname(terminal), O_RDWR | O_NOCTTY);
    QVERIFY(slave >= 0);
    auto echo = [slave] {
        termios settings{};
        return tcgetattr(slave, &settings) == 0 && (settings.c_lflag & ECHO);
    };
    QByteArray shown;
    QElapsedTimer waited;
    waited.start();
    while (!shown.contains("password") && !waited.hasExpired(10000)) {
        pollfd ready{terminal, POLLIN, 0};
        char bytes[256];
        if (poll(&ready, 1, 100) > 0) {
            const ssize_t got = read(terminal, bytes, sizeof bytes);
            if (got > 0)
                shown.append(bytes, got);
        }
    }
    QVERIFY2(shown.contains("Remote console password of 127.0.0.1:1: "), shown.constData());
    QTRY_VERIFY(!echo());
    QCOMPARE(write(terminal, "\x03", 1), ssize_t(1));
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    QVERIFY(echo());
    close(slave);
    close(terminal);
}

QTEST_MAIN(ConsoleWindowTest)
#include "tst_consolewindow.moc"
