#include "app/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("ledgerwick"));
    TForm1 form;
    form.show();
    return QApplication::exec();
}
