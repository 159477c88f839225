#pragma once

#include <QString>

#include <optional>

#include <sys/socket.h>

// A server's address and UDP port as the system's sockets take them.
class Endpoint {
public:
    struct Lookup;

    // The first address of `host` (a name, an IPv4 or an IPv6 address) with `port`. Waits for the
    // name service when `host` is a name; an address is read at once.
    static Lookup lookUp(const QString& host, quint16 port);
    // Whether `host` is an address, which lookUp() reads without asking anyone.
    static bool isAddress(const QString& host);

    Endpoint() = default;
    Endpoint(const sockaddr* address, socklen_t length);

    const sockaddr* address() const { return reinterpret_cast<const sockaddr*>(&m_address); }
    socklen_t length() const { return m_length; }
    int family() const { return m_address.ss_family; }

private:
    sockaddr_storage m_address{};
    socklen_t m_length = 0;
};

struct Endpoint::Lookup {
    std::optional<Endpoint> endpoint;
    QString error; // why the host was not found, in the system's words
};
