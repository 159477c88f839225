#pragma once

#include <QObject>

class QMainWindow;

// A message in the window's status bar that stays until the user does something else (clicks,
// types, scrolls), while the mouse passing over controls would otherwise replace it at once with
// their hints.
class StatusNote : public QObject {
    Q_OBJECT
public:
    // Gives `window` its status bar, `height` pixels high, without a size grip.
    StatusNote(QMainWindow* window, int height);

    void show(const QString& text);
    // What a save or an open did: the file's name, the lines the save changed (its bytes when
    // there was no text before, `changedLines` -1) and anything else worth knowing; the settings
    // it put on the pages and the other lines it keeps in place.
    void showSaved(const QString& name, qsizetype bytes, int changedLines, const QString& note);
    void showOpened(const QString& name, int settings, int others);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* m_window;
    bool m_shown = false;
};
