#include "window/Help.h"

#include "config/Program.h"
#include "controls/MessageBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace Help {

void openWebPage(QWidget* parent, const QString& path) {
    const QUrl address(QStringLiteral("https://www.kestrane.example") + path);
    if (QDesktopServices::openUrl(address))
        return;
    // No browser, or none the desktop knows: the address, to be copied into one by hand.
    MessageBox box(QMessageBox::Information, Program::title(),
                   QCoreApplication::translate("Help",
                                               "No web browser could be started to show this "
                                               "page. Copy its address into a browser:"),
                   QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("WebAddressBox"));
    box.setInformativeText(address.toString());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void about(QWidget* parent) {
    QMessageBox::about(
        parent, QCoreApplication::translate("Help", "About Ledgerwick"),
        QCoreApplication::translate(
            "Help", "<h3>Ledgerwick %1</h3>"
                    "<p>Writes the configuration file of a Brantholm game server: fill in the "
                    "pages, or open the file you have, and save it as the .cfg the server "
                    "runs.</p>"
                    "<p>%2</p>"
                    "<p>Built with Qt %3, running on Qt %4.</p>")
            .arg(QLatin1String(Program::kVersion),
                 QCoreApplication::translate("Help",
                                             "Licence: freeware, free to use and to pass on "
                                             "unchanged, without any warranty."),
                 QLatin1String(QT_VERSION_STR), QLatin1String(qVersion())));
}

} // namespace Help
