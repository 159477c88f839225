#include "window/MainMenu.h"

#include "config/CfgFile.h"
#include "document/RecentFiles.h"
#include "remote/RemoteAddress.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyle>

namespace {

// Menus whose greyed items can be highlighted too, so that their hints show like any other's.
class GreyedItemsHighlight : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                  const char* icon = nullptr) {
    QAction* action = menu->addAction(icon ? QIcon(QLatin1String(icon)) : QIcon(), caption);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(hint);
    return action;
}

QMenu* menuTitle(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QString withoutFullStop(QString reason) {
    while (!reason.isEmpty() && (reason.back().isSpace() || reason.back() == QLatin1Char('.')))
        reason.chop(1);
    return reason;
}

} // namespace

MainMenu::MainMenu(QMainWindow* window)
    : QObject(window) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    // Each title and item with its access letter: Alt+F opens File, then X exits.
    QMenu* file = menuTitle(bar, "este1", tr("&File"));
    New1 =
        menuItem(file, "New1", tr("&New"), tr("Start a new CFG: every setting at its start value"));
    New1->setShortcut(QKeySequence::New);
    // The desktop's icon, looked up when the menu first opens: finding a themed icon searches the
    // desktop's icon folders, which would slow the window's start.
    connect(file, &QMenu::aboutToShow, this, [this, window] {
        if (New1->icon().isNull())
            New1->setIcon(QIcon::fromTheme(QStringLiteral("document-new"),
                                           window->style()->standardIcon(QStyle::SP_FileIcon)));
    });
    Open1 =
        menuItem(file, "Open1", tr("&Open..."), tr("Open a CFG to change it"), ":/menu-open.png");
    Open1->setShortcut(QKeySequence::Open);
    OpenFromServer1 = menuItem(
        file, "OpenFromServer1", tr("Open from Ser&ver..."),
        tr("Open a CFG on the game server's host, at its sftp://, ftps:// or ftp:// address"));
    OpenFromServer1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    OpenRecent1 = file->addMenu(tr("Open &Recent"));
    OpenRecent1->setObjectName(QStringLiteral("OpenRecent1"));
    fillRecent();
    connect(OpenRecent1, &QMenu::aboutToShow, this, &MainMenu::fillRecent);
    Save1 = menuItem(file, "Save1", tr("&Save"), tr("Save CFG"), ":/menu-save.png");
    Save1->setShortcut(QKeySequence::Save);
    SaveAs1 = menuItem(file, "SaveAs1", tr("Save &As..."),
                       tr("Save CFG to another file: on this computer or on a server"));
    SaveAs1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // There is something to save exactly when there is for Save.
    connect(Save1, &QAction::enabledChanged, SaveAs1, &QAction::setEnabled);
    Changes1 = menuItem(file, "Changes1", tr("&Changes..."),
                        tr("What a save would change: the lines that differ from the file as "
                           "opened or last saved"));
    Changes1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    Changes1->setEnabled(false);
    History1 = menuItem(file, "History1", tr("&History..."),
                        tr("Earlier versions of this CFG, kept at each save: open or restore one"));
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    Exit1 = menuItem(file, "Exit1", tr("E&xit"), tr("Exit Program"), ":/menu-exit.png");
    // Not QKeySequence::Quit, which some desktops leave without a key.
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* server = menuTitle(bar, "Server1", tr("&Server"));
    Connect1 = menuItem(server, "Connect1", tr("&Connect..."),
                        tr("Connect to a running server over its remote console"));
    Compare1 = menuItem(server, "Compare1", tr("Co&mpare"),
                        tr("Compare the document's settings with what the running server holds"));
    ApplyDifferences1 =
        menuItem(server, "ApplyDifferences1", tr("&Apply differences"),
                 tr("Send the document's value of every setting that differs to the server"));
    server->addSeparator();
    MapRestart1 = menuItem(server, "MapRestart1", QStringLiteral("map_&restart"),
                           tr("Restart the map, so that values waiting for a restart take effect"));

    QMenu* help = menuTitle(bar, "este21", tr("&Help"));
    Support1 = menuItem(help, "Support1", tr("&Support Forum"), tr("Support Forums"),
                        ":/menu-support.png");
    help->addSeparator();
    AboutLedgerwick1 = menuItem(help, "AboutLedgerwick1", tr("&About Ledgerwick"),
                                tr("Version, licence and what Ledgerwick does"));
    AboutQt1 =
        menuItem(help, "AboutQt1", tr("About &Qt"), tr("The Qt toolkit Ledgerwick is built with"));
    connect(AboutQt1, &QAction::triggered, qApp, &QApplication::aboutQt);

    QMenu* about = menuTitle(bar, "About1", tr("&About"));
    Kestrane1 = menuItem(about, "Kestrane1", tr("&Kestrane"), tr("Visit Kestrane website"),
                         ":/menu-kestrane.png");

    auto* menuStyle = new GreyedItemsHighlight;
    menuStyle->setParent(this);
    for (QMenu* menu : {file, OpenRecent1, server, help, about})
        menu->setStyle(menuStyle);
}

void MainMenu::fillRecent() {
    OpenRecent1->clear();
    const QStringList recent = RecentFiles::files();
    for (const QString& path : recent) {
        QAction* item =
            OpenRecent1->addAction(QString(path).replace(QLatin1Char('&'), QLatin1String("&&")));
        item->setStatusTip(tr("Open %1").arg(path));
        connect(item, &QAction::triggered, this, [this, path] { emit openRecent(path); });
        // A file on a server is looked at when it is opened.
        if (RemoteAddress::looksLikeAddress(path))
            continue;
        // Looked at without opening, so that a named pipe cannot hold up the menu.
        const CfgFile::Found found = CfgFile::lookAt(path);
        if (found.kind == CfgFile::Found::Kind::RegularFile)
            continue;
        item->setEnabled(false);
        item->setStatusTip(
            found.kind == CfgFile::Found::Kind::Nothing ? tr("%1 is no longer there.").arg(path)
            : found.kind == CfgFile::Found::Kind::Other
                ? tr("%1 is not a regular file but %2.").arg(path, found.words)
                : tr("%1 cannot be opened: %2.").arg(path, withoutFullStop(found.words)));
    }
    OpenRecent1->setEnabled(!recent.isEmpty());
}
