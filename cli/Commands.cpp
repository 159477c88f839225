#include "cli/Commands.h"

#include "cli/CheckCommand.h"
#include "cli/CompareCommand.h"
#include "cli/SetCommand.h"
#include "config/Program.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
    std::fflush(stream);
}

} // namespace

std::optional<int> runWithoutWindow(const CommandLine& line, int& argc, char* argv[]) {
    if (!line.error.isEmpty()) {
        print(stderr, "ledgerwick: " + line.error + '\n' + CommandLine::usage());
        return 2;
    }
    switch (line.action) {
    case CommandLine::Action::Window:
        return std::nullopt;
    case CommandLine::Action::Help:
        print(stdout, CommandLine::help());
        return 0;
    case CommandLine::Action::Version:
        print(stdout, QByteArray(Program::kCommand) + ' ' + Program::kVersion + '\n');
        return 0;
    case CommandLine::Action::Check:
    case CommandLine::Action::Compare:
    case CommandLine::Action::Set:
        break;
    }
    // No display needed: no window application.
    const QCoreApplication application(argc, argv);
    QFile out, errors;
    out.open(stdout, QIODevice::WriteOnly);
    errors.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    int result = 2;
    if (line.action == CommandLine::Action::Check)
        result = checkFiles(line.files, out, errors);
    else if (line.action == CommandLine::Action::Compare)
        result = compareWithServers(line.comparisons, line.apply, out, errors);
    else
        result = setFiles({line.assignments, line.unsets, line.dryRun, line.force, line.files}, out,
                          errors);
    out.flush();
    return result;
}
