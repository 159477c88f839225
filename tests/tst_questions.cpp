// Every question the window asks, answered no sooner than a person reads it: those of a transfer
// against real servers on 127.0.0.1, and the others. (The whole journey, to the game server's
// console, is walked by tests/e2e with the installed program.)
#include "remote/RemoteClient.h"
#include "support/LoopbackServers.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

using namespace LoopbackServers;
using namespace TestSupport;

namespace {

// Slower than the 300 ms after which a transfer shows its progress.
constexpr int kQuestionPace = 1500;
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

void typeInto(TForm1& form, const char* name, const QString& text) {
    auto* edit = child<QLineEdit>(&form, name);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class QuestionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void questionsDuringATransfer_data();
    void questionsDuringATransfer();
    void questionsOfTheWindow_data();
    void questionsOfTheWindow();

private:
    std::unique_ptr<Sshd> m_sshd;
    QString m_data;
};

void QuestionsTest::initTestCase() {
    m_data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    m_sshd = std::make_unique<Sshd>();
    QVERIFY2(m_sshd->start(), qPrintable(m_sshd->error()));
    // The user's own key, in their home.
    qputenv("HOME", m_sshd->home().toLocal8Bit());
    qunsetenv("SSH_AUTH_SOCK");
}

void QuestionsTest::init() {
    // Each test starts knowing no server and no password.
    QDir(m_data).removeRecursively();
    RemoteClient::forgetPasswords();
}

void QuestionsTest::questionsDuringATransfer_data() {
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
void QuestionsTest::questionsDuringATransfer() {
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

void QuestionsTest::questionsOfTheWindow_data() {
    QTest::addColumn<QString>("question");
    QTest::newRow("unsaved changes") << "Do you want to save them?";
    QTest::newRow("problems before saving") << "Save it anyway?";
    QTest::newRow("where to save") << "Where do you want to save the text?";
}

// The window's other questions, read for a second before they are answered: each holds what
// was there until the answer comes.
void QuestionsTest::questionsOfTheWindow() {
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

QTEST_MAIN(QuestionsTest)
#include "tst_questions.moc"
