#include "app/CheckCommand.h"
#include "app/CompareCommand.h"
#include "app/TForm1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <memory>

namespace {

// Checking a file, the help and the version need no display: for them the program starts without
// its window.
bool withoutWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--check" || argument.startsWith("--check=") || argument == "--help" ||
            argument == "-h" || argument == "--help-all" || argument == "--version" ||
            argument == "-v")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (isCompareCommand(argc, argv))
        return compareCommand(argc, argv);
    std::unique_ptr<QCoreApplication> application;
    if (withoutWindow(argc, argv))
        application = std::make_unique<QCoreApplication>(argc, argv);
    else
        application = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ledgerwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the configuration file of a Brantholm game server."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Print each place where the server would read FILE otherwise than it "
                       "shows, as FILE:LINE: message, and exit: 0 when there is none, 1 when "
                       "there is any, 2 when FILE cannot be read."),
        QStringLiteral("FILE"));
    parser.addOption(check);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A .cfg file to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(*application);

    if (parser.isSet(check)) {
        QTextStream out(stdout);
        QTextStream errors(stderr);
        return checkFile(parser.value(check), out, errors);
    }

    QGuiApplication::setDesktopFileName(QStringLiteral("ledgerwick"));
    TForm1 form;
    form.show();
    if (!parser.positionalArguments().isEmpty())
        form.openFile(parser.positionalArguments().first());
    return QApplication::exec();
}
