// `ledgerwick` as scripts and terminals use it: the real program started without a display, every
// file given checked, usage errors, and files that are no regular files refused at once, from the
// command line and in the window, never hanging.
#include "config/CfgFile.h"
#include "document/SavedSettings.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace TestSupport;

namespace {

const QByteArray kGood = "set sv_hostname \"Caf\xE9\"\r\nset sv_maxclients 20\r\n";
const QByteArray kBad = "// kept by hand\nset sv_maxclients \"twenty\"\n";
const QByteArray kBadSays = ":2: sv_maxclients: the server reads \"twenty\" as 0.\n";
const QByteArray kNoDisplay =
    "ledgerwick: no display to show the window on; `ledgerwick --check FILE` works without one\n";

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray errors;
};

// The real program in `folder`, without a display, fed `input`. A program still running after
// 5 s fails the test instead of holding up the suite.
Run run(const QString& folder, const QStringList& arguments, const QByteArray& input = {},
        const QString& program = QStringLiteral(LEDGERWICK_PROGRAM)) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    Run result;
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

// After 5 s lets a reader of the named pipe go on, and notes that it had to: whatever was waiting
// there failed.
class Watchdog {
public:
    explicit Watchdog(const QByteArray& pipe)
        : m_thread([this, pipe] {
            std::unique_lock lock(m_mutex);
            if (m_stopped.wait_for(lock, std::chrono::seconds(5), [this] { return m_stop; }))
                return;
            m_fired = true;
            const int fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }) {}
    ~Watchdog() { fired(); }
    // Stops watching; true when it had to step in.
    bool fired() {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_stopped.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_fired;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stop = false;
    bool m_fired = false;
    std::thread m_thread;
};

// A named pipe, a socket, a folder and a device, each under a name of its kind.
void makeOddFiles(const QTemporaryDir& folder) {
    QVERIFY(::mkfifo(folder.filePath(QStringLiteral("pipe.cfg")).toLocal8Bit(), 0600) == 0);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.cfg")));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = folder.filePath(QStringLiteral("socket.cfg")).toLocal8Bit();
    QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
    ::close(fd);
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void checkEveryFile_data();
    void checkEveryFile();
    void fileNamesAreBytes();
    void setTwiceChangesOnce();
    void usageErrors_data();
    void usageErrors();
    void helpAndVersion_data();
    void helpAndVersion();
    void windowWithoutDisplay_data();
    void windowWithoutDisplay();
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();
    void unusableSettingsFileDoesNotStopStartUp_data();
    void unusableSettingsFileDoesNotStopStartUp();

private:
    QTemporaryDir m_folder;
};

void CommandLineTest::init() {
    writeFile(m_folder.filePath(QStringLiteral("good.cfg")), kGood);
    writeFile(m_folder.filePath(QStringLiteral("bad.cfg")), kBad);
    writeFile(m_folder.filePath(QStringLiteral("--help")), kBad);
    writeFile(m_folder.filePath(QStringLiteral("two\nlines.cfg")), kBad);
    writeFile(m_folder.filePath(QStringLiteral("utf16.cfg")),
              QByteArray("\xFF\xFEs\0e\0t\0 \0a\0 \0001\0", 16));
    writeFile(m_folder.filePath(QStringLiteral("utf16-no-mark.cfg")),
              QByteArray("s\0e\0t\0 \0a\0 \0001\0\r\0\n\0", 18));
    writeFile(m_folder.filePath(QStringLiteral("nul.cfg")), QByteArray("set a 1\0\0\0\n", 11));
}

void CommandLineTest::checkEveryFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("errors");
    const QByteArray none;
    QTest::newRow("good") << QStringList{"--check", "good.cfg"} << none << 0 << none << none;
    QTest::newRow("good, then bad") << QStringList{"--check", "good.cfg", "bad.cfg"} << none << 1
                                    << "bad.cfg" + kBadSays << none;
    QTest::newRow("bad, then good") << QStringList{"--check", "bad.cfg", "good.cfg"} << none << 1
                                    << "bad.cfg" + kBadSays << none;
    QTest::newRow("--check twice") << QStringList{"--check", "bad.cfg", "--check", "good.cfg"}
                                   << none << 1 << "bad.cfg" + kBadSays << none;
    QTest::newRow("--check=") << QStringList{"--check=good.cfg", "bad.cfg"} << none << 1
                              << "bad.cfg" + kBadSays << none;
    QTest::newRow("a missing one among them")
        << QStringList{"--check", "bad.cfg", "missing.cfg", "good.cfg"} << none << 2
        << "bad.cfg" + kBadSays
        << QByteArray("ledgerwick: cannot read missing.cfg: No such file or directory\n");
    QTest::newRow("UTF-16") << QStringList{"--check", "utf16.cfg", "utf16-no-mark.cfg"} << none << 2
                            << none
                            << QByteArray("ledgerwick: cannot read utf16.cfg: It is UTF-16 text: "
                                          "save it as UTF-8 or Windows-1252\n"
                                          "ledgerwick: cannot read utf16-no-mark.cfg: It is "
                                          "UTF-16 text: save it as UTF-8 or Windows-1252\n");
    QTest::newRow("NUL bytes") << QStringList{"--check", "nul.cfg"} << none << 2 << none
                               << QByteArray("ledgerwick: cannot read nul.cfg: It is not a text "
                                             "file: it holds NUL bytes\n");
    QTest::newRow("-- ends the options")
        << QStringList{"--check", "--", "--help"} << none << 1 << "--help" + kBadSays << none;
    QTest::newRow("a line break in a name") << QStringList{"--check", "two\nlines.cfg"} << none << 1
                                            << "\"two\\nlines.cfg\"" + kBadSays << none;
    QTest::newRow("standard input")
        << QStringList{"--check", "-"} << kBad << 1 << "<stdin>" + kBadSays << none;
    QTest::newRow("standard input among files")
        << QStringList{"--check", "good.cfg", "-", "missing.cfg"} << kBad << 2
        << "<stdin>" + kBadSays
        << QByteArray("ledgerwick: cannot read missing.cfg: No such file or directory\n");
}

// Each file in turn, and the worst result: 0 nothing found, 1 problems, 2 a file not read.
void CommandLineTest::checkEveryFile() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    const Run result = run(m_folder.path(), arguments, input);
    QTEST(result.exitCode, "exitCode");
    QTEST(result.out, "out");
    QTEST(result.errors, "errors");
}

// A name that is not UTF-8 names the file it names; it is printed as it was given.
void CommandLineTest::fileNamesAreBytes() {
    const QByteArray name = QFile::encodeName(m_folder.path()) + "/caf\xE9.cfg";
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, kBad.constData(), size_t(kBad.size())), ssize_t(kBad.size()));
    ::close(fd);
    const Run result =
        run(m_folder.path(),
            {"-c", "exec \"$0\" --check \"$(printf 'caf\\351.cfg')\"", LEDGERWICK_PROGRAM}, {},
            QStringLiteral("/bin/sh"));
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, "caf\xE9.cfg" + kBadSays);

    // The window opens it too; saving it refuses that name rather than write beside it.
    const QString path = CfgFile::fileNameFromBytes(name);
    QCOMPARE(CfgFile::fileNameBytes(path), name);
    TForm1 form;
    form.show();
    QVERIFY(form.openFile(path));
    setText(form, "edMaxplayerss", QStringLiteral("20"));
    finish(form);
    const MessageSeen refused = saveThroughDialog(form, path);
    QVERIFY(refused.text.contains(QLatin1String("not UTF-8")));
    QByteArray saved(64 * 1024, '\0');
    const int again = ::open(name.constData(), O_RDONLY);
    QVERIFY(again >= 0);
    saved.truncate(::read(again, saved.data(), size_t(saved.size())));
    ::close(again);
    QCOMPARE(saved, kBad);
    // Qt cannot name it to remove it with the folder.
    QCOMPARE(::unlink(name.constData()), 0);
}

// As a configuration tool runs it: the first run changes the line and says so by its status and
// a diff, the second finds the value there and writes nothing.
void CommandLineTest::setTwiceChangesOnce() {
    const QStringList arguments{"--set", "sv_maxclients=24", "good.cfg"};
    const Run first = run(m_folder.path(), arguments);
    QCOMPARE(first.errors, QByteArray());
    QCOMPARE(first.out, QByteArray("--- good.cfg\n+++ good.cfg\n@@ -1,2 +1,2 @@\n"
                                   " set sv_hostname \"Caf\xE9\"\n-set sv_maxclients 20\n"
                                   "+set sv_maxclients \"24\"\n"));
    QCOMPARE(first.exitCode, 1);
    QCOMPARE(readFile(m_folder.filePath("good.cfg")),
             QByteArray("set sv_hostname \"Caf\xE9\"\r\nset sv_maxclients \"24\"\r\n"));
    const Run second = run(m_folder.path(), arguments);
    QCOMPARE(second.out, QByteArray());
    QCOMPARE(second.exitCode, 0);
}

void CommandLineTest::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("a mistyped option")
        << QStringList{"--chek", "good.cfg"} << QByteArray("ledgerwick: Unknown option '--chek'.");
    QTest::newRow("a short one") << QStringList{"-x"}
                                 << QByteArray("ledgerwick: Unknown option '-x'.");
    QTest::newRow("among files to check") << QStringList{"--check", "good.cfg", "--chek"}
                                          << QByteArray("ledgerwick: Unknown option '--chek'.");
    QTest::newRow("--check without a file")
        << QStringList{"--check"} << QByteArray("ledgerwick: --check needs at least one FILE.");
    QTest::newRow("--check= without a file")
        << QStringList{"--check="} << QByteArray("ledgerwick: --check= needs a file name.");
    QTest::newRow("two files for the window")
        << QStringList{"good.cfg", "bad.cfg"}
        << QByteArray("ledgerwick: The window opens one FILE; to check several, use --check "
                      "FILE...");
    QTest::newRow("a file to compare without its server")
        << QStringList{"--compare", "good.cfg", "--server", "127.0.0.1", "bad.cfg"}
        << QByteArray("ledgerwick: --compare needs one --server HOST[:PORT] for each FILE.");
    QTest::newRow("a server without a file")
        << QStringList{"--compare", "good.cfg", "--server", "127.0.0.1", "--server", "127.0.0.2"}
        << QByteArray("ledgerwick: --compare needs one --server HOST[:PORT] for each FILE.");
    QTest::newRow("--set without a value") << QStringList{"--set", "sv_maxclients", "good.cfg"}
                                           << QByteArray("ledgerwick: --set takes NAME=VALUE, "
                                                         "not 'sv_maxclients'.");
    QTest::newRow("--apply with --set")
        << QStringList{"--set", "sv_maxclients=20", "--apply", "good.cfg"}
        << QByteArray("ledgerwick: --apply belongs to --compare.");
    QTest::newRow("two forms at once")
        << QStringList{"--check", "good.cfg", "--unset", "sv_pure"}
        << QByteArray("ledgerwick: --check, --compare and --set cannot be used together.");
    QTest::newRow("standard input for the window")
        << QStringList{"-"}
        << QByteArray("ledgerwick: Standard input can only be checked: ledgerwick --check -");
}

// Said on standard error with the usage, status 2, with or without a display.
void CommandLineTest::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, says);
    const Run result = run(m_folder.path(), arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.errors.split('\n').first(), says);
    QVERIFY2(
        result.errors.contains("\nUsage: ledgerwick [FILE | ADDRESS]\n       ledgerwick --check "
                               "FILE|ADDRESS...\n"),
        result.errors.constData());
}

void CommandLineTest::helpAndVersion_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArrayList>("says");
    // Every form the program takes, and the environment it reads.
    const QByteArrayList help{"Usage: ledgerwick [FILE | ADDRESS]",
                              "--check FILE...",
                              "--compare FILE|ADDRESS --server HOST[:PORT]",
                              "sftp://user@host[:port]/path/server.cfg",
                              "LEDGERWICK_RCON_PASSWORD",
                              "\"-\" for standard input",
                              "FILE:LINE: variable: message",
                              "0  nothing found",
                              "1  problems found",
                              "2  a file could not be read, or the command line\n",
                              "--               End the options",
                              "Needs no display"};
    QTest::newRow("--help") << QStringList{"--help"} << help;
    // After "--", a file named like an option is a file, for --compare too.
    QTest::newRow("--compare takes -- too")
        << QStringList{"--compare", "--server", "127.0.0.1:9", "--", "--missing.cfg"}
        << QByteArrayList{"EXIT2", "ledgerwick: cannot read --missing.cfg: "};
    QTest::newRow("-h, after a file") << QStringList{"good.cfg", "-h"} << help;
    QTest::newRow("--version") << QStringList{"--version"} << QByteArrayList{"ledgerwick 1.1\n"};
}

void CommandLineTest::helpAndVersion() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArrayList, says);
    const Run result = run(m_folder.path(), arguments);
    if (says.first() == "EXIT2") { // not help at all
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.errors.startsWith(says.last()), result.errors.constData());
        return;
    }
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.errors, QByteArray());
    for (const QByteArray& part : says)
        QVERIFY2(result.out.contains(part), part.constData());
}

void CommandLineTest::windowWithoutDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("a file") << QStringList{"good.cfg"};
    QTest::newRow("a file named --help") << QStringList{"--", "--help"};
}

// One line and status 2, instead of Qt's abort.
void CommandLineTest::windowWithoutDisplay() {
    QFETCH(QStringList, arguments);
    const Run result = run(m_folder.path(), arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.errors, kNoDisplay);
    QCOMPARE(result.out, QByteArray());
}

void CommandLineTest::onlyRegularFilesAreOpened_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::newRow("a named pipe") << "pipe.cfg"
                                  << "a named pipe";
    QTest::newRow("a socket") << "socket.cfg"
                              << "a socket";
    QTest::newRow("a folder") << "folder.cfg"
                              << "a folder";
    QTest::newRow("a device") << "/dev/null"
                              << "a device";
}

// Refused at once by `--check`, by the window, and greyed in Open Recent with the reason.
void CommandLineTest::onlyRegularFilesAreOpened() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QTemporaryDir folder;
    makeOddFiles(folder);
    const QString path = name.startsWith(QLatin1Char('/')) ? name : folder.filePath(name);
    const QByteArray pipe = folder.filePath(QStringLiteral("pipe.cfg")).toLocal8Bit();

    const Run result = run(m_folder.path(), {"--check", path, "good.cfg"});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.errors, QStringLiteral("ledgerwick: cannot read %1: It is not a regular file "
                                           "but %2\n")
                                .arg(path, kind)
                                .toUtf8());

    QSettings settings = savedSettings();
    settings.setValue(kRecentFilesKey, QStringList{path, folder.filePath("gone.cfg")});
    settings.sync();
    TForm1 form;
    form.show();
    MessageSeen seen;
    {
        Watchdog watchdog(pipe);
        const MessageCatcher catcher;
        QVERIFY(!form.openFile(path));
        seen = catcher.message;
        QVERIFY2(!watchdog.fired(), "opening waited for a writer");
    }
    QCOMPARE(seen.text, QStringLiteral("Cannot open file \"%1\". It is not a regular file but %2.")
                            .arg(path, kind));

    auto* recent = child<QMenu>(&form, "OpenRecent1");
    Watchdog watchdog(pipe);
    QMetaObject::invokeMethod(recent, "aboutToShow");
    const QList<QAction*> items = recent->actions();
    QCOMPARE(items.size(), 2);
    QVERIFY(!items[0]->isEnabled() && !items[1]->isEnabled());
    QCOMPARE(items[0]->statusTip(),
             QStringLiteral("%1 is not a regular file but %2.").arg(path, kind));
    QCOMPARE(items[1]->statusTip(),
             QStringLiteral("%1 is no longer there.").arg(folder.filePath("gone.cfg")));
    QVERIFY(!watchdog.fired());
}

void CommandLineTest::unusableSettingsFileDoesNotStopStartUp_data() {
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a named pipe") << true;
    QTest::newRow("2 MiB") << false;
}

// The window starts and opens files; the recent files are kept for this run only.
void CommandLineTest::unusableSettingsFileDoesNotStopStartUp() {
    QFETCH(bool, pipe);
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Kestrane";
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/Ledgerwick.conf";
    QFile::remove(path);
    if (pipe)
        QVERIFY(::mkfifo(path.toLocal8Bit(), 0600) == 0);
    else
        writeFile(path, "[General]\nrecentFiles=" + QByteArray(2 << 20, 'x') + '\n');
    {
        Watchdog watchdog(path.toLocal8Bit());
        TForm1 form;
        form.show();
        QVERIFY(form.openFile(m_folder.filePath(QStringLiteral("good.cfg"))));
        QVERIFY2(!watchdog.fired(), "start-up waited for the settings file");
    }
    // Left as it was.
    if (pipe)
        QCOMPARE(CfgFile::lookAt(path).kind, CfgFile::Found::Kind::Other);
    else
        QCOMPARE(QFileInfo(path).size(), qint64(2 << 20) + 23);
    QFile::remove(path);
}

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
