// The document saving to this computer, without a window: the file it replaces keeps its mode and
// stays where links lead, and every failure leaves the old file and its folder as they were.
#include "document/Document.h"
#include "support/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestFiles;

namespace {

const QString kText = QStringLiteral("set sv_hostname \"Caf\u00e9\"\nset sv_maxclients \"20\"");
const QByteArray kBytes = "set sv_hostname \"Caf\xE9\"\r\nset sv_maxclients \"20\"\r\n";

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A new document's text saved to `path`, as the window saves it after "Finish!".
Document::Saved save(const QString& path, const QString& text = kText) {
    Document document;
    return document.save(text, false, Location::local(path));
}

} // namespace

class DocumentSaveTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void replacesKeepingModeAndLinks_data();
    void replacesKeepingModeAndLinks();
    void cannotCreate_data();
    void cannotCreate();
    void failedWriteKeepsTheOldFile();
    void fullDisk_data();
    void fullDisk();
    void leftoversOfACutSaveGo_data();
    void leftoversOfACutSaveGo();

private:
    FreshFolder m_folder;
    QString path(const char* name) const { return m_folder.file(name); }
};

void DocumentSaveTest::init() {
    // Each test starts without versions or folders kept by an earlier one.
    QSettings(QStringLiteral("Kestrane"), QStringLiteral("Ledgerwick")).clear();
    m_folder.renew();
    ::umask(022);
}

void DocumentSaveTest::replacesKeepingModeAndLinks_data() {
    QTest::addColumn<QString>("kind"); // "new", "0600", "link"
    QTest::addColumn<int>("mode");
    QTest::newRow("a new file") << "new" << 0644;
    QTest::newRow("a file only its owner reads") << "0600" << 0600;
    QTest::newRow("a link: what it points to is replaced") << "link" << 0640;
}

void DocumentSaveTest::replacesKeepingModeAndLinks() {
    QFETCH(QString, kind);
    QFETCH(int, mode);
    QString target = path("server.cfg");
    if (kind != QLatin1String("new")) {
        writeFile(target, QByteArray(100000, 'x'));
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(mode)), 0);
    }
    if (kind == QLatin1String("link")) {
        QVERIFY(QFile::link(target, path("link.cfg")));
        target = path("link.cfg");
    }
    const Document::Saved saved = save(target);
    QVERIFY2(saved.ok, qPrintable(saved.error));
    QCOMPARE(saved.bytes, kBytes.size());
    QCOMPARE(readFile(path("server.cfg")), kBytes);
    QCOMPARE(QFileInfo(target).isSymLink(), kind == QLatin1String("link"));
    struct stat status {};
    QCOMPARE(::stat(QFile::encodeName(path("server.cfg")).constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 07777), mode);
    QCOMPARE(entries(m_folder->path()).size(), kind == QLatin1String("link") ? 2 : 1);
}

void DocumentSaveTest::cannotCreate_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "missing/server.cfg"
                                    << "No such file or directory";
    QTest::newRow("parent is a file") << "file/server.cfg"
                                      << "Not a directory";
    QTest::newRow("read-only file") << "readonly.cfg"
                                    << "Permission denied";
    QTest::newRow("a folder") << "folder.cfg"
                              << "Is a directory";
    // Replacing a file needs a new file beside it: in a folder that cannot take one, the save
    // fails for a file that is there too. As root, only where the powers over permissions are off.
    QTest::newRow("folder without write permission") << "locked/server.cfg"
                                                     << "Permission denied";
    QTest::newRow("a file there, folder locked") << "locked/kept.cfg"
                                                 << "Permission denied";
}

void DocumentSaveTest::cannotCreate() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    if (name.startsWith(QLatin1String("locked/")) && ranWithoutRootPowers())
        return;
    writeFile(path("file"), "a file");
    writeFile(path("readonly.cfg"), "read only");
    QVERIFY(QFile::setPermissions(path("readonly.cfg"), QFile::ReadOwner | QFile::ReadUser));
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("folder.cfg")));
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("locked")));
    writeFile(path("locked/kept.cfg"), "kept");
    QVERIFY(QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner));
    const QStringList before = entries(m_folder->path());

    const QString target = m_folder->filePath(name);
    const Document::Saved saved = save(target);
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved.ok);
    QCOMPARE(saved.error, QStringLiteral("Cannot create file \"%1\". %2").arg(target, reason));
    QCOMPARE(readFile(path("readonly.cfg")), QByteArray("read only"));
    QCOMPARE(readFile(path("locked/kept.cfg")), QByteArray("kept"));
    QCOMPARE(entries(m_folder->path()), before);
    QCOMPARE(entries(path("locked")), QStringList{"kept.cfg"});
    QCOMPARE(entries(path("folder.cfg")), QStringList());
}

// A write the system refuses half-way (here: the file-size limit) must not touch the old file.
void DocumentSaveTest::failedWriteKeepsTheOldFile() {
    writeFile(path("server.cfg"), "old contents");
    rlimit old{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Document::Saved saved = save(path("server.cfg"), QString(20000, QLatin1Char('x')));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(saved.error,
             QStringLiteral("Cannot write file \"%1\". File too large").arg(path("server.cfg")));
    QCOMPARE(readFile(path("server.cfg")), QByteArray("old contents"));
    QCOMPARE(entries(m_folder->path()), QStringList{"server.cfg"});
}

void DocumentSaveTest::fullDisk_data() {
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("free");
    QTest::addColumn<int>("size");
    // A small text on a completely full disk: the case where a late failure could slip through.
    QTest::newRow("full, replacing") << true << 0 << 0;
    QTest::newRow("full, a new file") << false << 0 << 0;
    QTest::newRow("full during the write") << true << 16384 << 200000;
}

// A full disk, made with a small tmpfs (needs root).
void DocumentSaveTest::fullDisk() {
    QFETCH(bool, existing);
    QFETCH(int, free);
    QFETCH(int, size);
    const QString mountPoint = path("disk");
    QVERIFY(QDir().mkpath(mountPoint));
    if (::geteuid() != 0 ||
        ::mount("tmpfs", mountPoint.toLocal8Bit().constData(), "tmpfs", 0, "size=256k") != 0)
        QSKIP("cannot mount a small tmpfs here (needs root); the file-size limit test covers "
              "a failed write");
    const QString target = mountPoint + QStringLiteral("/server.cfg");
    if (existing)
        writeFile(target, "old contents");
    {
        QFile filler(mountPoint + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) > 0) {
        }
        while (filler.write("f", 1) > 0) {
        }
        QVERIFY(filler.resize(filler.size() - free));
    }
    const Document::Saved saved = save(target, size > 0 ? QString(size, QLatin1Char('m')) : kText);
    const QByteArray after = readFile(target);
    const QStringList left = entries(mountPoint);
    ::umount(mountPoint.toLocal8Bit().constData());

    QCOMPARE(saved.error,
             QStringLiteral("Cannot write file \"%1\". No space left on device").arg(target));
    QCOMPARE(after, existing ? QByteArray("old contents") : QByteArray("<unreadable>"));
    QCOMPARE(left, existing ? QStringList({"filler", "server.cfg"}) : QStringList{"filler"});
}

void DocumentSaveTest::leftoversOfACutSaveGo_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // "file", "folder", "link", "locked" (a save writing it)
    QTest::addColumn<int>("age");      // seconds since it was last written
    QTest::addColumn<bool>("removed");
    QTest::newRow("left by a crash") << ".ledgerwick-1x9zq.tmp"
                                     << "file" << 600 << true;
    QTest::newRow("left long ago") << ".ledgerwick-k0.tmp"
                                   << "file" << 86400 * 30 << true;
    QTest::newRow("another save's, just made") << ".ledgerwick-1x9zq.tmp"
                                               << "file" << 0 << false;
    QTest::newRow("another save's, locked") << ".ledgerwick-1x9zq.tmp"
                                            << "locked" << 600 << false;
    QTest::newRow("not hidden") << "ledgerwick-1x9zq.tmp"
                                << "file" << 600 << false;
    QTest::newRow("not ours") << ".ledgerwick-Notes.tmp"
                              << "file" << 600 << false;
    QTest::newRow("another ending") << ".ledgerwick-1x9zq.tmp.bak"
                                    << "file" << 600 << false;
    QTest::newRow("a folder") << ".ledgerwick-1x9zq.tmp"
                              << "folder" << 600 << false;
    QTest::newRow("a link") << ".ledgerwick-1x9zq.tmp"
                            << "link" << 600 << false;
}

// Temporary files that a save cut short left beside its target go with the next save into that
// folder: only ours, and only those no save is writing.
void DocumentSaveTest::leftoversOfACutSaveGo() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(int, age);
    QFETCH(bool, removed);
    const QString leftover = path(qPrintable(name));
    const QString elsewhere = path("elsewhere/") + name;
    QVERIFY(QDir().mkpath(path("elsewhere")));
    writeFile(path("target-of-link"), "kept");
    for (const QString& file : {leftover, elsewhere}) {
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(file));
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(path("target-of-link"), file));
        else
            writeFile(file, "set sv_hostname \"half");
        const timespec then[2] = {{::time(nullptr) - age, 0}, {::time(nullptr) - age, 0}};
        QCOMPARE(
            ::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), then, AT_SYMLINK_NOFOLLOW),
            0);
    }
    QFile locked(leftover);
    if (kind == QLatin1String("locked")) {
        QVERIFY(locked.open(QIODevice::ReadOnly));
        QCOMPARE(::flock(locked.handle(), LOCK_EX), 0);
    }

    QVERIFY(save(path("server.cfg")).ok);
    QCOMPARE(QFileInfo::exists(leftover) || QFileInfo(leftover).isSymLink(), !removed);
    QVERIFY(QFileInfo::exists(elsewhere) || QFileInfo(elsewhere).isSymLink());
    QCOMPARE(readFile(path("target-of-link")), QByteArray("kept"));
    QCOMPARE(readFile(path("server.cfg")), kBytes);
}

QTEST_GUILESS_MAIN(DocumentSaveTest)
#include "tst_documentsave.moc"
