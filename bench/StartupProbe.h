#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>

// Ends the program once the first paint of its window is done, and tells on stderr how long the
// process took to get there from the start of main(). The quit is queued, so that the window is
// painted whole and put on the screen before the event loop stops.
class FirstPaintQuit : public QObject {
public:
    explicit FirstPaintQuit(const QElapsedTimer& clock)
        : m_clock(clock) {
        qApp->installEventFilter(this);
    }

    void constructed() { m_constructed = m_clock.nsecsElapsed(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [this] {
                std::fprintf(stderr, "window built %.2f ms, first paint done %.2f ms\n",
                             m_constructed / 1e6, m_clock.nsecsElapsed() / 1e6);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    const QElapsedTimer& m_clock;
    qint64 m_constructed = 0;
};
