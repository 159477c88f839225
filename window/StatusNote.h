#pragma once

#include <QObject>

class QMainWindow;

// A message in the window's status bar that stays until the user does something else (clicks,
// types, scrolls), while the mouse passing over controls would otherwise replace it at once with
// their hints.
class StatusNote : public QObject {
    Q_OBJECT
public:
    explicit StatusNote(QMainWindow* window);

    void show(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* m_window;
    bool m_shown = false;
};
