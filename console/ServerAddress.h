#pragma once

#include "console/Comparison.h"

#include <QString>

// "host[:port]" as an admin types it; "[v6 address]:port" for an IPv6 address with a port.
struct ServerAddress {
    QString host;
    quint16 port = 0;
    QString error; // what is wrong with the text, in words; empty when it reads

    bool ok() const { return error.isEmpty(); }
    QString text() const;
};

constexpr quint16 kDefaultConsolePort = 28950;

// The port a document's server listens on: its net_port, else the default.
quint16 documentPort(const QList<Comparison::Setting>& settings);

ServerAddress parseServerAddress(QString text, quint16 defaultPort);
