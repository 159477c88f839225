// Start-up probe: Ledgerwick's window, made as main() makes it.
#include "StartupProbe.h"

#include "window/TForm1.h"

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    FirstPaintQuit quit(clock);
    QGuiApplication::setDesktopFileName(QStringLiteral("ledgerwick"));
    TForm1 form;
    quit.constructed();
    form.show();
    return QApplication::exec();
}
