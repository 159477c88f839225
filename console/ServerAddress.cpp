#include "console/ServerAddress.h"

#include <QCoreApplication>

QString ServerAddress::text() const {
    const bool v6 = host.contains(QLatin1Char(':'));
    return QStringLiteral("%1%2%3:%4")
        .arg(v6 ? QStringLiteral("[") : QString(), host, v6 ? QStringLiteral("]") : QString())
        .arg(port);
}

quint16 documentPort(const QList<Comparison::Setting>& settings) {
    for (const Comparison::Setting& setting : settings)
        if (setting.name.compare(QLatin1String("net_port"), Qt::CaseInsensitive) == 0) {
            bool ok = false;
            const uint port = setting.value.trimmed().toUInt(&ok);
            if (ok && port > 0 && port <= 65535)
                return quint16(port);
        }
    return kDefaultConsolePort;
}

ServerAddress parseServerAddress(QString text, quint16 defaultPort) {
    text = text.trimmed();
    ServerAddress address;
    address.port = defaultPort;
    QString port;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0) {
            address.error = QCoreApplication::translate("ServerAddress",
                                                        "The address \"%1\" has no closing \"]\".")
                                .arg(text);
            return address;
        }
        address.host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':'))) {
            address.error = QCoreApplication::translate("ServerAddress",
                                                        "After \"]\" only \":port\" may follow.");
            return address;
        }
        port = rest.mid(1);
        if (rest.isEmpty())
            port.clear();
    } else if (text.count(QLatin1Char(':')) == 1) {
        address.host = text.section(QLatin1Char(':'), 0, 0);
        port = text.section(QLatin1Char(':'), 1);
        if (port.isEmpty()) {
            address.error =
                QCoreApplication::translate("ServerAddress", "The port after \":\" is missing.");
            return address;
        }
    } else {
        // No colon, or an IPv6 address without a port.
        address.host = text;
    }
    if (address.host.isEmpty() || address.host.contains(QLatin1Char(' '))) {
        address.error = QCoreApplication::translate(
            "ServerAddress", "Type the server's address, as host or host:port.");
        return address;
    }
    if (!port.isEmpty()) {
        bool ok = false;
        const uint number = port.toUInt(&ok);
        if (!ok || number == 0 || number > 65535) {
            address.error = QCoreApplication::translate(
                                "ServerAddress", "The port \"%1\" is not a number from 1 to 65535.")
                                .arg(port);
            return address;
        }
        address.port = quint16(number);
    }
    return address;
}
