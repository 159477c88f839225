#include "remote/RemoteAddress.h"

#include <QCoreApplication>
#include <QUrl>

namespace {

struct Scheme {
    const char* name;
    RemoteAddress::Protocol protocol;
    int port;
};

constexpr Scheme kSchemes[] = {
    {"sftp", RemoteAddress::Protocol::Sftp, 22},
    {"ftp", RemoteAddress::Protocol::Ftp, 21},
    {"ftps", RemoteAddress::Protocol::Ftps, 21},
};

const Scheme* schemeOf(RemoteAddress::Protocol protocol) {
    for (const Scheme& scheme : kSchemes)
        if (scheme.protocol == protocol)
            return &scheme;
    return &kSchemes[0];
}

} // namespace

bool RemoteAddress::looksLikeAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const Scheme& scheme : kSchemes)
        if (trimmed.startsWith(QLatin1String(scheme.name) + QLatin1String("://"),
                               Qt::CaseInsensitive))
            return true;
    return false;
}

RemoteAddress RemoteAddress::parse(const QString& text, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        return RemoteAddress();
    };
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const Scheme* scheme = nullptr;
    for (const Scheme& candidate : kSchemes)
        if (url.scheme().compare(QLatin1String(candidate.name), Qt::CaseInsensitive) == 0)
            scheme = &candidate;
    if (!scheme)
        return fail(QCoreApplication::translate(
            "Remote", "An address starts with sftp://, ftp:// or ftps://."));
    if (!url.isValid())
        return fail(QCoreApplication::translate("Remote", "It is not a valid address."));
    if (url.host().isEmpty())
        return fail(QCoreApplication::translate(
            "Remote", "The address names no host: sftp://user@host/path/server.cfg."));
    if (!url.query().isEmpty() || !url.fragment().isEmpty())
        return fail(QCoreApplication::translate("Remote", "A file's address holds no '?' or '#'."));
    RemoteAddress address;
    address.m_protocol = scheme->protocol;
    address.m_user = url.userName();
    address.m_password = url.password();
    address.m_host = url.host();
    address.m_port = url.port(scheme->port);
    address.m_path = url.path().isEmpty() ? QStringLiteral("/") : url.path();
    if (error)
        error->clear();
    return address;
}

QString RemoteAddress::toString() const {
    QUrl url;
    url.setScheme(QLatin1String(schemeOf(m_protocol)->name));
    url.setUserName(m_user);
    url.setHost(m_host);
    if (m_port != schemeOf(m_protocol)->port)
        url.setPort(m_port);
    url.setPath(m_path);
    return url.toString();
}

QString RemoteAddress::shortName() const {
    return m_host + QLatin1Char(':') + m_path;
}

QString RemoteAddress::account() const {
    return QStringLiteral("%1://%2@%3")
        .arg(QLatin1String(schemeOf(m_protocol)->name), m_user, hostAndPort());
}

QString RemoteAddress::hostAndPort() const {
    return QStringLiteral("%1:%2").arg(m_host).arg(m_port);
}

QString RemoteAddress::fileName() const {
    QString path = m_path;
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

RemoteAddress RemoteAddress::withPath(const QString& path) const {
    RemoteAddress address = *this;
    address.m_path = path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
    return address;
}

RemoteAddress RemoteAddress::folder() const {
    QString path = m_path;
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return withPath(path.left(path.lastIndexOf(QLatin1Char('/')) + 1));
}

RemoteAddress RemoteAddress::child(const QString& name, bool isFolder) const {
    const RemoteAddress base = this->isFolder() ? *this : folder();
    return withPath(base.m_path + name + (isFolder ? QStringLiteral("/") : QString()));
}

QByteArray RemoteAddress::curlUrl() const {
    QUrl url;
    url.setScheme(m_protocol == Protocol::Sftp ? QStringLiteral("sftp") : QStringLiteral("ftp"));
    url.setHost(m_host);
    url.setPort(m_port);
    url.setPath(m_path);
    return url.toEncoded();
}

QString RemoteAddress::serverPath(const QString& path) const {
    return m_protocol == Protocol::Sftp ? path : path.mid(1);
}
