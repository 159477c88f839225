#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include <sys/types.h>

// Real servers on 127.0.0.1 for the tests of files on servers, each on a free port, with its
// configuration and keys made in a temporary folder when it starts.
namespace LoopbackServers {

// The FTP users' password: a word that appears nowhere else, so that a test can look for it.
inline constexpr const char* kFtpPassword = "Tr0ut-Lake-7";

// A free TCP port on 127.0.0.1 (free when asked; the server takes it at once).
int freePort();

// Runs a program and returns its standard output; the test stops when it fails.
QByteArray runTool(const QString& program, const QStringList& arguments);

// OpenSSH's sshd with a host key of its own and one user's authorized key. As root, the user is
// `nobody`, so that file permissions bind it, and root logs in with the same key as a second
// account; otherwise the user running the tests. The client's key is in home()/.ssh, as a
// user's key would be.
class Sshd {
public:
    // `hostKeyType` as ssh-keygen names it: ed25519, rsa…
    explicit Sshd(const QString& hostKeyType = QStringLiteral("ed25519"));
    ~Sshd();

    bool start();
    // Kills the server and every session it forked, as a crash or a pulled cable would.
    void kill();
    // The same from any thread, at once; kill() or start() then reaps the server.
    void cut() const;
    QString user() const { return m_user; }
    int port() const { return m_port; }
    // A folder the user owns, for the files served.
    QString files() const { return m_dir.path() + QStringLiteral("/files"); }
    QString home() const { return m_dir.path() + QStringLiteral("/home"); }
    QByteArray hostKey() const;
    // The address of a path under files(), for user() or another account.
    QString address(const QString& relative, const QString& user = QString()) const;
    // Gives a file or folder made by the test to the served user.
    void own(const QString& path) const;
    QString error() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QString m_user;
    int m_port = 0;
    std::unique_ptr<QProcess> m_process;
    pid_t m_pid = 0;
    QString m_error;
};

// pyftpdlib, with TLS required on the control and data connections when `tls`, a self-signed
// certificate made at start, and users with the password kFtpPassword: "admin" who may do
// everything, "reader" who may only read and "writer" who may do all but change permissions
// (SITE CHMOD), all three in files(); and "second", who may do everything in a folder of its own,
// files("second").
class FtpServer {
public:
    explicit FtpServer(bool tls);
    ~FtpServer();

    bool start();
    // Kills every connection's process, as a pulled cable would, from any thread; the server
    // takes new connections.
    void cut() const;
    int port() const { return m_port; }
    QString files(const QString& user = QString()) const {
        return m_dir.path() + (user == QLatin1String("second") ? QStringLiteral("/second")
                                                               : QStringLiteral("/files"));
    }
    QString address(const QString& user, const QString& relative) const;
    QString error() const { return m_error; }

private:
    bool m_tls;
    QTemporaryDir m_dir;
    int m_port = 0;
    std::unique_ptr<QProcess> m_process;
    pid_t m_pid = 0;
    QString m_error;
};

} // namespace LoopbackServers
