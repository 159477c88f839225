// Start-up probe: a bare main window of Ledgerwick's size, with a menu bar and a status bar.
#include "StartupProbe.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    FirstPaintQuit quit(clock);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.setFixedSize(770, window.menuBar()->sizeHint().height() + 497);
    quit.constructed();
    window.show();
    return QApplication::exec();
}
