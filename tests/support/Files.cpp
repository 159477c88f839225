#include "support/Files.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

namespace TestFiles {

namespace {

// Set in the child that runs a test without root's powers.
constexpr char kWithoutPowers[] = "LEDGERWICK_TEST_WITHOUT_ROOT_POWERS";

} // namespace

void FreshFolder::renew() {
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY2(m_folder->isValid(), qPrintable(m_folder->errorString()));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray savedBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        for (const QChar c : line) {
            switch (c.unicode()) {
            case 0x00E9: // é
                bytes += '\xE9';
                break;
            case 0x20AC: // €
                bytes += '\x80';
                break;
            case 0x201C: // “
                bytes += '\x93';
                break;
            default:
                if (c.unicode() >= 0x80)
                    qFatal("savedBytes: no byte given for U+%04X", c.unicode());
                bytes += char(c.unicode());
            }
        }
        bytes += "\r\n";
    }
    return bytes;
}

bool ranWithoutRootPowers() {
    if (::geteuid() != 0 || qEnvironmentVariableIsSet(kWithoutPowers))
        return false;
    // Root without the capabilities that pass over file permissions: dropped from the bounding
    // set, they are gone from the child program, as for any user.
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        QTest::qFail("running as root, and setpriv (util-linux) is missing", __FILE__, __LINE__);
        return true;
    }
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (const char* tag = QTest::currentDataTag())
        function += QLatin1Char(':') + QString::fromLocal8Bit(tag);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kWithoutPowers), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--bounding-set=-dac_override,-dac_read_search,-fowner"),
                          QCoreApplication::applicationFilePath(), function});
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        QTest::qFail(child.readAll().constData(), __FILE__, __LINE__);
    return true;
}

} // namespace TestFiles
