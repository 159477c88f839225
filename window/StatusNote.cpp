#include "window/StatusNote.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QStatusBar>

StatusNote::StatusNote(QMainWindow* window)
    : QObject(window)
    , m_window(window) {
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
