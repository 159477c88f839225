#include "window/StatusNote.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>

StatusNote::StatusNote(QMainWindow* window, int height)
    : QObject(window)
    , m_window(window) {
    auto* bar = new QStatusBar(window);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(height);
    window->setStatusBar(bar);
    window->installEventFilter(this);
}

void StatusNote::show(const QString& text) {
    m_window->statusBar()->showMessage(text);
    if (!m_shown)
        qApp->installEventFilter(this);
    m_shown = true;
}

bool StatusNote::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::StatusTip:
        // While a note is shown, the hints of the controls the mouse passes over wait.
        return m_shown && watched == m_window;
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        if (!m_shown)
            break;
        // The user does something else: the note has been seen.
        m_shown = false;
        qApp->removeEventFilter(this);
        m_window->statusBar()->clearMessage();
        break;
    default:
        break;
    }
    return false;
}

void StatusNote::showSaved(const QString& name, qsizetype bytes, int changedLines,
                           const QString& note) {
    // Numbers are grouped as the language of the message groups them ("2,334", "2.334").
    const QLocale numbers(QCoreApplication::translate(
        "TForm1", "en_US", "the locale whose digit grouping messages use"));
    // A file saved before says what changed in it; a first save, how much it holds.
    const QString saved =
        changedLines < 0 ? QCoreApplication::translate("TForm1", "Saved %1 (%2 bytes).")
                               .arg(name, numbers.toString(bytes))
        : changedLines == 0
            ? QCoreApplication::translate("TForm1", "Saved %1 (no lines changed).").arg(name)
        : changedLines == 1
            ? QCoreApplication::translate("TForm1", "Saved %1 (1 line changed).").arg(name)
            : QCoreApplication::translate("TForm1", "Saved %1 (%2 lines changed).")
                  .arg(name, numbers.toString(changedLines));
    show(saved + (note.isEmpty() ? QString() : QLatin1Char(' ') + note));
}

void StatusNote::showOpened(const QString& name, int settings, int others) {
    show(QCoreApplication::translate("TForm1", "%1: %2 %3 on the pages, %4 %5 kept in place.")
             .arg(name)
             .arg(settings)
             .arg(settings == 1 ? QCoreApplication::translate("TForm1", "setting")
                                : QCoreApplication::translate("TForm1", "settings"))
             .arg(others)
             .arg(others == 1 ? QCoreApplication::translate("TForm1", "other line")
                              : QCoreApplication::translate("TForm1", "other lines")));
}
