#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

// The window's menu bar: File, Server, Help and About, each item with its access letter, its
// shortcut, its hint and its component name. The window connects the items to its handlers.
class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QMainWindow* window);

    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* OpenFromServer1 = nullptr;
    QMenu* OpenRecent1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Changes1 = nullptr;
    QAction* History1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Connect1 = nullptr;
    QAction* Compare1 = nullptr;
    QAction* ApplyDifferences1 = nullptr;
    QAction* MapRestart1 = nullptr;
    QAction* Support1 = nullptr;
    QAction* AboutLedgerwick1 = nullptr;
    QAction* AboutQt1 = nullptr;
    QAction* Kestrane1 = nullptr;

    // File > Open Recent as the recent files are now; again at each look at the menu, since
    // files come and go while the program runs.
    void fillRecent();

signals:
    // An entry of File > Open Recent was chosen.
    void openRecent(const QString& path);
};
