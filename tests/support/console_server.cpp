// The game server's console fixture as a program of its own, for tests that drive the installed
// program from outside: console_server CAPTURE [LOG]. Listens on a free port of 127.0.0.1 with the
// variables of CAPTURE (a *.packets reply to cvarlist), prints the port on a line, and answers as
// a server does until it is ended; each request that arrives is a line of LOG, if given.
#include "support/ConsoleServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream out(stdout);
    QTextStream errors(stderr);
    if (arguments.size() < 2 || arguments.size() > 3) {
        errors << "Usage: console_server CAPTURE [LOG]" << Qt::endl;
        return 2;
    }
    QFile capture(arguments[1]);
    ConsoleServer server;
    if (!capture.open(QIODevice::ReadOnly) || !server.load(capture.readAll())) {
        errors << "console_server: cannot read the capture " << arguments[1] << Qt::endl;
        return 2;
    }
    QFile log(arguments.value(2));
    if (arguments.size() == 3 && !log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        errors << "console_server: cannot write " << log.fileName() << Qt::endl;
        return 2;
    }
    qsizetype logged = 0;
    QTimer flush;
    QObject::connect(&flush, &QTimer::timeout, &flush, [&] {
        for (; logged < server.requests.size(); ++logged)
            log.write(server.requests[logged].toUtf8() + '\n');
        log.flush();
    });
    if (log.isOpen())
        flush.start(50);
    out << server.port() << Qt::endl;
    return QCoreApplication::exec();
}
