#include "cli/CompareCommand.h"

#include "cli/CheckCommand.h"
#include "config/CfgFile.h"
#include "console/ServerAddress.h"
#include "console/ServerComparison.h"
#include "document/Document.h"
#include "remote/RemoteAddress.h"

#include <QEventLoop>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <iterator>
#include <termios.h>
#include <unistd.h>

namespace {

// The terminal of the password prompt and its settings before the echo went off: a signal that
// ends the program at the prompt (Ctrl+C) puts them back first, so that the shell echoes again.
int promptTerminal = -1;
termios promptSaved{};
constexpr int kPromptSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void endAtPrompt(int signalNumber) {
    tcsetattr(promptTerminal, TCSAFLUSH, &promptSaved);
    if (write(promptTerminal, "\n", 1) < 0) {
        // Nothing more can be done for the terminal.
    }
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

// Reads a line from the terminal with its echo off; nothing when there is no terminal.
std::optional<QString> promptPassword(const QString& server) {
    FILE* tty = std::fopen("/dev/tty", "r+");
    if (!tty)
        return std::nullopt;
    std::fprintf(tty, "Remote console password of %s: ", qPrintable(server));
    std::fflush(tty);
    termios saved{};
    const bool echoOff = tcgetattr(fileno(tty), &saved) == 0;
    struct sigaction before[std::size(kPromptSignals)] = {};
    if (echoOff) {
        promptTerminal = fileno(tty);
        promptSaved = saved;
        struct sigaction restore = {};
        restore.sa_handler = endAtPrompt;
        sigemptyset(&restore.sa_mask);
        for (std::size_t i = 0; i < std::size(kPromptSignals); ++i)
            sigaction(kPromptSignals[i], &restore, &before[i]);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(fileno(tty), TCSAFLUSH, &quiet);
    }
    char line[1024];
    const bool read = std::fgets(line, sizeof line, tty) != nullptr;
    if (echoOff) {
        tcsetattr(fileno(tty), TCSAFLUSH, &saved);
        for (std::size_t i = 0; i < std::size(kPromptSignals); ++i)
            sigaction(kPromptSignals[i], &before[i], nullptr);
        promptTerminal = -1;
    }
    std::fputc('\n', tty);
    std::fclose(tty);
    if (!read)
        return std::nullopt;
    QString password = QString::fromLocal8Bit(line);
    while (password.endsWith(QLatin1Char('\n')) || password.endsWith(QLatin1Char('\r')))
        password.chop(1);
    return password;
}

QString rowText(const Comparison::Row& row) {
    // A password's value goes into no job log: only whether it is the same.
    if (Comparison::isPassword(row.name)) {
        switch (row.state) {
        case Comparison::State::Same:
            return {};
        case Comparison::State::NotOnServer:
            return row.name + QStringLiteral(": not on the server");
        case Comparison::State::Differs:
            return row.name + QStringLiteral(": differs");
        case Comparison::State::AfterRestart:
            return row.name + QStringLiteral(": differs (after restart)");
        case Comparison::State::ReadOnly:
            return row.name + QStringLiteral(": differs (read-only)");
        case Comparison::State::OnlyByFile:
            return row.name + QStringLiteral(": differs (only by the file)");
        }
    }
    const QString start = QStringLiteral("%1: document \"%2\", ").arg(row.name, row.document);
    switch (row.state) {
    case Comparison::State::Same:
        break;
    case Comparison::State::NotOnServer:
        return start + QStringLiteral("not on the server");
    case Comparison::State::Differs:
        return start + QStringLiteral("server \"%1\"").arg(row.server);
    case Comparison::State::AfterRestart:
        return start + QStringLiteral("server \"%1\" (after restart)").arg(row.server);
    case Comparison::State::ReadOnly:
        return start + QStringLiteral("server \"%1\" (read-only)").arg(row.server);
    case Comparison::State::OnlyByFile:
        return start + QStringLiteral("server \"%1\" (only by the file)").arg(row.server);
    }
    return {};
}

} // namespace

namespace {

// Compares one file with one server, and with `apply` brings the server along; prints what is not
// the same. Returns the command's status for this pair.
int compareWithServer(const CommandLine::Comparison& pair, bool apply, QTextStream& out,
                      QTextStream& errors) {
    // A file on a server is read as --check reads it: with nothing asked. Its address is shown
    // without a password typed into it.
    Document document;
    document.remoteClient()->setInteractive(false);
    const Document::Read read = readGiven(document, pair.file);
    if (!read.ok()) {
        errors << cannotRead(pair.file, read);
        errors.flush();
        return 2;
    }
    document.open(read);
    const QList<Comparison::Setting> settings = Comparison::documentSettings(document.text());
    const ServerAddress address = parseServerAddress(pair.server, documentPort(settings));
    if (!address.ok()) {
        errors << "ledgerwick: " << address.error << Qt::endl;
        return 2;
    }
    const Endpoint::Lookup host = Endpoint::lookUp(address.host, address.port);
    if (!host.endpoint) {
        errors << "ledgerwick: cannot find the server " << address.host << ": " << host.error
               << Qt::endl;
        return 2;
    }

    std::optional<QString> password;
    if (qEnvironmentVariableIsSet("LEDGERWICK_RCON_PASSWORD"))
        password = qEnvironmentVariable("LEDGERWICK_RCON_PASSWORD");
    else
        password = promptPassword(address.text());
    if (!password) {
        errors << "ledgerwick: no remote console password: set LEDGERWICK_RCON_PASSWORD or run "
                  "this from a terminal"
               << Qt::endl;
        return 2;
    }

    RconClient client;
    client.setServer(*host.endpoint);
    client.setPassword(*password);
    ServerComparison comparison(&client);
    QEventLoop loop;
    int result = 2;
    bool applying = false;
    QObject::connect(&comparison, &ServerComparison::compared, &loop, [&] {
        if (apply && !applying && !comparison.toApply().isEmpty()) {
            // What differs first, then what still differs once the server has the values.
            for (const Comparison::Row& row : comparison.rows())
                if (row.state != Comparison::State::Same)
                    out << rowText(row) << '\n';
            applying = true;
            comparison.apply();
            return;
        }
        if (applying) {
            out << "Applied: " << comparison.appliedCount() << " sent";
            if (!comparison.waitingForRestart().isEmpty())
                out << ", " << comparison.waitingForRestart().size() << " at the next restart ("
                    << comparison.waitingForRestart().join(QStringLiteral(", ")) << ')';
            out << ".\n";
        }
        result = 0;
        for (const Comparison::Row& row : comparison.rows()) {
            if (row.state == Comparison::State::Same)
                continue;
            out << rowText(row) << '\n';
            if (!apply || row.state != Comparison::State::AfterRestart)
                result = 1;
        }
        loop.quit();
    });
    QObject::connect(&comparison, &ServerComparison::failed, &loop, [&](const QString& message) {
        errors << "ledgerwick: " << address.text() << ": " << message << Qt::endl;
        loop.quit();
    });
    comparison.compare(settings);
    loop.exec();
    out.flush();
    return result;
}

} // namespace

int compareWithServers(const QList<CommandLine::Comparison>& pairs, bool apply, QIODevice& out,
                       QIODevice& errors) {
    QTextStream outText(&out);
    QTextStream errorText(&errors);
    int worst = 0;
    for (const CommandLine::Comparison& pair : pairs) {
        // Several servers: each one's report under its address.
        if (pairs.size() > 1)
            outText << "== " << pair.server << " (" << printableName(pair.file) << ") ==\n";
        outText.flush();
        worst = std::max(worst, compareWithServer(pair, apply, outText, errorText));
    }
    outText.flush();
    return worst;
}
