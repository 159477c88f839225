// `ledgerwick --set`/`--unset` without a window: hand-kept files changed in place byte for byte,
// refusals that write nothing, and files on a real sshd on 127.0.0.1 changed under the command.
#include "cli/SetCommand.h"
#include "remote/History.h"
#include "remote/KnownHosts.h"
#include "support/Files.h"
#include "support/LoopbackServers.h"

#include <QBuffer>
#include <QDir>
#include <QTest>

#include <thread>

#include <sys/inotify.h>
#include <sys/stat.h>

using TestFiles::readFile;

namespace {

struct Run {
    int status = -1;
    QByteArray out, errors;
};

// "NAME=VALUE" sets, "-NAME" leaves out.
Run runSet(const QStringList& words, const QList<QByteArray>& targets, bool dry = false,
           bool force = false) {
    SetRequest request{{}, {}, dry, force, targets};
    for (const QString& word : words)
        if (word.startsWith(QLatin1Char('-')))
            request.unsets << word.mid(1);
        else
            request.assignments << qMakePair(word.section(QLatin1Char('='), 0, 0),
                                             word.section(QLatin1Char('='), 1));
    Run run;
    QBuffer out(&run.out), errors(&run.errors);
    out.open(QIODevice::WriteOnly);
    errors.open(QIODevice::WriteOnly);
    run.status = setFiles(request, out, errors);
    return run;
}

// A saved file is a new file: the same inode means that nothing was written.
ino_t inode(const char* path) {
    struct stat about {};
    return ::stat(path, &about) == 0 ? about.st_ino : 0;
}

// Once the command has read `path` (closed it unwritten), another admin writes `bytes` over it.
std::thread changeAfterRead(const QString& path, const QByteArray& bytes) {
    const int watch = inotify_init();
    inotify_add_watch(watch, QFile::encodeName(path).constData(), IN_CLOSE_NOWRITE);
    return std::thread([=] {
        char event[sizeof(inotify_event) + 256];
        QFile file(path);
        if (::read(watch, event, sizeof event) > 0 && file.open(QIODevice::WriteOnly))
            file.write(bytes);
        ::close(watch);
    });
}

} // namespace

class TestSetCommand : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder, m_data; // the files, and History with the known hosts

private slots:
    void initTestCase() {
        QDir::setCurrent(m_folder.path());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
    }

    void handKept_data() {
        for (const char* column : {"file", "expected", "diff"})
            QTest::addColumn<QByteArray>(column);
        QTest::addColumn<QStringList>("words");
        auto row = [](const char* name, const char* file, const char* expected, const char* diff,
                      const QStringList& words) {
            QTest::newRow(name) << QByteArray(file) << QByteArray(expected) << QByteArray(diff)
                                << words;
        };
        // clang-format off
        row("CR LF: quoted, seta with a comment, sets, a mod's variables before the map",
            "// mine\r\nset sv_hostname \"Old\"\r\nseta sv_maxclients 16 // max\r\n"
            "sets .Admin \"Ann\"\r\nset mod_thing 1\r\nmap_rotate\r\n",
            "// mine\r\nset sv_hostname \"New\"\r\nseta sv_maxclients \"24\" // max\r\n"
            "sets .Admin \"Bob\"\r\nset mod_thing \"2\"\r\nset mod_new \"on\"\r\nmap_rotate\r\n",
            "@@ -1,6 +1,7 @@\n // mine\n-set sv_hostname \"Old\"\n-seta sv_maxclients 16 // max\n"
            "-sets .Admin \"Ann\"\n-set mod_thing 1\n+set sv_hostname \"New\"\n+seta sv_maxclients "
            "\"24\" // max\n+sets .Admin \"Bob\"\n+set mod_thing \"2\"\n+set mod_new \"on\"\n"
            " map_rotate\n",
            {"mod_new=on", "sv_hostname=New", "SV_MAXCLIENTS=24", ".admin=Bob", "-absent",
             "mod_thing=2"});
        row("CR: bare, twice, new lines after their neighbours in the pages",
            "set sv_hostname 1\rset g_log x\rsv_hostname 2\rset g_gametype dm\r"
            "seta g_gametype sd\r",
            "set sv_hostname 1\rset g_log x\rset sv_fps \"20\"\rsv_hostname \"3\"\r"
            "set sv_maxclients \"8\"\r",
            "@@ -1,5 +1,5 @@\n set sv_hostname 1\n set g_log x\n-sv_hostname 2\n"
            "-set g_gametype dm\n-seta g_gametype sd\n+set sv_fps \"20\"\n+sv_hostname \"3\"\n"
            "+set sv_maxclients \"8\"\n",
            {"sv_fps=20", "sv_hostname=3", "sv_maxclients=8", "-g_gametype"});
        row("Windows-1252: one of two on a line, a problem the file had",
            "set sv_hostname \"Caf\xE9\"; set sv_maxclients 8\nset scr_motd Hi\nset sv_fps x\n",
            "set sv_hostname \"Caf\xE9\"\nset scr_motd \"Gr\xFC\xDF" "e\"\nset sv_fps x\n",
            "@@ -1,3 +1,3 @@\n-set sv_hostname \"Caf\xE9\"; set sv_maxclients 8\n-set scr_motd Hi\n"
            "+set sv_hostname \"Caf\xE9\"\n+set scr_motd \"Gr\xFC\xDF" "e\"\n set sv_fps x\n",
            {"scr_motd=Grüße", "-sv_maxclients"});
        row("UTF-8 with a byte order mark, no line break at the end, a mod's variable at the end",
            "\xEF\xBB\xBFset sv_hostname \"A\"",
            "\xEF\xBB\xBFset sv_hostname \"Caf\xC3\xA9\"\r\nset mod_x \"1\"",
            "@@ -1 +1,2 @@\n-set sv_hostname \"A\"\n\\ No newline at end of file\n"
            "+set sv_hostname \"Caf\xC3\xA9\"\n+set mod_x \"1\"\n\\ No newline at end of file\n",
            {"sv_hostname=Café", "mod_x=1"});
        // clang-format on
    }

    void handKept() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, words);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, diff);
        TestFiles::writeFile(QStringLiteral("server.cfg"), file);
        const ino_t before = inode("server.cfg");
        diff.prepend("--- server.cfg\n+++ server.cfg\n");
        const Run dry = runSet(words, {"server.cfg"}, true);
        QVERIFY(dry.out == diff && dry.status == 1 && inode("server.cfg") == before);
        const Run first = runSet(words, {"server.cfg"});
        QCOMPARE(first.out + first.errors, diff);
        QCOMPARE(first.status, 1);
        QCOMPARE(readFile(QStringLiteral("server.cfg")), expected);
        const QString path = m_folder.filePath(QStringLiteral("server.cfg"));
        QCOMPARE(readFile(History().versions(QString(), path).value(0).file), file);
        const ino_t written = inode("server.cfg");
        const Run second = runSet(words, {"server.cfg"});
        QCOMPARE(second.out + second.errors, QByteArray());
        QVERIFY(second.status == 0 && inode("server.cfg") == written);
    }

    void refused_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QByteArray>("says");
        auto row = [](const char* name, const QStringList& words, const char* says) {
            QTest::newRow(name) << words << QByteArray(says);
        };
        // clang-format off
        row("quote", {"sv_hostname=a\"; quit"}, "a double quote ends the value");
        row("line break", {"sv_hostname=a\nquit"}, "the value holds a line break");
        row("no number", {"sv_maxclients=many"}, "the server reads \"many\" as 0.");
        row("a choice of numbers", {"sv_pure=yes"}, "the server reads \"yes\" as 0.");
        row("not in Windows-1252", {"scr_motd=Ω"}, "\"Ω\" (U+03A9 GREEK CAPITAL LETTER OMEGA)");
        row("no name", {"sv hostname=x"}, "sv hostname=x: not a variable name");
        row("both ways", {"sv_fps=2", "-SV_FPS"}, "sv_fps is also given another way");
        row("a file too large", {"sv_hostname=" + QString(100, u'x')},
            "server.cfg: line 16267: the file is 16,426 bytes long");
        row("after a comment never closed", {"mod_new=1"}, "mod_new=1: the server would not read");
        // clang-format on
    }

    void refused() {
        QFETCH(QStringList, words);
        QFETCH(QByteArray, says);
        const QByteArray file = "set sv_hostname \"\xE9\"\n" + QByteArray(16300, '\n') + "/* old\n";
        TestFiles::writeFile(QStringLiteral("server.cfg"), file);
        const ino_t before = inode("server.cfg");
        const Run run = runSet(words, {"server.cfg"});
        QVERIFY2(run.errors.contains(says), run.errors.constData());
        QVERIFY(run.status == 2 && run.out.isEmpty() && inode("server.cfg") == before);
        QCOMPARE(readFile(QStringLiteral("server.cfg")), file);
    }

    void changedOnServer() {
        LoopbackServers::Sshd sshd;
        QVERIFY2(sshd.start(), qPrintable(sshd.error()));
        qputenv("HOME", QFile::encodeName(sshd.home()));
        qunsetenv("SSH_AUTH_SOCK");
        QVERIFY(KnownHosts().trustKey(QStringLiteral("127.0.0.1:%1").arg(sshd.port()),
                                      sshd.hostKey(), nullptr));
        const QString theirs = sshd.files() + QStringLiteral("/theirs.cfg");
        const QString ours = sshd.files() + QStringLiteral("/ours.cfg");
        for (const QString& path : {theirs, ours}) {
            TestFiles::writeFile(path, "set sv_hostname A\n");
            sshd.own(path);
        }
        const QList<QByteArray> both = {sshd.address(QStringLiteral("theirs.cfg")).toUtf8(),
                                        sshd.address(QStringLiteral("ours.cfg")).toUtf8()};
        std::thread other = changeAfterRead(theirs, "set sv_hostname Other\n");
        const Run refused = runSet({"sv_hostname=B"}, both);
        other.join();
        QCOMPARE(refused.status, 2);
        QVERIFY2(refused.errors.contains(both[0] + ": The file on the server has changed") &&
                     refused.errors.contains("--force") && refused.out.startsWith("--- " + both[1]),
                 refused.errors + refused.out);
        QCOMPARE(readFile(theirs) + readFile(ours),
                 "set sv_hostname Other\nset sv_hostname \"B\"\n");

        other = changeAfterRead(theirs, "set sv_hostname Other again\n");
        const Run forced = runSet({"sv_hostname=B"}, both, false, true);
        other.join();
        QVERIFY2(forced.status == 1 && forced.errors.isEmpty(), forced.errors.constData());
        QCOMPARE(readFile(theirs), QByteArray("set sv_hostname \"B\"\n"));
        QCOMPARE(runSet({"sv_hostname=B"}, both).status, 0);
    }
};

QTEST_GUILESS_MAIN(TestSetCommand)
#include "tst_setcommand.moc"
