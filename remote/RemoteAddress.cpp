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

// A byte that is not UTF-8, as a QString holds it.
constexpr char16_t kRawByte = 0xdc00;

bool isRawByte(QChar c) {
    return c.unicode() >= kRawByte + 0x80 && c.unicode() <= kRawByte + 0xff;
}

// The length of the well-formed UTF-8 sequence at `at`, 0 when there is none.
int sequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? quint8(bytes[i]) : 0; };
    const quint8 lead = byte(at);
    const auto tail = [&](qsizetype i, quint8 low = 0x80, quint8 high = 0xbf) {
        return byte(i) >= low && byte(i) <= high;
    };
    if (lead < 0x80)
        return 1;
    if (lead >= 0xc2 && lead <= 0xdf)
        return tail(at + 1) ? 2 : 0;
    if (lead >= 0xe0 && lead <= 0xef) {
        // No overlong forms, no surrogates.
        const quint8 low = lead == 0xe0 ? 0xa0 : 0x80;
        const quint8 high = lead == 0xed ? 0x9f : 0xbf;
        return tail(at + 1, low, high) && tail(at + 2) ? 3 : 0;
    }
    if (lead >= 0xf0 && lead <= 0xf4) {
        const quint8 low = lead == 0xf0 ? 0x90 : 0x80;
        const quint8 high = lead == 0xf4 ? 0x8f : 0xbf;
        return tail(at + 1, low, high) && tail(at + 2) && tail(at + 3) ? 4 : 0;
    }
    return 0;
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
    // A blank is as the address shows it: typed as it is, or as %20.
    const QUrl url(text.trimmed().replace(QLatin1Char(' '), QStringLiteral("%20")),
                   QUrl::StrictMode);
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
    // The path's bytes as the server has them, UTF-8 or not.
    const QString path =
        pathFromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    address.m_path = path.isEmpty() ? QStringLiteral("/") : path;
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
    QString path;
    for (const QChar c : m_path) {
        if (isRawByte(c) || c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('%') ||
            c == QLatin1Char('?') || c == QLatin1Char('#'))
            path += QStringLiteral("%%1")
                        .arg(isRawByte(c) ? c.unicode() - kRawByte : c.unicode(), 2, 16,
                             QLatin1Char('0'))
                        .toUpper();
        else
            path += c;
    }
    url.setPath(path, QUrl::TolerantMode);
    return url.toString();
}

QString RemoteAddress::shortName() const {
    return m_host + QLatin1Char(':') + displayName(m_path);
}

QByteArray RemoteAddress::pathBytes(const QString& path) {
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !isRawByte(path[i]))
            continue;
        bytes += QStringView(path).mid(start, i - start).toUtf8();
        if (i < path.size())
            bytes += char(path[i].unicode() - kRawByte);
        start = i + 1;
    }
    return bytes;
}

QString RemoteAddress::pathFromBytes(const QByteArray& bytes) {
    QString text;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i <= bytes.size()) {
        const int length = i < bytes.size() ? sequenceLength(bytes, i) : 0;
        if (length > 0) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + start, i - start);
        if (i < bytes.size())
            text += QChar(char16_t(kRawByte + quint8(bytes[i])));
        start = ++i;
    }
    return text;
}

QString RemoteAddress::displayName(const QString& name) {
    QString shown;
    for (const QChar c : name) {
        if (c == QLatin1Char('\\'))
            shown += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            shown += QStringLiteral("\\n");
        else if (isRawByte(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            shown += QStringLiteral("\\x%1").arg(
                isRawByte(c) ? c.unicode() - kRawByte : c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString RemoteAddress::account() const {
    return QStringLiteral("%1://%2@%3")
        .arg(QLatin1String(schemeOf(m_protocol)->name), m_user, hostAndPort());
}

QString RemoteAddress::hostAndPort() const {
    return QStringLiteral("%1:%2").arg(m_host).arg(m_port);
}

QString RemoteAddress::userAtHostPort() const {
    return m_user + QLatin1Char('@') + hostAndPort();
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
    // The path's own bytes, percent-encoded: libcurl decodes them.
    return url.toEncoded() + pathBytes(m_path).toPercentEncoding("/");
}

QByteArray RemoteAddress::serverPath(const QString& path) const {
    const QByteArray bytes = pathBytes(path);
    return m_protocol == Protocol::Sftp ? bytes : bytes.mid(1);
}
