// The journey the program exists for, on real servers on 127.0.0.1 and at a person's pace: open
// the server's file by its address (trusting its key), change settings, save, connect, compare,
// apply; and every question the window asks, answered no sooner than a person reads it.
#include "app/ComparisonDialog.h"
#include "console/ComparisonModel.h"
#include "remote/RemoteClient.h"
#include "support/ConsoleServer.h"
#include "support/LoopbackServers.h"
#include "support/SecretService.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

using namespace LoopbackServers;
using namespace TestSupport;

namespace {

// Slower than the 300 ms after which a transfer shows its progress.
constexpr int kQuestionPace = 1500;
constexpr int kWait = 20000;
const QString kTitle = QStringLiteral("Brantholm[*] - Ledgerwick 1.1");
const char* const kQuestions[] = {"TrustQuestion", "PasswordDialog", "OverwriteQuestion"};

void press(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->text().remove(QLatin1Char('&')) == text) {
            button->click();
            return;
        }
    qFatal("no button %s", qPrintable(text));
}

// The progress dialog of a transfer, when one is shown.
QProgressDialog* shownProgress() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("RemoteProgress") && widget->isVisible())
            return static_cast<QProgressDialog*>(widget);
    return nullptr;
}

QWidget* shownQuestion() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        for (const char* name : kQuestions)
            if (widget->objectName() == QLatin1String(name) && widget->isVisible())
                return widget;
    return nullptr;
}

// What the user saw while answering a transfer's question.
struct Seen {
    QString question;
    QString progress;     // the progress dialog's text then, if one was shown
    bool covered = false; // a progress dialog came in front of the question
    int addressDialogs = 0;
    QString addressHeld; // in the address dialog when it came back
};

// Answers the transfer's question (yes or no) and the address dialog around it, at a person's
// pace: the address is typed the first time; shown again, it is closed.
ModalHandler answerTransfer(Seen& seen, const QString& address, bool yes) {
    return ModalHandler(
        [&seen, address, yes](QWidget* modal) {
            if (modal->objectName() == QLatin1String("RemoteProgress")) {
                // In front of an open question, it takes the clicks: noted, and cancelled so
                // that the test goes on.
                if (shownQuestion()) {
                    seen.covered = true;
                    static_cast<QProgressDialog*>(modal)->cancel();
                }
                return false;
            }
            if (modal->objectName() == QLatin1String("RemoteOpenDialog")) {
                auto* typed = child<QComboBox>(modal, "cmbAddress");
                if (seen.addressDialogs++ == 0) {
                    typed->setEditText(address);
                    static_cast<QDialog*>(modal)->accept();
                    return false;
                }
                seen.addressHeld = typed->currentText();
                static_cast<QDialog*>(modal)->reject();
                return true;
            }
            if (!shownQuestion() || shownQuestion() != modal)
                return false;
            seen.question = modal->objectName();
            if (const QProgressDialog* progress = shownProgress())
                seen.progress = progress->labelText();
            if (seen.question == QLatin1String("PasswordDialog")) {
                child<QLineEdit>(modal, "edPassword")->setText(QLatin1String(kFtpPassword));
                yes ? static_cast<QDialog*>(modal)->accept()
                    : static_cast<QDialog*>(modal)->reject();
            } else {
                press(modal, yes ? seen.question == QLatin1String("TrustQuestion")
                                       ? QStringLiteral("Trust and connect")
                                       : QStringLiteral("Overwrite")
                                 : QStringLiteral("Cancel"));
            }
            // Cancelled on the way, the address dialog comes back.
            return yes || seen.question == QLatin1String("OverwriteQuestion");
        },
        kQuestionPace);
}

QStringList tableStates(const ComparisonDialog* dialog) {
    const auto* table = dialog->findChild<QTableView*>(QStringLiteral("tblComparison"));
    QStringList rows;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        rows.append(table->model()->index(r, ComparisonModel::Variable).data().toString() + ':' +
                    table->model()->index(r, ComparisonModel::StateColumn).data().toString());
    return rows;
}

void typeInto(TForm1& form, const char* name, const QString& text) {
    auto* edit = child<QLineEdit>(&form, name);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class JourneyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void questionsDuringATransfer_data();
    void questionsDuringATransfer();
    void questionsOfTheWindow_data();
    void questionsOfTheWindow();
    void openSaveConnectCompareApply();

private:
    std::unique_ptr<Sshd> m_sshd;
    std::unique_ptr<SecretService> m_keyring;
    QString m_data;
};

void JourneyTest::initTestCase() {
    // As the program names itself: the command line finds what the window kept.
    QCoreApplication::setApplicationName(QStringLiteral("ledgerwick"));
    m_data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    m_keyring = std::make_unique<SecretService>();
    QVERIFY(m_keyring->running());
    m_sshd = std::make_unique<Sshd>();
    QVERIFY2(m_sshd->start(), qPrintable(m_sshd->error()));
    // The user's own key, in their home.
    qputenv("HOME", m_sshd->home().toLocal8Bit());
    qunsetenv("SSH_AUTH_SOCK");
}

void JourneyTest::init() {
    // Each test starts knowing no server and no password.
    QDir(m_data).removeRecursively();
    RemoteClient::forgetPasswords();
}

void JourneyTest::questionsDuringATransfer_data() {
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("note"); // in the status bar; %1 the address

    QTest::newRow("trust, answered") << "TrustQuestion" << true << "";
    QTest::newRow("trust, cancelled")
        << "TrustQuestion" << false << "Cancelled: %1 was not opened.";
    QTest::newRow("password, answered") << "PasswordDialog" << true << "";
    QTest::newRow("overwrite, cancelled")
        << "OverwriteQuestion" << false << "Cancelled: nothing was saved to %1.";
}

// While a question of a transfer is open, however long the user takes, no progress dialog
// covers it; the answer goes to the transfer, and a Cancel says what was not done.
void JourneyTest::questionsDuringATransfer() {
    QFETCH(QString, question);
    QFETCH(bool, yes);
    QFETCH(QString, note);
    FtpServer ftp(false);
    const bool password = question == QLatin1String("PasswordDialog");
    if (password)
        QVERIFY2(ftp.start(), qPrintable(ftp.error()));
    const QString path = (password ? ftp.files() : m_sshd->files()) + QStringLiteral("/asked.cfg");
    const QByteArray kept = "seta sv_hostname \"Asked\"\r\nset g_log \"games.log\"\r\n";
    writeFile(path, kept);
    if (!password)
        m_sshd->own(path);
    const QString address = password
                                ? ftp.address(QStringLiteral("admin"), QStringLiteral("asked.cfg"))
                                : m_sshd->address(QStringLiteral("asked.cfg"));
    TForm1 form;
    form.show();
    Seen seen;
    const QByteArray theirs = "seta sv_hostname \"Theirs\"\r\nset g_log \"games.log\"\r\n";
    if (question == QLatin1String("OverwriteQuestion")) {
        {
            const ModalHandler trust = answerTransfer(seen, address, true);
            QVERIFY(form.openFile(address));
        }
        seen = {};
        writeFile(path, theirs);
        typeInto(form, "edServernames", QStringLiteral("Mine"));
        finish(form);
        const ModalHandler overwrite = answerTransfer(seen, address, yes);
        click(form, "btnSave");
    } else {
        const ModalHandler answer = answerTransfer(seen, address, yes);
        child<QAction>(&form, "OpenFromServer1")->trigger();
    }

    QCOMPARE(seen.question, question);
    QVERIFY(!seen.covered);
    QVERIFY2(seen.progress.isEmpty() || seen.progress == QStringLiteral("Waiting for your answer…"),
             qPrintable(seen.progress));
    const QString status = child<QStatusBar>(&form, "StatusBar1")->currentMessage();
    if (yes) {
        QCOMPARE(child<QLineEdit>(&form, "edServernames")->text(), QStringLiteral("Asked"));
        QVERIFY(form.windowTitle().contains(QStringLiteral("asked.cfg")));
        if (question == QLatin1String("TrustQuestion"))
            QVERIFY(readFile(m_data + QStringLiteral("/known_hosts"))
                        .contains(QStringLiteral("[127.0.0.1]:%1 ").arg(m_sshd->port()).toUtf8()));
        return;
    }
    QCOMPARE(status, note.arg(address));
    if (question == QLatin1String("OverwriteQuestion")) {
        QCOMPARE(readFile(path), theirs);
    } else {
        QCOMPARE(seen.addressHeld, address);
        QCOMPARE(form.windowTitle(), kTitle);
        QVERIFY(!QFile::exists(m_data + QStringLiteral("/known_hosts")));
    }
}

void JourneyTest::questionsOfTheWindow_data() {
    QTest::addColumn<QString>("question");
    QTest::newRow("unsaved changes") << "Do you want to save them?";
    QTest::newRow("problems before saving") << "Save it anyway?";
    QTest::newRow("where to save") << "Where do you want to save the text?";
}

// The window's other questions, read for a second before they are answered: each holds what
// was there until the answer comes.
void JourneyTest::questionsOfTheWindow() {
    QFETCH(QString, question);
    TForm1 form;
    form.show();
    typeInto(form, "edServernames", QStringLiteral("Typed"));
    QString asked;
    const ModalHandler answer(
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return false;
            asked = box->text() + box->informativeText();
            press(box, QStringLiteral("Cancel"));
            return true;
        },
        kPersonsPace);
    if (question.startsWith(QLatin1String("Do you"))) {
        child<QAction>(&form, "New1")->trigger();
    } else if (question.startsWith(QLatin1String("Save it"))) {
        finish(form);
        child<QPlainTextEdit>(&form, "editor")->appendPlainText(QStringLiteral("set sv_fps \"\""));
        click(form, "btnSave");
    } else {
        finish(form);
        child<QAction>(&form, "SaveAs1")->trigger();
    }
    QVERIFY2(asked.endsWith(question), qPrintable(asked));
    QCOMPARE(child<QLineEdit>(&form, "edServernames")->text(), QStringLiteral("Typed"));
    QVERIFY(form.isWindowModified());
}

// The admin's whole journey, as the README tells it: the server's file opened by its address
// (its key trusted in the window), two settings changed and saved, the game server connected to
// at the address the document names, compared, the differences applied; then the same
// comparison from the command line, of the file at its address.
void JourneyTest::openSaveConnectCompareApply() {
    ConsoleServer server;
    QVERIFY(server.load(readFile(QFINDTESTDATA("console-captures/cvarlist-nine-columns.packets"))));
    const QString path = m_sshd->files() + QStringLiteral("/server.cfg");
    writeFile(path, QStringLiteral("// Night League, kept by hand\r\n"
                                   "seta sv_hostname \"^1Night ^7League\"\r\n"
                                   "set sv_maxclients \"16\"\r\n"
                                   "set scr_motd \"Be nice; play fair\"\r\n"
                                   "set g_gametype \"tdm\"\r\n"
                                   "set net_port \"%1\"\r\n"
                                   "set rconpassword \"capsecret\"\r\n")
                        .arg(server.port())
                        .toUtf8());
    m_sshd->own(path);
    const QString address = m_sshd->address(QStringLiteral("server.cfg"));
    const QString console = QStringLiteral("127.0.0.1:%1").arg(server.port());

    TForm1 form;
    form.show();
    Seen seen;
    {
        const ModalHandler trust = answerTransfer(seen, address, true);
        QVERIFY(form.openFile(address));
    }
    QCOMPARE(seen.question, QStringLiteral("TrustQuestion"));
    typeInto(form, "edServernames", QStringLiteral("^1Night ^7League EU"));
    typeInto(form, "edMaxplayerss", QStringLiteral("20"));
    finish(form);
    {
        const MessageCatcher catcher;
        click(form, "btnSave");
        QVERIFY2(!catcher.message.seen, qPrintable(catcher.message.text));
    }
    QVERIFY(readFile(path).contains("seta sv_hostname \"^1Night ^7League EU\"\r\n"
                                    "set sv_maxclients \"20\"\r\n"));

    // Server > Connect offers the document's host and port, and its rconpassword.
    QString offered;
    {
        const ModalHandler connect(
            [&](QWidget* modal) {
                if (modal->objectName() != QLatin1String("ConnectDialog"))
                    return false;
                offered = child<QLineEdit>(modal, "edServerAddress")->text() + ' ' +
                          child<QLineEdit>(modal, "edConsolePassword")->text();
                static_cast<QDialog*>(modal)->accept();
                return true;
            },
            kPersonsPace);
        child<QAction>(&form, "Connect1")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(&form, "lblServer")->text(),
                                  QStringLiteral("Night League (%1), map mp_harbor").arg(console),
                                  kWait);
    }
    QCOMPARE(offered, console + QStringLiteral(" capsecret"));

    child<QAction>(&form, "Compare1")->trigger();
    auto* dialog = child<ComparisonDialog>(&form, "ComparisonDialog");
    QTRY_COMPARE_WITH_TIMEOUT(
        tableStates(dialog),
        QStringList({"sv_hostname:Differs", "sv_maxclients:Differs", "scr_motd:Same",
                     "g_gametype:Same", "net_port:Differs", "rconpassword:Same"}),
        kWait);
    QString confirmation;
    {
        const ModalHandler apply(
            [&](QWidget* modal) {
                if (modal->objectName() != QLatin1String("ApplyQuestion"))
                    return false;
                confirmation = qobject_cast<QMessageBox*>(modal)->text();
                press(modal, QStringLiteral("Apply"));
                return true;
            },
            kPersonsPace);
        child<QAction>(&form, "ApplyDifferences1")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!confirmation.isEmpty(), kWait);
    }
    QVERIFY2(confirmation.startsWith(QStringLiteral("Send 3 settings to Night League?")),
             qPrintable(confirmation));
    QTRY_COMPARE_WITH_TIMEOUT(
        tableStates(dialog),
        QStringList({"sv_hostname:Same", "sv_maxclients:After restart", "scr_motd:Same",
                     "g_gametype:Same", "net_port:After restart", "rconpassword:Same"}),
        kWait);
    QCOMPARE(server.broadcasts, QStringList());

    // The same, from a script: the file read at its address, the key known from the window.
    QProcess compare;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LEDGERWICK_RCON_PASSWORD"), QStringLiteral("capsecret"));
    compare.setProcessEnvironment(environment);
    compare.start(LEDGERWICK_PROGRAM, {"--compare", address, "--server", console});
    // The server answers from this test's event loop while the program runs.
    QTRY_COMPARE_WITH_TIMEOUT(compare.state(), QProcess::NotRunning, kWait);
    QCOMPARE(QString::fromUtf8(compare.readAllStandardError()), QString());
    QCOMPARE(QString::fromUtf8(compare.readAllStandardOutput()),
             QStringLiteral("sv_maxclients: document \"20\", server \"16\" (after restart)\n"
                            "net_port: document \"%1\", server \"28950\" (after restart)\n")
                 .arg(server.port()));
    QCOMPARE(compare.exitCode(), 1);
}

QTEST_MAIN(JourneyTest)
#include "tst_journey.moc"
