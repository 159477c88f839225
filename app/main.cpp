#include "app/CheckCommand.h"
#include "app/CompareCommand.h"
#include "app/TForm1.h"
#include "app/Translation.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const char kUsage[] = "Usage: ledgerwick [FILE | ADDRESS]\n"
                      "       ledgerwick --check FILE|ADDRESS...\n"
                      "       ledgerwick --compare FILE|ADDRESS --server HOST[:PORT]\n"
                      "       ledgerwick --help | --version\n";

const char kHelp[] =
    "\n"
    "Writes the configuration file (.cfg) of a Brantholm game server.\n"
    "With FILE, the window opens that file; with ADDRESS, the file on a server:\n"
    "    sftp://user@host[:port]/path/server.cfg   (SSH: the host's key checked)\n"
    "    ftps://user@host[:port]/path/server.cfg   (FTP with TLS)\n"
    "    ftp://user@host[:port]/path/server.cfg    (plain FTP: unencrypted)\n"
    "\n"
    "Options:\n"
    "  --check FILE...  Check each FILE (\"-\" for standard input, or an ADDRESS)\n"
    "                   without the window, and print each place where the server\n"
    "                   would read it otherwise than it shows, one a line, as\n"
    "                       FILE:LINE: variable: message\n"
    "                   (without \"variable: \" where no variable is concerned).\n"
    "                   A file name holding a line break is printed in double\n"
    "                   quotes, with C escapes. Exit status, the worst of all:\n"
    "                       0  nothing found\n"
    "                       1  problems found\n"
    "                       2  a file could not be read, or the command line\n"
    "                          is wrong\n"
    "                   Needs no display: fit for scripts, e.g.\n"
    "                       ledgerwick --check *.cfg && upload-configs\n"
    "  --compare FILE --server HOST[:PORT]\n"
    "                   Compare the settings FILE (or the file at an ADDRESS) sets\n"
    "                   with the running server at HOST, over its remote console\n"
    "                   (UDP; PORT: the file's net_port, else 28950), and print\n"
    "                   each that is not the same, as\n"
    "                       variable: document \"X\", server \"Y\"\n"
    "                   Exit status: 0 all the same, 1 any not, 2 an error.\n"
    "  -h, --help       Show this help and exit.\n"
    "  -v, --version    Show the version and exit.\n"
    "  --               End the options: every argument after it is a file name.\n"
    "\n"
    "Environment:\n"
    "  LEDGERWICK_RCON_PASSWORD  The remote console password for --compare;\n"
    "                   without it, --compare asks on the terminal, without echo.\n"
    "                   Never given on the command line.\n"
    "\n"
    "--check and --compare read an ADDRESS with nothing asked: its host key must\n"
    "be known and the login must work with your SSH keys, agent or the system\n"
    "keyring. The window asks.\n"
    "The window needs a display; --check, --compare, --help and --version do not.\n";

const char kNoDisplay[] =
    "ledgerwick: no display to show the window on; `ledgerwick --check FILE` works without one\n";

// Qt's own options for the window, taken by QApplication: those that take a value, then those that
// do not.
constexpr const char* kQtValueOptions[] = {"-platform",        "-platformpluginpath",
                                           "-platformtheme",   "-plugin",
                                           "-qwindowgeometry", "-qwindowtitle",
                                           "-qwindowicon",     "-style",
                                           "-stylesheet",      "-session",
                                           "-display",         "-geometry"};
constexpr const char* kQtFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

bool isOneOf(const QByteArray& argument, const auto& options) {
    for (const char* option : options)
        if (argument == option || argument == QByteArray("-") + option)
            return true;
    return false;
}

struct Arguments {
    enum class Action { Window, Check, Help, Version };
    Action action = Action::Window;
    QList<QByteArray> files; // as given: file names are bytes
    QByteArray error;        // a usage error, said in one sentence
};

Arguments parse(int argc, char* argv[]) {
    Arguments arguments;
    bool check = false, help = false, version = false;
    auto fail = [&](const QByteArray& error) {
        if (arguments.error.isEmpty())
            arguments.error = error;
    };
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (!options || argument == "-" || !argument.startsWith('-')) {
            arguments.files.append(argument);
        } else if (argument == "--") {
            options = false;
        } else if (argument == "--check") {
            check = true;
        } else if (argument.startsWith("--check=")) {
            check = true;
            if (argument.size() == 8)
                fail("--check= needs a file name.");
            else
                arguments.files.append(argument.mid(8));
        } else if (argument == "--help" || argument == "-h" || argument == "--help-all") {
            help = true;
        } else if (argument == "--version" || argument == "-v") {
            version = true;
        } else if (isOneOf(argument, kQtValueOptions)) {
            if (++i == argc)
                fail("Option '" + argument + "' needs a value.");
        } else if (!isOneOf(argument, kQtFlags)) {
            fail("Unknown option '" + argument + "'.");
        }
    }
    if (help)
        arguments.action = Arguments::Action::Help;
    else if (version)
        arguments.action = Arguments::Action::Version;
    else if (check)
        arguments.action = Arguments::Action::Check;
    if (arguments.action == Arguments::Action::Check && arguments.files.isEmpty())
        fail("--check needs at least one FILE.");
    if (arguments.action == Arguments::Action::Window) {
        if (arguments.files.contains("-"))
            fail("Standard input can only be checked: ledgerwick --check -");
        else if (arguments.files.size() > 1)
            fail("The window opens one FILE; to check several, use --check FILE...");
    }
    return arguments;
}

void print(std::FILE* stream, const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream);
    std::fflush(stream);
}

// While the window's application starts: when no display can be reached, Qt stops the program
// with a fatal message after a few warnings; instead of those and the abort, one line and status 2.
// Messages of a start that works are passed on as they came.
struct StartMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<StartMessage> startMessages;
QtMessageHandler passOn = nullptr;

void duringStart(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        print(stderr, kNoDisplay);
        std::_Exit(2);
    }
    startMessages.append({type, context.category, text});
}

std::unique_ptr<QApplication> startWindowApplication(int& argc, char* argv[]) {
    passOn = qInstallMessageHandler(duringStart);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(passOn);
    for (const StartMessage& message : std::as_const(startMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (passOn)
            passOn(message.type, context, message.text);
    }
    startMessages.clear();
    return application;
}

} // namespace

int main(int argc, char* argv[]) {
    // Comparing with a running server needs no display either.
    if (isCompareCommand(argc, argv))
        return compareCommand(argc, argv);
    const Arguments arguments = parse(argc, argv);
    if (!arguments.error.isEmpty()) {
        print(stderr, "ledgerwick: " + arguments.error + '\n' + kUsage);
        return 2;
    }
    switch (arguments.action) {
    case Arguments::Action::Help:
        print(stdout, QByteArray(kUsage) + kHelp);
        return 0;
    case Arguments::Action::Version:
        print(stdout, "ledgerwick 1.1\n");
        return 0;
    case Arguments::Action::Check: {
        // Checking needs no display: no window application.
        const QCoreApplication application(argc, argv);
        QFile out, errors;
        out.open(stdout, QIODevice::WriteOnly);
        errors.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
        const int result = checkFiles(arguments.files, out, errors);
        out.flush();
        return result;
    }
    case Arguments::Action::Window:
        break;
    }

    const std::unique_ptr<QApplication> application = startWindowApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ledgerwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral("ledgerwick"));
    // In the desktop's language (LANG, LC_MESSAGES, LC_ALL), where the program has it.
    const Translation translation;
    TForm1 form;
    form.show();
    if (!arguments.files.isEmpty())
        form.openFile(CfgFile::fileNameFromBytes(arguments.files.first()));
    return QApplication::exec();
}
