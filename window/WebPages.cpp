#include "window/WebPages.h"

#include "config/Program.h"
#include "controls/MessageBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace WebPages {

void open(QWidget* parent, const QString& path) {
    const QUrl address(QStringLiteral("https://www.kestrane.example") + path);
    if (QDesktopServices::openUrl(address))
        return;
    // No browser, or none the desktop knows: the address, to be copied into one by hand.
    MessageBox box(QMessageBox::Information, Program::title(),
                   QCoreApplication::translate("WebPages",
                                               "No web browser could be started to show this "
                                               "page. Copy its address into a browser:"),
                   QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("WebAddressBox"));
    box.setInformativeText(address.toString());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

} // namespace WebPages
