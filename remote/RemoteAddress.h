#pragma once

#include <QString>

// Where a file is on a server: sftp://user@host[:port]/path, ftp://… or ftps://… (FTP with TLS
// asked for on the control connection). A password typed in the address is taken out at once,
// so that no copy of the address that is kept, shown or logged can hold it.
class RemoteAddress {
public:
    enum class Protocol { Sftp, Ftp, Ftps };

    RemoteAddress() = default;

    // True when the text starts like an address (sftp://, ftp://, ftps://), valid or not.
    static bool looksLikeAddress(const QString& text);
    // The address in `text`; an invalid one when it is not, with the reason in `error`.
    static RemoteAddress parse(const QString& text, QString* error = nullptr);

    bool isValid() const { return !m_host.isEmpty(); }
    Protocol protocol() const { return m_protocol; }
    QString user() const { return m_user; }
    QString host() const { return m_host; }
    int port() const { return m_port; }
    // Starts with '/'; ends with '/' for a folder.
    QString path() const { return m_path; }
    bool isFolder() const { return m_path.endsWith(QLatin1Char('/')); }
    // The password that was typed in the address, if any; it is in no other form of it.
    QString typedPassword() const { return m_password; }

    // The address as typed, without the password; a byte of the path that is not UTF-8 text, a
    // control character or a blank is percent-encoded, so that the text reaches the same file.
    QString toString() const;
    // host:/path, as the window's title shows it, with displayName()'s escapes.
    QString shortName() const;
    // The account on the server, as the keyring and the host keys know it: scheme://user@host:port.
    QString account() const;
    // host:port for the host-key and certificate records (port always given).
    QString hostAndPort() const;
    // user@host:port: one account's files, whatever the protocol that reaches them. Two accounts
    // or two ports on one host are two sets of files.
    QString userAtHostPort() const;
    // The file or folder name at the end of the path.
    QString fileName() const;

    RemoteAddress withPath(const QString& path) const;
    // The folder the file or folder is in.
    RemoteAddress folder() const;
    // A file or folder in this folder.
    RemoteAddress child(const QString& name, bool isFolder) const;

    // The address that libcurl is given: ftps:// becomes ftp:// with TLS required.
    QByteArray curlUrl() const;
    // The path as a command sent to the server names it, in the server's bytes: FTP paths are
    // relative to the folder the login starts in, as the address's are; SFTP paths are as written.
    QByteArray serverPath(const QString& path) const;

    // A name or path as the server's bytes. Bytes that are not UTF-8 are held in a QString as
    // the lone surrogates U+DC80 to U+DCFF (one per byte), so that they reach the server again.
    static QByteArray pathBytes(const QString& path);
    static QString pathFromBytes(const QByteArray& bytes);
    // A name as a line of text shows it: a line break as \n, another control character or a
    // byte that is not UTF-8 as \xHH, and a backslash as \\.
    static QString displayName(const QString& name);

    bool operator==(const RemoteAddress& other) const = default;

private:
    Protocol m_protocol = Protocol::Sftp;
    QString m_user;
    QString m_password;
    QString m_host;
    int m_port = 0;
    QString m_path;
};
