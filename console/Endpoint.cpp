#include "console/Endpoint.h"

#include <cstring>

#include <netdb.h>

namespace {

Endpoint::Lookup resolve(const QString& host, quint16 port, int flags) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = flags;
    addrinfo* found = nullptr;
    const QByteArray name = host.toUtf8();
    const QByteArray service = QByteArray::number(port);
    Endpoint::Lookup lookup;
    if (const int error = getaddrinfo(name.constData(), service.constData(), &hints, &found)) {
        lookup.error = QString::fromLocal8Bit(gai_strerror(error));
        return lookup;
    }
    lookup.endpoint = Endpoint(found->ai_addr, found->ai_addrlen);
    freeaddrinfo(found);
    return lookup;
}

} // namespace

Endpoint::Endpoint(const sockaddr* address, socklen_t length)
    : m_length(qMin<socklen_t>(length, sizeof(m_address))) {
    std::memcpy(&m_address, address, m_length);
}

Endpoint::Lookup Endpoint::lookUp(const QString& host, quint16 port) {
    return resolve(host, port, isAddress(host) ? AI_NUMERICHOST : 0);
}

bool Endpoint::isAddress(const QString& host) {
    return resolve(host, 0, AI_NUMERICHOST).endpoint.has_value();
}
