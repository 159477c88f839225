#include "cli/Commands.h"
#include "config/CfgFile.h"
#include "config/Program.h"
#include "window/TForm1.h"
#include "window/Translation.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const char kNoDisplay[] =
    "ledgerwick: no display to show the window on; `ledgerwick --check FILE` works without one\n";

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
    const CommandLine line = CommandLine::parse(argc, argv);
    if (const std::optional<int> status = runWithoutWindow(line, argc, argv))
        return *status;

    const std::unique_ptr<QApplication> application = startWindowApplication(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(Program::kCommand));
    QCoreApplication::setApplicationVersion(QLatin1String(Program::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("ledgerwick"));
    // In the desktop's language (LANG, LC_MESSAGES, LC_ALL), where the program has it.
    const Translation translation;
    TForm1 form;
    form.show();
    if (!line.files.isEmpty())
        form.openFile(CfgFile::fileNameFromBytes(line.files.first()));
    return QApplication::exec();
}
