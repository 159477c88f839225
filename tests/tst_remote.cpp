// Files on servers: real sshd and FTP servers on 127.0.0.1, started here with keys made here.
#include "support/HandKeptFiles.h"
#include "support/LoopbackServers.h"
#include "support/TestSupport.h"

#include "config/CfgFile.h"
#include "document/RecentFiles.h"
#include "remote/History.h"
#include "remote/Keyring.h"
#include "remote/KnownHosts.h"
#include "remote/RemoteClient.h"
#include "window/remote/HistoryDialog.h"
#include "window/remote/RemoteOpenDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <thread>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using namespace LoopbackServers;
using Failure = RemoteTransfer::Failure;

namespace {

// What the user would answer to each question, and which questions came.
struct Answers {
    bool trust = true;
    QStringList passwords;
    bool remember = false;
    bool overwrite = false;

    QStringList asked;
    QString fingerprint;
    QByteArray expected; // of the overwrite question: what the save expected, what it found
    QByteArray onServer;
};

RemoteClient::Result perform(Answers& answers, const std::function<void(RemoteClient&)>& start,
                             bool interactive = true) {
    RemoteClient client;
    client.setInteractive(interactive);
    // As the window opens files: tidying the folder of what cut saves left there.
    RemoteTransfer::Settings settings;
    settings.tidyOnOpen = true;
    client.setSettings(settings);
    QObject::connect(&client, &RemoteClient::trustQuestion,
                     [&](const QString&, const QString& fingerprint, bool) {
                         answers.asked << QStringLiteral("trust");
                         answers.fingerprint = fingerprint;
                         client.answerTrust(answers.trust);
                     });
    QObject::connect(&client, &RemoteClient::passwordQuestion, [&](const QString&, bool refused) {
        answers.asked << (refused ? QStringLiteral("password again") : QStringLiteral("password"));
        client.answerPassword(answers.passwords.isEmpty() ? QString()
                                                          : answers.passwords.takeFirst(),
                              answers.remember);
    });
    QObject::connect(&client, &RemoteClient::overwriteQuestion,
                     [&](const QString&, const QByteArray& expected, const QByteArray& onServer,
                         const QByteArray&) {
                         answers.asked << QStringLiteral("overwrite");
                         answers.expected = expected;
                         answers.onServer = onServer;
                         client.answerOverwrite(answers.overwrite);
                     });
    start(client);
    return client.waitForFinished();
}

RemoteClient::Result fetch(const QString& address, Answers& answers, bool interactive = true) {
    return perform(
        answers, [&](RemoteClient& c) { c.fetch(RemoteAddress::parse(address)); }, interactive);
}

RemoteClient::Result store(const QString& address, const QByteArray& bytes,
                           const QByteArray& expected, Answers& answers) {
    return perform(
        answers, [&](RemoteClient& c) { c.store(RemoteAddress::parse(address), bytes, expected); });
}

// A hand-kept server.cfg of some size.
QByteArray configText(int lines) {
    QByteArray text = "// my server\r\nset sv_hostname \"Fox Den\"\r\nseta g_gametype dm ; set "
                      "sv_maxclients 16\r\n";
    for (int i = 0; i < lines; ++i)
        text += "set custom_" + QByteArray::number(i) + " \"value " + QByteArray::number(i) +
                "\"\t// note\r\n";
    return text;
}

// Answers the window's dialogs in turn: each step acts on the modal widget shown and says whether
// it took it. What blocks (a button that starts a transfer) is pressed from the event loop, so
// that the next step can answer what it brings.
using Step = std::function<bool(QWidget*)>;
TestSupport::ModalHandler answerInTurn(const QList<Step>& steps) {
    auto next = std::make_shared<qsizetype>(0);
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    return TestSupport::ModalHandler([steps, next, waited](QWidget* modal) {
        if (*next < steps.size() && steps[*next](modal)) {
            ++*next;
            waited->restart();
        } else if (waited->hasExpired(30000)) {
            // A dialog that no step expects: closed, so that the test fails instead of hanging.
            qWarning("step %d of %d never came; closing %s", int(*next) + 1, int(steps.size()),
                     qPrintable(modal->objectName()));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            waited->restart();
        }
        return *next >= steps.size();
    });
}

void later(const std::function<void()>& action) {
    QTimer::singleShot(0, action);
}

void pressLater(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->text().remove(QLatin1Char('&')) == QString(text).remove(QLatin1Char('&')))
            return later([button] { button->click(); });
    qFatal("no button %s", qPrintable(text));
}

// The rows of a listing as name|size, and whether every file row has a time.
QStringList rowsOf(const QTreeWidget* list, bool* timed) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows << item->text(0) + QLatin1Char('|') + item->text(1);
        if (!item->text(1).isEmpty() && item->text(2).isEmpty())
            *timed = false;
    }
    return rows;
}

Step activate(const QString& name, QStringList* rows, bool* timed) {
    return [=](QWidget* modal) {
        auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("lstFolder"));
        const QList<QTreeWidgetItem*> found =
            list ? list->findItems(name, Qt::MatchExactly) : QList<QTreeWidgetItem*>();
        if (found.isEmpty()) {
            return false;
        }
        *rows = rowsOf(list, timed);
        later([list, item = found.first()] { emit list->itemActivated(item, 0); });
        return true;
    };
}

// A file's permission bits, owner and group, as `ls -n` shows them: "0640 4242:4343".
QString attributes(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("missing");
    return QStringLiteral("%1 %2:%3")
        .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'))
        .arg(info.st_uid)
        .arg(info.st_gid);
}

// Every name in a folder, hidden ones too.
QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList hidden(const QString& folder) {
    return entries(folder).filter(QRegularExpression(QStringLiteral("^\\.")));
}

// Dates a file back, as if a save had left it there two minutes ago.
void age(const QString& path) {
    const timeval then[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
    QVERIFY(::utimes(QFile::encodeName(path).constData(), then) == 0);
}

// `ledgerwick --check ADDRESS`, as a script runs it.
int check(const QString& argument, QByteArray* out, QByteArray* errors) {
    QProcess program;
    program.start(QStringLiteral(LEDGERWICK_PROGRAM), {QStringLiteral("--check"), argument});
    program.closeWriteChannel();
    if (!program.waitForFinished(30000))
        return -1;
    *out = program.readAllStandardOutput();
    *errors = program.readAllStandardError();
    return program.exitCode();
}

} // namespace

class TestRemote : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void sftpRoundTrip();
    void sftpHostKeys();
    void sftpFaults_data();
    void sftpFaults();
    void sftpFullDisk();
    void droppedDuringUpload_data();
    void droppedDuringUpload();
    void silentServer();
    void ftps();
    void ftpListing();
    void passwordInKeyring();
    void checkCommand();
    void windowRoundTrip();
    void handKeptFilesOverSftp_data();
    void handKeptFilesOverSftp();
    void openFromServer();
    void history_data();
    void history();
    void saveAs();
    void keepsWhatTheFileWas_data();
    void keepsWhatTheFileWas();
    void foldersAndLeftovers_data();
    void foldersAndLeftovers();
    void twoAccounts();
    void hostKeysTheOpenSshWay_data();
    void hostKeysTheOpenSshWay();

private:
    void trustSshd() const;
    // Where the history of the served account's files is kept.
    QString sshPlace() const {
        return QStringLiteral("%1@127.0.0.1:%2").arg(m_sshd->user()).arg(m_sshd->port());
    }

    // The files of the sshd's account, or of the FTP server's "admin"; a path's address there, for
    // `user` or the account's own, with the FTP password typed in.
    QString files(bool sftp) const { return sftp ? m_sshd->files() : m_ftp->files(); }
    QString addressOn(bool sftp, const QString& relative, const QString& user = QString()) const {
        return sftp ? m_sshd->address(relative, user)
                    : m_ftp->address((user.isEmpty() ? QStringLiteral("admin") : user) +
                                         QLatin1Char(':') + kFtpPassword,
                                     relative);
    }
    static void overSftpAndFtp() {
        QTest::addColumn<bool>("sftp");
        QTest::newRow("SFTP") << true;
        QTest::newRow("FTP") << false;
    }

    QTemporaryDir m_home;
    std::unique_ptr<Sshd> m_sshd;
    std::unique_ptr<FtpServer> m_ftp;
    QString m_sshHome;
};

void TestRemote::initTestCase() {
    m_sshd = std::make_unique<Sshd>();
    QVERIFY2(m_sshd->start(), qPrintable(m_sshd->error()));
    m_ftp = std::make_unique<FtpServer>(false);
    QVERIFY2(m_ftp->start(), qPrintable(m_ftp->error()));
    // The client's key, as a user's own, and the program's data folder in a place of the test's.
    m_sshHome = m_sshd->home();
    qputenv("HOME", m_sshHome.toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit());
    qunsetenv("SSH_AUTH_SOCK");
}

void TestRemote::init() {
    // Each test starts knowing no server and no password.
    QDir(m_home.path()).removeRecursively();
    QDir().mkpath(m_home.path());
    RemoteClient::forgetPasswords();
    qputenv("HOME", m_sshHome.toLocal8Bit());
}

void TestRemote::sftpRoundTrip() {
    const QString path = m_sshd->files() + QStringLiteral("/server.cfg");
    const QByteArray original = configText(3);
    TestSupport::writeFile(path, original);
    m_sshd->own(path);
    const QString address = m_sshd->address(QStringLiteral("server.cfg"));

    Answers first;
    RemoteClient::Result opened = fetch(address, first);
    QVERIFY2(opened.ok, qPrintable(opened.message));
    QCOMPARE(opened.bytes, original);
    QCOMPARE(first.asked, QStringList{QStringLiteral("trust")});
    QCOMPARE(first.fingerprint, KnownHosts::keyFingerprint(m_sshd->hostKey()));

    // One setting changed and saved: the server has exactly that, and History the old file.
    QByteArray changed = original;
    changed.replace("Fox Den", "Wolf Den");
    Answers second;
    const RemoteClient::Result saved = store(address, changed, original, second);
    QVERIFY2(saved.ok, qPrintable(saved.message));
    QVERIFY(second.asked.isEmpty());
    QCOMPARE(TestSupport::readFile(path), changed);
    const QList<History::Version> versions =
        History().versions(sshPlace(), m_sshd->files() + QStringLiteral("/server.cfg"));
    QCOMPARE(versions.size(), 1);
    QCOMPARE(TestSupport::readFile(versions[0].file), original);
    // No file of the save is left beside it.
    QVERIFY(QDir(m_sshd->files())
                .entryList(QDir::Files | QDir::Hidden)
                .filter(QRegularExpression(QStringLiteral("^\\.")))
                .isEmpty());

    // Changed on the server since: the question brings what the server holds now; Cancel writes
    // nothing.
    QByteArray theirs = changed;
    theirs.replace("sv_maxclients 16", "sv_maxclients 24").append("set g_motd \"hi\"\r\n");
    TestSupport::writeFile(path, theirs);
    Answers third;
    third.overwrite = false;
    QByteArray mine = changed;
    mine.replace("Wolf Den", "Bear Den");
    const RemoteClient::Result refused = store(address, mine, changed, third);
    QVERIFY(refused.cancelled);
    QCOMPARE(third.asked, QStringList{QStringLiteral("overwrite")});
    QCOMPARE(third.expected, changed);
    QCOMPARE(third.onServer, theirs);
    QCOMPARE(TestSupport::readFile(path), theirs);
    Answers fourth;
    fourth.overwrite = true;
    const RemoteClient::Result overwritten = store(address, mine, changed, fourth);
    QVERIFY2(overwritten.ok, qPrintable(overwritten.message));
    QCOMPARE(TestSupport::readFile(path), mine);
    QCOMPARE(History().versions(sshPlace(), path).size(), 2);
}

void TestRemote::sftpHostKeys() {
    const QString path = m_sshd->files() + QStringLiteral("/keys.cfg");
    TestSupport::writeFile(path, configText(1));
    m_sshd->own(path);
    const QString address = m_sshd->address(QStringLiteral("keys.cfg"));

    // Without questions an unknown key fails and says what to do; nothing is recorded.
    Answers quiet;
    const RemoteClient::Result unknown = fetch(address, quiet, false);
    QVERIFY(!unknown.ok);
    QCOMPARE(unknown.failure, Failure::UnknownHostKey);
    QVERIFY2(unknown.message.contains(address) &&
                 unknown.message.contains(KnownHosts::keyFingerprint(m_sshd->hostKey())) &&
                 unknown.message.contains(QStringLiteral("trust the key")),
             qPrintable(unknown.message));
    Answers declined;
    declined.trust = false;
    QVERIFY(fetch(address, declined).cancelled);
    QVERIFY(!QFile::exists(KnownHosts().keyFile()));

    // A key in the user's own known_hosts is trusted without a question.
    const QString own = m_sshHome + QStringLiteral("/.ssh/known_hosts");
    TestSupport::writeFile(own, QStringLiteral("[127.0.0.1]:%1 ssh-ed25519 %2\n")
                                    .arg(m_sshd->port())
                                    .arg(QString::fromLatin1(m_sshd->hostKey().toBase64()))
                                    .toUtf8());
    Answers known;
    QVERIFY(fetch(address, known).ok);
    QVERIFY(known.asked.isEmpty());

    // Another key on record, in either file: refused, both fingerprints named, no question.
    const QString other = m_home.path() + QStringLiteral("/other");
    runTool(QStringLiteral("ssh-keygen"), {QStringLiteral("-q"),
                                           QStringLiteral("-t"),
                                           QStringLiteral("ed25519"),
                                           QStringLiteral("-N"),
                                           {},
                                           QStringLiteral("-f"),
                                           other});
    QFile pub(other + QStringLiteral(".pub"));
    QVERIFY(pub.open(QIODevice::ReadOnly));
    const QByteArray otherKey = QByteArray::fromBase64(pub.readAll().split(' ').value(1));
    for (const bool inUsersFile : {true, false}) {
        QFile::remove(own);
        QFile::remove(KnownHosts().keyFile());
        if (inUsersFile)
            TestSupport::writeFile(own, QStringLiteral("[127.0.0.1]:%1 ssh-ed25519 %2\n")
                                            .arg(m_sshd->port())
                                            .arg(QString::fromLatin1(otherKey.toBase64()))
                                            .toUtf8());
        else
            QVERIFY(KnownHosts().trustKey(QStringLiteral("127.0.0.1:%1").arg(m_sshd->port()),
                                          otherKey, nullptr));
        Answers changed;
        const RemoteClient::Result refused = fetch(address, changed);
        QCOMPARE(refused.failure, Failure::ChangedHostKey);
        QVERIFY(changed.asked.isEmpty());
        QVERIFY2(refused.message.contains(KnownHosts::keyFingerprint(otherKey)) &&
                     refused.message.contains(KnownHosts::keyFingerprint(m_sshd->hostKey())) &&
                     refused.message.contains(address),
                 qPrintable(refused.message));
    }
}

void TestRemote::sftpFaults_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("save");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "absent.cfg"
                             << "" << false << int(Failure::NotFound) << "no such file";
    QTest::newRow("a folder") << "conf"
                              << "folder" << false << int(Failure::IsFolder) << "is a folder";
    QTest::newRow("over 1 MiB") << "huge.cfg"
                                << "huge" << false << int(Failure::TooLarge) << "larger than 1 MiB";
    if (geteuid() == 0) {
        QTest::newRow("file not readable")
            << "secret.cfg"
            << "unreadable" << false << int(Failure::AccessDenied) << "does not permit";
        QTest::newRow("folder not writable")
            << "locked/server.cfg"
            << "locked folder" << true << int(Failure::AccessDenied) << "does not permit";
    }
    QTest::newRow("wrong password") << "server.cfg"
                                    << "no key" << false << int(Failure::Cancelled) << "cancelled";
}

void TestRemote::sftpFaults() {
    QFETCH(QString, name);
    QFETCH(QString, setup);
    QFETCH(bool, save);
    QFETCH(int, failure);
    QFETCH(QString, reason);

    const QString files = m_sshd->files();
    const QString path = files + QLatin1Char('/') + name;
    const QByteArray before = configText(2);
    if (setup == QLatin1String("folder")) {
        QDir().mkpath(path);
    } else if (setup == QLatin1String("huge")) {
        TestSupport::writeFile(path, QByteArray(RemoteTransfer::kMaxFileSize + 1, 'x'));
    } else if (setup == QLatin1String("unreadable")) {
        TestSupport::writeFile(path, before);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    } else if (setup == QLatin1String("locked folder")) {
        QDir().mkpath(files + QStringLiteral("/locked"));
        TestSupport::writeFile(path, before);
        m_sshd->own(path);
    } else if (!setup.isEmpty() || name != QLatin1String("absent.cfg")) {
        TestSupport::writeFile(path, before);
        m_sshd->own(path);
    }
    if (setup == QLatin1String("no key"))
        qputenv("HOME", m_home.path().toLocal8Bit());
    const QByteArray onServer = TestSupport::readFile(path);

    QVERIFY(KnownHosts().trustKey(QStringLiteral("127.0.0.1:%1").arg(m_sshd->port()),
                                  m_sshd->hostKey(), nullptr));
    const QString address = m_sshd->address(name);
    Answers answers;
    answers.passwords = {QStringLiteral("wrong"), QStringLiteral("wrong too")};
    const RemoteClient::Result result =
        save ? store(address, "set sv_hostname x\r\n", before, answers) : fetch(address, answers);
    QVERIFY(!result.ok);
    QCOMPARE(int(result.failure), failure);
    QVERIFY2(result.message.startsWith(
                 QStringLiteral("Cannot %1 %2: ").arg(save ? "save to" : "open", address)) &&
                 result.message.contains(reason, Qt::CaseInsensitive),
             qPrintable(result.message));
    QCOMPARE(TestSupport::readFile(path), onServer);
    if (setup == QLatin1String("no key")) {
        // Asked twice (the second time saying the first was refused), then the user gave up.
        QCOMPARE(answers.asked,
                 (QStringList{QStringLiteral("password"), QStringLiteral("password again"),
                              QStringLiteral("password again")}));
        QVERIFY(!result.message.contains(QStringLiteral("wrong")));
        // Without questions: the refusal, and what to do.
        Answers none;
        const RemoteClient::Result quiet = fetch(address, none, false);
        QCOMPARE(quiet.failure, Failure::LoginDenied);
        QVERIFY2(quiet.message.contains(QStringLiteral("refused the user name")) &&
                     quiet.message.contains(QStringLiteral("remember the password")),
                 qPrintable(quiet.message));
    }
    QVERIFY(QDir(files)
                .entryList(QDir::Hidden | QDir::Files)
                .filter(QStringLiteral(".new-"))
                .isEmpty());
}

void TestRemote::sftpFullDisk() {
    if (geteuid() != 0)
        QSKIP("a full disk needs a small tmpfs, which only root can mount");
    const QString folder = m_sshd->files() + QStringLiteral("/small");
    QDir().mkpath(folder);
    QVERIFY(QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=64k,mode=0777"), QStringLiteral("tmpfs"),
                               folder}) == 0);
    const auto unmount = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), folder});
    });
    const QString path = folder + QStringLiteral("/server.cfg");
    const QByteArray before = configText(20);
    TestSupport::writeFile(path, before);
    m_sshd->own(path);
    // The rest of the disk taken.
    QFile filler(folder + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) > 0) {
    }
    filler.close();

    QVERIFY(KnownHosts().trustKey(QStringLiteral("127.0.0.1:%1").arg(m_sshd->port()),
                                  m_sshd->hostKey(), nullptr));
    Answers answers;
    const RemoteClient::Result result = store(m_sshd->address(QStringLiteral("small/server.cfg")),
                                              configText(400), before, answers);
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(QStringLiteral("could not write")),
             qPrintable(result.message));
    QCOMPARE(TestSupport::readFile(path), before);
}

void TestRemote::droppedDuringUpload_data() {
    overSftpAndFtp();
}

void TestRemote::droppedDuringUpload() {
    // A large file, the server killed part way, again and again: the old file every time, and
    // what the cut saves leave beside it is the user's alone and goes with the next save.
    QFETCH(bool, sftp);
    const QString folder = files(sftp) + QStringLiteral("/cut");
    QDir().mkpath(folder);
    m_sshd->own(folder);
    const QString path = folder + QStringLiteral("/big.cfg");
    const QByteArray before = configText(10);
    trustSshd();
    const QString address = addressOn(sftp, QStringLiteral("cut/big.cfg"));
    const QByteArray large = configText(20000).left(RemoteTransfer::kMaxFileSize - 1);
    // The FTP server goes on; only its connections are cut.
    auto restart = [&] { return !sftp || m_sshd->start(); };
    const auto restartAtEnd = qScopeGuard([this] { m_sshd->start(); });
    QElapsedTimer clock;
    clock.start();
    int killedMidway = 0;
    int attempt = 0;
    for (; attempt < 100 && killedMidway < 20; ++attempt) {
        TestSupport::writeFile(path, before);
        m_sshd->own(path);
        QVERIFY(restart());
        RemoteClient client;
        // Cut from a thread of its own, a few milliseconds into the upload of the bytes (FTP's is
        // quicker), however busy the machine keeps this thread's event loop.
        std::thread cutter;
        connect(
            &client, &RemoteClient::progress, &client,
            [&](const QString& step, qint64, qint64) {
                if (!cutter.joinable() && step.startsWith(QStringLiteral("Writing")))
                    cutter = std::thread(
                        [&, wait = QRandomGenerator::global()->bounded(sftp ? 8000 : 1500)] {
                            QThread::usleep(wait);
                            sftp ? m_sshd->cut() : m_ftp->cut();
                        });
            },
            Qt::DirectConnection);
        client.store(RemoteAddress::parse(address), large, before);
        const RemoteClient::Result result = client.waitForFinished();
        if (cutter.joinable())
            cutter.join();
        if (result.ok) {
            QCOMPARE(TestSupport::readFile(path), large);
            continue;
        }
        QVERIFY2(result.message.startsWith(QStringLiteral("Cannot save to ") +
                                           RemoteAddress::parse(address).toString()),
                 qPrintable(result.message));
        // Killed between the renames, the old file is under another name until the next open.
        if (result.message.contains(QStringLiteral("goes back to its own name"))) {
            QVERIFY(restart());
            Answers answers;
            const RemoteClient::Result reopened = fetch(address, answers);
            QVERIFY2(reopened.bytes == before || reopened.bytes == large,
                     qPrintable(reopened.message));
            QCOMPARE(TestSupport::readFile(path), reopened.bytes);
            continue;
        }
        // Killed after the rename, while reading back: the whole new file, and the message says so.
        if (result.message.contains(QStringLiteral("put in place"))) {
            QCOMPARE(TestSupport::readFile(path), large);
            continue;
        }
        QVERIFY2(TestSupport::readFile(path) == before, qPrintable(result.message));
        QVERIFY2(result.message.contains(QStringLiteral("connection was lost")) ||
                     result.message.contains(QStringLiteral("No server answers")),
                 qPrintable(result.message));
        ++killedMidway;
    }
    QCOMPARE(killedMidway, 20);
    qInfo("%d saves, 20 of them cut midway, in %lld ms", attempt, clock.elapsed());
    // What the cut saves left holds the password: it is for the user alone (or still empty).
    for (const QString& name : hidden(folder)) {
        const QString file = folder + QLatin1Char('/') + name;
        QVERIFY2(attributes(file).startsWith(QStringLiteral("0600")) || QFileInfo(file).size() == 0,
                 qPrintable(name + QLatin1Char(' ') + attributes(file)));
    }
    // The next save leaves nothing of them.
    QVERIFY(restart());
    Answers answers;
    const RemoteClient::Result saved = store(address, before, TestSupport::readFile(path), answers);
    QVERIFY2(saved.ok, qPrintable(saved.message));
    QCOMPARE(hidden(folder), QStringList());
}

void TestRemote::silentServer() {
    // A port that takes the connection and never says a word.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    QList<QTcpSocket*> held;
    connect(&silent, &QTcpServer::newConnection, [&] { held << silent.nextPendingConnection(); });
    const QString address =
        QStringLiteral("sftp://admin@127.0.0.1:%1/server.cfg").arg(silent.serverPort());

    QElapsedTimer clock;
    clock.start();
    Answers answers;
    const RemoteClient::Result result = fetch(address, answers);
    QCOMPARE(result.failure, Failure::NoAnswer);
    QVERIFY2(result.message.contains(address) &&
                 result.message.contains(QStringLiteral("10 seconds")),
             qPrintable(result.message));
    QVERIFY(clock.elapsed() >= 9500 && clock.elapsed() < 14000);

    // Cancel stops the wait within a second.
    RemoteClient client;
    client.fetch(RemoteAddress::parse(address));
    QTest::qWait(500);
    clock.restart();
    client.cancel();
    const RemoteClient::Result cancelled = client.waitForFinished();
    QVERIFY(cancelled.cancelled);
    QVERIFY(clock.elapsed() < 1000);
}

void TestRemote::ftps() {
    FtpServer server(true);
    QVERIFY2(server.start(), qPrintable(server.error()));
    const QString path = server.files() + QStringLiteral("/server.cfg");
    const QByteArray before = configText(4);
    TestSupport::writeFile(path, before);
    const QString address = server.address(QStringLiteral("admin"), QStringLiteral("server.cfg"));

    // The self-signed certificate: its fingerprint asked about, then remembered; the password
    // typed in the address is used and kept out of everything said.
    Answers first;
    const QString typed =
        server.address(QStringLiteral("admin:") + kFtpPassword, QStringLiteral("server.cfg"));
    const RemoteClient::Result opened = fetch(typed, first);
    QVERIFY2(opened.ok, qPrintable(opened.message));
    QCOMPARE(opened.bytes, before);
    QCOMPARE(first.asked, QStringList{QStringLiteral("trust")});
    QVERIFY(first.fingerprint.count(QLatin1Char(':')) == 31);
    QVERIFY(!opened.address.toString().contains(QLatin1String(kFtpPassword)));

    // The password given for the account is used again in this run; the certificate is known.
    QByteArray changed = before;
    changed.replace("16", "20");
    Answers second;
    const RemoteClient::Result saved = store(address, changed, before, second);
    QVERIFY2(saved.ok, qPrintable(saved.message));
    QVERIFY(second.asked.isEmpty());
    QCOMPARE(TestSupport::readFile(path), changed);
    QCOMPARE(QDir(server.files()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("server.cfg")});

    // A user who may only read: refused, the file as it was.
    RemoteClient::forgetPasswords();
    Answers reader;
    reader.passwords = {QLatin1String(kFtpPassword)};
    const QString readerAddress =
        server.address(QStringLiteral("reader"), QStringLiteral("server.cfg"));
    const RemoteClient::Result denied = store(readerAddress, before, changed, reader);
    QVERIFY(!denied.ok);
    QVERIFY2(denied.message.startsWith(QStringLiteral("Cannot save to ") + readerAddress) &&
                 denied.message.contains(QStringLiteral("550")),
             qPrintable(denied.message));
    QCOMPARE(TestSupport::readFile(path), changed);

    // A wrong password, asked again, then given up.
    Answers wrong;
    wrong.passwords = {QStringLiteral("nope")};
    const RemoteClient::Result refused = fetch(address, wrong);
    QCOMPARE(refused.failure, Failure::Cancelled);
    QCOMPARE(wrong.asked,
             (QStringList{QStringLiteral("password"), QStringLiteral("password again")}));
}

void TestRemote::ftpListing() {
    FtpServer server(false);
    QVERIFY2(server.start(), qPrintable(server.error()));
    const QString files = server.files();
    QDir().mkpath(files + QStringLiteral("/zeta"));
    QDir().mkpath(files + QStringLiteral("/Alpha"));
    TestSupport::writeFile(files + QStringLiteral("/b.cfg"), QByteArray(1234, 'b'));
    TestSupport::writeFile(files + QStringLiteral("/A server.cfg"), "set a 1\n");
    TestSupport::writeFile(files + QStringLiteral("/notes.txt"), "not a config");

    Answers answers;
    answers.passwords = {QLatin1String(kFtpPassword)};
    const RemoteClient::Result result = perform(answers, [&](RemoteClient& c) {
        c.list(RemoteAddress::parse(server.address(QStringLiteral("admin"), QString())));
    });
    QVERIFY2(result.ok, qPrintable(result.message));
    QStringList seen;
    for (const RemoteEntry& entry : result.entries)
        seen << QStringLiteral("%1 %2 %3")
                    .arg(entry.name)
                    .arg(entry.isFolder)
                    .arg(entry.isFolder ? 0 : entry.size);
    QCOMPARE(seen, (QStringList{"Alpha 1 0", "zeta 1 0", "A server.cfg 0 8", "b.cfg 0 1234"}));
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(qAbs(result.entries.last().time.secsTo(now)) < 120);
}

void TestRemote::passwordInKeyring() {
    if (qEnvironmentVariableIsEmpty("LEDGERWICK_KEYRING_SESSION"))
        QSKIP("needs the Secret Service that the test tst_remote_keyring starts");
    FtpServer server(false);
    QVERIFY2(server.start(), qPrintable(server.error()));
    TestSupport::writeFile(server.files() + QStringLiteral("/server.cfg"), "set a 1\r\n");
    const QString address = server.address(QStringLiteral("admin"), QStringLiteral("server.cfg"));
    Keyring().remove(RemoteAddress::parse(address).account());

    // Asked once, remembered in the keyring: the command line's way of working needs no question.
    Answers first;
    first.passwords = {QLatin1String(kFtpPassword)};
    first.remember = true;
    const RemoteClient::Result opened = fetch(address, first);
    QVERIFY2(opened.ok && opened.message.isEmpty(), qPrintable(opened.message));
    QCOMPARE(first.asked, QStringList{QStringLiteral("password")});
    RemoteClient::forgetPasswords();
    Answers none;
    const RemoteClient::Result again = fetch(address, none, false);
    QVERIFY2(again.ok, qPrintable(again.message));
    QCOMPARE(Keyring().read(RemoteAddress::parse(address).account()).secret,
             QLatin1String(kFtpPassword));

    // A keyring password that no longer works: refused, and the user is asked again.
    QVERIFY(
        Keyring().write(RemoteAddress::parse(address).account(), QStringLiteral("old")).isEmpty());
    RemoteClient::forgetPasswords();
    Answers stale;
    stale.passwords = {QLatin1String(kFtpPassword)};
    QVERIFY(fetch(address, stale).ok);
    QCOMPARE(stale.asked, QStringList{QStringLiteral("password again")});

    // The password is in no file of the program's: not its settings, history or records.
    for (const QString& root : {m_home.path(), qEnvironmentVariable("XDG_CONFIG_HOME")}) {
        QDirIterator files(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            QVERIFY2(!TestSupport::readFile(file).contains(kFtpPassword), qPrintable(file));
        }
    }
}

void TestRemote::checkCommand() {
    // `ledgerwick --check ADDRESS`: the local file's rules and statuses, and no question.
    const QString path = m_sshd->files() + QStringLiteral("/checked.cfg");
    TestSupport::writeFile(path, "set sv_hostname \"Fox\"\r\nset sv_maxclients sixteen\r\n");
    m_sshd->own(path);
    const QString address = m_sshd->address(QStringLiteral("checked.cfg"));
    QByteArray out, errors;
    QCOMPARE(check(address, &out, &errors), 2);
    QVERIFY2(errors.contains(address.toUtf8()) && errors.contains("Ledgerwick's window") &&
                 errors.contains(KnownHosts::keyFingerprint(m_sshd->hostKey()).toUtf8()),
             errors.constData());

    QVERIFY(KnownHosts(m_home.path() + QStringLiteral("/ledgerwick"))
                .trustKey(QStringLiteral("127.0.0.1:%1").arg(m_sshd->port()), m_sshd->hostKey(),
                          nullptr));
    QCOMPARE(check(address, &out, &errors), 1);
    QVERIFY2(out.startsWith(address.toUtf8() + ":2: sv_maxclients: "), out.constData());
    QCOMPARE(check(m_sshd->address(QStringLiteral("absent.cfg")), &out, &errors), 2);
    QVERIFY2(errors.contains("no such file"), errors.constData());

    // A password typed in the address is never printed.
    FtpServer server(false);
    QVERIFY2(server.start(), qPrintable(server.error()));
    TestSupport::writeFile(server.files() + QStringLiteral("/ok.cfg"), "set sv_hostname \"Fox\"\n");
    const QString typed =
        server.address(QStringLiteral("admin:") + kFtpPassword, QStringLiteral("ok.cfg"));
    QVERIFY2(check(typed, &out, &errors) == 0, errors.constData());
    QCOMPARE(check(server.address(QStringLiteral("admin:wrong"), QStringLiteral("ok.cfg")), &out,
                   &errors),
             2);
    // It was the password typed into the address that was refused, not one in the keyring.
    QVERIFY2(errors.contains("refused the user name") && !errors.contains("wrong") &&
                 errors.contains("typed into the address") && !errors.contains("keyring"),
             errors.constData());
}

void TestRemote::windowRoundTrip() {
    // The admin's way: open the server's file by its address, change one setting, save.
    const QString path = m_sshd->files() + QStringLiteral("/window.cfg");
    const QByteArray head = "exec base_defaults.cfg\r\n// Names\r\n";
    const QByteArray tail = "set sv_maxclients \"24\"; set sv_privateclients \"2\"\r\n"
                            "\tset g_log \"games.log\"\r\nmap mp_harbor\r\n";
    TestSupport::writeFile(path, head + "seta sv_hostname \"Old\"   // shown in lists\r\n" + tail);
    m_sshd->own(path);
    const QString address = m_sshd->address(QStringLiteral("window.cfg"));

    TForm1 form;
    form.show();
    QString asked;
    {
        const TestSupport::ModalHandler trust([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box || box->objectName() != QLatin1String("TrustQuestion"))
                return false;
            asked = box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == QLatin1String("Trust and connect"))
                    button->click();
            return true;
        });
        QVERIFY(form.openFile(address));
    }
    QVERIFY2(asked.contains(KnownHosts::keyFingerprint(m_sshd->hostKey())), qPrintable(asked));
    QCOMPARE(form.windowTitle(),
             QStringLiteral("127.0.0.1:%1[*] - Brantholm - Ledgerwick 1.1").arg(path));

    auto* edit = TestSupport::child<QLineEdit>(&form, "edServernames");
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("New"));
    TestSupport::finish(form);
    const TestSupport::MessageCatcher catcher;
    TestSupport::click(form, "btnSave");
    QVERIFY2(!catcher.message.seen, qPrintable(catcher.message.text));
    QCOMPARE(TestSupport::readFile(path),
             head + "seta sv_hostname \"New\"   // shown in lists\r\n" + tail);
    const QList<History::Version> versions = History().versions(sshPlace(), path);
    QCOMPARE(versions.size(), 1);
    QCOMPARE(TestSupport::readFile(versions[0].file),
             head + "seta sv_hostname \"Old\"   // shown in lists\r\n" + tail);
    QVERIFY(!form.isWindowModified());
}

void TestRemote::handKeptFilesOverSftp_data() {
    QTest::addColumn<QByteArray>("bytes");
    for (const TestSupport::HandKept& file : TestSupport::kHandKept)
        QTest::newRow(file.name) << file.bytes;
}

// A file kept by hand on the server, opened by its address, finished and saved without a change:
// the server's file is what it was, byte for byte.
void TestRemote::handKeptFilesOverSftp() {
    QFETCH(QByteArray, bytes);
    trustSshd();
    const QString path = m_sshd->files() + QStringLiteral("/kept.cfg");
    TestSupport::writeFile(path, bytes);
    m_sshd->own(path);
    TForm1 form;
    form.show();
    QVERIFY(form.openFile(m_sshd->address(QStringLiteral("kept.cfg"))));
    TestSupport::finish(form);
    const TestSupport::MessageCatcher catcher;
    TestSupport::click(form, "btnSave");
    QVERIFY2(!catcher.message.seen, qPrintable(catcher.message.text));
    QCOMPARE(TestSupport::readFile(path), bytes);
    // It was written, not skipped: the bytes it replaced are the newest version in History.
    const QList<History::Version> versions = History().versions(sshPlace(), path);
    QVERIFY(!versions.isEmpty());
    QCOMPARE(TestSupport::readFile(versions.first().file), bytes);
}

void TestRemote::trustSshd() const {
    // Trusted in this test's data folder, and in the program's, for `ledgerwick --check`.
    for (const QString& folder : {QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                                  m_home.path() + QStringLiteral("/ledgerwick")})
        QVERIFY(KnownHosts(folder).trustKey(QStringLiteral("127.0.0.1:%1").arg(m_sshd->port()),
                                            m_sshd->hostKey(), nullptr));
}

void TestRemote::openFromServer() {
    // File > Open from Server…: a folder's address lists it; the user walks to the file. A name
    // with a line break, or with bytes that are not UTF-8, is shown escaped and can be opened.
    trustSshd();
    const QString root = m_sshd->files() + QStringLiteral("/walk");
    QDir().mkpath(root + QStringLiteral("/beta"));
    QDir().mkpath(root + QStringLiteral("/alpha"));
    QDir().mkpath(root + QStringLiteral("/new\nline"));
    TestSupport::writeFile(root + QStringLiteral("/b.cfg"), QByteArray(1234, 'b'));
    TestSupport::writeFile(root + QStringLiteral("/a.cfg"), "set a 1\n");
    TestSupport::writeFile(root + QStringLiteral("/notes.txt"), "not a config");
    TestSupport::writeFile(root + QStringLiteral("/new\nline/inside.cfg"), "set a 1\n");
    const QByteArray latin1 = QFile::encodeName(root) + "/caf\xe9.cfg";
    FILE* file = std::fopen(latin1.constData(), "w");
    QVERIFY(file && std::fputs("seta sv_hostname \"Walked\"\r\n", file) >= 0 &&
            std::fclose(file) == 0);

    TForm1 form;
    form.show();
    bool ftpWarned = false;
    bool sftpWarned = true;
    bool timed = true;
    QStringList top, inLine, again;
    {
        const TestSupport::ModalHandler answers = answerInTurn(
            {[&](QWidget* modal) {
                 if (modal->objectName() != QLatin1String("RemoteOpenDialog"))
                     return false;
                 auto* address = TestSupport::child<QComboBox>(modal, "cmbAddress");
                 const auto* warning = TestSupport::child<QLabel>(modal, "lblPlainFtp");
                 address->setEditText(QStringLiteral("ftp://admin@127.0.0.1/server.cfg"));
                 ftpWarned = warning->isVisible();
                 // The folder without its last '/'.
                 address->setEditText(m_sshd->address(QStringLiteral("walk")));
                 sftpWarned = warning->isVisible();
                 pressLater(modal, QStringLiteral("&Open"));
                 return true;
             },
             activate(QStringLiteral("new\\nline/"), &top, &timed),
             [&](QWidget* modal) {
                 // Inside the folder, then back up.
                 auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("lstFolder"));
                 return list &&
                        !list->findItems(QStringLiteral("inside.cfg"), Qt::MatchExactly)
                             .isEmpty() &&
                        activate(QStringLiteral(".. (the folder above)"), &inLine, &timed)(modal);
             },
             activate(QStringLiteral("caf\\xe9.cfg"), &again, &timed)});
        TestSupport::child<QAction>(&form, "OpenFromServer1")->trigger();
    }
    QVERIFY(ftpWarned);
    QVERIFY(!sftpWarned);
    const QStringList rows{".. (the folder above)|", "alpha/|",       "beta/|",
                           "new\\nline/|",           "a.cfg|8 bytes", "b.cfg|1.21 KiB",
                           "caf\\xe9.cfg|27 bytes"};
    QCOMPARE(top, rows);
    QCOMPARE(inLine, (QStringList{".. (the folder above)|", "inside.cfg|8 bytes"}));
    QCOMPARE(again, rows);
    QVERIFY(timed);
    QCOMPARE(form.windowTitle(),
             QStringLiteral("127.0.0.1:%1/caf\\xe9.cfg[*] - Brantholm - Ledgerwick 1.1").arg(root));
    QCOMPARE(TestSupport::child<QLineEdit>(&form, "edServernames")->text(),
             QStringLiteral("Walked"));
    QCOMPARE(RecentFiles::addresses().value(0), m_sshd->address(QStringLiteral("walk/caf%E9.cfg")));
}

void TestRemote::history_data() {
    QTest::addColumn<bool>("remote");
    QTest::newRow("file on this computer") << false;
    QTest::newRow("file on a server") << true;
}

void TestRemote::history() {
    // Each save keeps the bytes it replaces; History opens one as a new document or restores it.
    QFETCH(bool, remote);
    trustSshd();
    QTemporaryDir local;
    const QString path = (remote ? m_sshd->files() : local.path()) + QStringLiteral("/kept.cfg");
    auto text = [](const char* name) {
        return "// by hand\r\nseta sv_hostname \"" + QByteArray(name) +
               "\"\t// listed\r\nset g_log \"games.log\"\n";
    };
    TestSupport::writeFile(path, text("First"));
    if (remote)
        m_sshd->own(path);
    TForm1 form;
    form.show();
    QVERIFY(form.openFile(remote ? m_sshd->address(QStringLiteral("kept.cfg")) : path));
    const QString title = form.windowTitle();
    auto* edit = TestSupport::child<QLineEdit>(&form, "edServernames");
    for (const QString& name : {QStringLiteral("Second"), QStringLiteral("Third")}) {
        // Back from the text to the settings, as after a save the user does.
        if (!TestSupport::child<QWidget>(&form, "btnClear")->isHidden())
            TestSupport::click(form, "btnClear");
        edit->selectAll();
        QTest::keyClicks(edit, name);
        TestSupport::finish(form);
        TestSupport::MessageSeen seen;
        if (remote) {
            const TestSupport::MessageCatcher catcher;
            TestSupport::click(form, "btnSave");
            seen = catcher.message;
        } else {
            seen = TestSupport::saveThroughDialog(form, path);
        }
        QVERIFY2(!seen.seen, qPrintable(seen.text));
    }
    QCOMPARE(TestSupport::readFile(path), text("Third"));

    auto choose = [&](const char* button, bool oldest, QStringList* sizes) {
        const TestSupport::ModalHandler answers = answerInTurn({[&](QWidget* modal) {
            auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("lstVersions"));
            if (!list)
                return false;
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                *sizes << list->topLevelItem(i)->text(1);
            list->setCurrentItem(list->topLevelItem(oldest ? list->topLevelItemCount() - 1 : 0));
            auto* chosen = TestSupport::child<QAbstractButton>(modal, button);
            later([chosen] { chosen->click(); });
            return true;
        }});
        TestSupport::child<QAction>(&form, "History1")->trigger();
    };
    // The oldest restored: the file holds it again, and the document is that file as it is now.
    QStringList sizes;
    choose("btnRestoreVersion", true, &sizes);
    QCOMPARE(sizes, (QStringList{"71 bytes", "70 bytes"}));
    QCOMPARE(TestSupport::readFile(path), text("First"));
    QCOMPARE(edit->text(), QStringLiteral("First"));
    QCOMPARE(form.windowTitle(), title);
    QVERIFY(!form.isWindowModified());

    // What the restore replaced is the newest version; opened, it is a new document.
    sizes.clear();
    choose("btnOpenVersion", false, &sizes);
    QCOMPARE(sizes.size(), 3);
    QCOMPARE(edit->text(), QStringLiteral("Third"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Brantholm[*] - Ledgerwick 1.1"));
    QVERIFY(form.isWindowModified());
    QCOMPARE(TestSupport::readFile(path), text("First"));
    QVERIFY(!TestSupport::child<QAction>(&form, "History1")->isEnabled());
}

void TestRemote::saveAs() {
    // Save As…: to another file on the server (asked before one there is replaced), or here.
    trustSshd();
    const QString files = m_sshd->files();
    const QByteArray opened = "seta sv_hostname \"Source\"\r\nset g_log \"games.log\"\r\n";
    const QByteArray saved = "seta sv_hostname \"Copied\"\r\nset g_log \"games.log\"\r\n";
    TestSupport::writeFile(files + QStringLiteral("/source.cfg"), opened);
    TestSupport::writeFile(files + QStringLiteral("/taken.cfg"), "set g_log \"other.log\"\r\n");
    m_sshd->own(files + QStringLiteral("/taken.cfg"));
    TForm1 form;
    form.show();
    QVERIFY(form.openFile(m_sshd->address(QStringLiteral("source.cfg"))));
    auto* edit = TestSupport::child<QLineEdit>(&form, "edServernames");
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Copied"));
    TestSupport::finish(form);

    QString question;
    QString details;
    auto saveAs = [&](const QString& where, const QString& target, const QString& answer) {
        QList<Step> steps{[&](QWidget* modal) {
            if (modal->objectName() != QLatin1String("SaveAsQuestion"))
                return false;
            pressLater(modal, where);
            return true;
        }};
        if (where.contains(QLatin1String("Server")))
            steps << [&](QWidget* modal) {
                if (modal->objectName() != QLatin1String("RemoteOpenDialog"))
                    return false;
                TestSupport::child<QComboBox>(modal, "cmbAddress")->setEditText(target);
                pressLater(modal, QStringLiteral("&Save"));
                return true;
            };
        else
            steps << [&](QWidget* modal) {
                if (!qobject_cast<QFileDialog*>(modal))
                    return false;
                TestSupport::typeFileName(modal, target);
                later([modal] { static_cast<QDialog*>(modal)->accept(); });
                return true;
            };
        if (!answer.isEmpty())
            steps << [&](QWidget* modal) {
                if (modal->objectName() != QLatin1String("OverwriteQuestion"))
                    return false;
                question = qobject_cast<QMessageBox*>(modal)->text();
                details = qobject_cast<QMessageBox*>(modal)->detailedText();
                pressLater(modal, answer);
                return true;
            };
        const TestSupport::ModalHandler answers = answerInTurn(steps);
        TestSupport::child<QAction>(&form, "SaveAs1")->trigger();
    };
    const QString server = QStringLiteral("File on a &Server...");
    saveAs(server, m_sshd->address(QStringLiteral("copy.cfg")), QString());
    QCOMPARE(TestSupport::readFile(files + QStringLiteral("/copy.cfg")), saved);
    QCOMPARE(TestSupport::readFile(files + QStringLiteral("/source.cfg")), opened);
    const QString copyTitle =
        QStringLiteral("127.0.0.1:%1/copy.cfg[*] - Brantholm - Ledgerwick 1.1").arg(files);
    QCOMPARE(form.windowTitle(), copyTitle);

    saveAs(server, m_sshd->address(QStringLiteral("taken.cfg")), QStringLiteral("&Cancel"));
    QVERIFY2(question.startsWith(QStringLiteral("There is a file at %1 already: 2 lines differ")
                                     .arg(m_sshd->address(QStringLiteral("taken.cfg")))),
             qPrintable(question));
    // The text about to be saved against what is there.
    QCOMPARE(details, QStringLiteral("--- taken.cfg\tyour text\n+++ taken.cfg\ton the server now\n"
                                     "@@ -1,2 +1 @@\n-seta sv_hostname \"Copied\"\n"
                                     "-set g_log \"games.log\"\n+set g_log \"other.log\"\n"));
    QCOMPARE(TestSupport::readFile(files + QStringLiteral("/taken.cfg")),
             QByteArray("set g_log \"other.log\"\r\n"));
    QCOMPARE(form.windowTitle(), copyTitle);

    QTemporaryDir local;
    const QString here = local.path() + QStringLiteral("/here.cfg");
    saveAs(QStringLiteral("&File on this Computer..."), here, QString());
    QCOMPARE(TestSupport::readFile(here), saved);
    QCOMPARE(form.windowTitle(), QStringLiteral("here.cfg[*] - Brantholm - Ledgerwick 1.1"));
}

void TestRemote::keepsWhatTheFileWas_data() {
    // server.cfg is a link into shared/ beside it when `link` says how; `ids` are the file's
    // owner and group (the test's own when empty); `after` its permissions, owner and group after
    // the save; `note` what the status bar adds to "Saved …".
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("ids");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("note");
    const QString self = QStringLiteral("%1:%2").arg(geteuid()).arg(getegid());
    if (geteuid() == 0) {
        const passwd* nobody = getpwnam("nobody");
        QTest::newRow("SFTP as root: 0640, 4242:4343") << "sftp root"
                                                       << ""
                                                       << "4242:4343"
                                                       << "0640 4242:4343"
                                                       << "";
        QTest::newRow("SFTP as root: a link into a shared folder") << "sftp root"
                                                                   << "absolute"
                                                                   << "4242:4343"
                                                                   << "0640 4242:4343"
                                                                   << "";
        QTest::newRow("SFTP: 0640, of a group the account is not in")
            << "sftp"
            << "" << QStringLiteral("%1:4343").arg(nobody->pw_uid)
            << QStringLiteral("0640 %1:%2").arg(nobody->pw_uid).arg(nobody->pw_gid)
            << "The file's group is now";
    }
    QTest::newRow("FTP: 0640") << "ftp admin"
                               << ""
                               << ""
                               << "0640 " + self << "";
    QTest::newRow("FTP: a link") << "ftp admin"
                                 << "relative"
                                 << ""
                                 << "0640 " + self << "";
    QTest::newRow("FTP, no SITE CHMOD") << "ftp writer"
                                        << ""
                                        << ""
                                        << "0644 " + self << "it does not take SITE CHMOD";
    QTest::newRow("this computer: a link") << "local"
                                           << "relative"
                                           << ""
                                           << "0640 " + self << "";
}

void TestRemote::keepsWhatTheFileWas() {
    // A save changes the file's bytes and nothing else: its permissions, owner, group, link.
    QFETCH(QString, account);
    QFETCH(QString, link);
    QFETCH(QString, ids);
    QFETCH(QString, after);
    QFETCH(QString, note);
    trustSshd();
    const bool sftp = account.startsWith(QLatin1String("sftp"));
    QTemporaryDir local;
    const QString folder =
        (account == QLatin1String("local") ? local.path() : files(sftp)) + QStringLiteral("/kept");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + QStringLiteral("/shared"));
    m_sshd->own(folder);
    m_sshd->own(folder + QStringLiteral("/shared"));
    const QString path = folder + QStringLiteral("/server.cfg");
    const QString file = link.isEmpty() ? path : folder + QStringLiteral("/shared/server.cfg");
    const QByteArray old = "seta sv_hostname \"Old\"\r\nset rconpassword \"secret\"\r\n";
    TestSupport::writeFile(file, old);
    if (!link.isEmpty())
        QVERIFY(QFile::link(link == QLatin1String("absolute") ? file : "shared/server.cfg", path));
    QVERIFY(::chmod(QFile::encodeName(file).constData(), 0640) == 0);
    if (!ids.isEmpty())
        QVERIFY(::chown(QFile::encodeName(file).constData(), ids.section(':', 0, 0).toUInt(),
                        ids.section(':', 1).toUInt()) == 0);
    const QByteArray saved = QByteArray(old).replace("Old", "New");

    if (account == QLatin1String("local")) {
        QCOMPARE(CfgFile::write(path, saved).failure, CfgFile::Failure::None);
    } else {
        TForm1 form;
        form.show();
        QVERIFY(form.openFile(addressOn(sftp, "kept/server.cfg", account.section(' ', 1))));
        auto* edit = TestSupport::child<QLineEdit>(&form, "edServernames");
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("New"));
        TestSupport::finish(form);
        const TestSupport::MessageCatcher catcher;
        TestSupport::click(form, "btnSave");
        QVERIFY2(!catcher.message.seen, qPrintable(catcher.message.text));
        const QString said = form.statusBar()->currentMessage();
        QVERIFY2(said.startsWith(QLatin1String("Saved ")) &&
                     (note.isEmpty() ? said.endsWith(QLatin1String("(1 line changed)."))
                                     : said.contains(note)),
                 qPrintable(said));
    }
    QCOMPARE(TestSupport::readFile(file), saved);
    QCOMPARE(QFileInfo(path).isSymLink(), !link.isEmpty());
    QCOMPARE(attributes(file), after);
    QCOMPARE(hidden(folder) + hidden(folder + QStringLiteral("/shared")), QStringList());
}

void TestRemote::foldersAndLeftovers_data() {
    overSftpAndFtp();
}

void TestRemote::foldersAndLeftovers() {
    // Only the program's own hidden files go, once no save can be writing them; a file that a cut
    // save left aside comes back; --check changes nothing. A folder is never a file: with or
    // without its '/', it is not read, checked or saved to, and stays as it was.
    QFETCH(bool, sftp);
    trustSshd();
    const QString folder = files(sftp) + QStringLiteral("/place");
    auto address = [&](const QString& name) { return addressOn(sftp, "place/" + name); };
    QDir().mkpath(folder + QStringLiteral("/conf"));
    QDir().mkpath(folder + QStringLiteral("/.server.cfg.ledgerwick-old-dddddd"));
    m_sshd->own(folder);
    TestSupport::writeFile(folder + QStringLiteral("/conf/inside.cfg"), "set a 1\n");
    for (const char* name :
         {"server.cfg", ".server.cfg.old-mine", ".server.cfg.ledgerwick-new-aaaaaa",
          ".other.cfg.ledgerwick-old-cccccc", ".server.cfg.ledgerwick-old-dddddd"}) {
        if (!QFileInfo(folder + '/' + name).isDir())
            TestSupport::writeFile(folder + '/' + name, name);
        age(folder + '/' + name);
    }
    TestSupport::writeFile(folder + QStringLiteral("/.server.cfg.ledgerwick-new-bbbbbb"), "young");
    const QStringList planted = entries(folder);

    QByteArray out, errors;
    QCOMPARE(check(address(QStringLiteral("server.cfg")), &out, &errors), 0);
    QCOMPARE(entries(folder), planted);
    Answers answers;
    const RemoteClient::Result opened = fetch(address(QStringLiteral("server.cfg")), answers);
    QVERIFY2(opened.ok, qPrintable(opened.message));
    const QStringList tidied{".server.cfg.ledgerwick-new-bbbbbb",
                             ".server.cfg.ledgerwick-old-dddddd",
                             ".server.cfg.old-mine",
                             "conf",
                             "other.cfg",
                             "server.cfg"};
    QCOMPARE(entries(folder), tidied);
    QCOMPARE(TestSupport::readFile(folder + QStringLiteral("/other.cfg")),
             QByteArray(".other.cfg.ledgerwick-old-cccccc"));

    for (const QString& name : {QStringLiteral("conf"), QStringLiteral("conf/")}) {
        QCOMPARE(fetch(address(name), answers).failure, Failure::IsFolder);
        const RemoteClient::Result saved = store(address(name), "set a 2\n", "set a 1\n", answers);
        QVERIFY2(saved.message.contains(QLatin1String("is a folder")), qPrintable(saved.message));
        QCOMPARE(check(address(name), &out, &errors), 2);
        QVERIFY2(errors.contains("is a folder") && out.isEmpty(), errors.constData());
        QCOMPARE(entries(folder + QStringLiteral("/conf")), QStringList{"inside.cfg"});
        QCOMPARE(entries(folder), tidied);
    }
}

void TestRemote::twoAccounts() {
    // Two accounts, one host, one path: two files, two histories, each for the user alone, as the
    // host keys are.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    trustSshd();
    QCOMPARE(attributes(KnownHosts().keyFile()).left(4), QStringLiteral("0600"));
    for (const QString& user : {QStringLiteral("admin"), QStringLiteral("second")}) {
        const QByteArray first = user.toUtf8() + " 1\n";
        TestSupport::writeFile(m_ftp->files(user) + QStringLiteral("/two.cfg"), first);
        Answers answers;
        const RemoteClient::Result saved =
            store(addressOn(false, "two.cfg", user), user.toUtf8() + " 2\n", first, answers);
        QVERIFY2(saved.ok, qPrintable(saved.message));
        const QString place = QStringLiteral("%1@127.0.0.1:%2").arg(user).arg(m_ftp->port());
        const QList<History::Version> versions = History().versions(place, "/two.cfg");
        QCOMPARE(versions.size(), 1);
        QCOMPARE(TestSupport::readFile(versions[0].file), first);
        // The version and each folder from the data folder down are the user's alone.
        QCOMPARE(attributes(versions[0].file).left(4), QStringLiteral("0600"));
        for (QString at = QFileInfo(versions[0].file).path(); at.startsWith(data);
             at = QFileInfo(at).path())
            QCOMPARE(attributes(at).left(4), QStringLiteral("0700"));
        // History names the account.
        const HistoryDialog dialog(place, QStringLiteral("/two.cfg"));
        QVERIFY(dialog.findChild<QLabel*>()->text().contains(place + "/two.cfg"));
        QCOMPARE(dialog.findChild<QTreeWidget*>()->topLevelItemCount(), 1);
    }
}

void TestRemote::hostKeysTheOpenSshWay_data() {
    // The user's known_hosts: HOST stands for [127.0.0.1]:port, KEY for the server's key, OTHER
    // for another; hashed by ssh-keygen -H when `hashed`.
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("hashed");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("failure");
    QTest::newRow("the key, for port 22 only")
        << "127.0.0.1 KEY" << false << "trust" << int(Failure::Cancelled);
    QTest::newRow("another key, for port 22 only")
        << "127.0.0.1 OTHER" << false << "trust" << int(Failure::Cancelled);
    QTest::newRow("the key, hashed") << "HOST KEY" << true << "" << int(Failure::None);
    QTest::newRow("another key, hashed")
        << "HOST OTHER" << true << "" << int(Failure::ChangedHostKey);
}

void TestRemote::hostKeysTheOpenSshWay() {
    QFETCH(QString, line);
    QFETCH(bool, hashed);
    QFETCH(QString, asked);
    QFETCH(int, failure);
    const QString other = m_home.path() + QStringLiteral("/other");
    runTool("ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", other});
    const QString known = m_sshHome + QStringLiteral("/.ssh/known_hosts");
    const auto removeKnown = qScopeGuard([&] { QFile::remove(known); });
    line.replace("HOST", QStringLiteral("[127.0.0.1]:%1").arg(m_sshd->port()))
        .replace("KEY", "ssh-ed25519 " + m_sshd->hostKey().toBase64())
        .replace("OTHER", TestSupport::readFile(other + ".pub").trimmed());
    TestSupport::writeFile(known, line.toUtf8() + '\n');
    if (hashed)
        runTool("ssh-keygen", {"-H", "-f", known});
    TestSupport::writeFile(m_sshd->files() + QStringLiteral("/keys.cfg"), configText(1));
    Answers answers;
    answers.trust = false;
    const RemoteClient::Result result = fetch(m_sshd->address(QStringLiteral("keys.cfg")), answers);
    QCOMPARE(answers.asked.join(','), asked);
    QVERIFY2(int(result.failure) == failure, qPrintable(result.message));

    // A server whose only host key this system's libssh2 cannot take (it signs RSA keys only the
    // old way, which OpenSSH no longer does) says so.
    Sshd rsa(QStringLiteral("rsa"));
    QVERIFY2(rsa.start(), qPrintable(rsa.error()));
    const RemoteClient::Result refused = fetch(rsa.address(QStringLiteral("keys.cfg")), answers);
    QVERIFY2(refused.message.contains(
                 "The server offers only an ssh-rsa host key, which this computer's SSH library "
                 "does not accept; ask the host to add an ed25519 key"),
             qPrintable(refused.message));
}

QTEST_MAIN(TestRemote)
#include "tst_remote.moc"
