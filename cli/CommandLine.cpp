#include "cli/CommandLine.h"

#include <algorithm>
#include <optional>

namespace {

enum class Id { Check, Compare, Server, Apply, Set, Unset, DryRun, Force, Help, Version, End };

// Every option: its names, the value it takes (after a blank or `=`), the form of the program it
// starts (for the usage) and what --help says of it.
struct Option {
    Id id;
    const char* name;
    const char* shortName; // or nullptr
    const char* value;     // nullptr: takes none
    const char* form;      // a usage line, for an option that starts a form of its own
    const char* help;      // the first line is put beside the option's names
};

constexpr Option kOptions[] = {
    {Id::Check, "--check", nullptr, nullptr, "--check FILE|ADDRESS...",
     "--check FILE...  Check each FILE (\"-\" for standard input, or an ADDRESS)\n"
     "without the window, and print each place where the server\n"
     "would read it otherwise than it shows, one a line, as\n"
     "    FILE:LINE: variable: message\n"
     "(without \"variable: \" where no variable is concerned).\n"
     "A file name holding a line break is printed in double\n"
     "quotes, with C escapes. Exit status, the worst of all:\n"
     "    0  nothing found\n"
     "    1  problems found\n"
     "    2  a file could not be read, or the command line\n"
     "       is wrong\n"
     "Needs no display: fit for scripts, e.g.\n"
     "    ledgerwick --check *.cfg && upload-configs\n"},
    {Id::Compare, "--compare", nullptr, nullptr,
     "--compare FILE|ADDRESS --server HOST[:PORT]... [--apply]",
     "--compare FILE --server HOST[:PORT]\n"
     "Compare the settings FILE (or the file at an ADDRESS) sets\n"
     "with the running server at HOST, over its remote console\n"
     "(UDP; PORT: the file's net_port, else 28950), and print\n"
     "each that is not the same, as\n"
     "    variable: document \"X\", server \"Y\"\n"
     "More pairs may follow (FILE --server A FILE2 --server B):\n"
     "each is reported under its server's address.\n"
     "Exit status: 0 all the same, 1 any not, 2 an error.\n"},
    {Id::Server, "--server", nullptr, "HOST[:PORT]", nullptr,
     "--server HOST[:PORT]\n"
     "The running server the FILE before it is compared with.\n"},
    {Id::Apply, "--apply", nullptr, nullptr, nullptr,
     "--apply          With --compare: send each setting that differs to the\n"
     "running server, as the window's Server > Apply differences\n"
     "does (none that is the same, none the console cannot\n"
     "carry), then compare again. Exit status: 0 every setting\n"
     "then the same or set at the next restart, 1 any still\n"
     "differs, 2 an error.\n"},
    {Id::Set, "--set", nullptr, "NAME=VALUE",
     "--set NAME=VALUE... [--unset NAME...] [--dry-run] [--force] FILE|ADDRESS...",
     "--set NAME=VALUE\n"
     "Change each FILE (or the file at each ADDRESS) in place, as\n"
     "\"Finish!\" changes an opened file: the line that sets NAME\n"
     "is rewritten where it stands, everything else stays byte\n"
     "for byte. A value the server would read otherwise is\n"
     "refused, and nothing is written. Prints a unified diff of\n"
     "each file it changes. Exit status: 0 every file already\n"
     "held the values, 1 a file was changed, 2 an error (the\n"
     "other files are still done).\n"},
    {Id::Unset, "--unset", nullptr, "NAME", nullptr,
     "--unset NAME     With --set: remove every line that sets NAME.\n"},
    {Id::DryRun, "--dry-run", nullptr, nullptr, nullptr,
     "--dry-run        With --set: print the diffs and the exit status, write\n"
     "nothing.\n"},
    {Id::Force, "--force", nullptr, nullptr, nullptr,
     "--force          With --set: write a file on a server even when it changed\n"
     "there since it was read.\n"},
    {Id::Help, "--help", "-h", nullptr, "--help | --version",
     "-h, --help       Show this help and exit.\n"},
    {Id::Version, "--version", "-v", nullptr, nullptr,
     "-v, --version    Show the version and exit.\n"},
    {Id::End, "--", nullptr, nullptr, nullptr,
     "--               End the options: every argument after it is a file name.\n"},
};

constexpr char kAddresses[] =
    "\n"
    "Writes the configuration file (.cfg) of a Brantholm game server.\n"
    "With FILE, the window opens that file; with ADDRESS, the file on a server:\n"
    "    sftp://user@host[:port]/path/server.cfg   (SSH: the host's key checked)\n"
    "    ftps://user@host[:port]/path/server.cfg   (FTP with TLS)\n"
    "    ftp://user@host[:port]/path/server.cfg    (plain FTP: unencrypted)\n";

constexpr char kEnvironment[] =
    "\n"
    "Environment:\n"
    "  LEDGERWICK_RCON_PASSWORD  The remote console password for --compare;\n"
    "                   without it, --compare asks on the terminal, without echo.\n"
    "                   Never given on the command line.\n"
    "\n"
    "--check, --compare and --set reach an ADDRESS with nothing asked: its host key\n"
    "must be known and the login must work with your SSH keys, agent or the system\n"
    "keyring. The window asks.\n"
    "The window needs a display; --check, --compare, --set, --help and --version do\n"
    "not.\n";

constexpr int kHelpColumn = 19;

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

const Option* findOption(const QByteArray& name) {
    for (const Option& option : kOptions)
        if (name == option.name || (option.shortName && name == option.shortName) ||
            (option.id == Id::Help && name == "--help-all"))
            return &option;
    return nullptr;
}

// The options each form takes besides its own.
bool belongsTo(Id option, CommandLine::Action action) {
    switch (option) {
    case Id::Server:
    case Id::Apply:
        return action == CommandLine::Action::Compare;
    case Id::Unset:
    case Id::DryRun:
    case Id::Force:
        return action == CommandLine::Action::Set;
    default:
        return true;
    }
}

} // namespace

CommandLine CommandLine::parse(int argc, char* argv[]) {
    CommandLine line;
    bool help = false, version = false;
    QList<Id> forms;  // the options that start a form, as given
    QList<Id> others; // the options that belong to one
    QList<QString> servers;
    auto fail = [&](const QByteArray& error) {
        if (line.error.isEmpty())
            line.error = error;
    };
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (!options || argument == "-" || !argument.startsWith('-')) {
            line.files.append(argument);
            continue;
        }
        if (isOneOf(argument, kQtValueOptions)) {
            if (++i == argc)
                fail("Option '" + argument + "' needs a value.");
            continue;
        }
        if (isOneOf(argument, kQtFlags))
            continue;
        const qsizetype equals = argument.startsWith("--") ? argument.indexOf('=') : -1;
        const QByteArray name = equals < 0 ? argument : argument.left(equals);
        const Option* option = findOption(name);
        if (!option) {
            fail("Unknown option '" + argument + "'.");
            continue;
        }
        // --check=FILE and --compare=FILE name their first file.
        std::optional<QByteArray> value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
            if (!option->value && option->id != Id::Check && option->id != Id::Compare) {
                fail("Option '" + name + "' takes no value.");
                continue;
            }
            if (value->isEmpty() && !option->value) {
                fail(name + "= needs a file name.");
                continue;
            }
        } else if (option->value) {
            if (++i == argc) {
                fail("Option '" + name + "' needs a value.");
                continue;
            }
            value = QByteArray(argv[i]);
        }
        const QString text = value ? QString::fromLocal8Bit(*value) : QString();
        switch (option->id) {
        case Id::Check:
        case Id::Compare:
            if (value)
                line.files.append(*value);
            forms.append(option->id);
            break;
        case Id::Set: {
            const qsizetype at = text.indexOf(QLatin1Char('='));
            if (at <= 0)
                fail("--set takes NAME=VALUE, not '" + *value + "'.");
            else
                line.assignments.append({text.left(at), text.mid(at + 1)});
            forms.append(option->id);
            break;
        }
        case Id::Unset:
            if (text.isEmpty() || text.contains(QLatin1Char('=')))
                fail("--unset takes the NAME of a variable, not '" + *value + "'.");
            line.unsets.append(text);
            others.append(option->id);
            break;
        case Id::Server:
            // The servers go with the files in the order both are given: FILE --server A FILE2
            // --server B, or --server A -- -FILE for a file whose name starts with "-".
            servers.append(text);
            others.append(option->id);
            break;
        case Id::Apply:
            line.apply = true;
            others.append(option->id);
            break;
        case Id::DryRun:
            line.dryRun = true;
            others.append(option->id);
            break;
        case Id::Force:
            line.force = true;
            others.append(option->id);
            break;
        case Id::Help:
            help = true;
            break;
        case Id::Version:
            version = true;
            break;
        case Id::End:
            options = false;
            break;
        }
    }

    // --unset alone is a form of --set.
    if (!forms.contains(Id::Set) && others.contains(Id::Unset))
        forms.append(Id::Set);
    QList<Id> distinct;
    for (Id form : std::as_const(forms))
        if (!distinct.contains(form))
            distinct.append(form);
    if (help)
        line.action = Action::Help;
    else if (version)
        line.action = Action::Version;
    else if (distinct.size() > 1)
        fail("--check, --compare and --set cannot be used together.");
    else if (!distinct.isEmpty())
        line.action = distinct.first() == Id::Check     ? Action::Check
                      : distinct.first() == Id::Compare ? Action::Compare
                                                        : Action::Set;
    if (line.action == Action::Help || line.action == Action::Version)
        return line;
    for (Id other : std::as_const(others))
        if (!belongsTo(other, line.action))
            for (const Option& option : kOptions)
                if (option.id == other)
                    fail(QByteArray(option.name) + " belongs to " +
                         (belongsTo(other, Action::Compare) ? "--compare." : "--set."));

    switch (line.action) {
    case Action::Check:
        if (line.files.isEmpty())
            fail("--check needs at least one FILE.");
        break;
    case Action::Compare:
        if (line.files.isEmpty() || servers.size() != line.files.size())
            fail("--compare needs one --server HOST[:PORT] for each FILE.");
        for (qsizetype i = 0; i < std::min(line.files.size(), servers.size()); ++i)
            line.comparisons.append({line.files[i], servers[i]});
        line.files.clear();
        break;
    case Action::Set:
        if (line.files.isEmpty())
            fail("--set needs at least one FILE.");
        break;
    case Action::Window:
        if (line.files.contains("-"))
            fail("Standard input can only be checked: ledgerwick --check -");
        else if (line.files.size() > 1)
            fail("The window opens one FILE; to check several, use --check FILE...");
        break;
    case Action::Help:
    case Action::Version:
        break;
    }
    return line;
}

QByteArray CommandLine::usage() {
    QByteArray text = "Usage: ledgerwick [FILE | ADDRESS]\n";
    for (const Option& option : kOptions)
        if (option.form)
            text += QByteArray("       ledgerwick ") + option.form + '\n';
    return text;
}

QByteArray CommandLine::help() {
    QByteArray text = usage() + kAddresses + "\nOptions:\n";
    for (const Option& option : kOptions) {
        const QList<QByteArray> lines = QByteArray(option.help).split('\n');
        text += "  " + lines.first() + '\n';
        for (qsizetype i = 1; i < lines.size(); ++i)
            if (!lines[i].isEmpty())
                text += QByteArray(kHelpColumn, ' ') + lines[i] + '\n';
    }
    return text + kEnvironment;
}
