#include "support/LoopbackServers.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace LoopbackServers {

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

bool waitForPort(int port, QProcess& process) {
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
        if (socket.waitForConnected(200))
            return true;
        QThread::msleep(20);
    }
    return false;
}

// The processes a process started, and theirs, from /proc: quickly through the children files of
// each thread, else by reading every process's parent.
QList<pid_t> descendants(pid_t root) {
    if (QFile::exists(QStringLiteral("/proc/%1/task/%1/children").arg(root))) {
        QList<pid_t> found{root};
        for (qsizetype i = 0; i < found.size(); ++i) {
            const QString tasks = QStringLiteral("/proc/%1/task").arg(found[i]);
            for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                QFile children(tasks + QLatin1Char('/') + task + QStringLiteral("/children"));
                if (!children.open(QIODevice::ReadOnly))
                    continue;
                for (const QByteArray& child : children.readAll().split(' '))
                    if (const pid_t pid = pid_t(child.trimmed().toInt()); pid > 0)
                        found.append(pid);
            }
        }
        return found;
    }
    QList<pid_t> found{root};
    bool grew = true;
    while (grew) {
        grew = false;
        for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            bool number = false;
            const pid_t pid = entry.toInt(&number);
            if (!number || found.contains(pid))
                continue;
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray text = stat.readAll();
            // pid (name) state ppid …: the name may hold spaces, the last ')' ends it.
            const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && found.contains(pid_t(fields[1].toInt()))) {
                found.append(pid);
                grew = true;
            }
        }
    }
    return found;
}

} // namespace

int freePort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        qFatal("no free port");
    return server.serverPort();
}

QByteArray runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return process.readAllStandardOutput();
}

Sshd::Sshd(const QString& hostKeyType) {
    const bool root = geteuid() == 0;
    m_user = root ? QStringLiteral("nobody") : QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
    const QString dir = m_dir.path();
    QDir().mkpath(files());
    QDir().mkpath(home() + QStringLiteral("/.ssh"));
    runTool(QStringLiteral("ssh-keygen"), {QStringLiteral("-q"),
                                           QStringLiteral("-t"),
                                           hostKeyType,
                                           QStringLiteral("-N"),
                                           {},
                                           QStringLiteral("-f"),
                                           dir + QStringLiteral("/host_key")});
    const QString key = home() + QStringLiteral("/.ssh/id_ed25519");
    runTool(QStringLiteral("ssh-keygen"), {QStringLiteral("-q"),
                                           QStringLiteral("-t"),
                                           QStringLiteral("ed25519"),
                                           QStringLiteral("-N"),
                                           {},
                                           QStringLiteral("-f"),
                                           key});
    QFile::copy(key + QStringLiteral(".pub"), dir + QStringLiteral("/authorized_keys"));
    if (root) {
        // sshd as root checks its privilege separation folder; the served user reaches the files.
        QDir().mkpath(QStringLiteral("/run/sshd"));
        QFile::setPermissions(dir, QFile::permissions(dir) | QFile::ExeOther | QFile::ReadOther);
        own(files());
    }
}

Sshd::~Sshd() {
    kill();
}

void Sshd::own(const QString& path) const {
    if (geteuid() != 0)
        return;
    const passwd* entry = getpwnam(m_user.toLocal8Bit().constData());
    if (!entry || chown(QFile::encodeName(path).constData(), entry->pw_uid, entry->pw_gid) != 0)
        qFatal("cannot give %s to %s", qPrintable(path), qPrintable(m_user));
}

QByteArray Sshd::hostKey() const {
    QFile file(m_dir.path() + QStringLiteral("/host_key.pub"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QByteArray::fromBase64(file.readAll().split(' ').value(1));
}

QString Sshd::address(const QString& relative, const QString& user) const {
    return QStringLiteral("sftp://%1@127.0.0.1:%2%3/%4")
        .arg(user.isEmpty() ? m_user : user)
        .arg(m_port)
        .arg(files(), relative);
}

bool Sshd::start() {
    kill();
    if (m_port == 0)
        m_port = freePort();
    const QString dir = m_dir.path();
    const QString config = dir + QStringLiteral("/sshd_config");
    write(config, QStringLiteral("Port %1\n"
                                 "ListenAddress 127.0.0.1\n"
                                 "HostKey %2/host_key\n"
                                 "PidFile none\n"
                                 "AuthorizedKeysFile %2/authorized_keys\n"
                                 "StrictModes no\n"
                                 "UsePAM no\n"
                                 "PasswordAuthentication yes\n"
                                 "KbdInteractiveAuthentication no\n"
                                 "PermitRootLogin yes\n"
                                 "MaxStartups 100\n"
                                 "LogLevel FATAL\n"
                                 "Subsystem sftp internal-sftp\n")
                      .arg(m_port)
                      .arg(dir)
                      .toUtf8());
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A test that stops at a fatal error takes its server with it.
    m_process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process->start(QStringLiteral("/usr/sbin/sshd"),
                     {QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"), config});
    if (!m_process->waitForStarted() || !waitForPort(m_port, *m_process)) {
        m_error = QStringLiteral("sshd did not start: ") + m_process->errorString();
        return false;
    }
    m_pid = pid_t(m_process->processId());
    return true;
}

void Sshd::cut() const {
    for (const pid_t pid : descendants(m_pid))
        ::kill(pid, SIGKILL);
}

void Sshd::kill() {
    if (!m_process)
        return;
    if (m_process->state() == QProcess::Running) {
        for (const pid_t pid : descendants(pid_t(m_process->processId())))
            ::kill(pid, SIGKILL);
        m_process->waitForFinished();
    }
    // Killed from a slot, the process may be the one whose notifier the event loop is serving.
    m_process.release()->deleteLater();
}

FtpServer::FtpServer(bool tls)
    : m_tls(tls) {
    QDir().mkpath(files());
    QDir().mkpath(files(QStringLiteral("second")));
}

FtpServer::~FtpServer() {
    if (m_process) {
        cut();
        m_process->kill();
        m_process->waitForFinished();
    }
}

void FtpServer::cut() const {
    for (const pid_t pid : descendants(m_pid))
        if (pid != m_pid)
            ::kill(pid, SIGKILL);
}

QString FtpServer::address(const QString& user, const QString& relative) const {
    return QStringLiteral("%1://%2@127.0.0.1:%3/%4")
        .arg(m_tls ? QStringLiteral("ftps") : QStringLiteral("ftp"), user)
        .arg(m_port)
        .arg(relative);
}

bool FtpServer::start() {
    const QString dir = m_dir.path();
    if (m_tls)
        runTool(QStringLiteral("openssl"),
                {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                 QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                 QStringLiteral("2"), QStringLiteral("-subj"),
                 QStringLiteral("/CN=ledgerwick-test"), QStringLiteral("-keyout"),
                 dir + QStringLiteral("/server.pem"), QStringLiteral("-out"),
                 dir + QStringLiteral("/server.pem")});
    const QString script = dir + QStringLiteral("/server.py");
    write(script, R"(import logging, os, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import MultiprocessFTPServer
logging.basicConfig(level=logging.ERROR)
root, second, tls, cert = sys.argv[1:5]
os.umask(0o022)
users = DummyAuthorizer()
users.add_user("admin", "Tr0ut-Lake-7", root, perm="elradfmwMT")
users.add_user("reader", "Tr0ut-Lake-7", root, perm="elr")
users.add_user("writer", "Tr0ut-Lake-7", root, perm="elradfmwT")
users.add_user("second", "Tr0ut-Lake-7", second, perm="elradfmwMT")

class DataHandler(TLS_DTPHandler):
    # A client may start the data connection's TLS handshake before its transfer command.
    def readable(self):
        return self._ssl_accepting or super().readable()

handler = TLS_FTPHandler if tls == "tls" else FTPHandler
if tls == "tls":
    handler.certfile = cert
    handler.tls_control_required = True
    handler.tls_data_required = True
    handler.dtp_handler = DataHandler
handler.authorizer = users
handler.auth_failed_timeout = 0
# A process for each connection, so that a test can cut connections and keep the server.
server = MultiprocessFTPServer(("127.0.0.1", 0), handler)
print(server.address[1], flush=True)
server.serve_forever()
)");
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Debian's own Python, which has the packaged pyftpdlib.
    // A test that stops at a fatal error takes its server with it.
    m_process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process->start(QStringLiteral("/usr/bin/python3"),
                     {script, files(), files(QStringLiteral("second")),
                      m_tls ? QStringLiteral("tls") : QStringLiteral("plain"),
                      dir + QStringLiteral("/server.pem")});
    if (!m_process->waitForStarted() || !m_process->waitForReadyRead(20000)) {
        m_error = QStringLiteral("the FTP server did not start: ") + m_process->errorString();
        return false;
    }
    m_port = m_process->readLine().trimmed().toInt();
    m_pid = pid_t(m_process->processId());
    return m_port > 0;
}

} // namespace LoopbackServers
